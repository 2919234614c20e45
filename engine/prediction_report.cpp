#include "engine/prediction_report.h"

#include "engine/report_format.h"
#include "model/input_file.h"

namespace tervala {
namespace {

const std::string kRuler(64, '-');

// Serial numbers up to 999 end in column 4.
std::string SerialText(int serial) {
    const char* lead = serial < 10 ? "   " : serial < 100 ? "  " : " ";
    return lead + std::to_string(serial);
}

}  // namespace

LineSet PredictionReportLines(const Session& s, const std::string& inputFileName) {
    const PredictionState& p = s.Prediction;
    const int n = p.PredRowCount;
    LineSet lines;
    lines.reserve(static_cast<std::size_t>(n) + 19);
    lines.push_back("RESULTS OF Ombrel PROGRAM");
    lines.push_back("");
    lines.push_back(s.DMOmbrel.Title1);
    lines.push_back(s.DMOmbrel.Title2);
    lines.push_back("Name of input file used: " + inputFileName);
    lines.push_back("");
    lines.push_back("Maximum dead storage:   " + ReportFixed(p.MaxSto, 6, 2) + " mm");
    lines.push_back("Initial dead storage:   " + ReportFixed(p.IniSto, 6, 2) + " mm");
    lines.push_back("Max. escape/time unit:  " + ReportFixed(p.MaxEsc, 6, 2) + " ");
    lines.push_back("Effective porosity (%): " + ReportFixed(100 * p.PorosityFrac, 6, 2));
    if (p.LinearAlpha == 1) {
        lines.push_back("linear function: alpha = M * Discharge + N");
        lines.push_back("M =" + ReportFixed(s.Values.MCoeff, 10, 5) +
                        " N =" + ReportFixed(s.Values.NValue, 10, 5));
    }
    lines.push_back("");
    lines.push_back("PREDICTION drainage:");
    lines.push_back(kRuler);
    lines.push_back("Serial    Time   Rain/Irr  Recharge    Alpha    Discharge   Head");
    lines.push_back(std::string(8, ' ') +
                    "   t       mm/t      mm/t       --        mm/t      mm ");
    lines.push_back(kRuler);
    for (int k = 1; k <= n; ++k) {
        std::string row = SerialText(p.SerialNo[k]);
        AppendReportField(row, p.Reservoir.Time[k], 10, 2);
        AppendReportField(row, p.Reservoir.Rain[k], 10, 2);
        AppendReportField(row, p.Reservoir.Rech[k], 10, 2);
        AppendReportField(row, p.Alpha[k], 10, 3);
        AppendReportField(row, p.RunPred[k], 10, 2);
        AppendReportField(row, p.HeadPred[k], 10, 2);
        lines.push_back(row);
    }
    lines.push_back(kRuler);
    return lines;
}

void WritePredictionReport(const Session& s) {
    std::string text;
    for (const std::string& line : PredictionReportLines(s, s.DMOmbrel.FileName)) {
        text += line;
        text += kReportLineBreak;
    }
    WriteReportFile(ReplaceExtension(s.DMOmbrel.FileName, ".out"), text);
}

}  // namespace tervala
