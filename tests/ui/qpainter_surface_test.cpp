// The QPainter drawing surface: fonts, fills, lines, ellipses and opaque
// texts land on the pixels the graph geometry names, and a drawn frame saved
// as a bitmap reads back the same.
#include "ui/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include "graphs/palette.h"
#include "graphs/show_graphics.h"
#include "tests/support/temp_dir.h"

namespace tervala {

namespace {

QRgb Q(Rgb c) { return qRgb(c.r, c.g, c.b); }

QImage Blank(int w = 40, int h = 40) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// A water-table graph over a year: head 2 mm all along (bounds 0 .. 3),
// time 1 .. 365 (bounds 0 .. 400, ticks every 62.5 pixels).
QImage DrawYear(bool colour) {
    TDMOmbrel data;
    ProgramValues values;
    data.Title1 = "Polder West";
    for (int day = 1; day <= 365; ++day) {
        data.Graph.Time.push_back(day);
        data.Graph.Head.push_back(2);
    }
    data.NrOfData = 365;
    QImage image = NewGraphImage();
    QPainterSurface surface(image);
    ShowGraphics(surface, GraphInput{data, values, GraphKind::WaterTable, colour}, nullptr);
    return image;
}

}  // namespace

TEST(QPainterSurface, ArialTenPointIsLiberationSansOfThirteenPixels) {
    EXPECT_EQ(QPainterSurface::PointsToPixels(10), 13);
    EXPECT_EQ(QPainterSurface::PointsToPixels(8), 11);  // 10.67
    QFont arial("Arial");
    arial.setPixelSize(13);
    EXPECT_EQ(QFontInfo(arial).family(), "Liberation Sans");
    QImage image = Blank();
    QPainterSurface surface(image);
    surface.SetFont("Arial", 10);
    TextExtent e = surface.MeasureText("8.0");
    EXPECT_EQ(e.height, 15);
    EXPECT_EQ(e.width, 18);
    EXPECT_GT(surface.MeasureText("600").width, e.width);
}

TEST(QPainterSurface, FilledRectangleLeavesOutItsRightColumnAndBottomRow) {
    QImage image = Blank();
    {
        QPainterSurface s(image);
        s.SetFillColour(kSkyBlue);
        s.FillRect(10, 10, 20, 15);
    }
    EXPECT_EQ(image.pixel(10, 10), Q(kSkyBlue));
    EXPECT_EQ(image.pixel(19, 14), Q(kSkyBlue));
    EXPECT_EQ(image.pixel(20, 14), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(9, 10), qRgb(255, 0, 0));
}

TEST(QPainterSurface, TextIsOpaqueOnTheFillColour) {
    QImage image = Blank(100, 40);
    {
        QPainterSurface s(image);
        s.SetFont("Arial", 10);
        s.SetFillColour(kDarkBlue);
        s.SetFontColour(kYellow);
        s.TextOut(10, 5, "8.0");
    }
    // The text's cell, 18 x 15 from (10, 5), is dark blue where no glyph is.
    EXPECT_EQ(image.pixel(10, 5), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(27, 19), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(28, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 20), qRgb(255, 0, 0));
    // Glyph pixels: yellow, or yellow blended into the blue at the edges.
    int glyph = 0;
    for (int y = 5; y < 20; ++y) {
        for (int x = 10; x < 28; ++x) glyph += qRed(image.pixel(x, y)) > 128;
    }
    EXPECT_GT(glyph, 15);
}

TEST(QPainterSurface, LinesFollowPenColourWidthAndStyle) {
    QImage image = Blank(60, 40);
    {
        QPainterSurface s(image);
        s.SetPenColour(kWhite);
        s.MoveTo(5, 5);
        s.LineTo(50, 5);  // solid, width 1
        s.SetPenWidth(2);
        s.MoveTo(5, 15);
        s.LineTo(50, 15);
        s.SetPenWidth(1);
        s.SetPenStyle(PenStyle::Dotted);
        s.SetPenColour(kYellow);
        s.MoveTo(5, 30);
        s.LineTo(50, 30);
    }
    int solid = 0, dotted = 0;
    for (int x = 5; x <= 50; ++x) {
        solid += image.pixel(x, 5) == Q(kWhite);
        dotted += image.pixel(x, 30) == Q(kYellow);
    }
    // As on the window system's bitmaps, a line stops short of its end point.
    EXPECT_EQ(solid, 45);
    EXPECT_EQ(image.pixel(50, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 4), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 6), qRgb(255, 0, 0));
    // Width 2 covers two pixel rows.
    int wide = (image.pixel(20, 14) == Q(kWhite)) + (image.pixel(20, 15) == Q(kWhite)) +
               (image.pixel(20, 16) == Q(kWhite));
    EXPECT_EQ(wide, 2);
    EXPECT_GT(dotted, 10);
    EXPECT_LT(dotted, 40);
}

TEST(QPainterSurface, LineToContinuesFromTheLastEndPoint) {
    QImage image = Blank();
    {
        QPainterSurface s(image);
        s.SetPenColour(kWhite);
        s.MoveTo(5, 5);
        s.LineTo(5, 20);
        s.LineTo(20, 20);
    }
    EXPECT_EQ(image.pixel(5, 12), Q(kWhite));
    EXPECT_EQ(image.pixel(12, 20), Q(kWhite));
    EXPECT_EQ(image.pixel(12, 12), qRgb(255, 0, 0));
}

TEST(QPainterSurface, EllipseIsOutlinedByThePenAndFilledInside) {
    QImage image = Blank();
    {
        QPainterSurface s(image);
        s.SetPenColour(kCyan);
        s.SetFillColour(kDarkBlue);
        s.Ellipse(10, 10, 20, 20);  // pixels 10 .. 19
    }
    EXPECT_EQ(image.pixel(10, 15), Q(kCyan));
    EXPECT_EQ(image.pixel(19, 15), Q(kCyan));
    EXPECT_EQ(image.pixel(15, 10), Q(kCyan));
    EXPECT_EQ(image.pixel(15, 19), Q(kCyan));
    EXPECT_EQ(image.pixel(15, 15), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(20, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));  // corners stay outside
}

TEST(QPainterSurface, FrameLandsOnItsPixelsInColour) {
    QImage image = DrawYear(true);
    ASSERT_EQ(image.size(), QSize(623, 465));
    EXPECT_EQ(image.pixel(0, 0), Q(kSilver));
    EXPECT_EQ(image.pixel(622, 464), Q(kSilver));
    EXPECT_EQ(image.pixel(19, 200), Q(kSilver));
    EXPECT_EQ(image.pixel(20, 19), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(604, 444), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(605, 444), Q(kSilver));
    EXPECT_EQ(image.pixel(604, 445), Q(kSilver));
    // Axes and tick marks in the default pen.
    EXPECT_EQ(image.pixel(70, 200), Q(kWhite));
    EXPECT_EQ(image.pixel(69, 200), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(300, 390), Q(kWhite));
    EXPECT_EQ(image.pixel(300, 389), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(67, 70), Q(kWhite));    // top vertical tick
    EXPECT_EQ(image.pixel(132, 394), Q(kWhite));  // second horizontal tick, 62.5 -> 132
    EXPECT_EQ(image.pixel(133, 394), Q(kDarkBlue));
    EXPECT_EQ(image.pixel(571, 390), Q(kDarkBlue));
}

TEST(QPainterSurface, BlackAndWhiteFrameHasAWhitePanelAndBlackAxes) {
    QImage image = DrawYear(false);
    EXPECT_EQ(image.pixel(0, 0), Q(kSilver));
    EXPECT_EQ(image.pixel(300, 300), Q(kWhite));
    EXPECT_EQ(image.pixel(70, 200), Q(kBlack));
    EXPECT_EQ(image.pixel(300, 390), Q(kBlack));
}

TEST(QPainterSurface, SavedBitmapReadsBackPixelForPixel) {
    testing::TempDir folder;
    QImage image = DrawYear(true);
    QString path = QString::fromStdString(folder.File("year.bmp"));
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"));
    QImage back(path);
    ASSERT_EQ(back.size(), QSize(623, 465));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
}

}  // namespace tervala
