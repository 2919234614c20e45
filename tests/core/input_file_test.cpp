// The input file: every layout byte for byte, read back, and the files of
// older versions and broken files a user may open.
#include "model/input_file.h"

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
using testing::WriteBytes;

const std::string kHyphens50(50, '-');
const std::string kHyphens52(52, '-');
const std::string kHyphens41(41, '-');

std::string CorruptMessage(const std::string& file) {
    return "A program error occurred.Real numbers in the inputfile \"" + file + "\" are corrupt";
}

std::string NotOpenedMessage(const std::string& file) {
    return "The file \"" + file +
           "\"could not be opened. It may be damaged or in use by another program.";
}

void SetRows(TDMOmbrel& dm, const std::vector<double>& time, const std::vector<double>& rain,
             const std::vector<double>& esc) {
    dm.NrOfData = static_cast<int>(time.size());
    dm.TimeData = time;
    dm.RainData = rain;
    dm.EscData = esc;
    dm.MissingObs.assign(time.size(), 0);
}

// A discharge analysis with values of every kind of text: exponent forms
// below 1, fixed from 1 up, a negative escape rate, a left-out row.
void FillDischarge(Session& s, const std::string& file) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = file;
    dm.Title1 = "Vidora field 3";
    dm.Title2 = "Winter 1987";
    dm.ModeTag = kDischargeTag;
    dm.DischargeMode = true;
    dm.MaxSto = 50;
    dm.IniSto = 0.5;
    dm.MaxEsc = 1;
    SetRows(dm, {0, 1, 2.5, 3, 100}, {0.25, 12.5, 0, 5, 1500}, {0.1, 2, -3, 1, 0.05});
    dm.DischData = {0, 0.75, 1.234, 2, 10};
    dm.MissingObs[3] = 1;  // left out when written
}

std::string DischargeFile(const std::string& file) {
    return CrLf({" Input data for Tervala program", " Discharge analysis and reconstruction", "",
                 "Vidora field 3", "Winter 1987", "", " Filename: " + file,
                 " Maximum dead storage:    50.00", " Initial dead storage:  5.0E-0001",
                 " Max.escape/time unit:     1.00", "", " " + kHyphens50,
                 "  Serial    T i m e   R a i n    Esc. rate  Run-off", " " + kHyphens50,
                 "    1  0.000E+0000  2.5E-0001  1.0E-0001  0.0E+0000",
                 "    2         1.00      12.50       2.00  7.5E-0001",
                 "    3         2.50  0.0E+0000 -3.0E+0000       1.23",
                 "    4       100.00    1500.00  5.0E-0002      10.00"});
}

void FillHead(Session& s, const std::string& file) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = file;
    dm.Title1 = "Polder";
    dm.Title2 = "";
    dm.ModeTag = kHeadTag;
    dm.HeadMode = true;
    dm.MaxSto = 100;
    dm.IniSto = 20;
    dm.MaxEsc = 0.5;
    SetRows(dm, {1, 2, 3, 4}, {10, 0, 3, 7.125}, {0.5, 0.5, 0.5, 0.5});
    dm.HeadData = {0.25, 2.25, 0.04, 1};
}

std::string HeadFile(const std::string& file) {
    return CrLf({" Input data for Tervala program", " Hydraulic head analysis and reconstruction",
                 "", "Polder", "", "", " Filename: " + file, " Maximum dead storage:   100.00",
                 " Initial dead storage:    20.00", " Max.escape/time unit:  5.0E-0001", "",
                 " " + kHyphens52, "  Serial    T i m e   R a i n    Esc. rate  hydr.head",
                 " " + kHyphens52, "    1         1.00      10.00  5.0E-0001        0.3",
                 "    2         2.00  0.0E+0000  5.0E-0001       2.25",
                 "    3         3.00       3.00  5.0E-0001        0.0",
                 "    4         4.00       7.13  5.0E-0001       1.00"});
}

void FillPrediction(Session& s, const std::string& file) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = file;
    dm.Title1 = "Pipe drains at 1.2 m";
    dm.Title2 = "Design storm";
    dm.ModeTag = kPredictionTag;
    dm.PredictionMode = true;
    dm.MaxSto = 50;
    dm.IniSto = 50;
    dm.MaxEsc = 0.1;
    dm.Porosity = 5;
    dm.RunIni = 0.5;
    dm.HeadIni = 120;
    s.Values.MCoeff = 0.032;
    s.Values.NValue = 0.20173;
    SetRows(dm, {0, 0.5, 24}, {10, 0, 33.3}, {0.1, 0.25, 4});
}

std::string PredictionFile(const std::string& file) {
    return CrLf({" Input data for Tervala program",
                 " Prediction of drainage",
                 "",
                 "Pipe drains at 1.2 m",
                 "Design storm",
                 "",
                 " Filename: " + file,
                 " Maximum dead storage:    50.00",
                 " Initial dead storage:    50.00",
                 " Max.escape/time unit:  1.0E-0001",
                 " Linear reservoir function : Alpha = A * Runoff + B",
                 " A coefficient : 3.2000E-002",
                 " Value of B is : 2.0173E-001",
                 " Effective porosity (%) :    5.00",
                 " Initial runoff rate :  5.0E-0001",
                 " Initial water level :   120.00",
                 "",
                 " " + kHyphens41,
                 " Serial    T i m e   Rainfall  Escape rate",
                 " " + kHyphens41,
                 "    1  0.000E+0000      10.00  1.0E-0001",
                 "    2  5.000E-0001  0.0E+0000  2.5E-0001",
                 "    3        24.00      33.30       4.00"});
}

// The header of a prediction file up to line 10, for hand-made variants.
std::string PredictionTop(const std::string& file) {
    return CrLf({" Input data for Tervala program", " Prediction of drainage", "", "Old", "file",
                 "", " Filename: " + file, " Maximum dead storage:    50.00",
                 " Initial dead storage:    20.00", " Max.escape/time unit:     1.00"});
}

std::string DischargeTop(const std::string& file) {
    return CrLf({" Input data for Tervala program", " Discharge analysis and reconstruction", "",
                 "T1", "T2", "", " Filename: " + file, " Maximum dead storage:    50.00",
                 " Initial dead storage:    20.00", " Max.escape/time unit:     1.50", "",
                 " " + kHyphens50, "  Serial    T i m e   R a i n    Esc. rate  Run-off",
                 " " + kHyphens50});
}

// ---------------------------------------------------------------- names

TEST(ReplaceExtension, ReplacesTheTextFromTheLastPointOfTheName) {
    EXPECT_EQ(ReplaceExtension("/data/field.inp", ".par"), "/data/field.par");
    EXPECT_EQ(ReplaceExtension("/data/field.v2.inp", ".out"), "/data/field.v2.out");
    EXPECT_EQ(ReplaceExtension("/data.2024/field", ".par"), "/data.2024/field.par");
    EXPECT_EQ(ReplaceExtension("field", ".dat"), "field.dat");
    // Before any file is used the name is the start folder itself.
    EXPECT_EQ(ReplaceExtension("/home/user", ".par"), "/home/user.par");
}

// ---------------------------------------------------------------- layouts

TEST(InputFileDischarge, WrittenByteForByte) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("vidora.inp");
    FillDischarge(s, file);
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(ReadBytes(file), DischargeFile(file));
}

TEST(InputFileDischarge, ReadBackAndWrittenAgainGivesTheSameBytes) {
    TempDir dir;
    const std::string file = dir.File("vidora.inp");
    WriteBytes(file, DischargeFile(file));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(messages.messages.empty());
    const TDMOmbrel& dm = s.DMOmbrel;
    EXPECT_EQ(dm.ModeTag, kDischargeTag);
    EXPECT_TRUE(dm.DischargeMode);
    EXPECT_FALSE(dm.HeadMode || dm.PredictionMode);
    EXPECT_EQ(dm.Title1, "Vidora field 3");
    EXPECT_EQ(dm.Title2, "Winter 1987");
    EXPECT_EQ(dm.MaxSto, 50);
    EXPECT_EQ(dm.IniSto, 0.5);
    EXPECT_EQ(dm.MaxEsc, 1);
    EXPECT_EQ(dm.NrOfData, 4);
    EXPECT_EQ(dm.RowCheck, (DataArrayI{1, 2, 3, 4}));
    EXPECT_EQ(dm.TimeData, (DataArrayR{0, 1, 2.5, 100}));
    EXPECT_EQ(dm.RainData, (DataArrayR{0.25, 12.5, 0, 1500}));
    EXPECT_EQ(dm.EscData, (DataArrayR{0.1, 2, -3, 0.05}));
    EXPECT_EQ(dm.DischData, (DataArrayR{0, 0.75, 1.23, 10}));
    EXPECT_EQ(dm.MissingObs, (RemoveSet{0, 0, 0, 0}));
    EXPECT_FALSE(r.parameterFile.read);
    EXPECT_EQ(dm.ParFileName, dir.File("vidora.par"));

    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), DischargeFile(file));
}

TEST(InputFileHead, WrittenByteForByte) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("polder.inp");
    FillHead(s, file);
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), HeadFile(file));
}

TEST(InputFileHead, OpensAsAPredictionKeepingTheHeads) {
    TempDir dir;
    const std::string file = dir.File("polder.inp");
    WriteBytes(file, HeadFile(file));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    TDMOmbrel& dm = s.DMOmbrel;
    EXPECT_EQ(dm.ModeTag, kPredictionTag);
    EXPECT_TRUE(dm.PredictionMode);
    EXPECT_FALSE(dm.DischargeMode || dm.HeadMode);
    EXPECT_EQ(dm.HeadData, (DataArrayR{0.3, 2.25, 0, 1}));
    EXPECT_EQ(dm.RainData, (DataArrayR{10, 0, 3, 7.13}));
    EXPECT_EQ(dm.NrOfData, 4);

    // Put back into head mode, the same bytes come out again.
    dm.ModeTag = kHeadTag;
    dm.HeadMode = true;
    dm.PredictionMode = false;
    ASSERT_TRUE(WriteInputFile(dm, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), HeadFile(file));
}

TEST(InputFileHead, ExtraEmptyLineBeforeTheTableIsStillRead) {
    TempDir dir;
    const std::string file = dir.File("extra.inp");
    std::string text = HeadFile(file);
    const std::string header = "\r\n " + kHyphens52 + "\r\n  Serial";
    const size_t at = text.find(header);
    ASSERT_NE(at, std::string::npos);
    text.insert(at, "\r\n");  // empty line 11 and 12, hyphens 13, header 14
    WriteBytes(file, text);
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 4);
    EXPECT_EQ(s.DMOmbrel.RowCheck, (DataArrayI{1, 2, 3, 4}));
    EXPECT_EQ(s.DMOmbrel.HeadData, (DataArrayR{0.3, 2.25, 0, 1}));
}

TEST(InputFilePrediction, WrittenByteForByte) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("design.inp");
    FillPrediction(s, file);
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), PredictionFile(file));
}

TEST(InputFilePrediction, ReadBackAndWrittenAgainGivesTheSameBytes) {
    TempDir dir;
    const std::string file = dir.File("design.inp");
    WriteBytes(file, PredictionFile(file));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(r.alphaMissing);
    const TDMOmbrel& dm = s.DMOmbrel;
    EXPECT_TRUE(dm.PredictionMode);
    EXPECT_FALSE(dm.DischargeMode || dm.HeadMode || dm.AlphaMissing);
    EXPECT_EQ(dm.AlphaTag, kLinearAlphaTag);
    EXPECT_EQ(s.Values.MCoeff, 0.032);
    EXPECT_EQ(s.Values.NValue, 0.20173);
    EXPECT_EQ(dm.Porosity, 5);
    EXPECT_EQ(dm.RunIni, 0.5);
    EXPECT_EQ(dm.HeadIni, 120);
    EXPECT_EQ(dm.MaxEsc, 0.1);
    EXPECT_EQ(dm.TimeData, (DataArrayR{0, 0.5, 24}));
    EXPECT_EQ(dm.RainData, (DataArrayR{10, 0, 33.3}));
    EXPECT_EQ(dm.EscData, (DataArrayR{0.1, 0.25, 4}));
    EXPECT_EQ(dm.DischData.size(), 3u);

    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), PredictionFile(file));
}

TEST(InputFile, LineFeedOnlyFilesReadTheSame) {
    TempDir dir;
    const std::string file = dir.File("unix.inp");
    std::string text = DischargeFile(file);
    std::string lf;
    for (char c : text) {
        if (c != '\r') lf += c;
    }
    WriteBytes(file, lf);
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(s.DMOmbrel.DischData, (DataArrayR{0, 0.75, 1.23, 10}));
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(ReadBytes(file), text);  // written back with CR LF
}

TEST(InputFile, AnyProductLineAndTrailingBlankLinesAreAccepted) {
    TempDir dir;
    const std::string file = dir.File("other.inp");
    std::string text = DischargeFile(file);
    text.replace(0, text.find("\r\n"), " Input data for another program version");
    WriteBytes(file, text + "\r\n   \r\n");
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 4);
}

TEST(InputFile, TimeOfZeroAndParametersAsDocumented) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("p.inp");
    FillDischarge(s, file);
    s.DMOmbrel.MaxSto = 0.5;
    s.DMOmbrel.IniSto = 1;
    s.DMOmbrel.MaxEsc = 100;
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    const std::string bytes = ReadBytes(file);
    EXPECT_NE(bytes.find("\r\n Maximum dead storage:  5.0E-0001\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n Initial dead storage:     1.00\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n Max.escape/time unit:   100.00\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n    1  0.000E+0000 "), std::string::npos);
}

TEST(InputFile, TimesCloserThanTheWrittenPrecisionBecomeEqual) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("close.inp");
    FillPrediction(s, file);
    SetRows(s.DMOmbrel, {1.001, 1.004, 2}, {0, 0, 0}, {0, 0, 0});
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    Session back;
    back.DMOmbrel.FileName = file;
    ASSERT_TRUE(ReadInputFile(back.DMOmbrel, back.Values, messages, false).ok);
    EXPECT_EQ(back.DMOmbrel.TimeData[0], back.DMOmbrel.TimeData[1]);
}

TEST(InputFile, SerialNumbersCountTheRowsWritten) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("gaps.inp");
    FillPrediction(s, file);
    s.DMOmbrel.MissingObs = {1, 0, 0};
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    const std::string bytes = ReadBytes(file);
    EXPECT_NE(bytes.find("\r\n    1  5.000E-0001  0.0E+0000  2.5E-0001\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n    2        24.00      33.30       4.00\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\r\n    3 "), std::string::npos);
}

TEST(InputFile, LineBreaksInTitlesDoNotShiftTheLayout) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("t.inp");
    FillDischarge(s, file);
    s.DMOmbrel.Title1 = "two\r\nlines";
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    Session back;
    back.DMOmbrel.FileName = file;
    ASSERT_TRUE(ReadInputFile(back.DMOmbrel, back.Values, messages, false).ok);
    EXPECT_EQ(back.DMOmbrel.Title1, "two  lines");
    EXPECT_EQ(back.DMOmbrel.Title2, "Winter 1987");
    EXPECT_EQ(back.DMOmbrel.NrOfData, 4);
}

// ---------------------------------------------------------------- rows of other shapes

TEST(InputFileRows, FourFieldRowsTakeTheHeaderEscapeRateWithOneWarning) {
    TempDir dir;
    const std::string file = dir.File("four.inp");
    WriteBytes(file, DischargeTop(file) + CrLf({"    1         1.00      12.50       0.75",
                                                "    2         2.00       0.00       0.50",
                                                "    3         3.00       1.00       2.00  0.25"}));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    ASSERT_EQ(messages.messages, std::vector<std::string>{"Please check the escape rate data"});
    EXPECT_EQ(s.DMOmbrel.EscData, (DataArrayR{1.5, 1.5, 2}));
    EXPECT_EQ(s.DMOmbrel.DischData, (DataArrayR{0.75, 0.5, 0.25}));
}

TEST(InputFileRows, PredictionRowsWithoutEscapeRateTakeTheHeaderValue) {
    TempDir dir;
    const std::string file = dir.File("three.inp");
    std::string text = PredictionFile(file);
    text = text.substr(0, text.find("    1  0.000E+0000"));
    text += CrLf({"    1         1.00       5.00", "    2         2.00       0.00"});
    WriteBytes(file, text);
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    ASSERT_EQ(messages.messages, std::vector<std::string>{"Please check the escape rate data"});
    EXPECT_EQ(s.DMOmbrel.EscData, (DataArrayR{0.1, 0.1}));
}

TEST(InputFileRows, ObservedValueIsReadFromTwelveCharactersOnly) {
    TempDir dir;
    const std::string file = dir.File("wide.inp");
    // After the escape rate: "  123456789.0123" -> "  123456789." is read.
    WriteBytes(file, DischargeTop(file) +
                         CrLf({"    1         1.00      12.50       2.00  123456789.0123"}));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(s.DMOmbrel.DischData[0], 123456789.0);
}

TEST(InputFileRows, ObservedValueWithCommaIsAccepted) {
    TempDir dir;
    const std::string file = dir.File("comma.inp");
    WriteBytes(file, DischargeTop(file) + CrLf({"    1         1.00      12.50       2.00  0,75"}));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    ASSERT_TRUE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    EXPECT_EQ(s.DMOmbrel.DischData[0], 0.75);
}

// ---------------------------------------------------------------- files of older versions

TEST(InputFileLegacy, A1CoefficientsAreMissingAndTheirLinesSkipped) {
    TempDir dir;
    const std::string file = dir.File("old.inp");
    WriteBytes(file, PredictionTop(file) +
                         CrLf({" Quadratic reservoir function", " A1 coefficient: 1.0000E-003",
                               " A2 coefficient: 2.0000E-002", " A3 coefficient: 3.0000E-001",
                               " B  coefficient: 4.0000E-001", " Effective porosity (%) :   10.00",
                               " Initial runoff rate :     1.00", " Initial water level :   100.00",
                               " Time step : 1 day", "", " " + kHyphens41,
                               " Serial    T i m e   Rainfall  Escape rate", " " + kHyphens41,
                               "    1         1.00       5.00       0.20",
                               "    2         2.00       0.00       0.30"}));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.alphaMissing);
    EXPECT_TRUE(s.DMOmbrel.AlphaMissing);
    ASSERT_EQ(messages.messages,
              std::vector<std::string>{"This input file does not belong to OmbrelT. The Alfa "
                                       "charcateristics need to be redefined."});
    EXPECT_EQ(s.DMOmbrel.Porosity, 10);
    EXPECT_EQ(s.DMOmbrel.RunIni, 1);
    EXPECT_EQ(s.DMOmbrel.HeadIni, 100);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 2);
    EXPECT_EQ(s.DMOmbrel.EscData, (DataArrayR{0.2, 0.3}));
}

TEST(InputFileLegacy, OldBLineMakesTheCoefficientsMissingWithoutSkipping) {
    TempDir dir;
    const std::string file = dir.File("oldb.inp");
    WriteBytes(file, PredictionTop(file) +
                         CrLf({" Linear reservoir function : Alpha = A * Runoff + B",
                               " A coefficient : 3.2000E-002", " B  coefficient: 4.0000E-001",
                               " Effective porosity (%) :    8.00",
                               " Initial runoff rate :     2.00", " Initial water level :    50.00",
                               "", " " + kHyphens41, " Serial    T i m e   Rainfall  Escape rate",
                               " " + kHyphens41, "    1         1.00       5.00       0.20"}));
    Session s;
    s.DMOmbrel.FileName = file;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.alphaMissing);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(s.DMOmbrel.Porosity, 8);
    EXPECT_EQ(s.DMOmbrel.HeadIni, 50);
    EXPECT_EQ(s.DMOmbrel.NrOfData, 1);
}

// ---------------------------------------------------------------- broken files

// A data set with contents of its own, to see that a failed read keeps them.
void FillBefore(Session& s, const std::string& file) {
    FillPrediction(s, file);
    s.DMOmbrel.HeadData = {1, 2, 3};
    s.DMOmbrel.RowCheck = {7, 8, 9};
}

void ExpectUnchanged(const Session& before, const Session& after) {
    const TDMOmbrel& a = before.DMOmbrel;
    const TDMOmbrel& b = after.DMOmbrel;
    EXPECT_EQ(a.Title1, b.Title1);
    EXPECT_EQ(a.Title2, b.Title2);
    EXPECT_EQ(a.ModeTag, b.ModeTag);
    EXPECT_EQ(a.PredictionMode, b.PredictionMode);
    EXPECT_EQ(a.DischargeMode, b.DischargeMode);
    EXPECT_EQ(a.MaxSto, b.MaxSto);
    EXPECT_EQ(a.IniSto, b.IniSto);
    EXPECT_EQ(a.MaxEsc, b.MaxEsc);
    EXPECT_EQ(a.Porosity, b.Porosity);
    EXPECT_EQ(a.NrOfData, b.NrOfData);
    EXPECT_EQ(a.TimeData, b.TimeData);
    EXPECT_EQ(a.RainData, b.RainData);
    EXPECT_EQ(a.EscData, b.EscData);
    EXPECT_EQ(a.DischData, b.DischData);
    EXPECT_EQ(a.HeadData, b.HeadData);
    EXPECT_EQ(a.RowCheck, b.RowCheck);
    EXPECT_EQ(a.MissingObs, b.MissingObs);
    EXPECT_EQ(a.AlphaMissing, b.AlphaMissing);
    EXPECT_EQ(a.ParFileName, b.ParFileName);
    EXPECT_EQ(before.Values.MCoeff, after.Values.MCoeff);
    EXPECT_EQ(before.Values.NValue, after.Values.NValue);
}

struct BrokenCase {
    const char* name;
    std::string rows;  // what follows the discharge table header
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class InputFileBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(InputFileBroken, ShowsTheProgramErrorAndKeepsTheDataSet) {
    TempDir dir;
    const std::string file = dir.File("broken.inp");
    WriteBytes(file, DischargeTop(file) + GetParam().rows);
    Session s;
    FillBefore(s, dir.File("earlier.inp"));
    Session before = s;
    s.DMOmbrel.FileName = file;
    before.DMOmbrel.FileName = file;
    RecordingMessages messages;
    InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, messages, false);
    EXPECT_FALSE(r.ok);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back(), CorruptMessage(file));
    ExpectUnchanged(before, s);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InputFileBroken,
    ::testing::Values(
        BrokenCase{"ObservedNotANumber", CrLf({"    1         1.00      12.50       2.00      1.00",
                                               "    2         2.00       0.00       2.00  abc"})},
        BrokenCase{"RainNotANumber", CrLf({"    1         1.00      1x.50       2.00      1.00"})},
        BrokenCase{"CommaInAToken", CrLf({"    1         1,00      12.50       2.00      1.00"})},
        BrokenCase{"RowCutShort", CrLf({"    1         1.00"})},
        BrokenCase{"SerialNotWhole", CrLf({"  1.5         1.00      12.50       2.00      1.00"})},
        BrokenCase{"BlankLineBetweenRows",
                   CrLf({"    1         1.00      12.50       2.00      1.00", "",
                         "    2         2.00       0.00       2.00      1.00"})},
        BrokenCase{"ObservedWithBothSeparators",
                   CrLf({"    1         1.00      12.50       2.00  1.2,5"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputFileBrokenHeader, HeaderNumberThatIsNoNumberKeepsTheDataSet) {
    TempDir dir;
    const std::string file = dir.File("header.inp");
    std::string text = DischargeFile(file);
    const std::string good = " Initial dead storage:  5.0E-0001";
    text.replace(text.find(good), good.size(), " Initial dead storage:  five");
    WriteBytes(file, text);
    Session s;
    FillBefore(s, dir.File("earlier.inp"));
    Session before = s;
    s.DMOmbrel.FileName = file;
    before.DMOmbrel.FileName = file;
    RecordingMessages messages;
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    ASSERT_EQ(messages.messages, std::vector<std::string>{CorruptMessage(file)});
    ExpectUnchanged(before, s);
}

TEST(InputFileBrokenHeader, CoefficientThatIsNoNumberKeepsTheDataSet) {
    TempDir dir;
    const std::string file = dir.File("coef.inp");
    std::string text = PredictionFile(file);
    const std::string good = " A coefficient : 3.2000E-002";
    text.replace(text.find(good), good.size(), " A coefficient : missing");
    WriteBytes(file, text);
    Session s;
    FillBefore(s, dir.File("earlier.inp"));
    s.Values.MCoeff = 0.5;
    Session before = s;
    s.DMOmbrel.FileName = file;
    before.DMOmbrel.FileName = file;
    RecordingMessages messages;
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    ExpectUnchanged(before, s);
}

TEST(InputFileBroken, FileThatCannotBeOpenedKeepsTheDataSet) {
    TempDir dir;
    Session s;
    FillBefore(s, dir.File("earlier.inp"));
    const std::string file = dir.File("nowhere.inp");
    s.DMOmbrel.FileName = file;
    Session before = s;
    RecordingMessages messages;
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, messages, false).ok);
    ASSERT_EQ(messages.messages, std::vector<std::string>{NotOpenedMessage(file)});
    ExpectUnchanged(before, s);
}

// ---------------------------------------------------------------- failed writes

TEST(InputFileWrite, FolderThatDoesNotExistGivesTheMessageAndNoFile) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("missing/field.inp");
    FillDischarge(s, file);
    RecordingMessages messages;
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    ASSERT_EQ(messages.messages, std::vector<std::string>{NotOpenedMessage(file)});
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(InputFileWrite, NameOfAFolderIsRefused) {
    TempDir dir;
    Session s;
    FillDischarge(s, dir.path().string());
    RecordingMessages messages;
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(messages.messages, std::vector<std::string>{NotOpenedMessage(dir.path().string())});
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

TEST(InputFileWrite, RowThatCannotBeWrittenLeavesTheOldFileWhole) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("field.inp");
    FillDischarge(s, file);
    RecordingMessages messages;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    const std::string good = ReadBytes(file);

    s.DMOmbrel.NrOfData = 7;  // more rows than the series hold
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    ASSERT_EQ(messages.messages, std::vector<std::string>{CorruptMessage(file)});
    EXPECT_EQ(ReadBytes(file), good);
    // Nothing else was left in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(InputFileWrite, ValueThatIsNoNumberIsRefused) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("nan.inp");
    FillDischarge(s, file);
    s.DMOmbrel.DischData[1] = std::nan("");
    RecordingMessages messages;
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    EXPECT_EQ(messages.messages, std::vector<std::string>{CorruptMessage(file)});
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(InputFileWrite, DataSetWithoutModeIsRefused) {
    TempDir dir;
    Session s;
    const std::string file = dir.File("nomode.inp");
    FillDischarge(s, file);
    s.DMOmbrel.ModeTag = "";
    RecordingMessages messages;
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("A program error occurred.", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace tervala
