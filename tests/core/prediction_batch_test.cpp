// tervala-batch run on prediction files, end to end: the real binary, its
// exit code, the messages on stderr, the report path on stdout and the report
// byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/batch_runner.h"
#include "tests/support/prediction_hand_worked.h"
#include "tests/support/prediction_input_text.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::BatchResult;
using testing::HandWorkedThreeRowReport;
using testing::PredictionInputHeader;
using testing::PredictionInputText;
using testing::PredictionRow;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;
using testing::WriteBytes;

const std::vector<std::string> kThreeRows = {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5),
                                             PredictionRow(3, 3, 10, 5)};

class PredictionBatch : public ::testing::Test {
  protected:
    TempDir dir;
    std::string input = dir.File("field.inp");
    std::string report = dir.File("field.out");

    BatchResult Run(const std::string& inputText) {
        WriteBytes(input, inputText);
        BatchResult r = RunBatch({"run", input}, dir);
        EXPECT_EQ(ReadBytes(input), inputText) << "the input file must not change";
        return r;
    }

    // Refused before or during the run: exit code 1, the engine's message,
    // nothing on stdout, no report.
    void ExpectRefused(const std::string& inputText, const std::string& message) {
        BatchResult r = Run(inputText);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, message + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(report));
    }
};

TEST_F(PredictionBatch, HandWorkedThreeRowsWriteTheReportAndNameIt) {
    BatchResult r = Run(PredictionInputText(PredictionInputHeader{}, kThreeRows));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, report + "\n");
    EXPECT_EQ(ReadBytes(report), HandWorkedThreeRowReport(input));
}

TEST_F(PredictionBatch, EscapeRatesOfTheFileAct) {
    // The batch opens the file as "Open input" does, so the data set's escape
    // rates are the file's: escape 0 everywhere lets all 10 mm of row 3 run off.
    BatchResult r = Run(PredictionInputText(
        PredictionInputHeader{},
        {PredictionRow(1, 1, 40, 0), PredictionRow(2, 2, 0, 0), PredictionRow(3, 3, 10, 0)}));
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(ReadBytes(report).find("\n   3      3.00     10.00     10.00 "), std::string::npos);
}

TEST_F(PredictionBatch, FiveHundredAndOneRowsArePredicted) {
    std::vector<std::string> rows;
    for (int k = 1; k <= 501; ++k) rows.push_back(PredictionRow(k, k, k % 5, 2));
    BatchResult r = Run(PredictionInputText(PredictionInputHeader{}, rows));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const std::string text = ReadBytes(report);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18 + 501 + 1);
}

TEST_F(PredictionBatch, MoreThanFiveHundredAndOneRowsExitWithOne) {
    std::vector<std::string> rows;
    for (int k = 1; k <= 502; ++k) rows.push_back(PredictionRow(k, k, 1, 2));
    ExpectRefused(PredictionInputText(PredictionInputHeader{}, rows),
                  "The input file \"" + input +
                      "\" holds more than 501 data rows. A prediction can be made for at most "
                      "501 rows");
}

TEST_F(PredictionBatch, LineElevenWithoutTheLinearTagExitsWithOne) {
    PredictionInputHeader h;
    h.alphaLine = " Exponential reservoir function";
    ExpectRefused(PredictionInputText(h, kThreeRows),
                  "The input file \"" + input +
                      "\" holds no linear alpha function (line 11 does not start with \" Lin\"). "
                      "The prediction cannot be made");
}

TEST_F(PredictionBatch, MaximumStorageOfZeroExitsWithOne) {
    PredictionInputHeader h;
    h.maxSto = " 0.0E+0000";
    ExpectRefused(PredictionInputText(h, kThreeRows), "The Maximum Storage must be > 0");
}

TEST_F(PredictionBatch, PorosityOfZeroExitsWithOne) {
    PredictionInputHeader h;
    h.porosity = "    0.00";
    ExpectRefused(PredictionInputText(h, kThreeRows), "The Effective porosity must be > 0");
}

TEST_F(PredictionBatch, NoVariationInTimeExitsWithOne) {
    ExpectRefused(PredictionInputText(PredictionInputHeader{},
                                      {PredictionRow(1, 7, 40, 5), PredictionRow(2, 7, 0, 5)}),
                  "There is no variation in time The hydrograph cannot be made");
}

TEST_F(PredictionBatch, EqualTimesAreATimeSequenceErrorAndExitWithOne) {
    ExpectRefused(PredictionInputText(PredictionInputHeader{},
                                      {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5),
                                       PredictionRow(3, 2, 10, 5)}),
                  "Incorrect time sequence encountered Please correct the input file");
}

TEST_F(PredictionBatch, ARefusedRunLeavesAnOlderReportInPlace) {
    WriteBytes(report, "older report\n");
    BatchResult r = Run(PredictionInputText(
        PredictionInputHeader{}, {PredictionRow(1, 7, 40, 5), PredictionRow(2, 7, 0, 5)}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadBytes(report), "older report\n");
}

TEST_F(PredictionBatch, AReportThatCannotBeWrittenExitsWithTwo) {
    std::filesystem::create_directory(report);  // the report's name is taken by a folder
    BatchResult r = Run(PredictionInputText(PredictionInputHeader{}, kThreeRows));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "The file \"" + report + "\" could not be written\n");
    EXPECT_EQ(r.out, "");
}

TEST_F(PredictionBatch, TheVidoraExampleRuns) {
    const std::string example =
        ReadBytes(std::string(TERVALA_SOURCE_DIR) + "/Data/VidoraPrediction.inp");
    BatchResult r = Run(example);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, report + "\n");
    const std::string text = ReadBytes(report);
    EXPECT_EQ(text.substr(0, 26), "RESULTS OF Ombrel PROGRAM\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18 + 90 + 1);
}

}  // namespace
}  // namespace tervala
