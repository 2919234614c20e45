// The Graphics tab with the hand-made reports of tests/data, and the drawing
// surface's pixels behind it.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "graphs/palette.h"
#include "tests/ui/window_harness.h"
#include "ui/graph_picture.h"
#include "ui/qpainter_surface.h"

namespace tervala::testing {
namespace {

struct GraphicsTab : Windows {
    std::string discharge = dir.Write("polder.out", DataFile("reports/discharge.out"));
    std::string head = dir.Write("tube.out", DataFile("reports/head.out"));

    GraphicsTab() { dir.Write("polder.dat", DataFile("reports/discharge.dat")); }
    // "Make graph" with the report chosen in its dialog.
    void MakeGraph(const std::string& report) {
        ShowTab(form.GraphicsTabSheet);
        dialogs.openAnswers.push_back(report);
        Click(form.MakeGraphButton);
    }
    QImage Shown() {
        return form.GraphImage->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void Save(QPushButton* button, const std::string& name) {
        dialogs.saveAnswers.push_back(dir.File(name));
        Click(button);
    }
};

TEST(GraphicsTab, AReportOffersItsChoicesAndGoDrawsTheChosenGraph) {
    GraphicsTab g;
    g.ShowTab(g.form.GraphicsTabSheet);
    EXPECT_FALSE(g.form.Panel1->isVisible() || g.form.Panel3->isVisible() ||
                 g.form.SelectButton->isEnabled() || g.form.GraphSaveAction->isEnabled());
    // A prediction report offers its own choices.
    g.MakeGraph(g.dir.Write("west.out", DataFile("reports/prediction.out")));
    EXPECT_TRUE(g.form.Panel3->isVisible() && !g.form.Panel1->isVisible());
    g.Click(g.form.RadioButton5);
    g.Click(g.form.GoButton3);
    EXPECT_EQ((std::pair{g.form.GraphKind, g.dm().NrOfData}),
              (std::pair{GraphKind::PredictionRainRecharge, 3}));
    g.MakeGraph(g.discharge);
    EXPECT_TRUE(g.dialogs.messages.empty() && g.form.Panel1->isVisible() &&
                !g.form.Panel3->isVisible());
    EXPECT_EQ((std::pair{g.form.StatusText().toStdString(), g.dm().Title1}),
              (std::pair{std::string("The output file can be imported into spreadsheets"),
                         std::string("Polder Oost, winter 1998")}));
    const std::pair<QRadioButton*, GraphKind> choices[] = {
        {g.form.RunoffRadioButton, GraphKind::ObservedCalculatedInTime},
        {g.form.RechRadioButton, GraphKind::AnalysisRainRecharge},
        {g.form.CalcObsRadioButton, GraphKind::CalculatedAgainstObserved},
        {g.form.RainRunRadioButton, GraphKind::ObservedAgainstRecharge},
        {g.form.RechRunRadioButton, GraphKind::RechargeObservedInTime}};
    for (const auto& [choice, kind] : choices) {
        g.Click(choice);
        g.Click(g.form.GoButton1);
        EXPECT_TRUE(g.form.GraphImage->isVisible() && !g.form.Panel1->isVisible() &&
                    g.form.SelectButton->isEnabled() && g.form.BlWhButton->isEnabled());
        EXPECT_EQ((std::pair{g.form.GraphKind, g.form.CommentButton->isEnabled()}),
                  (std::pair{kind, kind == GraphKind::ObservedAgainstRecharge}));
        EXPECT_EQ(g.Shown(), DrawGraphPicture(GraphInput{g.dm(), g.session.Values, kind, true})
                                 .convertToFormat(QImage::Format_RGB32));
        g.Click(g.form.SelectButton);
        EXPECT_TRUE(g.form.Panel1->isVisible() && !g.form.GraphImage->isVisible());
    }
    // Without the fit file the trend graph is told and not drawn.
    std::filesystem::remove(g.dir.File("polder.dat"));
    g.Click(g.form.RainRunRadioButton);
    g.Click(g.form.GoButton1);
    EXPECT_NE(g.dialogs.messages.at(0).find("polder.dat"), std::string::npos);
    EXPECT_TRUE(g.form.Panel1->isVisible() && !g.form.GraphImage->isVisible());
    // Another tab withdraws what could be saved.
    g.Click(g.form.GoButton1);
    g.ShowTab(g.form.OutputTabSheet);
    EXPECT_FALSE(g.form.GraphSaveAction->isEnabled() || g.form.BlWhButton->isEnabled());
}

TEST(GraphicsTab, SavedBitmapsAreTheBatchCommandsAndBlackAndWhiteStays) {
    GraphicsTab g;
    g.ShowTab(g.form.OutputTabSheet);
    g.dialogs.openAnswers.push_back(g.head);
    g.ChooseMenu("&File", "Open &Output");
    EXPECT_EQ(g.form.OutputMemo->toPlainText().toStdString() + "\n", DataFile("reports/head.out"));
    g.Click(g.form.ViewGraphButton);
    EXPECT_EQ(g.form.RechRunRadioButton->text(), "Recharge and Hydraulic Head     in time");
    g.Click(g.form.RechRunRadioButton);
    g.Click(g.form.GoButton1);
    g.Save(g.form.BlWhButton, "window-bw.bmp");
    EXPECT_EQ(g.dialogs.messages.back(), "The graph was saved in  " + g.dir.File("window-bw.bmp"));
    EXPECT_FALSE(g.form.ColourMode);
    const std::string batch = g.dir.File("batch-bw.bmp");
    ASSERT_EQ(RunBatch(g.dir, {"graph", g.head, "--kind", "9", "--bw", "-o", batch}).exitCode, 0);
    EXPECT_EQ(ReadBytes(g.dir.File("window-bw.bmp")), ReadBytes(batch));
    // Another graph with Go: still black and white, until colour is saved,
    // which redraws in colour even when its dialog is cancelled.
    g.Click(g.form.SelectButton);
    g.Click(g.form.RunoffRadioButton);
    g.Click(g.form.GoButton1);
    EXPECT_EQ(g.Shown().pixel(600, 440), qRgb(255, 255, 255));
    g.Click(g.form.SaveGraphButton);
    EXPECT_EQ(g.dialogs.messages.back(), "The graph was not saved");
    EXPECT_EQ(g.Shown().pixel(600, 440), qRgb(0, 0, 139));
    // An existing file is replaced only on Yes; a folder that is not there is told.
    g.dialogs.answers = {false};
    g.Save(g.form.SaveGraphButton, "window-bw.bmp");
    EXPECT_EQ(g.dialogs.questions.back(), "The file already exists, overwrite?");
    EXPECT_EQ(ReadBytes(g.dir.File("window-bw.bmp")), ReadBytes(batch));
    g.Save(g.form.SaveGraphButton, "no/x.bmp");
    EXPECT_NE(g.dialogs.messages.back().find("could not be written"), std::string::npos);
    // The head report set the head mode; by the Intro tab the selector's
    // analysis is a discharge analysis again, whose report offers its graphs.
    g.ShowTab(g.form.IntroTabSheet);
    g.ShowTab(g.form.OutputTabSheet);
    g.dialogs.openAnswers.push_back(g.discharge);
    g.ChooseMenu("&File", "Open &Output");
    g.Click(g.form.ViewGraphButton);
    EXPECT_EQ(g.form.RunoffRadioButton->text(), "Runoff/Discharge in time");
}

TEST(GraphicsTab, OpenGraphShowsASavedBitmapClippedToItsArea) {
    GraphicsTab g;
    g.MakeGraph(g.discharge);
    g.Click(g.form.GoButton1);
    g.Save(g.form.SaveGraphButton, "runoff.bmp");
    const QImage drawn = g.Shown();
    g.ShowTab(g.form.OutputTabSheet);
    g.dialogs.openAnswers.push_back(g.dir.File("runoff.bmp"));
    g.ChooseMenu("&File", "Open &Graph");
    EXPECT_EQ(g.form.PageControl1->currentWidget(), g.form.GraphicsTabSheet);
    EXPECT_TRUE(g.form.PictureImage->isVisible() && !g.form.GraphImage->isVisible() &&
                !g.form.Panel1->isVisible() && !g.form.GraphSaveAction->isEnabled());
    EXPECT_EQ(g.form.PictureImage->grab().toImage().convertToFormat(QImage::Format_RGB32),
              drawn.copy(0, 0, 617, 449));
    EXPECT_EQ(g.dm().LastFileName, g.discharge);  // the graphs still come from the report
    // Nothing chosen, a file that is not there, a file that is no picture.
    g.dialogs.Clear();
    for (const std::string& answer : {std::string(), g.dir.File("none.bmp"), g.discharge}) {
        if (!answer.empty()) g.dialogs.openAnswers.push_back(answer);
        g.Click(g.form.SeeGraphButton);
    }
    EXPECT_EQ(g.dialogs.messages,
              (std::vector<std::string>{
                  "No graphics file selected", "File does not exist, please select another one",
                  "The file \"" + g.discharge + "\" is no bitmap that can be shown."}));
}

TEST(QPainterSurface, PrimitivesLandOnTheirPixels) {
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainterSurface s(image);
        s.SetFillColour(kSkyBlue);
        s.FillRect(10, 10, 20, 15);  // right column and bottom row left out
        s.SetPenColour(kWhite);
        s.MoveTo(5, 5);
        s.LineTo(50, 5);  // stops short of its end point
        s.SetPenWidth(2);
        s.LineTo(50, 30);
        s.SetFont("Arial", 10);  // Liberation Sans of 13 pixels
        EXPECT_EQ((std::pair{s.MeasureText("8.0").Width, s.MeasureText("8.0").Height}),
                  (std::pair{18, 15}));
        s.TextOut(60, 5, "8.0");  // opaque: the cell first filled
    }
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), sky = qRgb(166, 202, 240);
    const std::tuple<int, int, QRgb> pixels[] = {
        {10, 10, sky},   {19, 14, sky},  {20, 14, red}, {19, 15, red},
        {5, 5, white},   {49, 5, white}, {50, 4, red},  {49, 20, white},
        {50, 20, white}, {51, 20, red},  {48, 20, red}, {60, 5, qRgb(166, 202, 240)},
        {78, 5, red}};
    for (const auto& [x, y, colour] : pixels) EXPECT_EQ(image.pixel(x, y), colour) << x << "," << y;
    EXPECT_EQ(QPainterSurface::PointsToPixels(10), 13);
}

}  // namespace
}  // namespace tervala::testing
