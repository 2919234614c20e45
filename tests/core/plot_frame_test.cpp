// The fixed frame, the ticks and their numbers, and the pixel mapping of a
// graph, checked through the recording surface (characters 7 pixels wide,
// texts 15 pixels high).
#include "graphs/plot_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/palette.h"
#include "graphs/pixel_mapping.h"
#include "graphs/plot_primitives.h"
#include "graphs/show_graphics.h"
#include "tests/support/recording_surface.h"

namespace tervala {

using testing::DrawOp;
using testing::RecordingSurface;

namespace {

struct Graph {
    TDMOmbrel data;
    ProgramValues values;
    RecordingSurface surface;

    // A water-table graph (kind 5): head on the vertical axis, time on the
    // horizontal one.
    Graph(const DataArrayR& time, const DataArrayR& head) {
        data.Title1 = "Polder West prediction";
        data.Title2 = "Design storm of 3 days";
        data.NrOfData = static_cast<int>(time.size());
        data.Graph.Time = time;
        data.Graph.Head = head;
    }
    DrawnGraph Draw(bool colour = true, const GraphPainter* painter = nullptr,
                    GraphKind kind = GraphKind::WaterTable) {
        surface.ops.clear();
        return ShowGraphics(surface, GraphInput{data, values, kind, colour}, painter);
    }
};

struct Tick {
    int lineX1, lineY1, lineX2, lineY2;
    std::string text;
    int textX, textY;
};

// The ticks in drawing order: every tick line followed by its number.
std::vector<Tick> TicksOf(const RecordingSurface& s) {
    std::vector<Tick> ticks;
    for (std::size_t i = 0; i + 1 < s.ops.size(); ++i) {
        const DrawOp& line = s.ops[i];
        const DrawOp& text = s.ops[i + 1];
        if (line.kind == DrawOp::Kind::Line && text.kind == DrawOp::Kind::Text) {
            ticks.push_back({line.x1, line.y1, line.x2, line.y2, text.text, text.x1, text.y1});
        }
    }
    return ticks;
}

std::vector<Tick> VerticalTicks(const RecordingSurface& s) {
    std::vector<Tick> v;
    for (const auto& t : TicksOf(s)) {
        if (t.lineX1 == 70 && t.lineX2 == 66) v.push_back(t);
    }
    return v;
}

std::vector<Tick> HorizontalTicks(const RecordingSurface& s) {
    std::vector<Tick> h;
    for (const auto& t : TicksOf(s)) {
        if (t.lineY1 == 390 && t.lineY2 == 395) h.push_back(t);
    }
    return h;
}

std::vector<std::string> TextsOf(const std::vector<Tick>& ticks) {
    std::vector<std::string> texts;
    for (const auto& t : ticks) texts.push_back(t.text);
    return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(PlotFrame, FixedFrameInColour) {
    Graph g({1, 2, 3}, {1, 2, 3});
    g.Draw(true);
    const auto& ops = g.surface.ops;
    ASSERT_GE(ops.size(), 6u);
    // Background first: nothing of an earlier picture remains.
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_EQ((std::vector<int>{ops[0].x1, ops[0].y1, ops[0].x2, ops[0].y2}),
              (std::vector<int>{0, 0, 623, 465}));
    EXPECT_EQ(ops[0].fill, (Rgb{192, 192, 192}));

    EXPECT_EQ(ops[1].text, "Polder West prediction");
    EXPECT_EQ((std::vector<int>{ops[1].x1, ops[1].y1}), (std::vector<int>{105, 5}));
    EXPECT_EQ(ops[1].font, (Rgb{0, 0, 0}));
    EXPECT_EQ(ops[1].fill, (Rgb{192, 192, 192}));
    EXPECT_EQ(ops[1].fontName, "Arial");
    EXPECT_EQ(ops[1].fontSize, 10);

    EXPECT_EQ(ops[2].kind, DrawOp::Kind::Text);  // footer naming the program
    EXPECT_NE(ops[2].text.find("Tervala"), std::string::npos);
    EXPECT_EQ((std::vector<int>{ops[2].x1, ops[2].y1}), (std::vector<int>{20, 450}));

    EXPECT_EQ(ops[3].kind, DrawOp::Kind::Fill);  // plot panel
    EXPECT_EQ((std::vector<int>{ops[3].x1, ops[3].y1, ops[3].x2, ops[3].y2}),
              (std::vector<int>{20, 19, 605, 445}));
    EXPECT_EQ(ops[3].fill, (Rgb{0, 0, 139}));

    EXPECT_EQ(ops[4].text, "Design storm of 3 days");
    EXPECT_EQ((std::vector<int>{ops[4].x1, ops[4].y1}), (std::vector<int>{105, 20}));
    EXPECT_EQ(ops[4].font, (Rgb{255, 255, 255}));
    EXPECT_EQ(ops[4].fill, (Rgb{0, 0, 139}));  // opaque on the panel

    for (int i : {5, 6}) {
        EXPECT_EQ(ops[i].kind, DrawOp::Kind::Line);
        EXPECT_EQ(ops[i].pen, (Rgb{255, 255, 255}));
        EXPECT_EQ(ops[i].penWidth, 1);
        EXPECT_EQ(ops[i].penStyle, PenStyle::Solid);
    }
    EXPECT_EQ((std::vector<int>{ops[5].x1, ops[5].y1, ops[5].x2, ops[5].y2}),
              (std::vector<int>{70, 390, 70, 70}));
    EXPECT_EQ((std::vector<int>{ops[6].x1, ops[6].y1, ops[6].x2, ops[6].y2}),
              (std::vector<int>{70, 390, 570, 390}));
}

TEST(PlotFrame, BlackAndWhiteFrameHasAWhitePanelAndBlackLines) {
    Graph g({1, 2, 3}, {1, 2, 3});
    g.Draw(false);
    const auto& ops = g.surface.ops;
    EXPECT_EQ(ops[0].fill, (Rgb{192, 192, 192}));
    EXPECT_EQ(ops[3].fill, (Rgb{255, 255, 255}));
    EXPECT_EQ(ops[4].font, (Rgb{0, 0, 0}));
    EXPECT_EQ(ops[5].pen, (Rgb{0, 0, 0}));
    for (const auto& t : g.surface.Texts()) EXPECT_EQ(t.font, (Rgb{0, 0, 0})) << t.text;
}

TEST(PlotFrame, PalettesGiveEachRoleItsColour) {
    Palette c = ColourPalette();
    EXPECT_EQ(c.Panel, (Rgb{0, 0, 139}));
    EXPECT_EQ(c.Default, (Rgb{255, 255, 255}));
    EXPECT_EQ(c.Observed, (Rgb{0, 255, 255}));
    EXPECT_EQ(c.SecondLine, (Rgb{255, 255, 0}));
    EXPECT_EQ(c.AnalysisRechargeBars, (Rgb{166, 202, 240}));
    EXPECT_EQ(c.PredictionRechargeBars, (Rgb{166, 202, 240}));
    EXPECT_EQ(c.RechargeLegend, (Rgb{166, 202, 240}));
    EXPECT_EQ(c.RainLegend, (Rgb{255, 255, 255}));
    Palette b = BlackAndWhitePalette();
    EXPECT_EQ(b.Background, (Rgb{192, 192, 192}));
    EXPECT_EQ(b.Panel, (Rgb{255, 255, 255}));
    EXPECT_EQ(b.Default, (Rgb{0, 0, 0}));
    EXPECT_EQ(b.Observed, (Rgb{0, 0, 0}));
    EXPECT_EQ(b.SecondLine, (Rgb{0, 0, 0}));
    EXPECT_EQ(b.AnalysisRechargeBars, (Rgb{192, 192, 192}));
    EXPECT_EQ(b.PredictionRechargeBars, (Rgb{0, 0, 0}));
    EXPECT_EQ(b.RechargeLegend, (Rgb{0, 0, 0}));
    EXPECT_EQ(b.RainLegend, (Rgb{128, 128, 128}));
}

TEST(PlotFrame, MaximumSevenPointTwoTicksEveryFortyPixels) {
    Graph g({1, 2, 3}, {0, 7.2, 3});
    g.Draw();
    auto v = VerticalTicks(g.surface);
    ASSERT_EQ(v.size(), 9u);
    EXPECT_EQ(TextsOf(v), (Texts{"8.0", "7.0", "6.0", "5.0", "4.0", "3.0", "2.0", "1.0", "0.0"}));
    for (int i = 0; i <= 8; ++i) {
        int y = 70 + 40 * i;
        EXPECT_EQ(v[i].lineY1, y);
        EXPECT_EQ(v[i].lineY2, y);
        // "8.0" is 21 pixels wide and 15 high: x = 64 - 21, y - round(7.5) = y - 8.
        EXPECT_EQ(v[i].textX, 43);
        EXPECT_EQ(v[i].textY, y - 8);
    }
}

TEST(PlotFrame, TinyMaximumTicksWithTwoDecimals) {
    Graph g({1, 2, 3}, {0, 0.00005, 0});
    DrawnGraph d = g.Draw();
    EXPECT_EQ(d.Axes.Y.Factor, 1000);
    auto v = VerticalTicks(g.surface);
    EXPECT_EQ(TextsOf(v), (Texts{"1.00", "0.75", "0.50", "0.25", "0.00"}));
    std::vector<int> ys;
    for (const auto& t : v) ys.push_back(t.lineY1);
    EXPECT_EQ(ys, (std::vector<int>{70, 150, 230, 310, 390}));
    EXPECT_EQ(v[0].textX, 64 - 28);
}

TEST(PlotFrame, ScaledMaximaKeepTheirFactorForTheCaptions) {
    Graph g({1, 2, 3}, {0, 0.004, 0});
    EXPECT_EQ(g.Draw().Axes.Y.Factor, 1000);
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)), (Texts{"5.0", "4.0", "3.0", "2.0", "1.0", "0.0"}));
    g.data.Graph.Head = {0, 0.05, 0};
    EXPECT_EQ(g.Draw().Axes.Y.Factor, 100);
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)),
              (Texts{"6.0", "5.0", "4.0", "3.0", "2.0", "1.0", "0.0"}));
    g.data.Graph.Head = {0, 0.5, 0};
    EXPECT_EQ(g.Draw().Axes.Y.Factor, 10);
    // 320 / 6 pixels per interval: 70, 123.3, 176.7, 230, 283.3, 336.7, 390.
    std::vector<int> ys;
    for (const auto& t : VerticalTicks(g.surface)) ys.push_back(t.lineY1);
    EXPECT_EQ(ys, (std::vector<int>{70, 123, 177, 230, 283, 337, 390}));
}

TEST(PlotFrame, MaximumThirtySixAndFiveHundred) {
    Graph g({1, 2, 3}, {0, 36, 0});
    g.Draw();
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)),
              (Texts{"40.0", "35.0", "30.0", "25.0", "20.0", "15.0", "10.0", "5.0", "0.0"}));
    g.data.Graph.Head = {0, 500, 0};
    g.Draw();
    auto v = VerticalTicks(g.surface);
    // No decimals, at least two characters.
    EXPECT_EQ(TextsOf(v), (Texts{"600", "500", "400", "300", "200", "100", " 0"}));
    EXPECT_EQ(v[0].textX, 64 - 21);
    EXPECT_EQ(v[6].textX, 64 - 14);
}

TEST(PlotFrame, HorizontalRangeOneTo365) {
    DataArrayR time;
    for (int day = 1; day <= 365; ++day) time.push_back(day);
    Graph g(time, DataArrayR(365, 2.0));
    g.Draw();
    auto h = HorizontalTicks(g.surface);
    EXPECT_EQ(TextsOf(h), (Texts{" 0", "50", "100", "150", "200", "250", "300", "350", "400"}));
    // 500 / 8 = 62.5 pixels per interval; halves round to the even pixel.
    std::vector<int> xs, textXs;
    for (const auto& t : h) {
        xs.push_back(t.lineX1);
        textXs.push_back(t.textX);
        EXPECT_EQ(t.lineX2, t.lineX1);
        EXPECT_EQ(t.textY, 400);
    }
    EXPECT_EQ(xs, (std::vector<int>{70, 132, 195, 258, 320, 382, 445, 508, 570}));
    EXPECT_EQ(textXs, (std::vector<int>{62, 124, 187, 250, 312, 374, 437, 500, 562}));
}

TEST(PlotFrame, NegativeRangeIsCutToTenIntervalsWithOneMoreDecimal) {
    Graph g({1, 2, 3}, {-60, 0, 50});
    g.Draw();
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)),
              (Texts{"60.0", "48.0", "36.0", "24.0", "12.0", "0.0", "-12.0", "-24.0", "-36.0",
                     "-48.0", "-60.0"}));
    g.data.Graph.Head = {-60, 0, 60};  // bounds -60 .. 70
    g.Draw();
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)),
              (Texts{"70.0", "57.0", "44.0", "31.0", "18.0", "5.0", "-8.0", "-21.0", "-34.0",
                     "-47.0", "-60.0"}));
}

TEST(PlotFrame, AllValuesZeroOrAllFive) {
    Graph g({1, 2, 3}, {0, 0, 0});
    g.Draw();
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)), (Texts{"2.0", "1.5", "1.0", "0.5", "0.0"}));
    g.data.Graph.Head = {5, 5, 5};
    g.Draw();
    EXPECT_EQ(TextsOf(VerticalTicks(g.surface)),
              (Texts{"7.0", "6.0", "5.0", "4.0", "3.0", "2.0", "1.0", "0.0"}));
}

TEST(PlotFrame, HorizontalMinimumZeroGetsNoFactor) {
    Graph g({0, 0.25, 0.5}, {1, 2, 3});
    DrawnGraph d = g.Draw();
    EXPECT_EQ(d.Axes.X.Factor, 1);
    EXPECT_EQ(TextsOf(HorizontalTicks(g.surface)), (Texts{"0.00", "0.25", "0.50", "0.75", "1.00"}));
    // Times all 0: bounds 0 .. 1 instead of a division by zero.
    g.data.Graph.Time = {0, 0, 0};
    d = g.Draw();
    EXPECT_EQ(d.Pixels.X, (std::vector<int>{70, 70, 70}));
}

TEST(PlotFrame, TickNumbersRoundingToZeroHaveNoSign) {
    EXPECT_EQ(TickText(-4.4e-16, 1), "0.0");
    EXPECT_EQ(TickText(-0.04, 1), "0.0");
    EXPECT_EQ(TickText(-0.06, 1), "-0.1");
    EXPECT_EQ(TickText(0, 0), " 0");
    EXPECT_EQ(TickText(0.25, 1), "0.3");  // half away from zero on the exact double
    EXPECT_EQ(TickText(1234.5, 2), "1234.50");
}

TEST(PixelMapping, BoundsLieFivePixelsAboveTheAxesEnds) {
    AxisScale y = ScaleVerticalAxis(DataRange{0, 7.2});  // 0 .. 8
    EXPECT_EQ(PixelY(y, 0), 385);
    EXPECT_EQ(PixelY(y, 8), 65);
    EXPECT_EQ(PixelY(y, 7.2), 385 - 288);
    EXPECT_EQ(PixelY(y, -1), 425);                         // outside the bounds, outside the axes
    AxisScale x = ScaleHorizontalAxis(DataRange{1, 365});  // 0 .. 400
    EXPECT_EQ(PixelX(x, 0), 70);
    EXPECT_EQ(PixelX(x, 400), 570);
    EXPECT_EQ(PixelX(x, 1), 71);                                // 1.25
    EXPECT_EQ(PixelX(x, 365), 526);                             // 456.25
    EXPECT_EQ(PixelX(x, 1.2), 72);                              // 1.5 -> 2
    AxisScale scaled = ScaleVerticalAxis(DataRange{0, 0.004});  // * 1000, 0 .. 5
    EXPECT_EQ(PixelY(scaled, 0.004), 385 - 256);
    EXPECT_EQ(PixelY(scaled, 0.0025), 385 - 160);
}

TEST(PixelMapping, FarOffValuesStayWholePixelNumbers) {
    AxisScale y = ScaleVerticalAxis(DataRange{0, 7.2});
    EXPECT_EQ(PixelY(y, 1e300), -1'000'000);
    EXPECT_EQ(PixelY(y, -1e300), 1'000'000);
}

TEST(PixelMapping, EverySeriesIsMappedAndNoneChanged) {
    TDMOmbrel data;
    data.NrOfData = 3;
    data.Graph.Time = {0, 200, 400};
    data.Graph.Recharge = {0, 4, 8};
    data.Graph.Observed = {8, 4, 0};
    data.Graph.LastHead = {800, 400, 0};  // mm: 8, 4 and 0 dm
    // Time 0 .. 400; recharge up to 8.8 with the margin: 0 .. 9.
    PlotAxes axes = ComputeAxes(GraphKind::RechargeObservedInTime, data.Graph, 3);
    ASSERT_EQ(axes.Y.Upper, 9);
    PixelSeries p = MapToPixels(axes, data.Graph, 3);
    EXPECT_EQ(p.X, (std::vector<int>{70, 320, 570}));
    // 4 * 320 / 9 = 142.2, 8 * 320 / 9 = 284.4.
    EXPECT_EQ(p.Recharge, (std::vector<int>{385, 243, 101}));
    EXPECT_EQ(p.Observed, (std::vector<int>{101, 243, 385}));
    EXPECT_EQ(p.LastHeadDm, (std::vector<int>{101, 243, 385}));
    EXPECT_EQ(p.RechargeX, (std::vector<int>{70, 75, 80}));
    EXPECT_TRUE(p.Discharge.empty());
    // Drawing twice leaves the last head in millimetres.
    MapToPixels(axes, data.Graph, 3);
    EXPECT_EQ(data.Graph.LastHead, (DataArrayR{800, 400, 0}));
}

TEST(ShowGraphics, PainterTextsComeBeforeTheTicksAndSeriesAfter) {
    // Texts of a kind may leave a font colour for the tick numbers (kind 9
    // leaves yellow); bars and lines come after the ticks.
    struct YellowPainter : GraphPainter {
        void DrawTexts(PlotCanvas& c) const override {
            c.Surface.SetFontColour(c.Colours.SecondLine);
            c.Surface.TextOut(82, 55, "legend");
        }
        void DrawSeries(PlotCanvas& c) const override {
            DrawSegment(c.Surface, c.Pixels.X[0], c.Pixels.Head[0], c.Pixels.X[1],
                        c.Pixels.Head[1]);
        }
    } painter;
    Graph g({0, 400}, {0, 7.2});
    g.Draw(true, &painter);
    int legend = g.surface.IndexOfText("legend");
    int top = g.surface.IndexOfText("8.0");
    ASSERT_GE(legend, 0);
    EXPECT_LT(legend, top);
    EXPECT_EQ(g.surface.ops[top].font, (Rgb{255, 255, 0}));
    const DrawOp& last = g.surface.ops.back();
    EXPECT_EQ(last.kind, DrawOp::Kind::Line);
    EXPECT_EQ((std::vector<int>{last.x1, last.y1, last.x2, last.y2}),
              (std::vector<int>{70, 385, 570, 97}));

    g.Draw(false, &painter);
    EXPECT_EQ(g.surface.ops[g.surface.IndexOfText("8.0")].font, (Rgb{0, 0, 0}));
}

TEST(ShowGraphics, ReportWithoutRowsGivesTheFrameAndSaysSo) {
    Graph g({}, {});
    struct FailingPainter : GraphPainter {
        void DrawTexts(PlotCanvas&) const override { ADD_FAILURE() << "no texts without rows"; }
        void DrawSeries(PlotCanvas&) const override { ADD_FAILURE() << "no series"; }
    } painter;
    DrawnGraph d = g.Draw(true, &painter);
    EXPECT_FALSE(d.HasRows);
    EXPECT_EQ(g.surface.ops.size(), 8u);  // frame, two axes and the notice
    const DrawOp& notice = g.surface.ops.back();
    EXPECT_EQ(notice.text, kNoRowsText);
    EXPECT_EQ(notice.font, (Rgb{255, 255, 255}));
    int width = 45 * RecordingSurface::kCharWidth;
    ASSERT_EQ(std::string(kNoRowsText).size(), 45u);
    EXPECT_EQ(notice.x1, (70 + 570 - width) / 2);
    EXPECT_EQ(notice.y1, (70 + 390 - 15) / 2);
}

TEST(PlotPrimitives, MarksBarsAndOutlines) {
    RecordingSurface s;
    s.SetFillColour(kSkyBlue);
    DrawOpenCircle(s, 100, 200);
    DrawBullet(s, 100, 200);
    DrawBar(s, 100, 110, 384);  // top 5 pixels above the axis or more: drawn
    DrawBar(s, 110, 120, 385);  // at the lower bound: nothing
    DrawStepOutline(s, 100, 110, 300, 388);
    DrawStepOutline(s, 110, 120, 385, 388);
    ASSERT_EQ(s.ops.size(), 6u);
    EXPECT_EQ(s.ops[0].kind, DrawOp::Kind::Ellipse);
    EXPECT_EQ((std::vector<int>{s.ops[0].x1, s.ops[0].y1, s.ops[0].x2, s.ops[0].y2}),
              (std::vector<int>{98, 198, 102, 202}));
    EXPECT_EQ(s.ops[0].fill, kSkyBlue);
    EXPECT_EQ(s.ops[1].kind, DrawOp::Kind::Mark);  // no cell: neighbouring marks stay
    EXPECT_EQ(s.ops[1].text, "\xE2\x80\xA2");
    EXPECT_EQ((std::vector<int>{s.ops[1].x1, s.ops[1].y1}), (std::vector<int>{100, 195}));
    EXPECT_EQ(s.ops[2].kind, DrawOp::Kind::Fill);
    EXPECT_EQ((std::vector<int>{s.ops[2].x1, s.ops[2].y1, s.ops[2].x2, s.ops[2].y2}),
              (std::vector<int>{100, 384, 110, 389}));
    EXPECT_EQ((std::vector<int>{s.ops[3].x1, s.ops[3].y1, s.ops[3].x2, s.ops[3].y2}),
              (std::vector<int>{100, 388, 100, 300}));
    EXPECT_EQ((std::vector<int>{s.ops[4].x1, s.ops[4].y1, s.ops[4].x2, s.ops[4].y2}),
              (std::vector<int>{100, 300, 110, 300}));
    EXPECT_EQ((std::vector<int>{s.ops[5].x1, s.ops[5].y1, s.ops[5].x2, s.ops[5].y2}),
              (std::vector<int>{110, 300, 110, 388}));
}

}  // namespace tervala
