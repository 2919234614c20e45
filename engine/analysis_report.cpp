#include "engine/analysis_report.h"

#include <cmath>
#include <string>

#include "engine/fit_statistics.h"
#include "engine/report_format.h"
#include "model/input_file.h"

namespace tervala {

namespace {

const std::string kBreak = kReportLineBreak;

std::string F(double value, int width, int decimals) { return ReportFixed(value, width, decimals); }

// The serial number starts in column 2; up to 999 the first number field
// starts in column 5 whatever the serial's width.
std::string SerialColumn(const AnalysisState& a, int k) {
    std::string text = " " + a.SerialText[k];
    if (a.SerialNo[k] < 10) {
        text += "  ";
    } else if (a.SerialNo[k] < 100) {
        text += " ";
    }
    return text;
}

// The ruled heading of the reconstruction table: column names and the line
// below them.
std::string TableHeading(const std::string& ruler, const std::string& names,
                         const std::string& below) {
    return ruler + kBreak + names + kBreak + below + kBreak + ruler + kBreak;
}

// The columns every reconstruction row opens with: serial, time, rain plus
// irrigation less what escaped to the rain, and recharge (mm).
std::string RowOpening(const AnalysisState& a, int k) {
    const ReservoirSeries& r = a.Reservoir;
    std::string row = SerialColumn(a, k);
    AppendReportField(row, r.Time[k], 10, 2);
    AppendReportField(row, r.Rain[k] - r.EscToRain[k], 10, 2);
    AppendReportField(row, r.Rech[k], 10, 2);
    return row;
}

// Lines 1 to 10: titles, the input file and the first reservoir.
std::string Header(const Session& s, const std::string& secondLine) {
    const TDMOmbrel& dm = s.DMOmbrel;
    const AnalysisState& a = s.Analysis;
    std::string text;
    text += "THE RESULTS OF Tervala PROGRAM" + kBreak;
    text += secondLine + kBreak;
    text += dm.Title1 + kBreak;
    text += dm.Title2 + kBreak;
    text += "Name of input file used: " + dm.FileName + kBreak;
    text += kBreak;
    text += "Maximum dead storage:  " + F(a.MaxSto, 6, 2) + " mm" + kBreak;
    text += "Initial dead storage:  " + F(a.IniSto, 6, 2) + " mm" + kBreak;
    text += "Max. escape/time unit: " + F(a.MaxEsc, 6, 2) + " mm" + kBreak;
    text += kBreak;
    return text;
}

std::string Footer(const Session& s, const std::string& ruler) {
    std::string text;
    text += ruler + kBreak;
    const AnalysisState& a = s.Analysis;
    text +=
        "Stand. dev. of calc. from meas. runoff:" + F(StandardDeviation(a.Ssq, a.RowCount), 8, 3) +
        kBreak;
    text += "Coefficient of explanation R square is:" + F(s.Values.Trend.RSquare, 8, 2) + kBreak;
    text += kBreak;
    return text;
}

}  // namespace

void WriteDischargeReport(const Session& s) {
    const AnalysisState& a = s.Analysis;
    std::string text = Header(s, "");
    text += "REGRESSION: alpha = A * Discharge + C" + kBreak;
    text += "A =" + F(a.AlphaSlope, 7, 4) + "  C =" + F(a.AlphaIntercept, 8, 4) + kBreak;
    text += kBreak;
    text += "RECONSTRUCTION:" + kBreak;
    const std::string ruler(75, '-');
    text += TableHeading(
        ruler, "Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage",
        " No.              irrig.     calc.     meas.     calc.    calc.");
    for (int k = 1; k <= a.RowCount; ++k) {
        std::string row = RowOpening(a, k);
        AppendReportField(row, a.RunMeas[k], 10, 2);
        AppendReportField(row, a.Alpha[k], 10, 3);
        AppendReportField(row, a.RunCalc[k], 10, 2);
        AppendReportField(row, a.Storage[k], 10, 2);
        text += row + kBreak;
    }
    text += Footer(s, ruler);
    WriteReportFile(ReplaceExtension(s.DMOmbrel.FileName, ".out"), text);
}

void WriteHeadReport(const Session& s) {
    const AnalysisState& a = s.Analysis;
    std::string text = Header(s, "Hydraulic Head simulation");
    text += "REGRESSION: Alpha = B * Head + F" + kBreak;
    text += "B =" + F(a.AlphaSlope, 8, 4) + "  F =" + F(a.AlphaIntercept, 8, 4) + kBreak;
    text += "Ht = Ht-1*exp(-Alpha*Dt) + Rech*{1-exp(-Alpha*Ts)}/0.8*Pd*Alpha" + kBreak;
    text +=
        "where Ts = timestep and Pd = drainable porosity fraction = " + F(a.PdFrac, 5, 3) + kBreak;
    text += "*" + kBreak;
    text += "RECONSTRUCTION" + kBreak;
    const std::string ruler(64, '-');
    text += TableHeading(ruler, "Serial    Time    Rain +   Recharge    Head      Alpha    Head ",
                         " No.              irrig.    calc.      meas.     calc.    calc.");
    for (int k = 1; k <= a.RowCount; ++k) {
        std::string row = RowOpening(a, k);
        AppendReportField(row, a.HeadMeas[k], 10, 2);
        AppendReportField(row, a.Alpha[k], 10, 3);
        AppendReportField(row, a.HeadCalc[k], 10, 2);
        text += row + kBreak;
    }
    text += Footer(s, ruler);
    WriteReportFile(ReplaceExtension(s.DMOmbrel.FileName, ".out"), text);
}

}  // namespace tervala
