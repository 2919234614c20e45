// The analysis examples under Data/ give a new user a sensible result: the
// calibration finds the alpha function the example data were made with
// (Vidora: alpha = 0.04 * Q + 0.05 per day; the head example:
// alpha = 0.0004 * H + 0.02 per day with a porosity factor of 0.2), and the
// calculated series explain the observed ones well.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/analysis.h"
#include "engine/session.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

namespace fs = std::filesystem;

// The value printed after "R square is:" in a report.
double RSquareOfReport(const std::string& report) {
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        const auto at = line.find("R square is:");
        if (at != std::string::npos) return std::stod(line.substr(at + 12));
    }
    return -1;
}

TEST(ExampleRuns, VidoraCalibrationRecoversItsAlphaFunction) {
    testing::TempDir dir;
    const std::string input = dir.File("Vidora.inp");
    fs::copy_file(fs::path(TERVALA_SOURCE_DIR) / "Data" / "Vidora.inp", input);
    Session s;
    s.DMOmbrel.FileName = input;
    s.DMOmbrel.DischargeMode = true;
    s.DMOmbrel.ModeTag = " Dis";
    s.DMOmbrel.EscData.assign(366, 0.2);  // the grid's escape rates, as the example holds them
    s.Flags.CheckOnly = true;
    testing::RecordingMessages messages;
    testing::RecordingProgress progress;
    RunDischargeAnalysis(s, messages, progress);

    ASSERT_TRUE(s.Flags.AnalysisOk);
    EXPECT_FALSE(s.DMOmbrel.RunFailed);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    EXPECT_NEAR(s.Analysis.AlphaSlope, 0.04, 0.005);
    EXPECT_NEAR(s.Analysis.AlphaIntercept, 0.05, 0.005);
    EXPECT_GE(RSquareOfReport(dir.File("Vidora.out")), 0.9);
}

TEST(ExampleRuns, HeadExampleRecoversItsAlphaFunctionAndPorosity) {
    testing::TempDir dir;
    const std::string input = dir.File("VidoraHead.inp");
    fs::copy_file(fs::path(TERVALA_SOURCE_DIR) / "Data" / "VidoraHead.inp", input);
    Session s;
    s.DMOmbrel.FileName = input;
    s.DMOmbrel.HeadMode = true;
    s.DMOmbrel.ModeTag = " Hyd";
    s.DMOmbrel.EscData.assign(61, 0.5);
    s.Flags.CheckOnly = true;
    testing::RecordingMessages messages;
    testing::RecordingProgress progress;
    RunHeadAnalysis(s, messages, progress);

    ASSERT_TRUE(s.Flags.AnalysisOk);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
    EXPECT_NEAR(s.Analysis.AlphaSlope, 0.0004, 0.0001);
    EXPECT_NEAR(s.Analysis.AlphaIntercept, 0.02, 0.005);
    EXPECT_DOUBLE_EQ(s.Analysis.PdFrac, 0.2);
    EXPECT_GE(RSquareOfReport(dir.File("VidoraHead.out")), 0.9);
}

}  // namespace
}  // namespace tervala
