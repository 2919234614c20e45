#include "engine/report_series.h"

#include "engine/analysis_state.h"
#include "engine/series_messages.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/program_values.h"

namespace tervala {

namespace {

// The tables of the report kinds, each column with its series in the graph
// readers' names.
SeriesTable AnalysisTable(GraphSeries& s, AnalysisKind kind) {
    const bool head = kind == AnalysisKind::Head;
    const std::string observed = head ? "head" : "discharge";
    const std::string unit = head ? "mm" : "mm/t";
    return {{"time", "t", std::move(s.Time)},
            {"rain plus irrigation", "mm/t", std::move(s.Rain)},
            {"recharge", "mm/t", std::move(s.Recharge)},
            {"observed " + observed, unit, std::move(s.Observed)},
            {"calculated " + observed, unit, std::move(s.Calculated)},
            {"alpha", "1/t", std::move(s.Alpha)}};
}

SeriesTable PredictionTable(GraphSeries& s) {
    return {{"time", "t", std::move(s.Time)},
            {"rain plus irrigation", "mm/t", std::move(s.Rain)},
            {"recharge", "mm/t", std::move(s.Recharge)},
            {"discharge", "mm/t", std::move(s.Discharge)},
            {"head", "mm", std::move(s.Head)},
            {"alpha", "1/t", std::move(s.Alpha)}};
}

}  // namespace

std::optional<SeriesTable> ReadReportSeries(const std::string& file, UserMessages& messages) {
    TDMOmbrel report;  // a scratch data set: the user's own is not touched
    ProgramValues values;
    report.LastFileName = file;
    report.FileName = file;
    if (!ProbeGraphReport(report, messages)) return std::nullopt;
    const std::optional<DataMode> mode = ReportModeOfTag(report.GraphTag);
    if (!mode) {
        messages.ShowMessage(NoReportTablesText(file));
        return std::nullopt;
    }
    const bool prediction = mode == DataMode::Prediction;
    const GraphKind kind =
        prediction ? GraphKind::PredictedDischarge : GraphKind::ObservedCalculatedInTime;
    if (ReadGraphData(report, values, kind, messages) == GraphReadOutcome::Failed)
        return std::nullopt;
    return prediction ? PredictionTable(report.Graph)
                      : AnalysisTable(report.Graph, mode == DataMode::HeadAnalysis
                                                        ? AnalysisKind::Head
                                                        : AnalysisKind::Discharge);
}

}  // namespace tervala
