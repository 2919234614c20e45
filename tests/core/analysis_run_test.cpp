// The analysis drivers from input file to report: both passes, the search,
// the side effects later commands rely on, and the fast search giving the
// plain loop's report byte for byte.
#include "engine/analysis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/analysis_reports_expected.h"
#include "tests/support/analysis_input.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::AnalysisHeader;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::RecordingProgress;
using testing::Rows;
using testing::TempDir;
using testing::WithCrLf;
using testing::WriteBytes;

struct AnalysisRun {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    RecordingProgress progress;

    // Runs the analysis of the file's kind as Save/Run does after saving.
    void Go(const std::string& text, bool head, SearchOptions options = {}) {
        s.DMOmbrel.FileName = dir.File("field.inp");
        WriteBytes(s.DMOmbrel.FileName, text);
        s.DMOmbrel.ModeTag = head ? " Hyd" : " Dis";
        s.Flags.CheckOnly = true;
        if (head) {
            RunHeadAnalysis(s, messages, progress, options);
        } else {
            RunDischargeAnalysis(s, messages, progress, options);
        }
    }
    std::string Report() const { return ReadBytes(dir.File("field.out")); }
    std::string Fit() const { return ReadBytes(dir.File("field.dat")); }
};

const std::vector<std::string> kProgressLines = {
    " Please wait .....", " Progress 20% ....", " Progress 30% ....",
    " Progress 40% ....", " Progress 50% ....", " Progress 60% ....",
    " Progress 70% ....", " Progress 80% ....", " Progress 90% ...."};

TEST(DischargeAnalysisRun, FastSearchWritesThePlainLoopsReport) {
    AnalysisRun plain, fast;
    SearchOptions reference;
    reference.referenceLoop = true;
    plain.Go(WithCrLf(expected::kTwelveInput), false, reference);
    fast.Go(WithCrLf(expected::kTwelveInput), false);
    EXPECT_EQ(plain.s.Analysis.BestSsq, fast.s.Analysis.BestSsq);
    const std::string plainReport = plain.Report();
    const std::string fastReport = fast.Report();
    // Only the folder in line 5 differs.
    EXPECT_EQ(plainReport.substr(plainReport.find("\n\nMaximum")),
              fastReport.substr(fastReport.find("\n\nMaximum")));
    EXPECT_EQ(plain.Fit(), fast.Fit());
    EXPECT_EQ(plain.progress.lines, kProgressLines);
    EXPECT_EQ(fast.progress.lines, kProgressLines);
    EXPECT_EQ(fast.progress.rowCount, 12);
}

TEST(DischargeAnalysisRun, LeavesTheFoundAlphaFunctionForAPrediction) {
    AnalysisRun r;
    r.Go(WithCrLf(expected::kTwelveInput), false);
    EXPECT_EQ(r.s.Values.MCoeff, 295 * 0.0001);
    EXPECT_EQ(r.s.Values.NValue, (710 - 500) * 0.0001);
    EXPECT_EQ(r.s.DMOmbrel.FileName, r.dir.File("field.inp"));
    EXPECT_EQ(r.s.Analysis.Alpha[1], 0);
    EXPECT_FALSE(r.s.Flags.CheckOnly);
    EXPECT_TRUE(r.messages.messages.empty());
}

TEST(DischargeAnalysisRun, TheTrendWarningIsShownOnce) {
    AnalysisRun r;
    r.Go(WithCrLf(expected::kHumpInput), false);
    ASSERT_EQ(r.messages.messages.size(), 1u);
    EXPECT_NE(r.messages.messages[0].find("inconsistency"), std::string::npos);
}

TEST(DischargeAnalysisRun, WithoutAGridPointTheTrendLineStays) {
    // Observed = 10 * recharge + 5000: the reservoir never gets near, every
    // step counts 100 000 and eleven steps reach the initial best sum.
    std::vector<std::string> rows;
    for (int k = 1; k <= 12; ++k) {
        rows.push_back(std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(k) +
                       " 0 " + std::to_string(5000 + 10 * k));
    }
    AnalysisRun r;
    r.Go(AnalysisHeader(false, "", "", "    5.00", "    5.00", "    1.00") + Rows(rows), false);
    EXPECT_EQ(r.s.Analysis.BestSsq, 1000000);
    EXPECT_EQ(r.s.Analysis.AlphaSlope, 10);
    EXPECT_EQ(r.s.Analysis.AlphaIntercept, 5000);
    const std::string report = r.Report();
    EXPECT_NE(report.find("\nA =10.0000  C =5000.0000\n"), std::string::npos) << report;
}

TEST(DischargeAnalysisRun, RefusedDataWritesNothing) {
    AnalysisRun r;
    r.Go(AnalysisHeader(false, "", "", "   50.00", "   20.00", "    2.00") +
             Rows({"1 1 40 2 3", "2 2 0 5 3", "3 3 10 5 3"}),
         false);
    EXPECT_FALSE(r.s.Flags.AnalysisOk);
    EXPECT_FALSE(std::filesystem::exists(r.dir.File("field.out")));
    EXPECT_FALSE(std::filesystem::exists(r.dir.File("field.dat")));
    EXPECT_TRUE(r.progress.lines.empty());
}

TEST(HeadAnalysisRun, ReportsAndLeavesHeadOverAThousandInRunMeas) {
    AnalysisRun r;
    r.Go(WithCrLf(expected::kHead3Input), true);
    EXPECT_EQ(r.Report().substr(r.Report().find("\n\nMaximum")),
              std::string(expected::kHead3Report)
                  .substr(std::string(expected::kHead3Report).find("\n\nMaximum")));
    EXPECT_EQ(r.s.Analysis.RunMeas[1], 0.5);
    EXPECT_EQ(r.s.Analysis.RunMeas[2], 0.42);
    EXPECT_EQ(r.s.Analysis.RunMeas[3], 0.38);
    EXPECT_EQ(r.s.Analysis.PdFrac, 1.0 / 50);
    EXPECT_EQ(r.s.Values.MCoeff, r.s.Analysis.AlphaSlope);
    EXPECT_EQ(r.s.Analysis.Alpha[1], 0);
    EXPECT_EQ(r.progress.lines, kProgressLines);
}

TEST(HeadAnalysisRun, WithoutAGridPointThePorosityFactorStaysFive) {
    // A head of a million mm that stays put while no time passes: every
    // squared deviation is about 1E12, above the initial best sum of 1E9.
    std::vector<std::string> rows = {"1 1 1 0 1000000"};
    for (int k = 2; k <= 4; ++k) rows.push_back(std::to_string(k) + " 1 1 0 1");
    rows.push_back("5 2 1 0 1");
    AnalysisRun r;
    r.Go(AnalysisHeader(true, "", "", "    5.00", "    5.00", "    1.00") + Rows(rows), true);
    EXPECT_EQ(r.s.Analysis.BestSsq, 1000000000);
    EXPECT_EQ(r.s.Analysis.PdFrac, 5.0);
    EXPECT_NE(r.Report().find("porosity fraction = 5.000\n"), std::string::npos);
}

}  // namespace
}  // namespace tervala
