// From the grid's texts to the input file: which rows are kept, the checks of
// time order and signs, the prediction fields, the file on disk byte for byte,
// and what every refusal leaves behind.
#include "engine/save_input.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/session.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::CrLf;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;

const std::string kDashes50 = " " + std::string(50, '-');
const std::string kDashes41 = " " + std::string(41, '-');

void DischargeMode(Session& s) {
    s.DMOmbrel.ModeTag = " Dis";
    s.DMOmbrel.DischargeMode = true;
    s.DMOmbrel.HeadMode = false;
    s.DMOmbrel.PredictionMode = false;
}

void PredictionMode(Session& s) {
    s.DMOmbrel.ModeTag = " Pre";
    s.DMOmbrel.DischargeMode = false;
    s.DMOmbrel.HeadMode = false;
    s.DMOmbrel.PredictionMode = true;
}

// Twelve rows; rows 3 and 7 (from 0) have no rain value.
GridTexts TwelveRowsTwoWithoutRain() {
    return {{"1", "0", "0.5", "0.5"},  {"2", "3", "0,5", "0.75"}, {"3", "12.5", "0.5", "1"},
            {"4", "", "0.5", "2"},     {"5", "7", "0.5", "1.5"},  {"6", "0.25", "-1", "1.2"},
            {"7", "1", "0.5", "1.00"}, {"8", "", "0.5", "0.9"},   {"9", "4", "0.5", "2"},
            {"10", "2", "0.5", "3"},   {"11", "0", "0.5", "2.5"}, {"12", "5", "0.5", "2"}};
}

SaveRequest Request(GridTexts grid) {
    SaveRequest r;
    r.Title1 = "Vidora field 3";
    r.Title2 = "mm, day";
    r.Grid = std::move(grid);
    return r;
}

void Reservoir(TDMOmbrel& dm) {
    dm.MaxSto = 50;
    dm.IniSto = 50;
    dm.MaxEsc = 0.1;
}

TEST(RowComplete, NeedsTimeRainAndEscapeText) {
    EXPECT_TRUE(RowComplete({"1", "2", "3", ""}));
    EXPECT_FALSE(RowComplete({"", "2", "3", "4"}));
    EXPECT_FALSE(RowComplete({"1", "", "3", "4"}));
    EXPECT_FALSE(RowComplete({"1", "2", "", "4"}));
    // A blank is text: the row is complete and the blank is no number.
    EXPECT_TRUE(RowComplete({"1", " ", "3", "4"}));
}

TEST(SaveInputData, IncompleteRowsAreLeftOutNumberedOnAndPackedToTheTop) {
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    DischargeMode(s);
    Reservoir(dm);
    dm.NrOfData = 12;
    dm.FileName = dir.File("vidora.inp");
    RecordingMessages messages;

    const SaveOutcome outcome = SaveInputData(s, Request(TwelveRowsTwoWithoutRain()), messages);
    EXPECT_EQ(outcome.Result, SaveResult::Saved);
    EXPECT_EQ(outcome.KeptRows, 10);
    EXPECT_TRUE(outcome.RowsLeftOut);
    EXPECT_TRUE(messages.messages.empty());

    // Serial, time F(12,2) or exponent form, rain, escape, discharge in 10.
    const std::string expected = CrLf({
        " Input data for Tervala program",
        " Discharge analysis and reconstruction",
        "",
        "Vidora field 3",
        "mm, day",
        "",
        " Filename: " + dir.File("vidora.inp"),
        " Maximum dead storage:    50.00",
        " Initial dead storage:    50.00",
        " Max.escape/time unit:  1.0E-0001",
        "",
        kDashes50,
        "  Serial    T i m e   R a i n    Esc. rate  Run-off",
        kDashes50,
        "    1         1.00  0.0E+0000  5.0E-0001  5.0E-0001",
        "    2         2.00       3.00  5.0E-0001  7.5E-0001",
        "    3         3.00      12.50  5.0E-0001       1.00",
        "    4         5.00       7.00  5.0E-0001       1.50",
        "    5         6.00  2.5E-0001 -1.0E+0000       1.20",
        "    6         7.00       1.00  5.0E-0001       1.00",
        "    7         9.00       4.00  5.0E-0001       2.00",
        "    8        10.00       2.00  5.0E-0001       3.00",
        "    9        11.00  0.0E+0000  5.0E-0001       2.50",
        "   10        12.00       5.00  5.0E-0001       2.00",
    });
    EXPECT_EQ(ReadBytes(dm.FileName), expected);

    // The data set holds the ten rows from the top, in their order.
    EXPECT_EQ(dm.NrOfData, 10);
    const DataArrayR times{1, 2, 3, 5, 6, 7, 9, 10, 11, 12};
    const DataArrayR rains{0, 3, 12.5, 7, 0.25, 1, 4, 2, 0, 5};
    const DataArrayR observed{0.5, 0.75, 1, 1.5, 1.2, 1, 2, 3, 2.5, 2};
    for (size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(dm.TimeData[k], times[k]) << k;
        EXPECT_EQ(dm.RainData[k], rains[k]) << k;
        EXPECT_EQ(dm.DischData[k], observed[k]) << k;
        EXPECT_EQ(dm.MissingObs[k], 0) << k;
    }
    EXPECT_EQ(dm.EscData[4], -1);
    EXPECT_EQ(dm.Title1, "Vidora field 3");
    EXPECT_EQ(dm.Title2, "mm, day");
}

TEST(SaveInputData, CompleteGridKeepsItsCount) {
    TempDir dir;
    Session s;
    DischargeMode(s);
    Reservoir(s.DMOmbrel);
    GridTexts grid = TwelveRowsTwoWithoutRain();
    grid[3][1] = "1";
    grid[7][1] = "1";
    s.DMOmbrel.NrOfData = 12;
    s.DMOmbrel.FileName = dir.File("full.inp");
    RecordingMessages messages;
    const SaveOutcome outcome = SaveInputData(s, Request(grid), messages);
    EXPECT_EQ(outcome.Result, SaveResult::Saved);
    EXPECT_EQ(outcome.KeptRows, 12);
    EXPECT_FALSE(outcome.RowsLeftOut);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 12);
}

TEST(SaveInputData, RowsBeyondTheGridTextsCountAsIncomplete) {
    TempDir dir;
    Session s;
    DischargeMode(s);
    Reservoir(s.DMOmbrel);
    s.DMOmbrel.NrOfData = 14;  // two more than the texts handed in
    s.DMOmbrel.FileName = dir.File("short.inp");
    GridTexts grid = TwelveRowsTwoWithoutRain();
    RecordingMessages messages;
    const SaveOutcome outcome = SaveInputData(s, Request(grid), messages);
    EXPECT_EQ(outcome.Result, SaveResult::Saved);
    EXPECT_EQ(outcome.KeptRows, 10);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 10);
}

struct Refusal {
    const char* name;
    int row;
    int column;
    const char* text;
    SaveResult result;
    const char* message;
};

class SaveRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(SaveRefusal, WritesNothingAndKeepsTheCount) {
    const Refusal& p = GetParam();
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    DischargeMode(s);
    Reservoir(dm);
    dm.NrOfData = 12;
    dm.FileName = dir.File("refused.inp");
    GridTexts grid = TwelveRowsTwoWithoutRain();
    grid[static_cast<size_t>(p.row)][static_cast<size_t>(p.column)] = p.text;
    RecordingMessages messages;
    const SaveOutcome outcome = SaveInputData(s, Request(grid), messages);
    EXPECT_EQ(outcome.Result, p.result);
    EXPECT_EQ(messages.messages, std::vector<std::string>{p.message});
    EXPECT_FALSE(std::filesystem::exists(dm.FileName));
    EXPECT_EQ(dm.NrOfData, 12);
    EXPECT_EQ(dm.Title1, "Vidora field 3");  // stored before the grid is read
}

INSTANTIATE_TEST_SUITE_P(
    Grid, SaveRefusal,
    ::testing::Values(
        Refusal{"TextInRain", 5, 1, "abc", SaveResult::NotAllReal,
                "Not all data values in the inputfile are real"},
        Refusal{"EmptyObservedCell", 2, 3, "", SaveResult::NotAllReal,
                "Not all data values in the inputfile are real"},
        Refusal{"BlankTime", 0, 0, " ", SaveResult::NotAllReal,
                "Not all data values in the inputfile are real"},
        Refusal{"EqualTimes", 2, 0, "2", SaveResult::InputErrors,
                "The input data were not saved due to input errors like negative values or a "
                "non-sequential time series"},
        Refusal{"DecreasingTime", 11, 0, "10.5", SaveResult::InputErrors,
                "The input data were not saved due to input errors like negative values or a "
                "non-sequential time series"},
        Refusal{"NegativeRain", 9, 1, "-0.1", SaveResult::InputErrors,
                "The input data were not saved due to input errors like negative values or a "
                "non-sequential time series"},
        Refusal{"NegativeDischarge", 0, 3, "-2", SaveResult::InputErrors,
                "The input data were not saved due to input errors like negative values or a "
                "non-sequential time series"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(CheckInput, TimesOneTwoTwoThreeAreNonSequential) {
    TDMOmbrel dm;
    dm.DischargeMode = true;
    dm.NrOfData = 4;
    dm.TimeData = {1, 2, 2, 3};
    dm.RainData = {0, 0, 0, 0};
    dm.EscData = {0, 0, 0, 0};
    dm.DischData = {1, 1, 1, 1};
    dm.MissingObs = {0, 0, 0, 0};
    EXPECT_FALSE(CheckInput(dm));
    // Without the second 2 the order is fine.
    dm.MissingObs[2] = 1;
    EXPECT_TRUE(CheckInput(dm));
}

TEST(CheckInput, OnlyCompleteRowsAreCompared) {
    TDMOmbrel dm;
    dm.PredictionMode = true;
    dm.NrOfData = 3;
    dm.TimeData = {1, 0, 2};  // the row left out would break the order
    dm.RainData = {0, -5, 0};
    dm.EscData = {-1, 0, -1};     // escape rates are not tested
    dm.DischData = {-1, -1, -1};  // no observed value in a prediction
    dm.MissingObs = {0, 1, 0};
    EXPECT_TRUE(CheckInput(dm));
}

TEST(CheckInput, NegativeObservedHeadFailsInHeadMode) {
    TDMOmbrel dm;
    dm.HeadMode = true;
    dm.NrOfData = 2;
    dm.TimeData = {1, 2};
    dm.RainData = {0, 0};
    dm.EscData = {0, 0};
    dm.HeadData = {100, -0.5};
    dm.MissingObs = {0, 0};
    EXPECT_FALSE(CheckInput(dm));
    dm.HeadData[1] = 0;
    EXPECT_TRUE(CheckInput(dm));
}

TEST(SaveInputData, HeadModeReadsTheObservedHeads) {
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ModeTag = " Hyd";
    dm.HeadMode = true;
    Reservoir(dm);
    dm.NrOfData = 2;
    dm.FileName = dir.File("head.inp");
    SaveRequest request = Request({{"1", "2", "0.5", "250"}, {"2", "0", "0.5", "0.25"}});
    RecordingMessages messages;
    EXPECT_EQ(SaveInputData(s, request, messages).Result, SaveResult::Saved);
    EXPECT_EQ(dm.HeadData[0], 250);
    EXPECT_EQ(dm.HeadData[1], 0.25);
    const std::string file = ReadBytes(dm.FileName);
    EXPECT_NE(file.find("    1         1.00       2.00  5.0E-0001     250.00\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("    2         2.00  0.0E+0000  5.0E-0001        0.3\r\n"),
              std::string::npos);
}

SaveRequest PredictionRequest() {
    SaveRequest r = Request({{"0", "10", "0.5", ""}, {"1", "0", "2", "x"}, {"2", "5", "0.5", ""}});
    r.Fields = {"0.02", "0,1", "1.5", "300", "10"};
    return r;
}

TEST(SaveInputData, PredictionTakesTheFieldsIntoTheFile) {
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    PredictionMode(s);
    Reservoir(dm);
    dm.NrOfData = 3;
    dm.FileName = dir.File("pred.inp");
    RecordingMessages messages;
    EXPECT_EQ(SaveInputData(s, PredictionRequest(), messages).Result, SaveResult::Saved);
    EXPECT_EQ(s.Values.MCoeff, 0.02);
    EXPECT_EQ(s.Values.NValue, 0.1);
    EXPECT_EQ(dm.RunIni, 1.5);
    EXPECT_EQ(dm.HeadIni, 300);
    EXPECT_EQ(dm.Porosity, 10);
    const std::string expected = CrLf({
        " Input data for Tervala program",
        " Prediction of drainage",
        "",
        "Vidora field 3",
        "mm, day",
        "",
        " Filename: " + dir.File("pred.inp"),
        " Maximum dead storage:    50.00",
        " Initial dead storage:    50.00",
        " Max.escape/time unit:  1.0E-0001",
        " Linear reservoir function : Alpha = A * Runoff + B",
        " A coefficient : 2.0000E-002",
        " Value of B is : 1.0000E-001",
        " Effective porosity (%) :   10.00",
        " Initial runoff rate :     1.50",
        " Initial water level :   300.00",
        "",
        kDashes41,
        " Serial    T i m e   Rainfall  Escape rate",
        kDashes41,
        "    1  0.000E+0000      10.00  5.0E-0001",
        "    2         1.00  0.0E+0000       2.00",
        "    3         2.00       5.00  5.0E-0001",
    });
    EXPECT_EQ(ReadBytes(dm.FileName), expected);
}

TEST(SaveInputData, MissingAlphaStopsBeforeAnythingIsWritten) {
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    PredictionMode(s);
    Reservoir(dm);
    dm.NrOfData = 3;
    dm.FileName = dir.File("old.inp");
    s.Values.MCoeff = 7;
    dm.RunIni = 3;
    SaveRequest request = PredictionRequest();
    request.Fields.RunIni = "2";
    request.Fields.MCoeff = "missing";
    request.Fields.NValue = "missing";
    RecordingMessages messages;
    EXPECT_EQ(SaveInputData(s, request, messages).Result, SaveResult::FieldNotNumber);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{
                  "The field \"M coefficient\" holds \"missing\", which is not a number. Give "
                  "the alpha function (M and N) and the initial values as numbers; the input "
                  "data were not saved."});
    EXPECT_FALSE(std::filesystem::exists(dm.FileName));
    // No field is taken over when one of them is no number.
    EXPECT_EQ(s.Values.MCoeff, 7);
    EXPECT_EQ(dm.RunIni, 3);
}

TEST(SaveInputData, EmptyPorosityFieldIsNamed) {
    TempDir dir;
    Session s;
    PredictionMode(s);
    Reservoir(s.DMOmbrel);
    s.DMOmbrel.NrOfData = 3;
    s.DMOmbrel.FileName = dir.File("p.inp");
    SaveRequest request = PredictionRequest();
    request.Fields.Porosity = "";
    RecordingMessages messages;
    EXPECT_EQ(SaveInputData(s, request, messages).Result, SaveResult::FieldNotNumber);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "The field \"Drainable porosity (%)\" is empty. Give the alpha function (M and N) "
              "and the initial values as numbers; the input data were not saved.");
}

TEST(SaveInputData, AnalysisIgnoresThePredictionFields) {
    TempDir dir;
    Session s;
    DischargeMode(s);
    Reservoir(s.DMOmbrel);
    s.DMOmbrel.NrOfData = 12;
    s.DMOmbrel.FileName = dir.File("a.inp");
    SaveRequest request = Request(TwelveRowsTwoWithoutRain());
    request.Fields = {"missing", "missing", "", "", ""};
    RecordingMessages messages;
    EXPECT_EQ(SaveInputData(s, request, messages).Result, SaveResult::Saved);
}

TEST(SaveInputData, UnwritableFileStopsBeforeThePacking) {
    TempDir dir;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    DischargeMode(s);
    Reservoir(dm);
    dm.NrOfData = 12;
    // A folder of that name exists: the file cannot be created in its place.
    dm.FileName = dir.File("taken.inp");
    std::filesystem::create_directory(dm.FileName);
    RecordingMessages messages;
    const SaveOutcome outcome = SaveInputData(s, Request(TwelveRowsTwoWithoutRain()), messages);
    EXPECT_EQ(outcome.Result, SaveResult::NotWritten);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The file \"" + dm.FileName +
                                       "\"could not be opened. It may be damaged or in use by "
                                       "another program."});
    EXPECT_EQ(dm.NrOfData, 12);
    EXPECT_TRUE(std::filesystem::is_directory(dm.FileName));
}

TEST(CompactRows, NoCompleteRowKeepsTheCount) {
    TDMOmbrel dm;
    dm.NrOfData = 3;
    dm.TimeData = {1, 2, 3, 0};
    dm.RainData = {1, 2, 3, 0};
    dm.EscData = {1, 2, 3, 0};
    dm.MissingObs = {1, 1, 1, 0};
    EXPECT_EQ(CompactRows(dm), 0);
    EXPECT_EQ(dm.NrOfData, 3);
}

TEST(InputNameRefusal, ReportAndFitNamesAreRefused) {
    EXPECT_FALSE(InputNameRefusal("/data/vidora.inp").has_value());
    EXPECT_FALSE(InputNameRefusal("/data/vidora.txt").has_value());
    EXPECT_FALSE(InputNameRefusal("/data.out/vidora").has_value());
    ASSERT_TRUE(InputNameRefusal("/data/vidora.out").has_value());
    EXPECT_EQ(*InputNameRefusal("/data/vidora.dat"),
              "The input file \"/data/vidora.dat\" has the extension of a report or fit file, "
              "which the run would overwrite. Please give the input file another extension.");
}

}  // namespace
}  // namespace tervala
