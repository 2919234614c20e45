// The analysis report and fit file, written from hand-filled results and
// compared byte for byte, with the side effects later commands rely on.
#include "engine/analysis_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/engine_file_error.h"
#include "engine/fit_file.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

const std::string k75(75, '-');
const std::string k64(64, '-');

// Four rows with serials 7, 42, 123 and 1234, a negative escape rate moved
// into the rain of row 2, a recharge just below a rounding half (2.675 is
// stored as 2.67499...) and a negative storage.
Session FourRows(const std::string& fileName) {
    Session s;
    s.DMOmbrel.FileName = fileName;
    s.DMOmbrel.Title1 = "Polder 7";
    s.DMOmbrel.Title2 = "";
    AnalysisState& a = s.Analysis;
    a.RowCount = 4;
    a.Resize(4);
    a.SerialNo = {0, 7, 42, 123, 1234};
    a.SerialText = {"", "7", "42", "123", "1234"};
    a.Reservoir.Time = {0, 1, 2, 3.5, 10};
    a.Reservoir.Rain = {0, 40, 4, 0, 10};
    a.Reservoir.EscToRain = {0, 0, 3, 0, 0};
    a.Reservoir.Rech = {0, 10, 2.675, 0, 0.5};
    a.RunMeas = {0, 3, 2, 2.5, 0.001};
    a.HeadMeas = {0, 500, 420.004, 380, 0.25};
    a.Alpha = {0, 9, 0.015625, 0.1, 0};
    a.RunCalc = {0, 3, 2.126, 1.004, 0.5};
    a.HeadCalc = {0, 500, 420.57, 379.62, 1234.5};
    a.Storage = {0, 0, 7.5, -1.25, 100};
    a.MaxSto = 50;
    a.IniSto = 5;
    a.MaxEsc = 0.2;
    a.AlphaSlope = 0.0123;
    a.AlphaIntercept = -0.0045;
    a.PdFrac = 0.02;
    a.Ssq = 0.75;  // standard deviation sqrt(0.75 / 3) = 0.5
    s.Values.Trend.RSquare = 0.87;
    return s;
}

TEST(DischargeReport, EveryLineAndColumn) {
    TempDir dir;
    Session s = FourRows(dir.File("polder.txt"));
    WriteDischargeReport(s);
    EXPECT_EQ(ReadBytes(dir.File("polder.out")),
              Lines({"THE RESULTS OF Tervala PROGRAM",
                     "",
                     "Polder 7",
                     "",
                     "Name of input file used: " + dir.File("polder.inp"),
                     "",
                     "Maximum dead storage:   50.00 mm",
                     "Initial dead storage:    5.00 mm",
                     "Max. escape/time unit:   0.20 mm",
                     "",
                     "REGRESSION: alpha = A * Discharge + C",
                     "A = 0.0123  C = -0.0045",
                     "",
                     "RECONSTRUCTION:",
                     k75,
                     "Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage",
                     " No.              irrig.     calc.     meas.     calc.    calc.",
                     k75,
                     " 7        1.00     40.00     10.00      3.00     0.000      3.00      0.00",
                     " 42       2.00      1.00      2.67      2.00     0.016      2.13      7.50",
                     " 123      3.50      0.00      0.00      2.50     0.100      1.00     -1.25",
                     " 1234     10.00     10.00      0.50      0.00     0.000      0.50    100.00",
                     k75,
                     "Stand. dev. of calc. from meas. runoff:   0.500",
                     "Coefficient of explanation R square is:    0.87",
                     ""}));
}

TEST(DischargeReport, HandsTheAlphaFunctionOnAndNamesTheInputAgain) {
    TempDir dir;
    Session s = FourRows(dir.File("polder.inp"));
    WriteDischargeReport(s);
    EXPECT_EQ(s.Values.MCoeff, 0.0123);
    EXPECT_EQ(s.Values.NValue, -0.0045);
    EXPECT_EQ(s.Analysis.Alpha[1], 0);
    EXPECT_EQ(s.DMOmbrel.FileName, dir.File("polder.inp"));
}

TEST(HeadReport, EveryLineAndColumn) {
    TempDir dir;
    Session s = FourRows(dir.File("polder.inp"));
    s.Analysis.RowCount = 3;
    s.Analysis.AlphaSlope = 0.0003;
    s.Analysis.AlphaIntercept = 0.1235;
    s.Analysis.Ssq = 0.5;  // sqrt(0.25)
    WriteHeadReport(s);
    const std::string report = ReadBytes(dir.File("polder.out"));
    EXPECT_EQ(report,
              Lines({"THE RESULTS OF Tervala PROGRAM",
                     "Hydraulic Head simulation",
                     "Polder 7",
                     "",
                     "Name of input file used: " + dir.File("polder.inp"),
                     "",
                     "Maximum dead storage:   50.00 mm",
                     "Initial dead storage:    5.00 mm",
                     "Max. escape/time unit:   0.20 mm",
                     "",
                     "REGRESSION: Alpha = B * Head + F",
                     "B =  0.0003  F =  0.1235",
                     "Ht = Ht-1*exp(-Alpha*Dt) + Rech*{1-exp(-Alpha*Ts)}/0.8*Pd*Alpha",
                     "where Ts = timestep and Pd = drainable porosity fraction = 0.020",
                     "*",
                     "RECONSTRUCTION",
                     k64,
                     "Serial    Time    Rain +   Recharge    Head      Alpha    Head ",
                     " No.              irrig.    calc.      meas.     calc.    calc.",
                     k64,
                     " 7        1.00     40.00     10.00    500.00     0.000    500.00",
                     " 42       2.00      1.00      2.67    420.00     0.016    420.57",
                     " 123      3.50      0.00      0.00    380.00     0.100    379.62",
                     k64,
                     "Stand. dev. of calc. from meas. runoff:   0.500",
                     "Coefficient of explanation R square is:    0.87",
                     ""}));
    EXPECT_EQ(s.Values.MCoeff, 0.0003);
    EXPECT_EQ(s.Values.NValue, 0.1235);
    EXPECT_EQ(s.Analysis.Alpha[1], 0);
}

TEST(AnalysisReport, UnwritableReportIsAFileError) {
    Session s = FourRows("/nonexistent/folder/polder.inp");
    EXPECT_THROW(WriteDischargeReport(s), EngineFileError);
    EXPECT_THROW(WriteFitFile(s, false), EngineFileError);
}

TEST(FitFile, DischargeAnalysisLines) {
    TempDir dir;
    Session s = FourRows(dir.File("polder.inp"));
    s.Analysis.AlphaLinA = 0.5;
    s.Analysis.AlphaLinC = -0.25;
    s.Values.Trend = {-0.00123, 12.3456789, 0, true, 0};
    s.Analysis.AlphaQuadA = 1.5;
    s.Analysis.AlphaQuadB = -2;
    s.Analysis.AlphaQuadC = 0.000005;  // stored a hair above 5E-6: rounds up
    WriteFitFile(s, false);
    EXPECT_EQ(ReadBytes(dir.File("polder.dat")),
              Lines({"Linear: Runoff = A * Recharge + C", "A=  0.5000 C= -0.2500", "",
                     "Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C",
                     "A= -0.00123 B= 12.34568 C=  0.00000", "", "Q= 1", "",
                     "Quadratic Alpha = A*(runoff)sq + B*Runoff + C",
                     "A=  1.50000 B= -2.00000 C=  0.00001"}));
}

TEST(FitFile, HeadAnalysisLinesAndNoTrend) {
    TempDir dir;
    Session s = FourRows(dir.File("polder.inp"));
    s.Values.Trend.TrendValid = false;
    WriteFitFile(s, true);
    EXPECT_EQ(ReadBytes(dir.File("polder.dat")),
              Lines({"Linear: Hydr.Head = A * Recharge + C", "A=  0.0000 C=  0.0000", "",
                     "Quadratic: Hydr.Head = A * Recharge(Sq) +  B * Recharge + C",
                     "A=  0.00000 B=  0.00000 C=  0.00000", "", "Q= 0", "",
                     "Quadratic Alpha = A*(Hydr.Head)sq + B*Hydr.Head + C",
                     "A=  0.00000 B=  0.00000 C=  0.00000"}));
}

}  // namespace
}  // namespace tervala
