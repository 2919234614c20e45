// The eight graphs through the recording surface (characters 7 pixels wide,
// texts 15 high): captions by factor and mode, legends, marks, bars, step
// outlines and trend lines at the pixels worked out by hand from the axis
// rules (bounds, px = round((x*F - L) * 500 / (H - L)) + 70,
// py = 385 - round((y*F - L) * 320 / (H - L))).
#include "graphs/graph_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphs/linear_trend.h"
#include "graphs/palette.h"
#include "tests/support/recording_surface.h"

namespace tervala {

using testing::DrawOp;
using testing::RecordingSurface;

namespace {

using Box = std::vector<int>;

Box BoxOf(const DrawOp& op) { return {op.x1, op.y1, op.x2, op.y2}; }
Box At(const DrawOp& op) { return {op.x1, op.y1}; }

struct Graph {
    TDMOmbrel data;
    ProgramValues values;
    RecordingSurface surface;

    explicit Graph(int rows) {
        data.Title1 = "Polder Oost, winter 1998";
        data.Title2 = "Pipe drains at 1.20 m, spacing 12 m";
        data.NrOfData = rows;
    }
    DrawnGraph Draw(GraphKind kind, bool colour = true) {
        surface.ops.clear();
        return DrawGraph(surface, GraphInput{data, values, kind, colour});
    }
    // The operations drawn after the last tick number: what the kind's
    // series step drew.
    std::vector<DrawOp> AfterTicks() const {
        std::size_t last = 0;
        for (std::size_t i = 0; i < surface.ops.size(); ++i) {
            const DrawOp& op = surface.ops[i];
            if (op.kind == DrawOp::Kind::Line && op.y1 == 390 && op.y2 == 395) last = i + 1;
        }
        // the number of the last horizontal tick follows its line
        return {surface.ops.begin() + static_cast<long>(last + 1), surface.ops.end()};
    }
    const DrawOp* Text(const std::string& text) const {
        int i = surface.IndexOfText(text);
        return i < 0 ? nullptr : &surface.ops[static_cast<std::size_t>(i)];
    }
    bool HasTextAt(int x, int y) const {
        for (const auto& t : surface.Texts()) {
            if (t.x1 == x && t.y1 == y) return true;
        }
        return false;
    }
};

std::vector<DrawOp> OfKind(const std::vector<DrawOp>& ops, DrawOp::Kind kind) {
    std::vector<DrawOp> found;
    for (const auto& op : ops) {
        if (op.kind == kind) found.push_back(op);
    }
    return found;
}

// The discharge analysis of three rows: time 1, 2, 3 (horizontal bounds 0 .. 4,
// px = 125 t + 70), observed and calculated 0.66 .. 1.2 (vertical bounds 0 .. 2,
// py = 385 - round(160 y)).
Graph ThreeRowAnalysis() {
    Graph g(3);
    g.data.ModeTag = kDischargeTag;
    g.data.Graph.Time = {1, 2, 3};
    g.data.Graph.Rain = {12.5, 3.0, 0.0};
    g.data.Graph.Recharge = {4.1, 2.35, 0.4};
    g.data.Graph.Observed = {0.8, 1.2, 0.66};
    g.data.Graph.Alpha = {0, 0.012, 0.011};
    g.data.Graph.Calculated = {0.8, 0.78, 0.69};
    g.values.Trend.RSquare = 0.87;
    return g;
}

}  // namespace

// ---- kind 1 ----

TEST(RunoffInTimeGraph, ThreeRowsDrawOneCircleAndOneSegment) {
    Graph g = ThreeRowAnalysis();
    g.Draw(GraphKind::ObservedCalculatedInTime);
    std::vector<DrawOp> series = g.AfterTicks();
    std::vector<DrawOp> circles = OfKind(series, DrawOp::Kind::Ellipse);
    std::vector<DrawOp> lines = OfKind(series, DrawOp::Kind::Line);
    ASSERT_EQ(circles.size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    // Observed 0.8 of row 0 at the time of row 1 (t = 2): (320, 257).
    EXPECT_EQ(BoxOf(circles[0]), (Box{318, 255, 322, 259}));
    EXPECT_EQ(circles[0].pen, kCyan);
    EXPECT_EQ(circles[0].fill, kDarkBlue);  // open: filled with the panel colour
    // Calculated 0.8 at time 2 to calculated 0.78 (py 385 - 125) at time 3.
    EXPECT_EQ(BoxOf(lines[0]), (Box{320, 257, 445, 260}));
    EXPECT_EQ(lines[0].pen, kWhite);
}

TEST(RunoffInTimeGraph, FewerThanThreeRowsDrawNoMarks) {
    Graph g = ThreeRowAnalysis();
    g.data.NrOfData = 2;
    g.Draw(GraphKind::ObservedCalculatedInTime);
    EXPECT_TRUE(OfKind(g.AfterTicks(), DrawOp::Kind::Ellipse).empty());
    EXPECT_TRUE(OfKind(g.AfterTicks(), DrawOp::Kind::Line).empty());
}

TEST(RunoffInTimeGraph, CaptionsLegendsAndRSquare) {
    Graph g = ThreeRowAnalysis();
    g.Draw(GraphKind::ObservedCalculatedInTime);
    ASSERT_NE(g.Text("T i m e"), nullptr);
    EXPECT_EQ(At(*g.Text("T i m e")), (Box{520, 415}));
    ASSERT_NE(g.Text("Discharge/runoff (mm/t)"), nullptr);
    EXPECT_EQ(At(*g.Text("Discharge/runoff (mm/t)")), (Box{82, 60}));
    ASSERT_NE(g.Text("R square = 0.87"), nullptr);
    EXPECT_EQ(At(*g.Text("R square = 0.87")), (Box{445, 60}));
    ASSERT_NE(g.Text(" o  observed"), nullptr);
    EXPECT_EQ(At(*g.Text(" o  observed")), (Box{95, 75}));
    EXPECT_EQ(g.Text(" o  observed")->font, kCyan);
    ASSERT_NE(g.Text("--- calculated"), nullptr);
    EXPECT_EQ(At(*g.Text("--- calculated")), (Box{95, 90}));
    EXPECT_EQ(g.Text("--- calculated")->font, kWhite);
    // Texts before the ticks: the tick numbers stay white.
    EXPECT_LT(g.surface.IndexOfText("--- calculated"), g.surface.IndexOfText("0.0"));
    EXPECT_EQ(g.Text("0.0")->font, kWhite);
}

TEST(RunoffInTimeGraph, RSquareOfOneHalfIsNotShown) {
    Graph g = ThreeRowAnalysis();
    g.values.Trend.RSquare = 0.5;
    g.Draw(GraphKind::ObservedCalculatedInTime);
    EXPECT_FALSE(g.HasTextAt(445, 60));
    g.values.Trend.RSquare = 0.5000001;
    g.Draw(GraphKind::ObservedCalculatedInTime);
    EXPECT_NE(g.Text("R square = 0.5000001"), nullptr);
}

TEST(RunoffInTimeGraph, CaptionFollowsTheVerticalFactor) {
    Graph g = ThreeRowAnalysis();
    g.data.Graph.Observed = {0.8, 0.5, 0.6};  // 0.88 with the margin: factor 10
    g.data.Graph.Calculated = {0.7, 0.6, 0.5};
    EXPECT_EQ(g.Draw(GraphKind::ObservedCalculatedInTime).Axes.Y.Factor, 10);
    EXPECT_NE(g.Text("Discharge or runoff * 10"), nullptr);
    g.data.Graph.Observed = {0.08, 0.05, 0.06};
    g.data.Graph.Calculated = {0.07, 0.06, 0.05};
    EXPECT_EQ(g.Draw(GraphKind::ObservedCalculatedInTime).Axes.Y.Factor, 100);
    EXPECT_NE(g.Text("Discharge or runoff * 100"), nullptr);
    g.data.Graph.Observed = {0.008, 0.005, 0.006};
    g.data.Graph.Calculated = {0.007, 0.006, 0.005};
    EXPECT_EQ(g.Draw(GraphKind::ObservedCalculatedInTime).Axes.Y.Factor, 1000);
    EXPECT_NE(g.Text("Discharge or runoff * 1000"), nullptr);
    g.data.ModeTag = kHeadTag;  // a head analysis: one caption, whatever the factor
    g.Draw(GraphKind::ObservedCalculatedInTime);
    EXPECT_NE(g.Text("Hydraulic head (mm)"), nullptr);
    EXPECT_EQ(g.Text("Discharge or runoff * 1000"), nullptr);
}

TEST(RunoffInTimeGraph, BlackAndWhiteDrawsEverythingBlack) {
    Graph g = ThreeRowAnalysis();
    g.Draw(GraphKind::ObservedCalculatedInTime, false);
    for (const auto& op : g.AfterTicks()) EXPECT_EQ(op.pen, kBlack);
    EXPECT_EQ(OfKind(g.AfterTicks(), DrawOp::Kind::Ellipse)[0].fill, kWhite);
    EXPECT_EQ(g.Text(" o  observed")->font, kBlack);
}

// ---- kind 2 ----

namespace {

Graph ThreeRowPrediction() {
    Graph g(3);
    g.data.ModeTag = kPredictionTag;
    g.data.PredictionMode = true;
    g.data.Graph.Time = {1, 2, 3};
    g.data.Graph.Rain = {12.5, 0.0, 1.5};
    g.data.Graph.Recharge = {3.2, 7.5, 0.45};
    g.data.Graph.Alpha = {0, 0.011, 0.012};
    g.data.Graph.Discharge = {0.5, 0.62, 0.58};
    g.data.Graph.Head = {120, 135.5, 128.25};
    return g;
}

}  // namespace

TEST(PredictedDischargeGraph, TitleByFactorAndNoneAtAThousand) {
    Graph g = ThreeRowPrediction();
    g.data.Graph.Discharge = {1.5, 2.0, 1.0};
    EXPECT_EQ(g.Draw(GraphKind::PredictedDischarge).Axes.Y.Factor, 1);
    ASSERT_NE(g.Text("Discharge (predicted) in mm/t"), nullptr);
    EXPECT_EQ(At(*g.Text("Discharge (predicted) in mm/t")), (Box{80, 50}));
    g.data.Graph.Discharge = {0.5, 0.62, 0.58};  // 0.682: factor 10
    EXPECT_EQ(g.Draw(GraphKind::PredictedDischarge).Axes.Y.Factor, 10);
    EXPECT_NE(g.Text("Discharge (predicted) in 0.1 mm/t"), nullptr);
    g.data.Graph.Discharge = {0.05, 0.062, 0.058};
    EXPECT_EQ(g.Draw(GraphKind::PredictedDischarge).Axes.Y.Factor, 100);
    EXPECT_NE(g.Text("Discharge (predicted) *100 in 0.01 mm/t"), nullptr);
    g.data.Graph.Discharge = {0.002, 0.004, 0.003};  // 0.0044: factor 1000
    EXPECT_EQ(g.Draw(GraphKind::PredictedDischarge).Axes.Y.Factor, 1000);
    EXPECT_FALSE(g.HasTextAt(80, 50));
    EXPECT_NE(g.Text("T i m e"), nullptr);
}

TEST(PredictedDischargeGraph, SegmentsJoinRowKToRowKPlusOne) {
    Graph g = ThreeRowPrediction();
    g.data.NrOfData = 4;
    g.data.Graph.Time = {1, 2, 3, 4};
    g.data.Graph.Discharge = {1.0, 2.0, 1.5, 0.5};
    // Vertical: 2.2 -> bounds 0 .. 3, py = 385 - round(y * 320 / 3);
    // horizontal: 1 .. 4 -> bounds 0 .. 4 (round(4.5) is 4), px = 125 t + 70.
    g.Draw(GraphKind::PredictedDischarge);
    std::vector<DrawOp> lines = OfKind(g.AfterTicks(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);  // rows 0..N-3: the last row is not joined
    EXPECT_EQ(BoxOf(lines[0]), (Box{195, 278, 320, 172}));
    EXPECT_EQ(BoxOf(lines[1]), (Box{320, 172, 445, 225}));
}

// ---- kinds 3 and 4 ----

namespace {

// Time 1 .. 4 (px = 125 t + 70), rain and recharge 0 .. 10 (vertical bounds
// 0 .. 12 by steps of 4, py = 385 - round(y * 320 / 12)).
Graph RainAndRecharge() {
    Graph g(4);
    g.data.Graph.Time = {1, 2, 3, 4};
    g.data.Graph.Rain = {10, 0, 4, 0};
    g.data.Graph.Recharge = {0, 2.5, 1.25, 0};
    g.data.Graph.Observed = {1, 1, 1, 1};
    g.data.Graph.Calculated = {1, 1, 1, 1};
    g.data.Graph.Discharge = {1, 1, 1, 1};
    g.data.Graph.Head = {1, 1, 1, 1};
    return g;
}

}  // namespace

TEST(AnalysisRainRechargeGraph, NoBarAtTheLowerBoundAndStepsOneRowLater) {
    Graph g = RainAndRecharge();
    g.Draw(GraphKind::AnalysisRainRecharge);
    std::vector<DrawOp> series = g.AfterTicks();
    std::vector<DrawOp> bars = OfKind(series, DrawOp::Kind::Fill);
    // Row 0 has no recharge (its top would be pixel row 385): one bar, of row 1,
    // between the times of rows 2 and 3, from 385 - 67 down to the axis.
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(BoxOf(bars[0]), (Box{445, 318, 570, 389}));
    EXPECT_EQ(bars[0].fill, kSkyBlue);
    // Rain 10 of row 0 between the times of rows 1 and 2, from the base 388;
    // rain 0 of row 1 draws nothing.
    std::vector<DrawOp> lines = OfKind(series, DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(BoxOf(lines[0]), (Box{320, 388, 320, 118}));
    EXPECT_EQ(BoxOf(lines[1]), (Box{320, 118, 445, 118}));
    EXPECT_EQ(BoxOf(lines[2]), (Box{445, 118, 445, 388}));
    for (const auto& l : lines) {
        EXPECT_EQ(l.penWidth, 2);
        EXPECT_EQ(l.pen, kWhite);
    }
    // Bars first, outlines over them.
    EXPECT_EQ(series.front().kind, DrawOp::Kind::Fill);
}

TEST(AnalysisRainRechargeGraph, LegendsInColourAndBlackAndWhite) {
    Graph g = RainAndRecharge();
    g.Draw(GraphKind::AnalysisRainRecharge);
    ASSERT_NE(g.Text(" Rain/irrigation in mm/t"), nullptr);
    EXPECT_EQ(At(*g.Text(" Rain/irrigation in mm/t")), (Box{85, 60}));
    EXPECT_EQ(g.Text(" Rain/irrigation in mm/t")->font, kWhite);
    ASSERT_NE(g.Text(" Recharge in mm/t"), nullptr);
    EXPECT_EQ(At(*g.Text(" Recharge in mm/t")), (Box{86, 75}));
    EXPECT_EQ(g.Text(" Recharge in mm/t")->font, kSkyBlue);
    EXPECT_EQ(g.Text("12.0")->font, kWhite);  // tick numbers in the default colour

    g.Draw(GraphKind::AnalysisRainRecharge, false);
    EXPECT_EQ(g.Text(" Rain/irrigation in mm/t")->font, kGrey);
    EXPECT_EQ(g.Text(" Recharge in mm/t")->font, kBlack);
    EXPECT_EQ(OfKind(g.AfterTicks(), DrawOp::Kind::Fill)[0].fill, kSilver);
}

TEST(PredictionRainRechargeGraph, BarsAndStepsOnTheirOwnRowBlackInBlackAndWhite) {
    Graph g = RainAndRecharge();
    g.Draw(GraphKind::PredictionRainRecharge, false);
    std::vector<DrawOp> series = g.AfterTicks();
    // Kind 4 scales to the rain only: bounds 0 .. 12 all the same (11 -> 12).
    std::vector<DrawOp> bars = OfKind(series, DrawOp::Kind::Fill);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(BoxOf(bars[0]), (Box{320, 318, 445, 389}));
    EXPECT_EQ(bars[0].fill, kBlack);
    std::vector<DrawOp> lines = OfKind(series, DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(BoxOf(lines[0]), (Box{195, 389, 195, 118}));
    EXPECT_EQ(BoxOf(lines[1]), (Box{195, 118, 320, 118}));
    EXPECT_EQ(BoxOf(lines[2]), (Box{320, 118, 320, 389}));
    for (const auto& l : lines) EXPECT_EQ(l.penWidth, 1);

    g.Draw(GraphKind::PredictionRainRecharge, true);
    EXPECT_EQ(OfKind(g.AfterTicks(), DrawOp::Kind::Fill)[0].fill, kSkyBlue);
}

// ---- kind 5 ----

TEST(WaterTableGraph, CaptionByModeAndFactor) {
    Graph g = ThreeRowPrediction();
    g.data.PredictionMode = false;  // as the reader leaves it for "PREDICTION drainage:"
    EXPECT_EQ(g.Draw(GraphKind::WaterTable).Axes.Y.Factor, 1);
    ASSERT_NE(g.Text("Water table height (predicted, mm)"), nullptr);
    EXPECT_EQ(At(*g.Text("Water table height (predicted, mm)")), (Box{86, 60}));
    g.data.PredictionMode = true;
    g.Draw(GraphKind::WaterTable);
    EXPECT_NE(g.Text("Water storage (predicted, mm)"), nullptr);
    g.data.Graph.Head = {0.5, 0.6, 0.4};  // 0.66: factor 10, centimetres
    EXPECT_EQ(g.Draw(GraphKind::WaterTable).Axes.Y.Factor, 10);
    EXPECT_NE(g.Text("Water storage (predicted, cm)"), nullptr);
    g.data.PredictionMode = false;
    g.data.Graph.Head = {0.05, 0.06, 0.04};
    EXPECT_EQ(g.Draw(GraphKind::WaterTable).Axes.Y.Factor, 100);
    EXPECT_NE(g.Text("Water table height (predicted, dm)"), nullptr);
    // A factor without a caption of its own keeps the caption of factor 1.
    g.data.Graph.Head = {0.005, 0.006, 0.004};
    EXPECT_EQ(g.Draw(GraphKind::WaterTable).Axes.Y.Factor, 1000);
    EXPECT_NE(g.Text("Water table height (predicted, mm)"), nullptr);
}

TEST(WaterTableGraph, HeadSegments) {
    Graph g = ThreeRowPrediction();
    // Head 120 .. 135.5: 149.05 -> steps of 25, bounds 100 .. 150,
    // py = 385 - round((y - 100) * 6.4); time bounds 0 .. 4.
    g.Draw(GraphKind::WaterTable);
    std::vector<DrawOp> lines = OfKind(g.AfterTicks(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(BoxOf(lines[0]), (Box{195, 257, 320, 158}));
}

// ---- kind 7 ----

namespace {

// Observed 1, 2, 3 (in the time series too, as the reader leaves it) and
// calculated 1.5, 2, 2.5: both axes 0 .. 4, px = 125 x + 70, py = 385 - 80 y.
Graph CalculatedObserved() {
    Graph g(3);
    g.data.ModeTag = kDischargeTag;
    g.data.Graph.Time = {1, 2, 3};
    g.data.Graph.Rain = {5, 0, 1};
    g.data.Graph.Recharge = {1, 2, 3};
    g.data.Graph.Observed = {1, 2, 3};
    g.data.Graph.Alpha = {0, 0, 0};
    g.data.Graph.Calculated = {1.5, 2, 2.5};
    g.values.Trend.RSquare = 0.87;
    return g;
}

}  // namespace

TEST(CalculatedAgainstObservedGraph, BulletsAndTheLineOfEquality) {
    Graph g = CalculatedObserved();
    g.Draw(GraphKind::CalculatedAgainstObserved);
    std::vector<DrawOp> series = g.AfterTicks();
    std::vector<DrawOp> bullets = OfKind(series, DrawOp::Kind::Mark);
    ASSERT_EQ(bullets.size(), 1u);  // rows 0 .. N - 3
    EXPECT_EQ(bullets[0].text, "\xE2\x80\xA2");
    EXPECT_EQ(At(bullets[0]), (Box{195, 265 - 5}));
    EXPECT_EQ(bullets[0].font, kCyan);
    EXPECT_EQ(bullets[0].fontSize, 10);
    std::vector<DrawOp> lines = OfKind(series, DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    // From the smallest observation (1) with the axis row 390 as base, to the
    // largest (3) at 385 - 240.
    EXPECT_EQ(BoxOf(lines[0]), (Box{195, 310, 445, 145}));
    EXPECT_EQ(lines[0].pen, kWhite);
}

TEST(CalculatedAgainstObservedGraph, CaptionsInDischargeAndHeadMode) {
    Graph g = CalculatedObserved();
    g.Draw(GraphKind::CalculatedAgainstObserved);
    ASSERT_NE(g.Text("Runoff observed"), nullptr);
    EXPECT_EQ(At(*g.Text("Runoff observed")), (Box{470, 415}));
    ASSERT_NE(g.Text("Runoff calculated (mm/t)"), nullptr);
    EXPECT_EQ(At(*g.Text("Runoff calculated (mm/t)")), (Box{82, 60}));
    ASSERT_NE(g.Text(" ---  Obs = Calc"), nullptr);
    EXPECT_EQ(At(*g.Text(" ---  Obs = Calc")), (Box{95, 75}));
    EXPECT_NE(g.Text("R square = 0.87"), nullptr);
    EXPECT_EQ(g.Text("T i m e"), nullptr);

    g.data.Graph.Observed = {0.1, 0.2, 0.3};  // every value below 1: factor 10 on both axes
    g.data.Graph.Time = g.data.Graph.Observed;
    g.data.Graph.Calculated = {0.15, 0.2, 0.25};
    DrawnGraph d = g.Draw(GraphKind::CalculatedAgainstObserved);
    EXPECT_EQ(d.Axes.X.Factor, 10);
    EXPECT_EQ(d.Axes.Y.Factor, 10);
    EXPECT_NE(g.Text("Runoff observed * 10"), nullptr);
    EXPECT_NE(g.Text("Runoff calculated * 10"), nullptr);

    g.data.ModeTag = kHeadTag;
    g.values.Trend.RSquare = 0.5;
    g.Draw(GraphKind::CalculatedAgainstObserved);
    ASSERT_NE(g.Text("Hydraulic head observed (mm)"), nullptr);
    EXPECT_EQ(At(*g.Text("Hydraulic head observed (mm)")), (Box{410, 415}));
    EXPECT_NE(g.Text("Hydralic head calculated (mm)"), nullptr);
    EXPECT_FALSE(g.HasTextAt(445, 60));
}

// ---- kind 8 ----

namespace {

// Recharge 1, 2, 3 against observed; rain up to G.
Graph ObservedRecharge(const DataArrayR& observed, const DataArrayR& rain) {
    Graph g = CalculatedObserved();
    g.data.Graph.Observed = observed;
    g.data.Graph.Rain = rain;
    g.values.Trend.TrendValid = false;
    return g;
}

std::vector<DrawOp> LinesWithPen(const std::vector<DrawOp>& ops, Rgb pen) {
    std::vector<DrawOp> found;
    for (const auto& op : OfKind(ops, DrawOp::Kind::Line)) {
        if (op.pen == pen) found.push_back(op);
    }
    return found;
}

}  // namespace

TEST(ObservedAgainstRechargeGraph, BulletsOfEveryRowAndTheLinearTrend) {
    // Observed 1, 1.5, 2 = 0.5 x + 0.5: vertical bounds 0 .. 3
    // (py = 385 - round(y * 320 / 3)); rain 0 .. 4: horizontal bounds 0 .. 4
    // (px = 125 x + 70). y(G = 4) = 2.5 lies below the top: drawn to G.
    Graph g = ObservedRecharge({1, 1.5, 2}, {4, 0, 0});
    g.Draw(GraphKind::ObservedAgainstRecharge);
    std::vector<DrawOp> series = g.AfterTicks();
    std::vector<DrawOp> bullets = OfKind(series, DrawOp::Kind::Mark);
    ASSERT_EQ(bullets.size(), 3u);  // every row
    EXPECT_EQ(At(bullets[0]), (Box{195, 278 - 5}));
    EXPECT_EQ(At(bullets[1]), (Box{320, 225 - 5}));
    EXPECT_EQ(At(bullets[2]), (Box{445, 172 - 5}));
    EXPECT_EQ(bullets[2].font, kWhite);
    std::vector<DrawOp> texts = OfKind(series, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 2u);  // the legends, after the marks
    EXPECT_EQ(texts[0].text, " o   observed");
    EXPECT_EQ(At(texts[0]), (Box{95, 75}));
    EXPECT_EQ(texts[1].text, "---  trend line");
    EXPECT_EQ(At(texts[1]), (Box{95, 90}));
    EXPECT_EQ(series[3].kind, DrawOp::Kind::Text);  // legends follow the three marks
    std::vector<DrawOp> lines = OfKind(series, DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(BoxOf(lines[0]), (Box{70, 332, 570, 118}));
    EXPECT_EQ(lines[0].pen, kWhite);
    EXPECT_EQ(g.Text("---  quadr. trend"), nullptr);
    ASSERT_NE(g.Text("Recharge (mm/t)"), nullptr);
    EXPECT_EQ(At(*g.Text("Recharge (mm/t)")), (Box{480, 415}));
    EXPECT_NE(g.Text("Discharge observed"), nullptr);
    g.data.ModeTag = kHeadTag;
    g.Draw(GraphKind::ObservedAgainstRecharge);
    EXPECT_NE(g.Text("Hydraulic Head (mm)"), nullptr);
}

TEST(ObservedAgainstRechargeGraph, SteepTrendIsCutAtThreeTenths) {
    // Observed 2, 4, 6 = 2 x: vertical bounds 2 .. 7 (py = 385 - round((y - 2) * 64));
    // rain 0 .. 5: horizontal bounds 0 .. 6 (px = round(x * 500 / 6) + 70).
    // y(5) = 10 is above 7: the line ends at (px(1.5), py(0.3 * 10)).
    Graph g = ObservedRecharge({2, 4, 6}, {5, 0, 1});
    g.Draw(GraphKind::ObservedAgainstRecharge);
    std::vector<DrawOp> lines = OfKind(g.AfterTicks(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(BoxOf(lines[0]), (Box{70, 513, 195, 321}));
}

TEST(ObservedAgainstRechargeGraph, EqualRechargesGiveNoLinearTrend) {
    for (double recharge : {2.5, 0.1, 0.3}) {  // 0.1 and 0.3 are not exact in binary
        Graph g = ObservedRecharge({1, 1.5, 2}, {4, 0, 0});
        g.data.NrOfData = 7;
        g.data.Graph.Observed = {1, 1.5, 2, 1.2, 1.7, 1.1, 1.9};
        g.data.Graph.Rain = {4, 0, 0, 1, 1, 1, 1};
        g.data.Graph.Recharge = DataArrayR(7, recharge);
        g.data.Graph.Time = {1, 2, 3, 4, 5, 6, 7};
        g.Draw(GraphKind::ObservedAgainstRecharge);
        std::vector<DrawOp> series = g.AfterTicks();
        EXPECT_EQ(OfKind(series, DrawOp::Kind::Mark).size(), 7u) << recharge;
        EXPECT_EQ(OfKind(series, DrawOp::Kind::Text).size(), 2u) << recharge;
        EXPECT_TRUE(OfKind(series, DrawOp::Kind::Line).empty()) << recharge;
        EXPECT_NE(g.Text("---  trend line"), nullptr);
    }
}

TEST(ObservedAgainstRechargeGraph, QuadraticTrendInTenChordsWhenValid) {
    Graph g = ObservedRecharge({1, 1.5, 2}, {4, 0, 0});
    g.values.Trend = {0, 0.5, 0.5, true, 0};  // the same line: 0.5 x + 0.5
    g.Draw(GraphKind::ObservedAgainstRecharge);
    ASSERT_NE(g.Text("---  quadr. trend"), nullptr);
    EXPECT_EQ(At(*g.Text("---  quadr. trend")), (Box{95, 105}));
    EXPECT_EQ(g.Text("---  quadr. trend")->font, kYellow);
    std::vector<DrawOp> chords = LinesWithPen(g.AfterTicks(), kYellow);
    ASSERT_EQ(chords.size(), 10u);
    // t = 0.4 j: px = 50 j + 70; q = 0.2 j + 0.5: py = 385 - round(q * 320 / 3).
    const int py[] = {332, 310, 289, 268, 246, 225, 204, 182, 161, 140, 118};
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(BoxOf(chords[j]), (Box{50 * j + 70, py[j], 50 * j + 120, py[j + 1]})) << j;
    }
}

TEST(ObservedAgainstRechargeGraph, ChordsLeavingTheTopAreLeftOut) {
    Graph g = ObservedRecharge({1, 1.5, 2}, {4, 0, 0});
    g.values.Trend = {1, 0, 0, true, 0};  // q = t^2
    g.Draw(GraphKind::ObservedAgainstRecharge);
    // t = 1.6 gives q = 2.56 at py 112; t = 2 gives 4 at py -42, above 70.
    std::vector<DrawOp> chords = LinesWithPen(g.AfterTicks(), kYellow);
    ASSERT_EQ(chords.size(), 4u);
    EXPECT_EQ(BoxOf(chords[3]), (Box{220, 231, 270, 112}));
}

TEST(ObservedAgainstRechargeGraph, InvalidTrendDrawsNoYellowAtAll) {
    Graph g = ObservedRecharge({1, 1.5, 2}, {4, 0, 0});
    g.values.Trend = {1, 0, 0, false, 0};
    g.Draw(GraphKind::ObservedAgainstRecharge);
    EXPECT_EQ(g.Text("---  quadr. trend"), nullptr);
    EXPECT_TRUE(LinesWithPen(g.AfterTicks(), kYellow).empty());
}

// ---- kind 9 ----

TEST(RechargeObservedInTimeGraph, YellowTickNumbersInColourBlackInBlackAndWhite) {
    Graph g = ThreeRowAnalysis();
    g.Draw(GraphKind::RechargeObservedInTime);
    ASSERT_NE(g.Text("Recharge derived (mm/t) ----------"), nullptr);
    EXPECT_EQ(At(*g.Text("Recharge derived (mm/t) ----------")), (Box{82, 40}));
    EXPECT_EQ(g.Text("Recharge derived (mm/t) ----------")->font, kWhite);
    ASSERT_NE(g.Text("RunOff measured  (mm/t) - - - - -"), nullptr);
    EXPECT_EQ(At(*g.Text("RunOff measured  (mm/t) - - - - -")), (Box{82, 55}));
    EXPECT_EQ(g.Text("RunOff measured  (mm/t) - - - - -")->font, kYellow);
    // Recharge 0.4 .. 4.1: 4.51 -> bounds 0 .. 5; time 0 .. 4.
    EXPECT_EQ(g.Text("5.0")->font, kYellow);
    EXPECT_EQ(g.Text("4.0")->font, kYellow);
    EXPECT_EQ(g.Text("T i m e")->font, kWhite);

    g.Draw(GraphKind::RechargeObservedInTime, false);
    EXPECT_EQ(g.Text("5.0")->font, kBlack);
}

TEST(RechargeObservedInTimeGraph, SolidRechargeAndDottedObserved) {
    Graph g = ThreeRowAnalysis();
    g.Draw(GraphKind::RechargeObservedInTime);
    std::vector<DrawOp> lines = OfKind(g.AfterTicks(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    // py = 385 - 64 y: recharge 4.1 -> 123 (262.4), 2.35 -> 235 (150.4);
    // observed 0.8 -> 334 (51.2), 1.2 -> 308 (76.8).
    EXPECT_EQ(BoxOf(lines[0]), (Box{195, 123, 320, 235}));
    EXPECT_EQ(lines[0].penStyle, PenStyle::Solid);
    EXPECT_EQ(lines[0].pen, kWhite);
    EXPECT_EQ(BoxOf(lines[1]), (Box{195, 334, 320, 308}));
    EXPECT_EQ(lines[1].penStyle, PenStyle::Dotted);
    EXPECT_EQ(lines[1].pen, kYellow);
}

TEST(RechargeObservedInTimeGraph, HeadModeDrawsTheHeadInDecimetres) {
    Graph g = ThreeRowAnalysis();
    g.data.ModeTag = kHeadTag;
    g.data.Graph.LastHead = {650, 655.1, 668.9};  // 6.5 and 6.551 dm
    DrawnGraph d = g.Draw(GraphKind::RechargeObservedInTime);
    EXPECT_NE(g.Text("Hydr. head measured  (dm) - - - - -"), nullptr);
    std::vector<DrawOp> lines = OfKind(g.AfterTicks(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    // py = 385 - round(64 * 6.5) = -31, 385 - round(419.264) = -34: above the
    // plot, since the range is the recharge's alone.
    EXPECT_EQ(BoxOf(lines[1]), (Box{195, -31, 320, -34}));
    EXPECT_EQ(d.Axes.Y.Upper, 5);
}

// ---- the linear trend itself ----

TEST(ComputeLinearTrend, LeastSquaresThroughTheMeans) {
    // x 1, 2, 3, 4 and y 2, 3, 5, 6: Sx 10, Sy 16, Sxx 30, Sxy 47, Q = 5,
    // b = (47 - 40) / 5 = 1.4, y(x) = 4 + 1.4 (x - 2.5).
    std::optional<LinearTrend> t = ComputeLinearTrend({1, 2, 3, 4}, {2, 3, 5, 6}, 4);
    ASSERT_TRUE(t.has_value());
    EXPECT_DOUBLE_EQ(t->Slope, 1.4);
    EXPECT_DOUBLE_EQ(t->At(2.5), 4);
    EXPECT_DOUBLE_EQ(t->At(0), 0.5);
}

TEST(ComputeLinearTrend, NoLineWithoutSpreadOrRows) {
    EXPECT_FALSE(ComputeLinearTrend({3, 3, 3}, {1, 2, 3}, 3).has_value());
    EXPECT_FALSE(ComputeLinearTrend({0.1, 0.1, 0.1}, {1, 2, 3}, 3).has_value());
    EXPECT_FALSE(ComputeLinearTrend({}, {}, 0).has_value());
    EXPECT_FALSE(ComputeLinearTrend({1}, {1}, 1).has_value());
    // Only the first n rows count.
    EXPECT_FALSE(ComputeLinearTrend({2, 2, 5}, {1, 2, 3}, 2).has_value());
}

}  // namespace tervala
