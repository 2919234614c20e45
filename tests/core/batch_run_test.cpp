// tervala-batch run, end to end: the real binary on input files written by
// hand; exit codes, the messages on stderr, the report path on stdout, and
// the report and fit file byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/core/analysis_reports_expected.h"
#include "tests/support/analysis_input.h"
#include "tests/support/batch_runner.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::AnalysisHeader;
using testing::ReadBytes;
using testing::Rows;
using testing::RunBatch;
using testing::TempDir;
using testing::WithCrLf;
using testing::WriteBytes;

std::string WithInputPath(std::string report, const std::string& path) {
    const std::string marker = "@INPUT@";
    const size_t at = report.find(marker);
    if (at != std::string::npos) report.replace(at, marker.size(), path);
    return report;
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

const std::string kNoRunoffVariation =
    "There is no variation in runoff values. Rainfall-Discharge analysis cannot be made";

struct Written {
    std::string input, report, fit;
};

// Writes `name`.inp into the folder and returns the three file names.
Written Place(const TempDir& dir, const std::string& name, const std::string& inputText) {
    Written w{dir.File(name + ".inp"), dir.File(name + ".out"), dir.File(name + ".dat")};
    WriteBytes(w.input, inputText);
    return w;
}

void ExpectGoodRun(const char* inputText, const char* report, const char* fit,
                   const std::string& expectedErr = "") {
    TempDir dir;
    const Written w = Place(dir, "field", WithCrLf(inputText));
    const std::string inputBefore = ReadBytes(w.input);

    const testing::BatchResult r = RunBatch({"run", "field.inp"}, dir);

    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, expectedErr);
    EXPECT_EQ(r.out, w.report + "\n");
    EXPECT_EQ(ReadBytes(w.report), WithInputPath(report, w.input));
    EXPECT_EQ(ReadBytes(w.fit), fit);
    EXPECT_EQ(ReadBytes(w.input), inputBefore) << "the input file must not change";
}

TEST(BatchRun, ThreeRowDischargeReportHas25LinesAndSerialColumns) {
    ExpectGoodRun(expected::kSerialsInput, expected::kSerialsReport, expected::kSerialsFit);
    EXPECT_EQ(CountLines(expected::kSerialsReport), 25);
}

TEST(BatchRun, TwelveRowDischargeFindsAnInteriorGridPoint) {
    ExpectGoodRun(expected::kTwelveInput, expected::kTwelveReport, expected::kTwelveFit);
}

TEST(BatchRun, InconsistentTrendWarnsOnStderrAndStillReports) {
    ExpectGoodRun(expected::kHumpInput, expected::kHumpReport, expected::kHumpFit,
                  "The quadratic trend of the relation between rainfall and runoff data shows "
                  "an inconsistency, see the. output graphics. The model may not fit "
                  "perfectly.\n");
}

TEST(BatchRun, HeadAnalysisFileRunsTheHeadAnalysisWith27Lines) {
    ExpectGoodRun(expected::kHead3Input, expected::kHead3Report, expected::kHead3Fit);
    EXPECT_EQ(CountLines(expected::kHead3Report), 27);
}

TEST(BatchRun, OneThreadWritesTheSameBytesAsAllCores) {
    TempDir dir;
    const Written w = Place(dir, "twelve", WithCrLf(expected::kTwelveInput));
    ASSERT_EQ(RunBatch({"run", "twelve.inp", "--threads", "1"}, dir).exitCode, 0);
    const std::string one = ReadBytes(w.report);
    ASSERT_EQ(RunBatch({"run", "twelve.inp", "--threads", "3"}, dir).exitCode, 0);
    EXPECT_EQ(ReadBytes(w.report), one);
    EXPECT_EQ(one, WithInputPath(expected::kTwelveReport, w.input));
}

TEST(BatchRun, InputWithAnotherExtensionReportsBesideItAndNamesTheInpFile) {
    TempDir dir;
    WriteBytes(dir.File("data.txt"), WithCrLf(expected::kSerialsInput));
    const testing::BatchResult r = RunBatch({"run", "data.txt"}, dir);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, dir.File("data.out") + "\n");
    EXPECT_EQ(ReadBytes(dir.File("data.out")),
              WithInputPath(expected::kSerialsReport, dir.File("data.inp")));
}

// Refusals write nothing.
void ExpectRefused(const std::string& inputText, int exitCode, const std::string& err) {
    TempDir dir;
    const Written w = Place(dir, "field", inputText);
    const testing::BatchResult r = RunBatch({"run", "field.inp"}, dir);
    EXPECT_EQ(r.exitCode, exitCode);
    EXPECT_EQ(r.err, WithInputPath(err, w.input));
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(w.report));
    EXPECT_FALSE(std::filesystem::exists(w.fit));
    EXPECT_EQ(ReadBytes(w.input), inputText);
}

const std::string kHeader =
    AnalysisHeader(false, "Refused", "", "   50.00", "   20.00", "    2.00");

TEST(BatchRun, EqualObservedDischargeIsRefusedWithExitCode1) {
    ExpectRefused(kHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                  "    2         2.00      0.00      5.00      3.00",
                                  "    3         3.00     10.00      5.00      3.00"}),
                  1, kNoRunoffVariation + "\n");
}

TEST(BatchRun, ObservedZerosCountAs0001AndShowNoVariation) {
    ExpectRefused(kHeader + Rows({"    1         1.00     40.00      2.00  0.0E+0000",
                                  "    2         2.00      0.00      5.00  1.0E-0004"}),
                  1, kNoRunoffVariation + "\n");
}

TEST(BatchRun, EqualTimesAreRefused) {
    ExpectRefused(kHeader + Rows({"    1         2.00     40.00      2.00      3.00",
                                  "    2         2.00      0.00      5.00      2.00"}),
                  1, "There is no variation in time Rainfall-Discharge analysis cannot be made\n");
}

TEST(BatchRun, TimeGoingBackIsRefusedEvenAfterGoodRows) {
    ExpectRefused(kHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                  "    2         2.00      0.00      5.00      2.00",
                                  "    3         3.00      0.00      5.00      2.00",
                                  "    4         2.50      0.00      5.00      2.00"}),
                  1, "Incorrect time sequence encountered. Please correct the input file\n");
}

TEST(BatchRun, MaximumStorageOfZeroIsRefused) {
    ExpectRefused(AnalysisHeader(false, "No storage", "", " 0.0E+0000", " 0.0E+0000",
                                 "    2.00") +
                      Rows({"    1         1.00     40.00      2.00      3.00",
                            "    2         2.00      0.00      5.00      2.00"}),
                  1, "The Maximum Storage must be > 0\n");
}

TEST(BatchRun, MoreRowsThanAnAnalysisHoldsAreRefusedBeforeTheRun) {
    std::vector<std::string> rows;
    for (int k = 1; k <= 1502; ++k) {
        char row[64];
        std::snprintf(row, sizeof row, "%5d %d.00 1.00 0.50 %s", k, k, k % 2 ? "1.00" : "2.00");
        rows.push_back(row);
    }
    ExpectRefused(kHeader + Rows(rows), 1,
                  "The input file holds 1502 data rows; an analysis can take at most 1501 "
                  "rows.\n");
}

TEST(BatchRun, FourFieldRowIsRepairedByTheReaderButNotReadByTheEngine) {
    // Old files without the escape column: the input reader warns and fills
    // in the header's escape rate, but the engine reads the file as it stands.
    ExpectRefused(kHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                  "    2         2.00      0.00      2.00",
                                  "    3         3.00     10.00      5.00      2.50"}),
                  2,
                  "Please check the escape rate data\n"
                  "Line 16 of the input file \"@INPUT@\" is no data row of an analysis: it "
                  "needs a whole serial number, time, rain, escape rate and observed value\n");
}

TEST(BatchRun, HeadWithoutVariationIsRefused) {
    ExpectRefused(AnalysisHeader(true, "Flat", "", "   50.00", "   20.00", "    2.00") +
                      Rows({"    1         1.00     40.00      2.00    500.00",
                            "    2         2.00      0.00      5.00    500.00"}),
                  1,
                  "There is no variation in water level values. Rainfall-Hydr.Head analysis "
                  "cannot be made\n");
}

TEST(BatchRun, NumberThatIsNoNumberIsAFileError) {
    ExpectRefused(AnalysisHeader(false, "Broken", "", "   50.00", "   20.00", "    2.00") +
                      Rows({"    1         1.00     40.00      2.00      3.00",
                            "    2        2.x00      0.00      5.00      2.00"}),
                  2,
                  "A program error occurred.Real numbers in the inputfile \"@INPUT@\" are "
                  "corrupt\n");
}

TEST(BatchRun, MissingFileIsAFileError) {
    TempDir dir;
    const testing::BatchResult r = RunBatch({"run", "nothing.inp"}, dir);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "File does not exist, please select another one,\n");
    EXPECT_EQ(r.out, "");
}

TEST(BatchRun, InputNamedLikeTheReportIsNotOverwritten) {
    TempDir dir;
    const std::string text = WithCrLf(expected::kSerialsInput);
    WriteBytes(dir.File("field.out"), text);
    const testing::BatchResult r = RunBatch({"run", "field.out"}, dir);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("would overwrite"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("field.out")), text);
    EXPECT_FALSE(std::filesystem::exists(dir.File("field.dat")));
}

TEST(BatchRun, UsageErrorsExitWith2) {
    TempDir dir;
    EXPECT_EQ(RunBatch({}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"run"}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"walk", "x.inp"}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"run", "a.inp", "--threads", "0"}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"run", "a.inp", "--threads", "257"}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"run", "a.inp", "--threads", "many"}, dir).exitCode, 2);
    EXPECT_EQ(RunBatch({"run", "a.inp", "b.inp"}, dir).exitCode, 2);
}

TEST(BatchRun, HelpExplainsTheRunCommand) {
    TempDir dir;
    const testing::BatchResult top = RunBatch({"--help"}, dir);
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_NE(top.out.find("run"), std::string::npos);
    const testing::BatchResult run = RunBatch({"run", "--help"}, dir);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("--threads"), std::string::npos);
    EXPECT_NE(run.out.find("FILE"), std::string::npos);
}

}  // namespace
}  // namespace tervala
