#include "engine/fit_file.h"

#include <string>

#include "engine/report_format.h"
#include "model/input_file.h"

namespace tervala {

void WriteFitFile(const Session& s, AnalysisKind kind) {
    const bool headAnalysis = kind == AnalysisKind::Head;
    const AnalysisState& a = s.Analysis;
    const TrendResults& t = s.Values.Trend;
    const std::string br = kReportLineBreak;
    std::string text;
    text += (headAnalysis ? "Linear: Hydr.Head = A * Recharge + C"
                          : "Linear: Runoff = A * Recharge + C") +
            br;
    text += "A= " + ReportFixed(a.AlphaLinA, 7, 4) + " C= " + ReportFixed(a.AlphaLinC, 7, 4) + br;
    text += br;
    text += (headAnalysis ? "Quadratic: Hydr.Head = A * Recharge(Sq) +  B * Recharge + C"
                          : "Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C") +
            br;
    text += "A= " + ReportFixed(t.TrendA, 8, 5) + " B= " + ReportFixed(t.TrendB, 8, 5) +
            " C= " + ReportFixed(t.TrendC, 8, 5) + br;
    text += br;
    text += std::string("Q= ") + (t.TrendValid ? "1" : "0") + br;
    text += br;
    text += (headAnalysis ? "Quadratic Alpha = A*(Hydr.Head)sq + B*Hydr.Head + C"
                          : "Quadratic Alpha = A*(runoff)sq + B*Runoff + C") +
            br;
    text += "A= " + ReportFixed(a.AlphaQuadA, 8, 5) + " B= " + ReportFixed(a.AlphaQuadB, 8, 5) +
            " C= " + ReportFixed(a.AlphaQuadC, 8, 5) + br;
    WriteReportFile(ReplaceExtension(s.DMOmbrel.FileName, ".dat"), text);
}

}  // namespace tervala
