#include "model/graph_report_probe.h"

#include <optional>
#include <string>

#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {

std::optional<DataMode> ReportModeOfTag(const std::string& graphTag) {
    if (graphTag == kDischargeReportTag) return DataMode::DischargeAnalysis;
    if (graphTag == kHeadReportTag) return DataMode::HeadAnalysis;
    if (graphTag == kPredictionReportTag) return DataMode::Prediction;
    return std::nullopt;
}

bool ProbeGraphReport(TDMOmbrel& data, UserMessages& messages) {
    std::optional<TextCursor> opened = TextCursor::FromFile(data.LastFileName);
    if (!opened) {
        messages.ShowMessage(GraphFileNotOpenedText(data.LastFileName));
        return false;
    }
    const TextCursor start = *opened;
    TextCursor report = start;

    report.ReadChars(4);  // the program name of line 1
    report.SkipLine();
    report.SkipLine();
    std::string title1 = report.ReadLine();
    std::string title2 = report.ReadLine();

    // Line 15 opens the table: hyphens in a discharge-analysis report and a
    // lone "*" in a head-analysis report.
    std::string tag;
    for (int line = 5; line <= 15; ++line) {
        tag = report.ReadChars(4);
        report.SkipLine();
    }
    if (tag == "*") tag = kHeadReportTag;

    report = start;  // the file read again from its start
    report.SkipLines(13);
    bool prediction = report.ReadChars(10) == "PREDICTION";

    data.Title1 = title1;
    data.Title2 = title2;
    data.GraphTag = tag;
    if (prediction) {
        data.GraphTag = kPredictionReportTag;
        data.SetMode(DataMode::Prediction);
    }
    return true;
}

}  // namespace tervala
