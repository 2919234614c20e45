// The drainage parameter file: written byte for byte, read beside an input
// file, and M and N derived from it when the data set is a prediction.
#include "model/parameter_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/session.h"
#include "model/input_file.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::CrLf;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

// Ka = Kb = 1 m/day, D = 5 m, U = 0.5 m, P = 5 %, L = 50 m.
const std::string kFieldParameters =
    CrLf({" Hydraulic conductivity above drain level (Ka, m/day)  1.00",
          " Hydraulic conductivity below drain level (Kb, m/day)  1.00",
          " Depth of soil layer below drain level (D=D1-Dd, m)    5.00",
          " Wet perimeter of drain or ditch (U, m)                0.50",
          " Drainable (effective) porosity of top soil (P, %)     5.00",
          " Drain spacing (L, m)                                 50.00"});

ProgramValues FieldValues() {
    ProgramValues v;
    v.Ka = 1;
    v.Kb = 1;
    v.D = 5;
    v.U = 0.5;
    v.L = 50;
    return v;
}

// A small discharge-analysis input file written by the program itself.
void WriteDischargeInput(const std::string& file) {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = file;
    dm.ModeTag = kDischargeTag;
    dm.DischargeMode = true;
    dm.MaxSto = 50;
    dm.IniSto = 20;
    dm.MaxEsc = 1;
    dm.Porosity = 12;
    dm.NrOfData = 2;
    dm.TimeData = {1, 2};
    dm.RainData = {5, 0};
    dm.EscData = {1, 1};
    dm.DischData = {0.5, 0.25};
    dm.MissingObs = {0, 0};
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(dm, s.Values, messages));
}

TEST(ParameterFile, SixLabelledLinesOfFiftyThreeCharactersAndTheValue) {
    EXPECT_EQ(ParameterFileText(FieldValues(), 5), kFieldParameters);
    for (size_t start = 0; start < kFieldParameters.size();) {
        size_t end = kFieldParameters.find("\r\n", start);
        EXPECT_EQ(end - start, 53u + 6u);
        start = end + 2;
    }
}

TEST(ParameterFile, SmallAndLargeValues) {
    ProgramValues v = FieldValues();
    v.Ka = 0.5;
    v.L = 250;
    v.D = 1234.5;
    const std::string text = ParameterFileText(v, 0.25);
    EXPECT_NE(text.find("(Ka, m/day)  0.50\r\n"), std::string::npos);
    EXPECT_NE(text.find("                                250.00\r\n"), std::string::npos);
    EXPECT_NE(text.find("(D=D1-Dd, m)  1234.50\r\n"), std::string::npos);
    EXPECT_NE(text.find("(P, %)     0.25\r\n"), std::string::npos);
}

TEST(ParameterFile, WrittenAndReadBackWhole) {
    TempDir dir;
    const std::string file = dir.File("field.par");
    ProgramValues v = FieldValues();
    v.D = 1234.5;  // seven characters: read whole after the label
    RecordingMessages messages;
    ASSERT_TRUE(WriteParameterFile(file, v, 5, messages));
    EXPECT_EQ(ReadBytes(file), ParameterFileText(v, 5));
    std::optional<DrainageParameters> p = ReadParameterFile(file, messages);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->Ka, 1);
    EXPECT_EQ(p->Kb, 1);
    EXPECT_EQ(p->D, 1234.5);
    EXPECT_EQ(p->U, 0.5);
    EXPECT_EQ(p->Porosity, 5);
    EXPECT_EQ(p->L, 50);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ParameterFile, WriteIntoAMissingFolderGivesTheMessage) {
    TempDir dir;
    const std::string file = dir.File("no/field.par");
    RecordingMessages messages;
    EXPECT_FALSE(WriteParameterFile(file, FieldValues(), 5, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "The file \"" + file +
                  "\"could not be opened. It may be damaged or in use by another program.");
}

TEST(ParameterFileBeside, DischargeFileKeepsItsModeAndTheValuesAreRead) {
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteDischargeInput(input);
    WriteBytes(dir.File("field.par"), kFieldParameters);
    Session s;
    s.DMOmbrel.FileName = input;
    s.Values.MCoeff = 0.7;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.parameterFile.read);
    EXPECT_FALSE(r.parameterFile.derived);
    EXPECT_TRUE(messages.messages.empty());
    const TDMOmbrel& dm = s.DMOmbrel;
    EXPECT_TRUE(dm.ParFileRead);
    EXPECT_EQ(dm.ParFileName, dir.File("field.par"));
    EXPECT_TRUE(dm.DischargeMode);
    EXPECT_FALSE(dm.PredictionMode);
    EXPECT_EQ(dm.ModeTag, kDischargeTag);
    EXPECT_EQ(s.Values.Ka, 1);
    EXPECT_EQ(s.Values.D, 5);
    EXPECT_EQ(s.Values.U, 0.5);
    EXPECT_EQ(s.Values.L, 50);
    EXPECT_EQ(dm.Porosity, 5);        // the parameter file's porosity replaces the input's
    EXPECT_EQ(s.Values.MCoeff, 0.7);  // no derivation for an analysis

    // Saving writes the parameter file again, unchanged.
    std::filesystem::remove(dir.File("field.par"));
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(dir.File("field.par")), kFieldParameters);
}

TEST(ParameterFileBeside, PredictionSelectedDerivesMAndNWithFiveDecimals) {
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteDischargeInput(input);
    WriteBytes(dir.File("field.par"), kFieldParameters);
    Session s;
    s.DMOmbrel.FileName = input;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, true);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.parameterFile.read);
    ASSERT_TRUE(r.parameterFile.derived);
    EXPECT_EQ(r.parameterFile.MText, " 0.03200");
    EXPECT_EQ(r.parameterFile.NText, " 0.20173");
    EXPECT_EQ(r.parameterFile.PorosityText, "5");
    EXPECT_EQ(s.Values.MCoeff, 0.032);
    EXPECT_EQ(s.Values.NValue, 0.20173);
    EXPECT_DOUBLE_EQ(s.Values.Trend.TrendA, 0.032);
    const TDMOmbrel& dm = s.DMOmbrel;
    EXPECT_EQ(dm.ModeTag, kPredictionTag);
    EXPECT_TRUE(dm.PredictionMode);
    EXPECT_FALSE(dm.DischargeMode);
    EXPECT_EQ(dm.Porosity, 5);
}

TEST(ParameterFileBeside, PredictionFileDerivesEvenWithTheAnalysisSelected) {
    TempDir dir;
    const std::string input = dir.File("deep.inp");
    Session p;
    TDMOmbrel& dm = p.DMOmbrel;
    dm.FileName = input;
    dm.ModeTag = kPredictionTag;
    dm.PredictionMode = true;
    dm.MaxSto = 50;
    dm.Porosity = 5;
    dm.NrOfData = 1;
    dm.TimeData = {1};
    dm.RainData = {1};
    dm.EscData = {1};
    dm.MissingObs = {0};
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(dm, p.Values, messages));
    // D = 10 m: the series form of the equivalent depth, N = 0.25347.
    std::string par = kFieldParameters;
    par.replace(par.find("   5.00\r\n"), 9, "  10.00\r\n");
    WriteBytes(dir.File("deep.par"), par);

    Session s;
    s.DMOmbrel.FileName = input;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    ASSERT_TRUE(r.parameterFile.derived);
    EXPECT_EQ(s.Values.D, 10);
    EXPECT_EQ(r.parameterFile.NText, " 0.25347");
    EXPECT_EQ(s.Values.NValue, 0.25347);
    EXPECT_TRUE(s.DMOmbrel.PredictionMode);
}

TEST(ParameterFileBeside, NoParameterFileLeavesModeAndCoefficients) {
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteDischargeInput(input);
    Session s;
    s.DMOmbrel.FileName = input;
    s.Values.MCoeff = 0.7;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, true);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.parameterFile.read);
    EXPECT_FALSE(s.DMOmbrel.ParFileRead);
    EXPECT_EQ(s.DMOmbrel.ParFileName, dir.File("field.par"));
    EXPECT_TRUE(s.DMOmbrel.DischargeMode);
    EXPECT_EQ(s.Values.MCoeff, 0.7);
}

TEST(ParameterFileBeside, CorruptValueKeepsTheInputFileButNotTheParameters) {
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteDischargeInput(input);
    std::string par = kFieldParameters;
    par.replace(par.find(" 50.00"), 6, " fifty");
    WriteBytes(dir.File("field.par"), par);
    Session s;
    s.DMOmbrel.FileName = input;
    s.Values.Ka = 3;
    s.DMOmbrel.Porosity = 12;  // a discharge file holds no porosity
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, true);
    EXPECT_TRUE(r.ok);  // the input file itself was good and is kept
    EXPECT_FALSE(r.parameterFile.read);
    EXPECT_FALSE(s.DMOmbrel.ParFileRead);
    EXPECT_EQ(s.Values.Ka, 3);
    EXPECT_EQ(s.DMOmbrel.Porosity, 12);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 2);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "A program error occurred.Real numbers in the inputfile \"" +
                                        dir.File("field.par") + "\" are corrupt");
}

TEST(ParameterFileBeside, ZeroSpacingGivesNoAlphaFunction) {
    TempDir dir;
    const std::string input = dir.File("field.inp");
    WriteDischargeInput(input);
    std::string par = kFieldParameters;
    par.replace(par.find(" 50.00"), 6, "  0.00");
    WriteBytes(dir.File("field.par"), par);
    Session s;
    s.DMOmbrel.FileName = input;
    s.Values.MCoeff = 0.7;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, true);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.parameterFile.read);
    EXPECT_FALSE(r.parameterFile.derived);
    EXPECT_EQ(s.Values.MCoeff, 0.7);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"One or more data values are incorrect"});
}

}  // namespace
}  // namespace tervala
