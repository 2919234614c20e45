// The graphs on the recording surface (characters 7 pixels wide, texts 15
// high), worked out from px = round((x F - L) 500 / (H - L)) + 70 and
// py = 385 - round((y F - L) 320 / (H - L)).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "graphs/graph_catalogue.h"
#include "graphs/linear_trend.h"
#include "graphs/plot_frame.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

// Series are given by the names of the columns they hold; the others stay empty.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tervala {
namespace {

using testing::DrawOp;
using testing::Replaced;
using K = DrawOp::Kind;
using Box = std::vector<int>;

// A kind's painter with every pixel series four entries longer than the
// rows, far outside the picture: a painter reading past the rows draws there.
struct PaddedPainter : GraphPainter {
    std::unique_ptr<GraphPainter> inner;
    void DrawTexts(PlotCanvas& c) const override { inner->DrawTexts(c); }
    void DrawSeries(PlotCanvas& c) const override {
        PixelSeries p = c.Pixels;
        for (std::vector<int>* s : {&p.X, &p.RechargeX, &p.Rain, &p.Recharge, &p.Observed,
                                    &p.Calculated, &p.Discharge, &p.Head, &p.LastHeadDm})
            if (!s->empty()) s->insert(s->end(), 4, 1'000'000);
        PlotCanvas padded{c.Surface, c.Colours, c.Axes, p, c.Input};
        inner->DrawSeries(padded);
    }
};

// A year of daily rows after the heading lines of a hand-made report.
std::string YearReport(const char* model, bool analysis) {
    std::string text = testing::DataFile(std::string("reports/") + model);
    size_t at = 0;
    for (int line = 0; line < 18; ++line) at = text.find('\n', at) + 1;
    text.resize(at);
    char row[160];
    for (int k = 1; k <= 365; ++k) {
        const double rain = k % 9 == 0 ? 24 : k % 4 == 0 ? 3.5 : 0, wave = 1.5 + std::sin(k / 20.0);
        std::snprintf(
            row, sizeof row,
            analysis ? " %d %d %.2f %.2f %.2f %.3f %.2f 10\n" : " %d %d %.2f %.2f %.3f %.2f %.2f\n",
            k, k, rain, 0.6 * rain, analysis ? wave : 0.05 * wave, analysis ? 0.05 * wave : wave,
            analysis ? wave * 1.02 : 200 * wave);
        text += row;
    }
    return text + std::string(analysis ? 75 : 64, '-') +
           (analysis ? "\nStand. dev. of calc. from meas. runoff:   0.082\n"
                       "Coefficient of explanation R square is:    0.87\n\n"
                     : "\n");
}

bool InPalette(const Palette& p, Rgb c) {
    for (Rgb x : {p.Background, p.TitleText, p.Panel, p.Default, p.Observed, p.SecondLine,
                  p.AnalysisRechargeBars, p.PredictionRechargeBars, p.RechargeLegend, p.RainLegend})
        if (x == c) return true;
    return false;
}

TEST(GraphSweep, EveryKindStaysInsideThePictureInItsPalette) {
    testing::TempDir dir;
    dir.Write("three.dat", testing::DataFile("reports/discharge.dat"));
    dir.Write("year.dat", testing::DataFile("reports/discharge.dat"));
    const std::pair<std::string, std::vector<int>> reports[] = {
        {dir.Write("three.out", testing::DataFile("reports/discharge.out")), {1, 3, 7, 8, 9}},
        {dir.Write("year.out", YearReport("discharge.out", true)), {1, 3, 7, 8, 9}},
        {dir.Write("three-p.out", testing::DataFile("reports/prediction.out")), {2, 4, 5}},
        {dir.Write("year-p.out", YearReport("prediction.out", false)), {2, 4, 5}}};
    for (const auto& [report, kinds] : reports)
        for (int number : kinds)
            for (bool colour : {true, false}) {
                SCOPED_TRACE(report + " kind " + std::to_string(number) + (colour ? "" : " bw"));
                TDMOmbrel data;
                ProgramValues values;
                testing::RecordingMessages m;
                data.LastFileName = report;
                const GraphKind kind = *GraphKindFromNumber(number);
                ASSERT_EQ(ReadGraphData(data, values, kind, m), GraphReadOutcome::Read);
                if (number == 8) ReadFitTrend(data, values.Trend, m);
                PaddedPainter painter;
                painter.inner = PainterFor(kind);
                testing::RecordingSurface s;
                ShowGraphics(s, GraphInput{data, values, kind, colour}, &painter);
                const Palette p = PaletteFor(colour);
                for (const DrawOp& op : s.ops) {
                    EXPECT_TRUE(std::min({op.x1, op.x2, op.y1, op.y2}) >= 0 &&
                                std::max(op.x1, op.x2) <= 623 && std::max(op.y1, op.y2) <= 465)
                        << op.text << " at " << op.x1 << "," << op.y1 << " " << op.x2 << ","
                        << op.y2;
                    const bool line = op.kind == K::Line, mark = op.kind == K::Mark;
                    EXPECT_TRUE((!(line || op.kind == K::Ellipse) || InPalette(p, op.pen)) &&
                                (line || mark || InPalette(p, op.fill)) &&
                                (!(mark || op.kind == K::Text) || InPalette(p, op.font)));
                }
                EXPECT_GT(s.Of(K::Line).size() + s.Of(K::Mark).size(),
                          data.NrOfData > 3 ? 365u : 10u);
            }
}

std::string Name(Rgb c) {
    const std::pair<Rgb, const char*> names[] = {
        {kSilver, "silver"}, {kBlack, "black"},   {kWhite, "white"},     {kDarkBlue, "darkblue"},
        {kCyan, "cyan"},     {kYellow, "yellow"}, {kSkyBlue, "skyblue"}, {kGrey, "grey"}};
    for (const auto& [colour, name] : names)
        if (colour == c) return name;
    return "other";
}

// One operation as a line of text: kind, position (a mark's at its centre
// row), colours, a pen of 2 or dotted, the text (a mark's if not the bullet).
std::string Describe(const DrawOp& op) {
    const char* kinds[] = {"fill", "line", "ellipse", "text", "mark"};
    std::string s = std::string(kinds[static_cast<int>(op.kind)]) + " " + std::to_string(op.x1) +
                    " " + std::to_string(op.y1 + (op.kind == K::Mark ? 5 : 0));
    if (op.kind <= K::Ellipse) s += " " + std::to_string(op.x2) + " " + std::to_string(op.y2);
    const bool pen = op.kind == K::Line || op.kind == K::Ellipse;
    s += " " + Name(op.kind == K::Fill ? op.fill : pen ? op.pen : op.font);
    if (op.kind == K::Ellipse || op.kind == K::Text) s += "/" + Name(op.fill);
    if (op.kind == K::Line && op.penWidth != 1) s += " w" + std::to_string(op.penWidth);
    if (op.kind == K::Line && op.penStyle == PenStyle::Dotted) s += " dotted";
    if (op.kind == K::Text || (op.kind == K::Mark && op.text != "\xE2\x80\xA2")) s += " " + op.text;
    return s;
}

struct Graph {
    TDMOmbrel data;
    ProgramValues values;
    testing::RecordingSurface surface;

    Graph(const GraphSeries& series, const char* mode = " Dis") {
        data.Graph = series;
        data.NrOfData = static_cast<int>(series.Time.size());
        data.ModeTag = mode;
        data.PredictionMode = std::string(mode) == "PRED";
    }
    DrawnGraph Draw(GraphKind kind, bool colour = true) {
        surface.ops.clear();
        return DrawGraph(surface, GraphInput{data, values, kind, colour});
    }
    // What the kind drew after the number of the last horizontal tick, texts left out.
    std::vector<std::string> Series() const {
        size_t last = 0;
        for (size_t i = 0; i < surface.ops.size(); ++i)
            if (surface.ops[i].kind == K::Line && surface.ops[i].y2 == 395) last = i + 2;
        std::vector<std::string> ops;
        for (size_t i = last; i < surface.ops.size(); ++i)
            if (surface.ops[i].kind != K::Text) ops.push_back(Describe(surface.ops[i]));
        return ops;
    }
};

TEST(GraphKinds, SeriesAtTheirHandPlacedPixels) {
    using G = GraphKind;
    const struct {
        const char* name;
        GraphKind kind;
        GraphSeries series;
        std::vector<std::string> expected;
        bool colour = true;
        TrendResults trend = {};
        const char* mode = " Dis";
    } cases[] = {
        // clang-format off
        // Time 1, 2, 3: 0 .. 4, px = 125 t + 70; runoff up to 1.2: 0 .. 2,
        // py = 385 - 160 y. Row k sits at the time of row k + 1.
        {"1", G::ObservedCalculatedInTime, {.Time = {1, 2, 3}, .Observed = {0.8, 1.2, 0.66}, .Calculated = {0.8, 0.78, 0.69}},
         {"ellipse 318 255 322 259 cyan/darkblue", "line 320 257 445 260 white"}},
        {"1 bw", G::ObservedCalculatedInTime, {.Time = {1, 2, 3}, .Observed = {0.8, 1.2, 0.66}, .Calculated = {0.8, 0.78, 0.69}},
         {"ellipse 318 255 322 259 black/white", "line 320 257 445 260 black"}, false},
        {"1 of two rows", G::ObservedCalculatedInTime, {.Time = {1, 2}, .Observed = {0.8, 1.2}, .Calculated = {0.8, 0.78}}, {}},
        // Discharge 2.2 with the margin: 0 .. 3, py = 385 - round(320 y / 3).
        {"2", G::PredictedDischarge, {.Time = {1, 2, 3, 4}, .Discharge = {1, 2, 1.5, 0.5}},
         {"line 195 278 320 172 white", "line 320 172 445 225 white"}},
        // Rain and recharge up to 11: 0 .. 12. No bar at the lower bound, no
        // outline for no rain; an analysis draws them one row later.
        {"3", G::AnalysisRainRecharge, {.Time = {1, 2, 3, 4}, .Rain = {10, 0, 4, 0}, .Recharge = {0, 2.5, 1.25, 0}},
         {"fill 445 318 570 389 skyblue", "line 320 388 320 118 white w2", "line 320 118 445 118 white w2",
          "line 445 118 445 388 white w2"}},
        {"4 bw", G::PredictionRainRecharge, {.Time = {1, 2, 3, 4}, .Rain = {10, 0, 4, 0}, .Recharge = {0, 2.5, 1.25, 0}},
         {"fill 320 318 445 389 black", "line 195 389 195 118 black", "line 195 118 320 118 black",
          "line 320 118 320 389 black"}, false},
        // Head 120 .. 135.5: 149.05 -> steps of 25, bounds 100 .. 150.
        {"5", G::WaterTable, {.Time = {1, 2, 3}, .Head = {120, 135.5, 128.25}}, {"line 195 257 320 158 white"}},
        // Observed 1, 2, 3 on both axes (the reader put them in Time): 0 .. 4,
        // py = 385 - 80 y; the line of equality from the smallest observation
        // (base row 390) to the largest.
        {"7", G::CalculatedAgainstObserved, {.Time = {1, 2, 3}, .Observed = {1, 2, 3}, .Calculated = {1.5, 2, 2.5}},
         {"mark 195 265 cyan", "line 195 310 445 145 white"}},
        // Observed 0.5 x + 0.5 on recharge 1 .. 3: 0 .. 3; rain up to 4: 0 .. 4.
        // The same line as quadratic trend in ten chords of 0.4.
        {"8", G::ObservedAgainstRecharge,
         {.Time = {1, 2, 3}, .Rain = {4, 0, 0}, .Recharge = {1, 2, 3}, .Observed = {1, 1.5, 2}},
         {"mark 195 278 white", "mark 320 225 white", "mark 445 172 white", "line 70 332 570 118 white",
          "line 70 332 120 310 yellow", "line 120 310 170 289 yellow", "line 170 289 220 268 yellow",
          "line 220 268 270 246 yellow", "line 270 246 320 225 yellow", "line 320 225 370 204 yellow",
          "line 370 204 420 182 yellow", "line 420 182 470 161 yellow", "line 470 161 520 140 yellow",
          "line 520 140 570 118 yellow"}, true, {0, 0.5, 0.5, true, 0}},
        // Observed 2 x: 2 .. 7 and 0 .. 6. The line would leave the top and is
        // cut at three tenths; chords of q = x^2 above the top are left out.
        {"8 steep", G::ObservedAgainstRecharge,
         {.Time = {1, 2, 3}, .Rain = {5, 0, 1}, .Recharge = {1, 2, 3}, .Observed = {2, 4, 6}},
         {"mark 153 385 white", "mark 237 257 white", "mark 320 129 white", "line 70 513 195 321 white",
          "line 70 513 112 497 yellow", "line 112 497 153 449 yellow", "line 153 449 195 369 yellow",
          "line 195 369 237 257 yellow", "line 237 257 278 113 yellow"}, true, {1, 0, 0, true, 0}},
        {"8 without spread", G::ObservedAgainstRecharge,
         {.Time = {1, 2, 3}, .Rain = {4, 0, 0}, .Recharge = {0.1, 0.1, 0.1}, .Observed = {1, 1.5, 2}},
         {"mark 82 278 white", "mark 82 225 white", "mark 82 172 white"}},
        // Recharge 0.4 .. 4.1: 0 .. 5, py = 385 - 64 y; observed dotted.
        {"9", G::RechargeObservedInTime, {.Time = {1, 2, 3}, .Recharge = {4.1, 2.35, 0.4}, .Observed = {0.8, 1.2, 0.66}},
         {"line 195 123 320 235 white", "line 195 334 320 308 yellow dotted"}},
        // A head analysis draws the calculated head in decimetres on the
        // recharge's scale: 6.5 dm lies above the plot.
        {"9 head", G::RechargeObservedInTime, {.Time = {1, 2, 3}, .Recharge = {4.1, 2.35, 0.4}, .LastHead = {650, 655.1, 668.9}},
         {"line 195 123 320 235 white", "line 195 -31 320 -34 yellow dotted"}, true, {}, " Hyd"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Graph g(c.series, c.mode);
        g.values.Trend = c.trend;
        g.Draw(c.kind, c.colour);
        EXPECT_EQ(g.Series(), c.expected) << c.name;
    }
}

TEST(GraphTexts, CaptionsLegendsAndRSquareByKindModeAndFactor) {
    using G = GraphKind;
    const struct {
        int kind;
        const char* mode;  // the report's mode tag, "PRED" for a prediction run
        double scale;      // of the vertical values 8, 5 and 6
        const char *text, *at;
    } cases[] = {
        // clang-format off
        // The captions that depend on the mode and on the scale factor, and the legends' colours.
        {1, " Dis", 0.1, "Discharge or runoff * 10", "82 60 white"},
        {1, " Dis", 0.001, "Discharge or runoff * 1000", "82 60 white"},
        {1, " Hyd", 0.001, "Hydraulic head (mm)", "82 60 white"}, {1, " Dis", 1, "R square = 0.87", "445 60 white"},
        {1, " Dis", 1, " o  observed", "95 75 cyan"},
        {2, "PRED", 0.1, "Discharge (predicted) in 0.1 mm/t", "80 50 white"},
        {2, "PRED", 0.01, "Discharge (predicted) *100 in 0.01 mm/t", "80 50 white"},
        {2, "PRED", 1, "T i m e", "520 415 white"}, {3, " Dis", 1, " Recharge in mm/t", "86 75 skyblue"},
        {5, "PRED", 0.1, "Water storage (predicted, cm)", "86 60 white"},
        {5, " Pre", 0.01, "Water table height (predicted, dm)", "86 60 white"},
        {5, " Pre", 0.001, "Water table height (predicted, mm)", "86 60 white"},
        {7, " Dis", 0.1, "Runoff observed * 10", "470 415 white"},
        {7, " Dis", 0.1, "Runoff calculated * 10", "82 60 white"},
        {7, " Hyd", 1, "Hydralic head calculated (mm)", "82 60 white"},
        {8, " Hyd", 1, "Hydraulic Head (mm)", "82 60 white"}, {8, " Dis", 1, " o   observed", "95 75 white"},
        {8, " Dis", 1, "---  quadr. trend", "95 105 yellow"},
        {9, " Hyd", 1, "Hydr. head measured  (dm) - - - - -", "82 55 yellow"},
        {9, " Dis", 1, "RunOff measured  (mm/t) - - - - -", "82 55 yellow"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const DataArrayR v = {8 * c.scale, 5 * c.scale, 6 * c.scale};
        Graph g({c.kind == 7 ? v : DataArrayR{1, 2, 3}, v, v, v, {}, v, v, v}, c.mode);
        g.values.Trend = {0, 0.5, 0.5, true, 0.87};
        g.Draw(*GraphKindFromNumber(c.kind));
        const DrawOp* t = g.surface.FindText(c.text);
        ASSERT_TRUE(t) << c.text;
        EXPECT_EQ(Describe(*t), std::string("text ") + c.at + "/darkblue " + c.text);
    }
    // No caption for a thousandfold discharge; R square of one half or less is not shown.
    Graph g({{1, 2, 3}, {}, {}, {1, 2, 3}, {}, {1, 2, 3}, {0.002, 0.004, 0.003}});
    g.Draw(G::PredictedDischarge);
    for (const DrawOp& t : g.surface.Of(K::Text)) EXPECT_FALSE(t.x1 == 80 && t.y1 == 50);
    for (double r2 : {0.5, 0.5000001}) {
        g.values.Trend.RSquare = r2;
        g.Draw(G::ObservedCalculatedInTime);
        EXPECT_EQ(g.surface.FindText("R square = 0.5000001") != nullptr, r2 > 0.5);
    }
}

TEST(GraphFrame, FixedFrameTicksAndTheNoticeWithoutRows) {
    Graph g({});
    g.data.Title1 = "Polder West", g.data.Title2 = "Well 7";
    EXPECT_FALSE(g.Draw(GraphKind::WaterTable).HasRows);
    EXPECT_EQ((std::pair{g.surface.ops[1].fontName, g.surface.ops[1].fontSize}),
              (std::pair{std::string("Arial"), 10}));
    const std::string footer = std::string("text 20 450 black/silver ") + kFooterText,
                      notice =
                          std::to_string((640 - 45 * 7) / 2) + " " + std::to_string((460 - 15) / 2);
    // clang-format off
    const std::vector<std::string> colour = {"fill 0 0 623 465 silver", "text 105 5 black/silver Polder West", footer,
        "fill 20 19 605 445 darkblue", "text 105 20 white/darkblue Well 7", "line 70 390 70 70 white",
        "line 70 390 570 390 white", "text " + notice + " white/darkblue " + kNoRowsText};
    // clang-format on
    for (bool inColour : {true, false}) {
        g.Draw(GraphKind::WaterTable, inColour);
        std::vector<std::string> ops;
        for (const DrawOp& op : g.surface.ops) ops.push_back(Describe(op));
        std::vector<std::string> bw = colour;  // the panel white, what was white on it black
        for (std::string& op : bw)
            op = Replaced(Replaced(Replaced(op, "darkblue", "panel"), "white", "black"), "panel",
                          "white");
        EXPECT_EQ(ops, inColour ? colour : bw);
    }

    // A maximum of 7.2 (0 .. 8) ticked every 40 pixels, numbers right-aligned
    // 6 pixels left of the axis and centred; a year (0 .. 400) every 62.5
    // pixels, halves to the even pixel, numbers 10 pixels below the axis.
    DataArrayR year, head(365, 3.0);
    for (int day = 1; day <= 365; ++day) year.push_back(day);
    head[0] = 0, head[1] = 7.2;
    Graph t({.Time = year, .Head = head});
    t.Draw(GraphKind::WaterTable);
    std::vector<std::string> ticks;
    for (size_t i = 0; i + 1 < t.surface.ops.size(); ++i) {
        const DrawOp &tick = t.surface.ops[i], &number = t.surface.ops[i + 1];
        const bool vertical = tick.x2 == 66;
        if (tick.kind != K::Line || number.kind != K::Text || !(vertical || tick.y2 == 395))
            continue;
        ticks.push_back(std::to_string(vertical ? tick.y1 : tick.x1) + ":" + number.text);
        EXPECT_EQ((vertical ? Box{number.x2, number.y1} : Box{number.y1}),
                  (vertical ? Box{64, tick.y1 - 8} : Box{400}));
    }
    EXPECT_EQ(ticks, (std::vector<std::string>{"70:8.0", "110:7.0", "150:6.0", "190:5.0", "230:4.0",
                                               "270:3.0", "310:2.0", "350:1.0", "390:0.0", "70: 0",
                                               "132:50", "195:100", "258:150", "320:200", "382:250",
                                               "445:300", "508:350", "570:400"}));
    EXPECT_EQ(
        (std::vector<std::string>{TickText(-4.4e-16, 1), TickText(-0.04, 1), TickText(-0.06, 1),
                                  TickText(0, 0), TickText(0.25, 1), TickText(1234.5, 2)}),
        (std::vector<std::string>{"0.0", "0.0", "-0.1", " 0", "0.3", "1234.50"}));
}

TEST(AxisScale, FactorsBoundsIntervalsAndDecimals) {
    const struct {
        bool vertical;
        double min, max;
        int factor, decimals;
        double lower, upper;
        int intervals;
    } cases[] = {
        // clang-format off
        // vertical: a 10 % margin, a factor only without negative values
        {true, 0, 0.004, 1000, 1, 0, 5, 5}, {true, 0, 0.05, 100, 1, 0, 6, 6}, {true, 0, 0.5, 10, 1, 0, 6, 6},
        {true, 0, 0.00005, 1000, 2, 0, 1, 4}, {true, 0, 7.2, 1, 1, 0, 8, 8}, {true, 0, 36, 1, 1, 0, 40, 8},
        {true, 0, 25, 1, 1, 0, 30, 6}, {true, 0, 100, 1, 0, 0, 125, 5}, {true, 0, 500, 1, 0, 0, 600, 6},
        {true, 100, 110, 1, 1, 100, 125, 4}, {true, 90, 100, 1, 1, 75, 125, 4}, {true, -60, 60, 1, 1, -60, 70, 10},
        {true, -60, 50, 1, 1, -60, 60, 10}, {true, -0.5, 0.5, 1, 2, -1, 1, 4}, {true, 0, 0, 1, 1, 0, 2, 4},
        {true, 5, 5, 1, 1, 0, 7, 7}, {true, 0, 100000, 1, 0, 0, 125000, 5}, {true, -5, 5, 1, 1, -6, 6, 6},
        // horizontal: no margin, a factor only when every value is above 0
        {false, 1, 365, 1, 0, 0, 400, 8}, {false, 0, 0.5, 1, 2, 0, 1, 4}, {false, 0.1, 0.5, 10, 1, 0, 6, 6},
        {false, 0.001, 0.004, 1000, 1, 0, 4, 4}, {false, 0, 30, 1, 0, 0, 30, 6}, {false, 0, 12, 1, 1, 0, 16, 4},
        {false, 0.5, 9.6, 1, 1, 0, 10, 10}, {false, -20, 9, 1, 2, -20, 10, 10}, {false, 0, 0, 1, 2, 0, 1, 4},
        {false, 0, 120000, 1, 0, 0, 125000, 5}, {false, 0, 300000, 1, 0, 0, 300000, 6},
        {false, 0, 320000, 1, 0, 0, 350000, 7}, {false, 0, 800000, 1, 0, 0, 800000, 8},
        {false, 0, 2000000, 1, 0, 0, 2000000, 8}, {false, 0, 60000, 1, 0, 0, 60000, 6},
        {false, 0, 16000, 1, 0, 0, 17500, 7},
        // clang-format on
    };
    for (const auto& c : cases) {
        const AxisScale a = c.vertical ? ScaleVerticalAxis(DataRange{c.min, c.max})
                                       : ScaleHorizontalAxis(DataRange{c.min, c.max});
        EXPECT_EQ((std::tuple{a.Factor, a.Decimals, a.Lower, a.Upper, a.Intervals}),
                  (std::tuple{c.factor, c.decimals, c.lower, c.upper, c.intervals}))
            << (c.vertical ? "vertical " : "horizontal ") << c.min << " .. " << c.max;
    }
    EXPECT_NEAR(ScaleVerticalAxis(DataRange{0, 0.004}).DataMax, 4.4, 1e-12);
    const AxisScale absurd = ScaleVerticalAxis(DataRange{0, 1.7e308});  // the margin overflows
    EXPECT_TRUE(absurd.Intervals >= 4 && absurd.Intervals <= 10);
    DataRange r;  // a range starts at 0 and ten million and takes the rows held
    r.Include({-3, -1}, 5);
    EXPECT_EQ((std::pair{r.Min, r.Max}), (std::pair{-3.0, 0.0}));
    for (auto [value, rounded] :
         {std::pair{-0.5, 0.0}, {1.5, 2.0}, {-6.5, -6.0}, {132.5, 132.0}, {-7.6, -8.0}})
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;

    // Each kind scales its own series: the upper bounds of both axes.
    // clang-format off
    const GraphSeries s = {.Time = {1, 2, 365}, .Rain = {36, 0, 1}, .Recharge = {7.2, 0, 0},
                           .Observed = {0.004, 0.001, 0.002}, .Calculated = {0.003, 0.002, 0.0015},
                           .Discharge = {500, 10, 0}, .Head = {0, 0, 0}};
    for (auto [kind, y, x] : {std::tuple{3, 40, 400}, {9, 8, 400}, {2, 600, 400}, {5, 2, 400},
                              {1, 5, 400}, {8, 5, 40}, {4, 40, 400}}) {
        // clang-format on
        const PlotAxes a = ComputeAxes(*GraphKindFromNumber(kind), s, 3);
        EXPECT_EQ((std::pair{a.Y.Upper, a.X.Upper}), (std::pair{double(y), double(x)})) << kind;
    }
    GraphSeries seven = s;
    seven.Time = s.Observed;  // kind 7: one scale from calculated and observed
    const PlotAxes a = ComputeAxes(GraphKind::CalculatedAgainstObserved, seven, 3);
    EXPECT_EQ((std::tuple{a.X.Factor, a.X.Upper, a.Y.Factor, a.Y.Upper}),
              (std::tuple{1000, 4.0, 1000, 5.0}));
}

TEST(PixelMapping, BoundsLieFivePixelsInsideTheAxesAndSeriesKeepTheirUnits) {
    const AxisScale y = ScaleVerticalAxis(DataRange{0, 7.2}),
                    x = ScaleHorizontalAxis(DataRange{1, 365});
    const AxisScale scaled = ScaleVerticalAxis(DataRange{0, 0.004});  // * 1000, 0 .. 5
    EXPECT_EQ(
        (std::vector<int>{PixelY(y, 0), PixelY(y, 8), PixelY(y, 7.2), PixelY(y, -1), PixelX(x, 0),
                          PixelX(x, 400), PixelX(x, 1), PixelX(x, 1.2), PixelX(x, 365),
                          PixelY(scaled, 0.0025), PixelY(y, 1e300), PixelY(y, -1e300)}),
        (std::vector<int>{385, 65, 97, 425, 70, 570, 71, 72, 526, 225, -1'000'000, 1'000'000}));
    const GraphSeries s = {.Time = {0, 200, 400}, .Recharge = {0, 4, 8}, .LastHead = {800, 400, 0}};
    const PixelSeries p = MapToPixels(ComputeAxes(GraphKind::RechargeObservedInTime, s, 3), s, 3);
    EXPECT_EQ((std::tuple{p.Recharge, p.LastHeadDm, p.RechargeX, p.Discharge.size(),
                          s.LastHead}),  // 0 .. 9
              (std::tuple{std::vector{385, 243, 101}, std::vector{101, 243, 385},
                          std::vector{70, 75, 80}, 0u, DataArrayR{800, 400, 0}}));
    // The least-squares line: x 1 .. 4, y 2, 3, 5, 6: b = 7 / 5, y(0) = 0.5.
    const std::optional<LinearTrend> t = ComputeLinearTrend({1, 2, 3, 4}, {2, 3, 5, 6}, 4);
    EXPECT_TRUE(t && std::abs(t->Slope - 1.4) < 1e-15 && std::abs(t->At(0) - 0.5) < 1e-15);
    EXPECT_FALSE(ComputeLinearTrend({1}, {1}, 1).has_value());
    EXPECT_FALSE(ComputeLinearTrend({2, 2, 5}, {1, 2, 3}, 2).has_value());  // the first n rows
    // Regression: graph 7 cast the infinite ends of its line of equality to int.
    Graph seven({.Time = {1, 1e308, 2}, .Observed = {1, 1e308, 2}, .Calculated = {1, 2, -1e308}});
    seven.Draw(GraphKind::CalculatedAgainstObserved);
    for (const DrawOp& op : seven.surface.ops)
        for (int p : {op.x1, op.y1, op.x2, op.y2}) EXPECT_TRUE(p >= -1'000'000 && p <= 1'000'000);
}

}  // namespace
}  // namespace tervala
