// Input and parameter files against the hand-made files of tests/data/inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/open_input_file.h"
#include "model/input_file.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

using namespace testing;
using V = DataArrayR;

// A data set of the mode `tag` with rows of time, rain, escape rate and the
// observed value, and the three first-reservoir values.
Session Filled(const char* tag, const std::string& file, std::vector<std::array<double, 4>> rows,
               std::array<double, 3> reservoir = {50, 20, 1}) {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = file;
    const std::string mode = tag;
    std::tie(dm.ModeTag, dm.DischargeMode, dm.HeadMode, dm.PredictionMode) =
        std::tuple{mode, mode == kDischargeTag, mode == kHeadTag, mode == kPredictionTag};
    dm.NrOfData = static_cast<int>(rows.size());
    dm.MissingObs.assign(rows.size(), 0);
    for (const auto& [time, rain, esc, observed] : rows) {
        dm.TimeData.push_back(time);
        dm.RainData.push_back(rain);
        dm.EscData.push_back(esc);
        (dm.HeadMode ? dm.HeadData : dm.DischData).push_back(observed);
    }
    std::tie(dm.MaxSto, dm.IniSto, dm.MaxEsc) = std::tuple_cat(reservoir);
    return s;
}

TEST(InputFile, EachLayoutIsWrittenReadAndWrittenAgainByteForByte) {
    TempDir dir;
    const std::string file = dir.File("field.inp");
    // clang-format off
    Session discharge = Filled(" Dis", file, {{0, 0.25, 0.1, 0}, {1, 12.5, 2, 0.75}, {2.5, 0, -3, 1.234}, {3, 5, 1, 2},
                                              {100, 1500, 0.05, 10}}, {50, 0.5, 1});
    Session head = Filled(" Hyd", file, {{1, 10, 0.5, 0.25}, {2, 0, 0.5, 2.25}, {3, 3, 0.5, 0.04}, {4, 7.125, 0.5, 1}},
                          {100, 20, 0.5});
    Session prediction = Filled(" Pre", file, {{0, 10, 0.1, 0}, {0.5, 0, 0.25, 0}, {24, 33.3, 4, 0}}, {50, 50, 0.1});
    std::tie(discharge.DMOmbrel.Title1, discharge.DMOmbrel.Title2, head.DMOmbrel.Title1, prediction.DMOmbrel.Title1,
             prediction.DMOmbrel.Title2) = std::tuple{"Vidora field 3", "Winter 1987", "Polder", "Pipe drains at 1.2 m", "Design storm"};
    std::tie(prediction.DMOmbrel.Porosity, prediction.DMOmbrel.RunIni, prediction.DMOmbrel.HeadIni,
             prediction.Values.MCoeff, prediction.Values.NValue) = std::tuple{5, 0.5, 120, 0.032, 0.20173};
    // clang-format on
    discharge.DMOmbrel.MissingObs[3] = 1;  // left out, the serials count on
    for (auto [written, name] : {std::pair{&discharge, "discharge.inp"},
                                 {&head, "head.inp"},
                                 {&prediction, "prediction.inp"}}) {
        SCOPED_TRACE(name);
        RecordingMessages m;
        ASSERT_TRUE(WriteInputFile(written->DMOmbrel, written->Values, m));
        const std::string expected = DataFile(std::string("inputs/") + name, file);
        EXPECT_EQ(ReadBytes(file), expected);
        Session read;
        TDMOmbrel& d = read.DMOmbrel;
        d.FileName = file;
        const InputReadResult r = ReadInputFile(d, read.Values, m);
        ASSERT_TRUE(r.Read && !r.AlphaMissing && m.messages.empty());
        // Rows numbered from 1; a head file opens as a prediction that keeps
        // its heads.
        const int n = static_cast<int>(d.TimeData.size());
        EXPECT_EQ(
            (std::tuple{d.NrOfData, d.RowCheck.size(), d.RowCheck.back(), d.PredictionMode,
                        d.HeadMode, d.AlphaTag == kLinearAlphaTag}),
            (std::tuple{n, size_t(n), n, written != &discharge, false, written == &prediction}));
        std::tie(d.ModeTag, d.HeadMode, d.PredictionMode) =  // head mode back for the second write
            std::tuple{written->DMOmbrel.ModeTag, written->DMOmbrel.HeadMode,
                       written->DMOmbrel.PredictionMode};
        ASSERT_TRUE(WriteInputFile(d, read.Values, m));
        EXPECT_EQ(ReadBytes(file), expected);
    }
    // Times closer than the written precision become equal.
    Session close = Filled(" Pre", file, {{1.001, 0, 0, 0}, {1.004, 0, 0, 0}});
    RecordingMessages m;
    ASSERT_TRUE(WriteInputFile(close.DMOmbrel, close.Values, m));
    ASSERT_TRUE(ReadInputFile(close.DMOmbrel, close.Values, m).Read);
    EXPECT_EQ(close.DMOmbrel.TimeData[0], close.DMOmbrel.TimeData[1]);
    EXPECT_EQ(ReplaceExtension("/data.2024/field", ".par"), "/data.2024/field.par");
    EXPECT_EQ(ReplaceExtension("/data/field.v2.inp", ".out"), "/data/field.v2.out");
}

std::string Corrupt(const std::string& file) {
    return "A program error occurred.Real numbers in the inputfile \"" + file + "\" are corrupt";
}
std::string NotOpened(const std::string& file) {
    return "The file \"" + file +
           "\"could not be opened. It may be damaged or in use by another program.";
}

std::string Cut(const std::string& text, const std::string& from) {
    return text.substr(0, text.find(from));
}

TEST(InputFile, ReaderTolerances) {
    const std::vector<std::string> escapeWarning = {"Please check the escape rate data"};
    const std::vector<std::string> foreign = {
        "This input file does not belong to OmbrelT. The Alfa charcateristics need to be "
        "redefined."};
    // clang-format off
    const std::string legacyAlpha =
        CrLf({" Quadratic reservoir function", " A1 coefficient: 1.0000E-003", " A2 coefficient: 2.0000E-002",
              " A3 coefficient: 3.0000E-001", " B  coefficient: 4.0000E-001", " Effective porosity (%) :   10.00",
              " Initial runoff rate :     1.00", " Initial water level :   100.00", " Time step : 1 day", "",
              " " + std::string(41, '-'), " Serial    T i m e   Rainfall  Escape rate", " " + std::string(41, '-'),
              "    1         1.00       5.00       0.20", "    2         2.00       0.00       0.30"});
    const struct {
        const char* base;  // of tests/data/inputs
        std::function<std::string(std::string)> edit;
        std::vector<std::string> messages;
        std::function<void(const TDMOmbrel&)> expect;
    } cases[] = {
        {"discharge.inp", [](std::string t) { return Replaced(t, "\r\n", "\n"); }, {},
         [](const TDMOmbrel& d) { EXPECT_EQ(d.DischData, (V{0, 0.75, 1.23, 10})); }},
        {"discharge.inp",  // any product line, blank lines after the last row
         [](std::string t) { return " Input data of another version" + t.substr(31) + "\r\n   \r\n"; }, {},
         [](const TDMOmbrel& d) { EXPECT_EQ(d.NrOfData, 4); }},
        {"head.inp", [](std::string t) { return Replaced(t, "\r\n\r\n -", "\r\n\r\n\r\n -"); }, {},
         [](const TDMOmbrel& d) { EXPECT_EQ(d.HeadData, (V{0.3, 2.25, 0, 1})); }},
        {"discharge.inp",  // rows of four fields, one with blanks after them: the header's escape rate
         [](std::string t) {
             return Cut(t, "    1  0.000E") + CrLf({"    1         1.00      12.50       0.75   ",
                                                   "    2  2.00  0.00  0.50", "    3 3 1 2  0.25"});
         },
         escapeWarning,
         [](const TDMOmbrel& d) { EXPECT_EQ((std::pair{d.EscData, d.DischData}), (std::pair{V{1, 1, 2}, V{0.75, 0.5, 0.25}})); }},
        {"prediction.inp",
         [](std::string t) { return Cut(t, "    1  0.000E") + CrLf({"    1         1.00       5.00", "    2  2.00 0"}); },
         escapeWarning, [](const TDMOmbrel& d) { EXPECT_EQ(d.EscData, (V{0.1, 0.1})); }},
        {"discharge.inp",  // twelve characters of the observed value, and a decimal comma
         [](std::string t) { return Cut(t, "    1  0.000E") + CrLf({"    1 1 12.5 2  123456789.0123", "    2 2 0 2  0,75"}); },
         {}, [](const TDMOmbrel& d) { EXPECT_EQ(d.DischData, (V{123456789, 0.75})); }},
        {"prediction.inp", [&](std::string t) { return Cut(t, " Linear") + legacyAlpha; }, foreign,
         [](const TDMOmbrel& d) {
             EXPECT_TRUE(d.AlphaMissing);
             EXPECT_EQ((std::pair{d.HeadIni, d.EscData}), (std::pair{100.0, V{0.2, 0.3}}));
         }},
        {"prediction.inp", [](std::string t) { return Replaced(t, " Value of B is :", " B  coefficient:"); },
         foreign, [](const TDMOmbrel& d) { EXPECT_EQ((std::tuple{d.AlphaMissing, d.HeadIni, d.NrOfData}), (std::tuple{true, 120.0, 3})); }},
        {"prediction.inp", [](std::string t) { return Cut(t, "    1  0.000E"); }, {},  // no rows
         [](const TDMOmbrel& d) { EXPECT_EQ((std::pair{d.NrOfData, d.TimeData.size()}), (std::pair{0, size_t{0}})); }},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        TempDir dir;
        Session s;
        s.DMOmbrel.FileName =
            dir.Write("old.inp", c.edit(DataFile(std::string("inputs/") + c.base, "x")));
        s.DMOmbrel.NrOfData = 9;  // an earlier data set
        s.DMOmbrel.TimeData.assign(9, 1.0);
        RecordingMessages m;
        const InputReadResult r = ReadInputFile(s.DMOmbrel, s.Values, m);
        ASSERT_TRUE(r.Read);
        EXPECT_EQ(r.AlphaMissing, s.DMOmbrel.AlphaMissing);
        EXPECT_EQ(m.messages, c.messages);
        c.expect(s.DMOmbrel);
    }
}

TEST(InputFile, BrokenFilesAreToldAndLeaveTheDataSetAsItWas) {
    // clang-format off
    const std::pair<const char*, const char*> edits[] = {  // text replaced; nothing: cut there; none: appended
        {"10.00\r\n", "abc\r\n"}, {"12.50", "1x.50"}, {"100.00", "100,00"}, {"      1.23", "     1.2,3"},
        {"", "    5         1.00\r\n"}, {"    3  ", "  3.5  "}, {"\r\n    3", "\r\n\r\n    3"}, {"5.0E-0001", "five"},
        {" Max.escape", nullptr}, {" Discharge analysis", " Groundwater"}};  // the last: no mode
    // clang-format on
    for (const auto& [from, to] : edits) {
        SCOPED_TRACE(from);
        TempDir dir;
        const std::string file = dir.File("broken.inp"), t = DataFile("inputs/discharge.inp", file);
        WriteBytes(file, !to ? Cut(t, from) : *from ? Replaced(t, from, to) : t + to);
        Session s = Filled(" Pre", file, {{1, 2, 3, 4}});
        s.DMOmbrel.RowCheck = {7};
        const TDMOmbrel before = s.DMOmbrel;
        RecordingMessages m;
        EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, m).Read);
        // Regression: a file of no mode was taken half, the old rows with the new titles (its
        // one message is the batch command's, see tests/batch).
        const bool noMode = std::string(from) == " Discharge analysis";
        EXPECT_EQ(m.messages, std::vector{noMode ? m.messages.at(0) : Corrupt(file)});
        const TDMOmbrel& d = s.DMOmbrel;
        EXPECT_EQ((std::tuple{d.ModeTag, d.Title1, d.MaxSto, d.NrOfData, d.TimeData, d.DischData,
                              d.RowCheck, d.ParFileName}),
                  (std::tuple{before.ModeTag, before.Title1, before.MaxSto, 1, before.TimeData,
                              before.DischData, before.RowCheck, ""}));
    }
    // A coefficient of a prediction file that is no number keeps M as well,
    // and a file that is not there is told.
    TempDir dir;
    Session s;
    s.DMOmbrel.FileName = dir.Write(
        "coef.inp", Replaced(DataFile("inputs/prediction.inp"), "3.2000E-002", "missing"));
    s.Values.MCoeff = 0.5;
    RecordingMessages m;
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, m).Read);
    EXPECT_EQ((std::pair{s.Values.MCoeff, s.DMOmbrel.PredictionMode}), (std::pair{0.5, false}));
    s.DMOmbrel.FileName = dir.File("nowhere.inp");
    EXPECT_FALSE(ReadInputFile(s.DMOmbrel, s.Values, m).Read);
    EXPECT_EQ(m.messages.back(), NotOpened(s.DMOmbrel.FileName));
}

TEST(InputFile, WritesThatCannotBeDoneLeaveNothingHalfWritten) {
    TempDir dir;
    Session s = Filled(" Dis", dir.File("field.inp"), {{1, 2, 3, 4}, {2, 2, 3, 4}});
    RecordingMessages m;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, m));
    const std::string good = ReadBytes(s.DMOmbrel.FileName);
    const std::string corrupt = Corrupt(dir.File("field.inp"));
    s.DMOmbrel.NrOfData = 3;  // more rows than the series hold
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, m));
    s.DMOmbrel.NrOfData = 2;
    s.DMOmbrel.DischData[1] = std::nan("");
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, m));
    EXPECT_EQ(m.messages, (std::vector<std::string>{corrupt, corrupt}));
    s.DMOmbrel.DischData[1] = 123456789012;  // regression: the reader takes 11 characters of it
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, m));
    EXPECT_EQ(m.messages.back(),
              "The value 123456789012 in row 2 is too large for the last column of "
              "the inputfile \"" +
                  dir.File("field.inp") + "\", which was not written");
    s.DMOmbrel.DischData[1] = 4;
    s.DMOmbrel.ModeTag = "";  // no mode
    EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, m));
    EXPECT_EQ(m.messages.back().rfind("A program error occurred.", 0), 0u);
    s.DMOmbrel.ModeTag = " Dis";
    for (const std::string& where : {dir.File("missing/field.inp"), dir.path().string()}) {
        s.DMOmbrel.FileName = where;
        EXPECT_FALSE(WriteInputFile(s.DMOmbrel, s.Values, m));
        EXPECT_EQ(m.messages.back(), NotOpened(where));
    }
    EXPECT_EQ(ReadBytes(dir.File("field.inp")), good);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"field.inp"});
}

TEST(ParameterFile, WrittenReadAndWrittenAgainBesideItsInputFile) {
    TempDir dir;
    Session s = Filled(" Dis", dir.File("field.inp"), {{1, 5, 1, 0.5}, {2, 0, 1, 0.25}});
    RecordingMessages m;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, m));
    dir.Write("field.par", DataFile("inputs/field.par"));
    s.Values.MCoeff = 0.7;
    OpenedInput r = OpenInputFile(s, s.DMOmbrel.FileName, false, m);
    // An analysis derives nothing.
    EXPECT_EQ((std::tuple{r.Read, r.ParameterFileRead, r.Derived.has_value(),
                          s.DMOmbrel.ParFileRead, s.DMOmbrel.ParFileName, s.DMOmbrel.DischargeMode,
                          s.Values.MCoeff, s.DMOmbrel.Porosity}),
              (std::tuple{true, true, false, true, dir.File("field.par"), true, 0.7, 5.0}));
    std::filesystem::remove(dir.File("field.par"));
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, m));
    EXPECT_EQ(ReadBytes(dir.File("field.par")), DataFile("inputs/field.par"));

    // With the prediction entry selected M and N follow, with five decimals:
    // M = 4 Ka / (P L^2) = 0.032, N = 8 Kb d / (P L^2) with d = 3.152044 m.
    r = ReopenInputFile(s, true, m);
    ASSERT_TRUE(r.Derived);
    EXPECT_EQ((std::tuple{AlphaFieldText(r.Derived->Exact.N), s.DMOmbrel.Porosity, s.Values.MCoeff,
                          s.Values.NValue, s.Values.Trend.TrendA}),
              (std::tuple{" 0.20173", 5.0, 0.032, 0.20173, 0.032}));
    EXPECT_TRUE(s.DMOmbrel.PredictionMode && !s.DMOmbrel.DischargeMode && m.messages.empty());
    EXPECT_EQ(s.DMOmbrel.ModeTag, kPredictionTag);

    // A spacing of zero gives no alpha function; a value that is no number
    // keeps the input file but none of the parameters.
    dir.Write("field.par", Replaced(DataFile("inputs/field.par"), " 50.00", "  0.00"));
    r = ReopenInputFile(s, true, m);
    EXPECT_TRUE(r.ParameterFileRead && !r.Derived && s.Values.MCoeff == 0.032);
    EXPECT_EQ(m.messages, std::vector<std::string>{"One or more data values are incorrect"});
    dir.Write("field.par", Replaced(DataFile("inputs/field.par"), " 50.00", " fifty"));
    s.Values.Ka = 3;
    r = OpenInputFile(s, s.DMOmbrel.FileName, true, m);
    EXPECT_TRUE(r.Read && !r.ParameterFileRead && !s.DMOmbrel.ParFileRead && s.Values.Ka == 3);
    EXPECT_EQ(m.messages.back(), Corrupt(dir.File("field.par")));
}

}  // namespace
}  // namespace tervala
