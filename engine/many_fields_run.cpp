#include "engine/many_fields_run.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "engine/search_parallel.h"
#include "model/csv_table.h"
#include "model/number_text.h"

namespace tervala {

namespace {

std::string JobText(const std::optional<DataMode>& job) {
    if (!job) return {};
    switch (*job) {
        case DataMode::DischargeAnalysis:
            return "discharge analysis";
        case DataMode::HeadAnalysis:
            return "head analysis";
        case DataMode::Prediction:
            return "prediction";
    }
    return {};
}

// Fifteen significant digits, as the window shows numbers: the grid points
// of a search carry the rounding of their steps (0.025500000000000002).
std::string Number(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? FormatGeneral(*value) : std::string();
}

// A value of the fit diagnostics, when the run has them.
template <typename Value>
SummaryColumn Diagnosed(const char* header, Value value) {
    return {header, [value](const FieldRunResult& r) {
                return r.Diagnosis ? Number(value(*r.Diagnosis)) : std::string();
            }};
}

// The lowest (end 0) or highest (end 1) grid value of a coefficient inside
// the confidence region.
SummaryColumn RegionEnd(const char* header, const char* coefficient, int end) {
    return {header, [coefficient, end](const FieldRunResult& r) {
                if (!r.Diagnosis) return std::string();
                for (const CoefficientRange& c : r.Diagnosis->Ranges)
                    if (c.Name == coefficient) return Number(end == 0 ? c.Lowest : c.Highest);
                return std::string();
            }};
}

// "A largest; C smallest": the coefficients on the edge of the grid.
std::string EdgeCell(const FieldRunResult& r) {
    if (!r.Diagnosis) return {};
    std::string cell;
    for (const GridEdge& e : r.Diagnosis->Edges)
        cell += (cell.empty() ? "" : "; ") + e.Name + (e.Largest ? " largest" : " smallest");
    return cell;
}

}  // namespace

std::vector<FieldRunResult> RunManyFields(const std::vector<std::string>& files, int jobs,
                                          const SearchOptions& options, const WriteRefusal& refusal,
                                          const FieldDone& done,
                                          const std::optional<DiagnosisOptions>& diagnosis) {
    const int total = static_cast<int>(files.size());
    const int cores = SearchThreadCount(0);
    const int workers = std::clamp(jobs > 0 ? jobs : cores, 1, std::max(total, 1));
    SearchOptions each = options;
    if (each.threads == 0) each.threads = std::max(1, cores / workers);
    std::optional<DiagnosisOptions> diagnoseEach = diagnosis;
    if (diagnoseEach) diagnoseEach->Threads = each.threads;

    std::vector<FieldRunResult> results(files.size());
    std::atomic<size_t> next{0};
    std::mutex told;
    int finished = 0;
    auto work = [&] {
        for (size_t i = next++; i < files.size(); i = next++) {
            SilentMessages quiet;  // the run's messages are kept in its result
            results[i] = RunFieldFile(files[i], each, quiet, refusal, diagnoseEach);
            const std::lock_guard<std::mutex> lock(told);
            ++finished;
            if (done) done(results[i], finished, total);
        }
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    return results;
}

int WorstExitCode(const std::vector<FieldRunResult>& results) {
    int worst = 0;
    for (const FieldRunResult& r : results) worst = std::max(worst, static_cast<int>(r.Status));
    return worst;
}

const std::vector<SummaryColumn>& SummaryColumns() {
    static const std::vector<SummaryColumn> columns = {
        {"file", [](const FieldRunResult& r) { return r.File; }},
        {"job", [](const FieldRunResult& r) { return JobText(r.Job); }},
        {"rows", [](const FieldRunResult& r) { return r.Rows ? std::to_string(*r.Rows) : ""; }},
        {"exit code",
         [](const FieldRunResult& r) { return std::to_string(static_cast<int>(r.Status)); }},
        {"first message",
         [](const FieldRunResult& r) { return r.Messages.empty() ? "" : r.Messages.front(); }},
        {"A", [](const FieldRunResult& r) { return Number(r.A); }},
        {"C", [](const FieldRunResult& r) { return Number(r.C); }},
        {"B", [](const FieldRunResult& r) { return Number(r.B); }},
        {"F", [](const FieldRunResult& r) { return Number(r.F); }},
        {"porosity factor", [](const FieldRunResult& r) { return Number(r.PorosityFactor); }},
        {"R square", [](const FieldRunResult& r) { return Number(r.RSquare); }},
        {"peak discharge", [](const FieldRunResult& r) { return Number(r.PeakDischarge); }},
        {"peak head", [](const FieldRunResult& r) { return Number(r.PeakHead); }},
        Diagnosed("NSE", [](const FitDiagnosis& d) { return d.Measures.NSE; }),
        Diagnosed("KGE", [](const FitDiagnosis& d) { return d.Measures.KGE; }),
        Diagnosed("KGE r", [](const FitDiagnosis& d) { return d.Measures.KgeR; }),
        Diagnosed("KGE beta", [](const FitDiagnosis& d) { return d.Measures.KgeBeta; }),
        Diagnosed("KGE gamma", [](const FitDiagnosis& d) { return d.Measures.KgeGamma; }),
        Diagnosed("RMSE", [](const FitDiagnosis& d) { return d.Measures.RMSE; }),
        Diagnosed("PBIAS", [](const FitDiagnosis& d) { return d.Measures.PBIAS; }),
        {"grid edge", EdgeCell},
        Diagnosed("region points",
                  [](const FitDiagnosis& d) {
                      return d.Limit ? std::optional<double>(double(d.RegionPoints)) : std::nullopt;
                  }),
        RegionEnd("A lowest", "A", 0),
        RegionEnd("A highest", "A", 1),
        RegionEnd("C lowest", "C", 0),
        RegionEnd("C highest", "C", 1),
        RegionEnd("B lowest", "B", 0),
        RegionEnd("B highest", "B", 1),
        RegionEnd("F lowest", "F", 0),
        RegionEnd("F highest", "F", 1),
        RegionEnd("porosity factor lowest", "porosity factor", 0),
        RegionEnd("porosity factor highest", "porosity factor", 1),
    };
    return columns;
}

std::string SummaryText(const std::vector<FieldRunResult>& results) {
    CsvRecord cells;
    for (const SummaryColumn& c : SummaryColumns()) cells.push_back(c.Header);
    std::string text = CsvLine(cells, ',') + "\r\n";
    for (const FieldRunResult& r : results) {
        cells.clear();
        for (const SummaryColumn& c : SummaryColumns()) cells.push_back(c.Cell(r));
        text += CsvLine(cells, ',') + "\r\n";
    }
    return text;
}

}  // namespace tervala
