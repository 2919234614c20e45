// Reading a full-size report back for a graph (1500 rows, the most an
// analysis holds) and scaling and mapping it for drawing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/counting_surface.h"
#include "graphs/show_graphics.h"
#include "model/graph_data_reader.h"
#include "model/number_text.h"

namespace {

using namespace tervala;
using tervala::bench::CountingSurface;

class SilentMessages : public UserMessages {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

constexpr int kRows = 1500;

std::string WriteLargeDischargeReport() {
    std::string path =
        (std::filesystem::temp_directory_path() / "tervala-bench-report.out").string();
    std::ofstream out(path, std::ios::binary);
    out << "THE RESULTS OF Tervala PROGRAM\n\nBench\nBench\nName of input file used: x.inp\n\n"
        << "Maximum dead storage:   50.00 mm\nInitial dead storage:   50.00 mm\n"
        << "Max. escape/time unit:   0.10 mm\n\nREGRESSION: alpha = A * Discharge + C\n"
        << "A = 0.0123  C = -0.0045\n\nRECONSTRUCTION:\n"
        << std::string(75, '-') << "\n"
        << "Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage\n"
        << " No.              irrig.     calc.     meas.     calc.    calc.\n"
        << std::string(75, '-') << "\n";
    for (int k = 1; k <= kRows; ++k) {
        std::string serial = std::to_string(k);
        out << " " << serial
            << (k < 10    ? "  "
                : k < 100 ? " "
                          : "")
            << FormatFixed(k, 10, 2) << FormatFixed(k % 17, 10, 2) << FormatFixed(k % 5, 10, 2)
            << FormatFixed((k % 23) / 10.0, 10, 2) << FormatFixed(0.012, 10, 3)
            << FormatFixed((k % 21) / 10.0, 10, 2) << FormatFixed(40, 10, 2) << "\n";
    }
    out << std::string(75, '-') << "\n"
        << "Stand. dev. of calc. from meas. runoff:   0.082\n"
        << "Coefficient of explanation R square is:    0.87\n\n";
    return path;
}

void BM_ReadGraphData1500Rows(benchmark::State& state) {
    std::string path = WriteLargeDischargeReport();
    TDMOmbrel data;
    ProgramValues values;
    SilentMessages messages;
    data.LastFileName = path;
    for (auto _ : state) {
        GraphReadOutcome outcome =
            ReadGraphData(data, values, GraphKind::ObservedCalculatedInTime, messages);
        benchmark::DoNotOptimize(outcome);
    }
    if (data.NrOfData != kRows) state.SkipWithError("rows not read");
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadGraphData1500Rows)->Unit(benchmark::kMillisecond);

void BM_ShowGraphicsFrame1500Rows(benchmark::State& state) {
    TDMOmbrel data;
    ProgramValues values;
    data.NrOfData = kRows;
    for (int k = 0; k < kRows; ++k) {
        data.Graph.Time.push_back(k + 1);
        data.Graph.Observed.push_back((k % 23) / 10.0);
        data.Graph.Calculated.push_back((k % 21) / 10.0);
    }
    CountingSurface surface;
    for (auto _ : state) {
        DrawnGraph drawn = ShowGraphics(
            surface, GraphInput{data, values, GraphKind::ObservedCalculatedInTime, true}, nullptr);
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(BM_ShowGraphicsFrame1500Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
