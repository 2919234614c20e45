#include "model/graph_request.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/message_texts.h"
#include "model/report_loading.h"

namespace tervala {

namespace {

std::string ReportKindText(DataMode report) {
    switch (report) {
        case DataMode::DischargeAnalysis:
            return "a discharge-analysis report (graphs 1, 3, 7, 8 and 9)";
        case DataMode::HeadAnalysis:
            return "a head-analysis report (graphs 1, 3, 7, 8 and 9)";
        case DataMode::Prediction:
            break;
    }
    return "a prediction report (graphs 2, 4 and 5)";
}

}  // namespace

bool OpenReport(TDMOmbrel& dm, const std::string& path, UserMessages& messages) {
    dm.FileName = path;
    dm.LastFileName = path;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        messages.ShowMessage(kNoSuchFileText);
        return false;
    }
    return LoadReport(dm, path, messages);
}

GraphRequestOutcome RequestGraph(TDMOmbrel& dm, ProgramValues& values, GraphKind kind,
                                 UserMessages& messages) {
    const std::string& report = dm.LastFileName;
    if (!ProbeGraphReport(dm, messages)) return GraphRequestOutcome::Refused;
    const std::optional<DataMode> mode = ReportModeOfTag(dm.GraphTag);
    if (!mode) {
        messages.ShowMessage(NoReportOfProgramText(report));
        return GraphRequestOutcome::Refused;
    }
    if (IsAnalysisGraph(kind) != (*mode != DataMode::Prediction)) {
        messages.ShowMessage(
            GraphNotOfferedText(GraphKindNumber(kind), report, ReportKindText(*mode)));
        return GraphRequestOutcome::Refused;
    }
    // The trend graph draws the quadratic trend of the fit file beside the report.
    if (kind == GraphKind::ObservedAgainstRecharge && !ReadFitTrend(dm, values.Trend, messages))
        return GraphRequestOutcome::Refused;
    switch (ReadGraphData(dm, values, kind, messages)) {
        case GraphReadOutcome::Read:
            return GraphRequestOutcome::Read;
        case GraphReadOutcome::NoRows:
            return GraphRequestOutcome::NoRows;
        case GraphReadOutcome::Failed:
            break;
    }
    return GraphRequestOutcome::Refused;
}

}  // namespace tervala
