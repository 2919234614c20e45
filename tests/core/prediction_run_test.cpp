// A prediction from a saved input file to its report, as a user runs it:
// the report bytes, the values the run takes over from the file, and every
// refusal (message, flag, no report written).
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_file_error.h"
#include "engine/prediction.h"
#include "engine/session.h"
#include "tests/support/prediction_hand_worked.h"
#include "tests/support/prediction_input_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::PredictionInputHeader;
using testing::PredictionInputText;
using testing::PredictionRow;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

// The hand-worked case of tests/support/prediction_hand_worked.h.
const std::vector<std::string> kThreeRows = {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5),
                                             PredictionRow(3, 3, 10, 5)};

std::string ThreeRowReport(const std::string& inputName) {
    return testing::HandWorkedThreeRowReport(inputName);
}

class PredictionRun : public ::testing::Test {
  protected:
    TempDir dir;
    Session s;
    RecordingMessages messages;
    std::string input = dir.File("field.inp");
    std::string report = dir.File("field.out");

    // Saves the file and gives the data set one escape rate per row, as
    // Save/Run leaves it.
    void Save(const std::string& text, std::vector<double> escapeRates) {
        WriteBytes(input, text);
        s.DMOmbrel.FileName = input;
        s.DMOmbrel.NrOfData = static_cast<int>(escapeRates.size());
        s.DMOmbrel.EscData = std::move(escapeRates);
    }
    void Save(const PredictionInputHeader& h, const std::vector<std::string>& rows) {
        Save(PredictionInputText(h, rows), std::vector<double>(rows.size(), 5.0));
    }

    std::vector<std::string> ReportLines() {
        std::vector<std::string> lines;
        std::string text = ReadBytes(report), line;
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        return lines;
    }

    // An input file that does not hold its layout: the error names the place,
    // nothing is shown, the flag is set and no report is written.
    void ExpectFileError(const std::string& text) {
        try {
            RunPrediction(s, messages);
            ADD_FAILURE() << "no error raised";
        } catch (const EngineFileError& e) {
            EXPECT_EQ(std::string(e.what()), text);
        }
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_TRUE(s.Flags.PredNoData);
        EXPECT_FALSE(std::filesystem::exists(report));
    }

    // A refused run: one message, the flag, no report, no prediction.
    void ExpectRefused(const std::string& message) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0], message);
        EXPECT_TRUE(s.Flags.PredNoData);
        EXPECT_FALSE(s.Flags.PredTimeError);
        EXPECT_FALSE(std::filesystem::exists(report));
    }
};

TEST_F(PredictionRun, HandWorkedThreeRowsGiveTheReportByteForByte) {
    Save(PredictionInputHeader{}, kThreeRows);
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(s.Flags.PredNoData);
    EXPECT_FALSE(s.Flags.PredTimeError);
    EXPECT_EQ(ReadBytes(report), ThreeRowReport(input));
    EXPECT_EQ(ReportLines().size(), 22u);
}

TEST_F(PredictionRun, FileWithLineFeedsOnlyAndNoEmptyLineBeforeTheTableReadsTheSame) {
    PredictionInputHeader h;
    h.eol = "\n";
    h.emptyLineBeforeTable = false;
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(ReadBytes(report), ThreeRowReport(input));
}

TEST_F(PredictionRun, EmptyLinesAfterTheLastRowAreNoRows) {
    Save(PredictionInputText(PredictionInputHeader{}, kThreeRows) + "\r\n  \r\n", {5, 5, 5});
    RunPrediction(s, messages);
    EXPECT_EQ(s.Prediction.PredRowCount, 3);
    EXPECT_EQ(ReadBytes(report), ThreeRowReport(input));
}

TEST_F(PredictionRun, TimesBelowOneInExponentFormAreRead) {
    // The program writes times below 1 as " 5.000E-0001" in 12 characters.
    Save(PredictionInputText(PredictionInputHeader{}, {"    1  5.000E-0001      40.00       5.00",
                                                       "    2         1.50       0.00       5.00"}),
         {5, 5});
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_EQ(s.Prediction.Reservoir.Time[1], 0.5);
    EXPECT_EQ(ReportLines()[18].substr(0, 14), "   1      0.50");
}

TEST_F(PredictionRun, TheFileReplacesAlphaFunctionInitialValuesAndTitles) {
    PredictionInputHeader h;
    h.title1 = "Polder 3, winter";
    h.title2 = "";
    h.mCoeff = "-2.5000E+002";
    h.nValue = "3.0000E-002";
    h.runIni = " 2.5E-0001";
    h.headIni = "   75.00";
    Save(h, kThreeRows);
    s.Values.MCoeff = 9;
    s.Values.NValue = 9;
    s.DMOmbrel.RunIni = 9;
    s.DMOmbrel.HeadIni = 9;
    s.DMOmbrel.Porosity = 22;
    s.DMOmbrel.Title1 = "old";
    s.DMOmbrel.Title2 = "old";
    RunPrediction(s, messages);
    EXPECT_EQ(s.Values.MCoeff, -250.0);
    EXPECT_EQ(s.Values.NValue, 0.03);
    EXPECT_EQ(s.DMOmbrel.RunIni, 0.25);
    EXPECT_EQ(s.DMOmbrel.HeadIni, 75.0);
    EXPECT_EQ(s.DMOmbrel.Title1, "Polder 3, winter");
    EXPECT_EQ(s.DMOmbrel.Title2, "");
    EXPECT_EQ(s.DMOmbrel.Porosity, 22.0);  // the window's porosity is not the run's
    EXPECT_EQ(s.DMOmbrel.FileName, input);
    EXPECT_EQ(s.Prediction.LinearAlpha, 1);
    EXPECT_EQ(s.Prediction.PorosityFrac, 0.1);
    EXPECT_EQ(ReportLines()[11], "M =-250.00000 N =   0.03000");
}

TEST_F(PredictionRun, EscapeRatesComeFromTheDataSetNotFromTheFile) {
    // The file's escape column says 5; the data set holds 0 for every row, so
    // nothing escapes: row 2 leaves the reservoir full and all 10 mm of row 3
    // overflow.
    Save(PredictionInputText(PredictionInputHeader{}, kThreeRows), {0, 0, 0});
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_EQ(s.Prediction.Reservoir.Rech[3], 10.0);
    EXPECT_EQ(ReportLines()[20].substr(0, 34), "   3      3.00     10.00     10.00");
}

TEST_F(PredictionRun, NegativeNRaisesTheStartDischargeAndPrintsWithItsSign) {
    PredictionInputHeader h;
    h.mCoeff = "0.0000E+000";
    h.nValue = "-2.0000E-002";
    h.runIni = " 1.0E-0002";
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_DOUBLE_EQ(s.Prediction.RunPred[1], 0.022);
    EXPECT_EQ(s.Prediction.Alpha[2], 0.0001);
    auto lines = ReportLines();
    EXPECT_EQ(lines[11], "M =   0.00000 N =  -0.02000");
    // Row 1 shows the raised start discharge 0.022 as 0.02.
    EXPECT_EQ(lines[18], "   1      1.00     40.00     10.00     0.000      0.02    100.00");
}

TEST_F(PredictionRun, PorosityThirtyFiveIsPrintedAsThirtyFivePointZeroZero) {
    PredictionInputHeader h;
    h.porosity = "   35.00";
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    EXPECT_EQ(ReportLines()[9], "Effective porosity (%):  35.00");
}

TEST_F(PredictionRun, SerialsFiveFiftyAndFiveHundredEndInColumnFour) {
    Save(PredictionInputHeader{},
         {PredictionRow(5, 1, 40, 5), PredictionRow(50, 2, 0, 5), PredictionRow(500, 3, 10, 5)});
    RunPrediction(s, messages);
    auto lines = ReportLines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[18].substr(0, 5), "   5 ");
    EXPECT_EQ(lines[19].substr(0, 5), "  50 ");
    EXPECT_EQ(lines[20].substr(0, 5), " 500 ");
}

TEST_F(PredictionRun, FiveHundredAndOneRowsAreAPrediction) {
    std::vector<std::string> rows;
    for (int k = 1; k <= 501; ++k) rows.push_back(PredictionRow(k, k, k % 7, 2));
    Save(PredictionInputHeader{}, rows);
    RunPrediction(s, messages);
    EXPECT_TRUE(messages.messages.empty());
    auto lines = ReportLines();
    ASSERT_EQ(lines.size(), 18u + 501u + 1u);
    EXPECT_EQ(lines[18 + 500].substr(0, 14), " 501    501.00");
}

TEST_F(PredictionRun, MoreThanFiveHundredAndOneRowsAreRefusedBeforeTheRun) {
    std::vector<std::string> rows;
    for (int k = 1; k <= 502; ++k) rows.push_back(PredictionRow(k, k, 1, 2));
    Save(PredictionInputHeader{}, rows);
    s.Values.MCoeff = 9;
    RunPrediction(s, messages);
    ExpectRefused("The input file \"" + input +
                  "\" holds more than 501 data rows. A prediction can be made for at most 501 "
                  "rows");
    EXPECT_EQ(s.Values.MCoeff, 9.0);  // the refused file changed nothing
}

TEST_F(PredictionRun, LineElevenWithoutTheLinearTagIsRefused) {
    PredictionInputHeader h;
    h.alphaLine = " Exponential reservoir function";
    Save(h, kThreeRows);
    s.Values.MCoeff = 9;
    s.DMOmbrel.Title1 = "kept";
    RunPrediction(s, messages);
    ExpectRefused("The input file \"" + input +
                  "\" holds no linear alpha function (line 11 does not start with \" Lin\"). "
                  "The prediction cannot be made");
    EXPECT_EQ(s.Values.MCoeff, 9.0);
    EXPECT_EQ(s.DMOmbrel.Title1, "kept");
    EXPECT_EQ(s.Prediction.LinearAlpha, 0);
}

TEST_F(PredictionRun, AnEmptyLineElevenIsRefusedLikeAnyOtherTag) {
    PredictionInputHeader h;
    h.alphaLine = "";
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("holds no linear alpha function"), std::string::npos);
    EXPECT_TRUE(s.Flags.PredNoData);
}

TEST_F(PredictionRun, FewerEscapeRatesThanRowsAreRefusedBeforeTheRun) {
    Save(PredictionInputText(PredictionInputHeader{}, kThreeRows), {5, 5, 5});
    s.DMOmbrel.NrOfData = 2;  // the data set knows only two rows
    RunPrediction(s, messages);
    ExpectRefused(
        "The data set holds 2 escape rates for the 3 data rows of the input file. The prediction "
        "cannot be made; please save the input data again");
}

TEST_F(PredictionRun, AShortEscapeSeriesIsRefusedWhateverTheRowCountSays) {
    Save(PredictionInputText(PredictionInputHeader{}, kThreeRows), {5});
    s.DMOmbrel.NrOfData = 3;
    RunPrediction(s, messages);
    ExpectRefused(
        "The data set holds 1 escape rates for the 3 data rows of the input file. The prediction "
        "cannot be made; please save the input data again");
}

TEST_F(PredictionRun, MaximumStorageOfZeroIsRefusedBeforeTheRun) {
    PredictionInputHeader h;
    h.maxSto = " 0.0E+0000";
    Save(h, kThreeRows);
    s.Flags.MaxStoOk = true;
    RunPrediction(s, messages);
    ExpectRefused("The Maximum Storage must be > 0");
    EXPECT_FALSE(s.Flags.MaxStoOk);
}

TEST_F(PredictionRun, NegativeMaximumStorageIsRefusedToo) {
    PredictionInputHeader h;
    h.maxSto = "-1.0E+0001";
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    ExpectRefused("The Maximum Storage must be > 0");
}

TEST_F(PredictionRun, PorosityOfZeroIsRefusedBeforeTheRun) {
    // The head step divides by the porosity.
    PredictionInputHeader h;
    h.porosity = "    0.00";
    Save(h, kThreeRows);
    RunPrediction(s, messages);
    ExpectRefused("The Effective porosity must be > 0");
}

TEST_F(PredictionRun, NoVariationInTimeMakesNoHydrograph) {
    Save(PredictionInputHeader{},
         {PredictionRow(1, 4, 1, 5), PredictionRow(2, 4, 1, 5), PredictionRow(3, 4, 1, 5)});
    s.Values.MCoeff = 9;
    RunPrediction(s, messages);
    ExpectRefused("There is no variation in time The hydrograph cannot be made");
    // The file itself was read: its alpha function is taken over all the same.
    EXPECT_EQ(s.Values.MCoeff, 0.5);
}

TEST_F(PredictionRun, TimesWithinAThousandthAreNoVariation) {
    Save(PredictionInputText(PredictionInputHeader{}, {"    1      1.0000       1.00       5.00",
                                                       "    2      1.0009       1.00       5.00"}),
         {5, 5});
    RunPrediction(s, messages);
    ExpectRefused("There is no variation in time The hydrograph cannot be made");
}

TEST_F(PredictionRun, ASingleRowIsNoVariation) {
    Save(PredictionInputHeader{}, {PredictionRow(1, 1, 40, 5)});
    RunPrediction(s, messages);
    ExpectRefused("There is no variation in time The hydrograph cannot be made");
}

TEST_F(PredictionRun, AFileWithoutRowsIsNoVariation) {
    Save(PredictionInputHeader{}, {});
    RunPrediction(s, messages);
    ExpectRefused("There is no variation in time The hydrograph cannot be made");
}

TEST_F(PredictionRun, TimeGoingBackIsATimeSequenceError) {
    Save(PredictionInputHeader{},
         {PredictionRow(1, 1, 40, 5), PredictionRow(2, 3, 0, 5), PredictionRow(3, 2, 10, 5)});
    RunPrediction(s, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "Incorrect time sequence encountered Please correct the input file");
    EXPECT_TRUE(s.Flags.PredTimeError);
    EXPECT_FALSE(s.Flags.PredNoData);
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST_F(PredictionRun, EqualTimesAreATimeSequenceError) {
    Save(PredictionInputHeader{},
         {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5), PredictionRow(3, 2, 10, 5)});
    RunPrediction(s, messages);
    EXPECT_TRUE(s.Flags.PredTimeError);
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST_F(PredictionRun, ARefusedRunLeavesAnOlderReportInPlace) {
    WriteBytes(report, "older report\n");
    Save(PredictionInputHeader{}, {PredictionRow(1, 1, 40, 5), PredictionRow(2, 1, 0, 5)});
    RunPrediction(s, messages);
    EXPECT_TRUE(s.Flags.PredNoData);
    EXPECT_EQ(ReadBytes(report), "older report\n");
}

TEST_F(PredictionRun, AGoodRunAfterARefusedOneClearsTheFlags) {
    Save(PredictionInputHeader{}, {PredictionRow(1, 1, 40, 5)});
    RunPrediction(s, messages);
    ASSERT_TRUE(s.Flags.PredNoData);
    s.Flags.PredTimeError = true;
    Save(PredictionInputHeader{}, kThreeRows);
    RunPrediction(s, messages);
    EXPECT_FALSE(s.Flags.PredNoData);
    EXPECT_FALSE(s.Flags.PredTimeError);
    EXPECT_EQ(ReadBytes(report), ThreeRowReport(input));
}

TEST_F(PredictionRun, ARowThatIsNoNumberRaisesAFileError) {
    Save(PredictionInputHeader{},
         {PredictionRow(1, 1, 40, 5), "    2        two       0.00       5.00"});
    s.Values.MCoeff = 9;
    ExpectFileError("Line 22 of the input file \"" + input +
                    "\" is no data row of a prediction: it needs a whole serial number, time "
                    "and rain");
    EXPECT_EQ(s.Values.MCoeff, 9.0);  // nothing taken over from a damaged file
}

TEST_F(PredictionRun, ASerialThatIsNoWholeNumberRaisesAFileError) {
    Save(PredictionInputHeader{},
         {PredictionRow(1, 1, 40, 5), "  2.5         2.00       0.00       5.00"});
    ExpectFileError("Line 22 of the input file \"" + input +
                    "\" is no data row of a prediction: it needs a whole serial number, time "
                    "and rain");
}

TEST_F(PredictionRun, ARowCutShortRaisesAFileError) {
    Save(PredictionInputHeader{}, {PredictionRow(1, 1, 40, 5), "    2         2.00"});
    ExpectFileError("Line 22 of the input file \"" + input +
                    "\" is no data row of a prediction: it needs a whole serial number, time "
                    "and rain");
}

TEST_F(PredictionRun, AHeaderValueThatIsNoNumberRaisesAFileError) {
    PredictionInputHeader h;
    h.nValue = "missing";
    Save(h, kThreeRows);
    ExpectFileError("Line 13 of the input file \"" + input + "\" holds no number after its label");
}

TEST_F(PredictionRun, AFileCutOffInItsHeaderRaisesAFileError) {
    std::string text = PredictionInputText(PredictionInputHeader{}, kThreeRows);
    text = text.substr(0, text.find(" Initial runoff rate"));
    Save(text, {5, 5, 5});
    ExpectFileError("The input file \"" + input + "\" ends before line 15 of its header");
}

TEST_F(PredictionRun, AMissingInputFileRaisesAFileError) {
    s.DMOmbrel.FileName = input;
    s.DMOmbrel.NrOfData = 3;
    s.DMOmbrel.EscData = {5, 5, 5};
    ExpectFileError("The input file \"" + input + "\" could not be opened");
}

TEST_F(PredictionRun, AReportThatCannotBeWrittenRaisesAFileErrorAndSetsTheFlag) {
    Save(PredictionInputHeader{}, kThreeRows);
    std::filesystem::create_directory(report);  // the report's name is taken by a folder
    EXPECT_THROW(RunPrediction(s, messages), EngineFileError);
    EXPECT_TRUE(s.Flags.PredNoData);
    EXPECT_EQ(s.DMOmbrel.FileName, input);
}

TEST_F(PredictionRun, AnInputFileWithAnotherExtensionGetsItsReportBesideIt) {
    // As the analysis reports do, the report and FileName name the input with
    // ".inp" afterwards.
    input = dir.File("field.txt");
    Save(PredictionInputHeader{}, kThreeRows);
    RunPrediction(s, messages);
    EXPECT_EQ(ReadBytes(report), ThreeRowReport(dir.File("field.inp")));
    EXPECT_EQ(s.DMOmbrel.FileName, dir.File("field.inp"));
}

}  // namespace
}  // namespace tervala
