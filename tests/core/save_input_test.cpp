// From the grid's texts to the input file, the first step of Save/Run.
#include "engine/save_input.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace tervala {
namespace {

using namespace testing;

// Twelve rows; rows 3 and 7 (from 0) have no rain value.
GridTexts TwelveRows() {
    return {{"1", "0", "0.5", "0.5"},  {"2", "3", "0,5", "0.75"}, {"3", "12.5", "0.5", "1"},
            {"4", "", "0.5", "2"},     {"5", "7", "0.5", "1.5"},  {"6", "0.25", "-1", "1.2"},
            {"7", "1", "0.5", "1.00"}, {"8", "", "0.5", "0.9"},   {"9", "4", "0.5", "2"},
            {"10", "2", "0.5", "3"},   {"11", "0", "0.5", "2.5"}, {"12", "5", "0.5", "2"}};
}

struct Saving {
    TempDir dir;
    Session s;
    RecordingMessages m;
    SaveRequest request;

    Saving(const char* tag, GridTexts grid) {
        TDMOmbrel& dm = s.DMOmbrel;
        const std::string mode = tag;
        std::tie(dm.ModeTag, dm.DischargeMode, dm.HeadMode, dm.PredictionMode) =
            std::tuple{mode, mode == " Dis", mode == " Hyd", mode == " Pre"};
        std::tie(dm.MaxSto, dm.IniSto, dm.MaxEsc, dm.NrOfData) =
            std::tuple{50, 50, 0.1, int(grid.size())};
        dm.FileName = dir.File("field.inp");
        request = {
            "Vidora field 3", "mm, day", std::move(grid), {"0.02", "0,1", "1.5", "300", "10"}};
    }
    SaveOutcome Save() { return SaveInputData(s, request, m); }
};

TEST(SaveInput, IncompleteRowsAreLeftOutNumberedOnAndPackedToTheTop) {
    Saving d(" Dis", TwelveRows());
    d.s.DMOmbrel.NrOfData = 14;  // rows beyond the grid's texts count as incomplete
    // A head report opened meanwhile left its tag: the file was headed as a
    // head analysis and opened again as a prediction.
    d.s.DMOmbrel.ModeTag = " Hyd";
    const SaveOutcome outcome = d.Save();
    EXPECT_EQ(
        (std::tuple{outcome.Result, outcome.KeptRows, outcome.RowsLeftOut, d.m.messages.size()}),
        (std::tuple{SaveResult::Saved, 10, true, size_t{0}}));
    const TDMOmbrel& dm = d.s.DMOmbrel;
    EXPECT_EQ(ReadBytes(dm.FileName), DataFile("inputs/grid-discharge.inp", dm.FileName));
    EXPECT_EQ(dm.NrOfData, 10);
    EXPECT_EQ(DataArrayR(dm.TimeData.begin(), dm.TimeData.begin() + 10),
              (DataArrayR{1, 2, 3, 5, 6, 7, 9, 10, 11, 12}));
    EXPECT_EQ(DataArrayR(dm.DischData.begin(), dm.DischData.begin() + 10),
              (DataArrayR{0.5, 0.75, 1, 1.5, 1.2, 1, 2, 3, 2.5, 2}));
    EXPECT_EQ(dm.EscData[4], -1);  // the first reservoir moves it into the rain
    EXPECT_EQ(std::count(dm.MissingObs.begin(), dm.MissingObs.begin() + 14, 0), 14);
    // A complete grid keeps its count, and a grid without a complete row too.
    Saving full(" Dis", {{"1", "1", "1", "1"}, {"2", "1", "1", "2"}});
    EXPECT_EQ((std::pair{full.Save().RowsLeftOut, full.s.DMOmbrel.NrOfData}),
              (std::pair{false, 2}));
    TDMOmbrel none;
    none.NrOfData = 3;
    none.TimeData = {1, 2, 3, 0};
    none.MissingObs = {1, 1, 1, 0};
    EXPECT_EQ((std::pair{CompactRows(none), none.NrOfData}), (std::pair{0, 3}));
}

TEST(SaveInput, PredictionTakesItsFieldsIntoTheFile) {
    Saving d(" Pre", {{"0", "10", "0.5", ""}, {"1", "0", "2", "x"}, {"2", "5", "0.5", ""}});
    EXPECT_EQ(d.Save().Result, SaveResult::Saved);
    EXPECT_EQ((std::tuple{d.s.Values.MCoeff, d.s.Values.NValue, d.s.DMOmbrel.RunIni,
                          d.s.DMOmbrel.HeadIni}),
              (std::tuple{0.02, 0.1, 1.5, 300.0}));
    EXPECT_EQ(ReadBytes(d.s.DMOmbrel.FileName),
              DataFile("inputs/grid-prediction.inp", d.s.DMOmbrel.FileName));
    // A head analysis reads the observed heads.
    Saving head(" Hyd", {{"1", "2", "0.5", "250"}, {"2", "0", "0.5", "0.25"}});
    EXPECT_EQ(head.Save().Result, SaveResult::Saved);
    EXPECT_EQ(head.s.DMOmbrel.HeadData[1], 0.25);
    EXPECT_NE(
        ReadBytes(head.s.DMOmbrel.FileName).find("   2.00  0.0E+0000  5.0E-0001        0.3\r\n"),
        std::string::npos);
}

struct Refusal {
    const char* name;
    const char* tag;
    std::function<void(SaveRequest&)> edit;
    SaveResult result;
    std::string message;
};

TEST(SaveInput, RefusalsWriteNothingAndKeepTheCount) {
    const std::string notSaved =
        ". Give the alpha function (M and N) and the initial values as numbers; the input data "
        "were not saved.";
    auto cell = [](int row, int col, const char* text) {
        return [=](SaveRequest& r) { r.Grid[row][col] = text; };
    };
    const Refusal cases[] = {
        {"TextInRain", " Dis", cell(5, 1, "abc"), SaveResult::NotAllReal, kNotAllRealText},
        {"EmptyObservedCell", " Dis", cell(2, 3, ""), SaveResult::NotAllReal, kNotAllRealText},
        {"BlankTime", " Dis", cell(0, 0, " "), SaveResult::NotAllReal, kNotAllRealText},
        {"EqualTimes", " Dis", cell(2, 0, "2"), SaveResult::InputErrors, kInputErrorsText},
        {"DecreasingTime", " Dis", cell(11, 0, "10.5"), SaveResult::InputErrors, kInputErrorsText},
        {"NegativeRain", " Dis", cell(9, 1, "-0.1"), SaveResult::InputErrors, kInputErrorsText},
        {"NegativeDischarge", " Dis", cell(0, 3, "-2"), SaveResult::InputErrors, kInputErrorsText},
        {"NegativeHead", " Hyd", cell(1, 3, "-0.5"), SaveResult::InputErrors, kInputErrorsText},
        {"MissingAlpha", " Pre",
         [](SaveRequest& r) { r.Fields.MCoeff = r.Fields.NValue = "missing"; },
         SaveResult::FieldNotNumber,
         "The field \"M coefficient\" holds \"missing\", which is not a number" + notSaved},
        {"EmptyPorosity", " Pre", [](SaveRequest& r) { r.Fields.Porosity = " "; },
         SaveResult::FieldNotNumber, "The field \"Drainable porosity (%)\" is empty" + notSaved},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        Saving d(c.tag, TwelveRows());
        d.s.Values.MCoeff = 7;
        c.edit(d.request);
        // The titles are stored before the grid is read; no field is taken when one is no number.
        EXPECT_EQ((std::tuple{d.Save().Result, d.m.messages, d.dir.Names().size(),
                              d.s.DMOmbrel.NrOfData, d.s.DMOmbrel.Title1, d.s.Values.MCoeff}),
                  (std::tuple{c.result, std::vector<std::string>{c.message}, 0u, 12,
                              "Vidora field 3", 7.0}));
    }
    // An analysis does not read the prediction fields.
    Saving analysis(" Dis", TwelveRows());
    analysis.request.Fields = {"missing", "missing", "", "", ""};
    EXPECT_EQ(analysis.Save().Result, SaveResult::Saved);
    // A file that cannot be written stops before the rows are packed.
    Saving taken(" Dis", TwelveRows());
    std::filesystem::create_directory(taken.s.DMOmbrel.FileName);
    EXPECT_EQ((std::pair{taken.Save().Result, taken.s.DMOmbrel.NrOfData}),
              (std::pair{SaveResult::NotWritten, 12}));
}

TEST(SaveInput, TimesOneTwoTwoThreeAreOutOfOrderOnlyWhileTheSecondTwoIsKept) {
    TDMOmbrel dm;
    std::tie(dm.DischargeMode, dm.NrOfData, dm.TimeData, dm.DischData) =
        std::tuple{true, 4, DataArrayR{1, 2, 2, 3}, DataArrayR{1, 1, 1, 1}};
    dm.RainData = dm.EscData = {0, 0, 0, 0};
    dm.MissingObs = {0, 0, 0, 0};
    EXPECT_FALSE(CheckInput(dm));
    dm.MissingObs[2] = 1;
    EXPECT_TRUE(CheckInput(dm));
    // Rows left out are not compared, escape rates may be negative, and a
    // prediction has no observed value.
    std::tie(dm.DischargeMode, dm.PredictionMode, dm.TimeData[2], dm.RainData[2]) =
        std::tuple{false, true, 0, -5};
    dm.EscData = dm.DischData = {-1, -1, -1, -1};
    EXPECT_TRUE(CheckInput(dm));
    // A row needs time, rain and escape rate; a blank is text, and no number.
    EXPECT_TRUE(RowComplete({"1", " ", "3", ""}));
    for (const GridRowTexts& row :
         {GridRowTexts{"", "2", "3", "4"}, {"1", "", "3", "4"}, {"1", "2", "", "4"}})
        EXPECT_FALSE(RowComplete(row));
    EXPECT_FALSE(InputNameRefusal("/data.out/vidora").has_value());
    EXPECT_EQ(
        InputNameRefusal("/data/vidora.dat"),
        "The input file \"/data/vidora.dat\" has the extension of a report or fit file, which the "
        "run would overwrite. Please give the input file another extension.");
    EXPECT_TRUE(InputNameRefusal("/data/vidora.out").has_value());
}

}  // namespace
}  // namespace tervala
