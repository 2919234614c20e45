// A prediction on input files written and read by the program itself: what
// the writer lays out, the prediction re-reads to the same values.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/prediction.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "tests/support/prediction_hand_worked.h"
#include "tests/support/prediction_input_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::HandWorkedThreeRowReport;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

// The data set as Save/Run leaves it for the hand-worked case.
void FillHandWorked(Session& s, const std::string& fileName) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = fileName;
    dm.ModeTag = kPredictionTag;
    dm.PredictionMode = true;
    dm.Title1 = "Test title one";
    dm.Title2 = "Second title";
    dm.MaxSto = 50;
    dm.IniSto = 20;
    dm.MaxEsc = 0.1;
    dm.Porosity = 10;
    dm.RunIni = 1;
    dm.HeadIni = 100;
    s.Values.MCoeff = 0.5;
    s.Values.NValue = 0.1;
    dm.NrOfData = 3;
    dm.TimeData = {1, 2, 3};
    dm.RainData = {40, 0, 10};
    dm.EscData = {5, 5, 5};
    dm.MissingObs = {0, 0, 0};
}

TEST(PredictionOnSavedInput, WrittenByTheProgramGivesTheHandWorkedReport) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    FillHandWorked(s, dir.File("field.inp"));
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(s.Flags.PredNoData || s.Flags.PredTimeError);
    EXPECT_EQ(ReadBytes(dir.File("field.out")), HandWorkedThreeRowReport(dir.File("field.inp")));
}

TEST(PredictionOnSavedInput, ValuesAreTheOnesTheFileHoldsNotTheOnesTyped) {
    // The file keeps the porosity to two decimals and the alpha function to
    // five significant digits; the run uses what the file holds.
    TempDir dir;
    Session s;
    RecordingMessages messages;
    FillHandWorked(s, dir.File("field.inp"));
    s.DMOmbrel.Porosity = 12.3456;
    s.Values.MCoeff = 0.123456789;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    RunPrediction(s, messages);
    EXPECT_EQ(s.Prediction.PorosityFrac, 12.35 / 100);
    EXPECT_EQ(s.Values.MCoeff, 0.12346);
}

TEST(PredictionOnSavedInput, SmallTimesAndValuesInExponentFormAreReadBack) {
    // Times 0.25, 0.5, 0.75 are written as " 2.500E-0001" and so on, the
    // start discharge 0.5 as " 5.0E-0001". Steps of a quarter let less escape.
    TempDir dir;
    Session s;
    RecordingMessages messages;
    FillHandWorked(s, dir.File("field.inp"));
    s.DMOmbrel.TimeData = {0.25, 0.5, 0.75};
    s.DMOmbrel.RunIni = 0.5;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_EQ(s.Prediction.Reservoir.Time[1], 0.25);
    EXPECT_EQ(s.Prediction.Reservoir.Time[3], 0.75);
    EXPECT_EQ(s.DMOmbrel.RunIni, 0.5);
    // Row 2: deficit 1.25, storage 48.75; row 3: escape 5 * 0.25 * 0.975 =
    // 1.21875, deficit 2.46875, recharge 10 - 2.46875 = 7.53125.
    EXPECT_DOUBLE_EQ(s.Prediction.Reservoir.Rech[3], 7.53125);
}

TEST(PredictionOnSavedInput, RowsLeftOutOfTheFileAreNotPredicted) {
    // Save/Run writes only the complete rows, numbered from 1, then packs the
    // data set; the prediction sees the packed rows.
    TempDir dir;
    Session s;
    RecordingMessages messages;
    FillHandWorked(s, dir.File("field.inp"));
    s.DMOmbrel.NrOfData = 4;
    s.DMOmbrel.TimeData = {1, 1.5, 2, 3};
    s.DMOmbrel.RainData = {40, 99, 0, 10};
    s.DMOmbrel.EscData = {5, 5, 5, 5};
    s.DMOmbrel.MissingObs = {0, 1, 0, 0};
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    s.DMOmbrel.NrOfData = 3;
    s.DMOmbrel.EscData = {5, 5, 5};
    RunPrediction(s, messages);
    EXPECT_EQ(ReadBytes(dir.File("field.out")), HandWorkedThreeRowReport(dir.File("field.inp")));
}

TEST(PredictionOnSavedInput, OpenedWithTheInputReaderThenRunGivesTheHandWorkedReport) {
    // The way the batch command and "Open input" come to a prediction: the
    // data set is filled from the file, escape rates included.
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteBytes(input, testing::PredictionInputText(
                          testing::PredictionInputHeader{},
                          {testing::PredictionRow(1, 1, 40, 5), testing::PredictionRow(2, 2, 0, 5),
                           testing::PredictionRow(3, 3, 10, 5)}));
    Session s;
    RecordingMessages messages;
    s.DMOmbrel.FileName = input;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, true).ok);
    ASSERT_TRUE(s.DMOmbrel.PredictionMode);
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(ReadBytes(dir.File("field.out")), HandWorkedThreeRowReport(input));
}

TEST(PredictionOnSavedInput, TheVidoraExamplePredictsEveryDay) {
    // 90 daily rows. Row 1: deficit 50 - 45 = 5, recharge 24.8 - 5 = 19.8.
    // Row 2: no rain; alpha 0.04 * 2 + 0.05 = 0.13, E = exp(-0.13) = 0.8780954;
    // discharge 2 E = 1.756, head 300 E = 263.43.
    TempDir dir;
    const std::string input = dir.File("VidoraPrediction.inp");
    WriteBytes(input, ReadBytes(std::string(TERVALA_SOURCE_DIR) + "/Data/VidoraPrediction.inp"));
    Session s;
    RecordingMessages messages;
    s.DMOmbrel.FileName = input;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, true).ok);
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(s.Flags.PredNoData || s.Flags.PredTimeError);
    const std::string report = ReadBytes(dir.File("VidoraPrediction.out"));
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 18 + 90 + 1);
    EXPECT_NE(report.find("\n   1      1.00     24.80     19.80     0.000      2.00    300.00\n"
                          "   2      2.00      0.00      0.00     0.130      1.76    263.43\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tervala
