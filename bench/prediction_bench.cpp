// A prediction of 500 rows: the whole run (re-reading the input file, first
// reservoir, second reservoir, writing the report) and the second reservoir
// alone.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/prediction.h"
#include "engine/prediction_report.h"
#include "engine/prediction_series.h"
#include "engine/session.h"
#include "model/messages.h"

namespace {

constexpr int kRows = 500;

class NoMessages : public tervala::UserMessages {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

// A daily series with a wet spell every two weeks.
double RainOfDay(int day) { return day % 14 < 3 ? 12.0 + (day % 5) : (day % 3 == 0 ? 1.5 : 0.0); }

std::string InputText(const std::string& fileName) {
    const std::string e = "\r\n";
    std::string t =
        " Input data for Tervala program" + e + " Prediction of drainage" + e + e + "Benchmark" +
        e + "500 days" + e + e + " Filename: " + fileName + e + " Maximum dead storage:    50.00" +
        e + " Initial dead storage:    20.00" + e + " Max.escape/time unit:     3.00" + e +
        " Linear reservoir function : Alpha = A * Runoff + B" + e + " A coefficient : 2.0000E-002" +
        e + " Value of B is : 5.0000E-002" + e + " Effective porosity (%) :   10.00" + e +
        " Initial runoff rate :     1.00" + e + " Initial water level :   300.00" + e + e + " " +
        std::string(41, '-') + e + " Serial    T i m e   Rainfall  Escape rate" + e + " " +
        std::string(41, '-') + e;
    for (int k = 1; k <= kRows; ++k) {
        char row[96];
        std::snprintf(row, sizeof row, "%5d %12.2f %10.2f %10.2f", k, double(k), RainOfDay(k), 3.0);
        t += row + e;
    }
    return t;
}

void BM_PredictionRun500Rows(benchmark::State& state) {
    auto dir = std::filesystem::temp_directory_path() / "tervala-prediction-bench";
    std::filesystem::create_directories(dir);
    const std::string input = (dir / "bench.inp").string();
    std::ofstream(input, std::ios::binary) << InputText(input);

    tervala::Session s;
    s.DMOmbrel.NrOfData = kRows;
    s.DMOmbrel.EscData.assign(kRows, 3.0);
    NoMessages messages;
    for (auto _ : state) {
        s.DMOmbrel.FileName = input;
        tervala::RunPrediction(s, messages);
        if (s.Flags.PredNoData || s.Flags.PredTimeError) state.SkipWithError("refused");
        benchmark::DoNotOptimize(s.Prediction.HeadPred.data());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PredictionRun500Rows)->Unit(benchmark::kMicrosecond);

void BM_PredictSeries500Rows(benchmark::State& state) {
    tervala::Session s;
    s.Prediction.Resize(kRows);
    for (int k = 1; k <= kRows; ++k) {
        s.Prediction.Reservoir.Time[k] = k;
        s.Prediction.Reservoir.Rech[k] = RainOfDay(k) * 0.6;
    }
    s.Prediction.PorosityFrac = 0.1;
    s.Values.MCoeff = 0.02;
    s.Values.NValue = 0.05;
    s.DMOmbrel.RunIni = 1;
    s.DMOmbrel.HeadIni = 300;
    for (auto _ : state) {
        tervala::PredictSeries(s);
        benchmark::DoNotOptimize(s.Prediction.HeadPred.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PredictSeries500Rows)->Unit(benchmark::kMicrosecond);

// The report text alone (number texts of 500 rows), without the file.
void BM_PredictionReportLines500Rows(benchmark::State& state) {
    tervala::Session s;
    s.Prediction.Resize(kRows);
    for (int k = 1; k <= kRows; ++k) {
        s.Prediction.SerialNo[k] = k;
        s.Prediction.Reservoir.Time[k] = k;
        s.Prediction.Reservoir.Rain[k] = RainOfDay(k);
        s.Prediction.Reservoir.Rech[k] = RainOfDay(k) * 0.6;
        s.Prediction.Alpha[k] = 0.05 + k * 1e-4;
        s.Prediction.RunPred[k] = 1.0 + std::sin(k * 0.1);
        s.Prediction.HeadPred[k] = 300 + 50 * std::cos(k * 0.1);
    }
    s.Prediction.LinearAlpha = 1;
    for (auto _ : state) {
        auto lines = tervala::PredictionReportLines(s, "bench.inp");
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_PredictionReportLines500Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
