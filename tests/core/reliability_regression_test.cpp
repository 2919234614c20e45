// Regressions of good data the program could not take back: reports of good
// runs that no graph could read, runs whose arithmetic overflowed into the
// report, input files taken half, and numbers written in a form no reader
// accepts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/finite_results.h"
#include "engine/run_selected_mode.h"
#include "graphs/graph_catalogue.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/input_file.h"
#include "model/number_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/recording_surface.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::RecordingMessages;
using testing::RecordingSurface;
using testing::TempDir;
using Kinds = std::vector<int>;
constexpr double kLargest = std::numeric_limits<double>::max();

// `rows` hourly rows of a drained field with the time in seconds: a shower of
// 4 mm every tenth hour, escape 0.05 mm, discharge of a linear reservoir (mm)
// or a water table of 200 mm plus a hundred times it. `big` is put into
// every fifth row of the series named by `bigSeries` (0 rain, 1 observed).
// An observed value too large for its column is written by SaveAndRun.
void HourlyField(Session& s, const std::string& tag, int rows, int bigSeries = -1, double big = 0) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ModeTag = tag;
    dm.DischargeMode = tag == kDischargeTag;
    dm.HeadMode = tag == kHeadTag;
    dm.PredictionMode = tag == kPredictionTag;
    dm.MaxSto = 5;
    dm.IniSto = 2;
    dm.MaxEsc = 0.05;
    dm.RunIni = 0.1;
    dm.HeadIni = 210;
    dm.Porosity = 5;
    s.Values.MCoeff = 0.04;
    s.Values.NValue = 0.05;
    dm.NrOfData = rows;
    for (auto* series : {&dm.TimeData, &dm.RainData, &dm.EscData, &dm.DischData, &dm.HeadData})
        series->assign(rows + 1, 0.0);
    dm.MissingObs.assign(rows + 1, 0);
    double q = 0.1;
    for (int k = 0; k < rows; ++k) {
        const double rain = k % 10 == 0 ? 4 : 0;
        q = 0.95 * q + 0.05 * rain;
        dm.TimeData[k] = 3600.0 * (k + 1);
        dm.RainData[k] = bigSeries == 0 && k % 5 == 4 ? big : rain;
        dm.EscData[k] = 0.05;
        dm.DischData[k] = bigSeries == 1 && k % 5 == 4 ? big : q;
        dm.HeadData[k] = bigSeries == 1 && k % 5 == 4 ? big : 200 + 100 * q;
    }
}

// The text that stands in the saved file for an observed value of 123.45,
// replaced by what a hand-made file may hold in its place.
constexpr const char* kMarkedObserved = "    123.45";

// Saves the data set as `file` and runs its mode on one thread.
RunVerdict SaveAndRun(Session& s, const std::string& file, RecordingMessages& messages,
                      const std::string& markedObserved = "") {
    s.DMOmbrel.FileName = file;
    EXPECT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    if (!markedObserved.empty()) {
        std::string text = testing::ReadBytes(file);
        for (size_t at; (at = text.find(kMarkedObserved)) != std::string::npos;)
            text.replace(at, markedObserved.size(), markedObserved);
        testing::WriteBytes(file, text);
    }
    s.Flags.CheckOnly = true;
    SilentProgress progress;
    SearchOptions oneThread;
    oneThread.threads = 1;
    return JudgeRun(s, RunSelectedMode(s, messages, progress, {}, oneThread));
}

struct WideValueCase {
    const char* tag;
    Kinds kinds;
};

class WideValues : public ::testing::TestWithParam<WideValueCase> {};

// Fault: from row 278 the time in seconds fills its whole report field and
// ran into the serial number, and every graph called the good report damaged.
TEST_P(WideValues, ReportOfA300RowHourlySeriesInSecondsDrawsEveryGraph) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    HourlyField(s, GetParam().tag, 300);
    ASSERT_EQ(SaveAndRun(s, dir.File("hourly.inp"), messages), RunVerdict::Good);
    TDMOmbrel& dm = s.DMOmbrel;
    dm.LastFileName = dir.File("hourly.out");
    for (int number : GetParam().kinds) {
        const GraphKind kind = *GraphKindFromNumber(number);
        ASSERT_TRUE(ProbeGraphReport(dm, messages));
        if (kind == GraphKind::ObservedAgainstRecharge) {
            ASSERT_TRUE(ReadFitTrend(dm, s.Values.Trend, messages));
        }
        ASSERT_EQ(ReadGraphData(dm, s.Values, kind, messages), GraphReadOutcome::Read) << number;
        EXPECT_EQ(dm.NrOfData, 300) << number;
        RecordingSurface surface;
        EXPECT_TRUE(DrawGraph(surface, GraphInput{dm, s.Values, kind}).HasRows) << number;
    }
    EXPECT_EQ(messages.messages.size(), 0u) << messages.messages[0];
}

INSTANTIATE_TEST_SUITE_P(Table, WideValues,
                         ::testing::Values(WideValueCase{kDischargeTag, {1, 3, 7, 8, 9}},
                                           WideValueCase{kHeadTag, {1, 3, 7, 8, 9}},
                                           WideValueCase{kPredictionTag, {2, 4, 5}}));

struct OverflowCase {
    const char* tag;
    double rain;           // in every fifth row
    const char* observed;  // in every fifth row of the file
};

class Overflow : public ::testing::TestWithParam<OverflowCase> {};

// Fault: the run wrote "+Inf" or "Nan" into its report and exited as good.
TEST_P(Overflow, DataWhoseArithmeticOverflowsAreRefusedBeforeAnyFileIsWritten) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    const bool rain = GetParam().rain != 0;
    HourlyField(s, GetParam().tag, 40, rain ? 0 : 1, rain ? GetParam().rain : 123.45);
    const std::string older = dir.Write("field.out", "an older report");
    EXPECT_EQ(SaveAndRun(s, dir.File("field.inp"), messages, GetParam().observed),
              RunVerdict::Refused);
    EXPECT_EQ(messages.messages, std::vector<std::string>{kNotFiniteText});
    EXPECT_EQ(testing::ReadBytes(older), "an older report");
    EXPECT_FALSE(std::filesystem::exists(dir.File("field.dat")));
}

INSTANTIATE_TEST_SUITE_P(Table, Overflow,
                         ::testing::Values(OverflowCase{kDischargeTag, 1.7e308, ""},
                                           OverflowCase{kDischargeTag, 0, " 1.0E+0308"},
                                           OverflowCase{kHeadTag, 0, " 1.0E+0308"},
                                           OverflowCase{kPredictionTag, 1.7e308, ""}));

// Fault: graph 7 turned the line of equality of values near 1E308 into
// pixels by casting infinity to int.
TEST(Overflow, CalculatedAgainstObservedKeepsEveryPixelNearThePicture) {
    TDMOmbrel dm;
    ProgramValues values;
    dm.NrOfData = 3;
    dm.Graph.Observed = dm.Graph.Time = {1, 1e308, 2};
    dm.Graph.Calculated = {1, 2, -1e308};
    RecordingSurface surface;
    DrawGraph(surface, GraphInput{dm, values, GraphKind::CalculatedAgainstObserved});
    for (const auto& op : surface.Lines()) {
        for (int p : {op.x1, op.y1, op.x2, op.y2}) EXPECT_LE(std::abs(p), 1'000'000);
    }
}

// Fault: "Open input" of a file whose second line names no mode kept the old
// rows and mode with the new titles, and Save/Run then failed.
TEST(InputFile, AFileWhoseSecondLineNamesNoModeIsRefusedAndChangesNothing) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    HourlyField(s, kDischargeTag, 12);
    s.DMOmbrel.Title1 = "kept";
    const TDMOmbrel before = s.DMOmbrel;
    const std::string file =
        dir.Write("nomode.inp",
                  testing::CrLf({" Input data for Tervala program", " Groundwater", "", "other",
                                 "title", "", " Filename: x", " Maximum dead storage:    60.00"}));
    s.DMOmbrel.FileName = file;
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(messages.messages, std::vector<std::string>{NoModeText(file)});
    EXPECT_EQ(s.DMOmbrel.Title1, before.Title1);
    EXPECT_EQ(s.DMOmbrel.ModeTag, before.ModeTag);
    EXPECT_EQ(s.DMOmbrel.TimeData, before.TimeData);
    EXPECT_EQ(s.DMOmbrel.MaxSto, before.MaxSto);
}

// Fault: values near the largest double were written as 1.7977E+308 and the
// like, which no reader takes, so the saved file could not be opened again.
TEST(LargestDouble, EveryNumberFormatReadsBack) {
    for (double v : {kLargest, -kLargest, 9.99996e307, -1.7976e308}) {
        for (const std::string& text :
             {FormatExponent(v, 10), FormatExponent(v, 12), FormatValue(v, 10),
              FormatCoefficient(v), FormatParameter(v), FormatFixed(v, 6, 2)}) {
            EXPECT_TRUE(ParseFileNumber(text)) << text;
        }
        EXPECT_TRUE(TryStringToFloat(FormatGeneral(v))) << FormatGeneral(v);
    }
}

TEST(LargestDouble, AnInputFileOfSuchValuesOpensAgain) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    HourlyField(s, kPredictionTag, 12);
    s.DMOmbrel.MaxSto = -kLargest;
    s.Values.MCoeff = kLargest;
    s.Values.NValue = -kLargest;
    s.DMOmbrel.RainData[3] = -kLargest;
    s.DMOmbrel.FileName = dir.File("large.inp");
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, true).ok);
    EXPECT_EQ(messages.messages.size(), 0u);
}

// Finding of the input-file fuzz target: the readers take 11 characters of a
// row's last value, so an observed 123456789012 was saved and read back as
// 12345678901. Such a value is refused; the widest that fits is kept.
TEST(InputFile, ALastValueTooWideToBeReadBackIsRefused) {
    for (double observed : {123456789012.0, 99999999.99}) {
        TempDir dir;
        Session s;
        RecordingMessages messages;
        HourlyField(s, kDischargeTag, 12);
        s.DMOmbrel.DischData[4] = observed;
        s.DMOmbrel.FileName = dir.File("wide.inp");
        const bool fits = observed < 1e8;
        EXPECT_EQ(WriteInputFile(s.DMOmbrel, s.Values, messages), fits);
        if (!fits) {
            EXPECT_EQ(messages.messages,
                      std::vector<std::string>{TooWideText(observed, 5, dir.File("wide.inp"))});
            EXPECT_FALSE(std::filesystem::exists(dir.File("wide.inp")));
            continue;
        }
        ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
        EXPECT_EQ(s.DMOmbrel.DischData[4], observed);
    }
}

}  // namespace
}  // namespace tervala
