// The alpha searches, plain loop against fast search, on generated series of
// 365 and 1500 rows (the model's own output from a grid point, rounded to
// the input file's two decimals, or noisy), on a flat head landscape, and on
// analysis input files named by TERVALA_BENCH_INPUTS (a folder of .inp files,
// such as real series written by "tervala-batch import"). The plain loops run
// for half a minute (discharge) and some 25 minutes (head) over the full
// grid, so they are timed on a slice of it and the counter "full_grid_s"
// scales the slice's time up to the whole grid.
//
// Counters of the fast search: "share" is the part of the grid's steps
// (points times rows) it took, in the vector lanes or with the plain loop's
// own step; "Msteps" those steps in millions. CPU time is the whole
// process's, so steps per CPU second per core are Msteps / CPU time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "engine/analysis_loading.h"
#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "model/messages.h"
#include "tests/support/generated_series.h"

namespace tervala {
namespace {

using testing::Shape;

// A = 0.03, C = 0.015 per day; B = 0.0002 per day per mm, F = 0.02 per day,
// P = 10 %. Rounded to two decimals as in an input file, or noisy (10 % of
// the discharge, 10 mm of head). The flat head: B = 0.03, F = 0.3, P = 2 %,
// alpha of 1 to 10 per day, 10 mm of noise.
DischargeSearchData Discharge(int rows, bool noisy = false) {
    return testing::MakeDischarge(rows, noisy ? Shape::Noisy : Shape::Rounded, 42, 300, 650);
}
HeadSearchData Head(int rows, int kind = 0) {
    if (kind == 2) return testing::MakeHead(rows, Shape::Noisy, 8, 300, 600, 2);
    return testing::MakeHead(rows, kind == 1 ? Shape::Noisy : Shape::Rounded, 43, 2, 40, 10);
}

template <typename Search, typename Grid>
void RunFast(benchmark::State& state, const SearchSeries& d, Search search, int threads,
             VectorLevel vectors) {
    SilentProgress progress;
    SearchWork work;
    for (auto _ : state) {
        const SearchWinner w = search(d, Grid{}, progress, threads, vectors);
        work = w.work;
        benchmark::DoNotOptimize(w);
    }
    const double steps = double(work.pointRows + work.blockRows + work.exactRows);
    state.counters["share"] = steps / (double(Grid{}.Points()) * (d.n - 1));
    state.counters["Msteps"] = steps / 1e6;
}

void BM_DischargeFast(benchmark::State& state) {
    RunFast<decltype(&SearchDischargeFast), DischargeGrid>(
        state, Discharge(static_cast<int>(state.range(0)), state.range(2)), &SearchDischargeFast,
        static_cast<int>(state.range(1)), VectorLevel::Best);
}
BENCHMARK(BM_DischargeFast)
    ->ArgsProduct({{365, 1500}, {0, 1}, {0, 1}})
    ->ArgNames({"rows", "threads", "noisy"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_DischargePlainSlice(benchmark::State& state) {
    const DischargeSearchData d = Discharge(static_cast<int>(state.range(0)));
    DischargeGrid slice;
    slice.iLast = 20;  // 20 of the 1000 slopes
    SilentProgress progress;
    for (auto _ : state) benchmark::DoNotOptimize(SearchDischargePlain(d, slice, progress));
    state.counters["full_grid_s"] = benchmark::Counter(
        double(slice.Points()) / double(DischargeGrid{}.Points()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DischargePlainSlice)
    ->Arg(365)
    ->Arg(1500)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// kind 0: rounded, 1: noisy, 2: flat.
void BM_HeadFast(benchmark::State& state) {
    RunFast<decltype(&SearchHeadFast), HeadGrid>(
        state, Head(static_cast<int>(state.range(0)), static_cast<int>(state.range(2))),
        &SearchHeadFast, static_cast<int>(state.range(1)), VectorLevel::Best);
}
BENCHMARK(BM_HeadFast)
    ->ArgsProduct({{365, 1500}, {0, 1}, {0, 1, 2}})
    ->ArgNames({"rows", "threads", "kind"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_HeadPlainSlice(benchmark::State& state) {
    const HeadSearchData d = Head(static_cast<int>(state.range(0)));
    HeadGrid slice;
    slice.iLast = 1;    // 1 of the 500 slopes
    slice.jLast = 100;  // 100 of the 1000 intercepts
    SilentProgress progress;
    for (auto _ : state) benchmark::DoNotOptimize(SearchHeadPlain(d, slice, progress));
    state.counters["full_grid_s"] = benchmark::Counter(
        double(slice.Points()) / double(HeadGrid{}.Points()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HeadPlainSlice)
    ->Arg(365)
    ->Arg(1500)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// std::exp one after another, as the plain loop takes it: the limit of any
// search that evaluates each step with it.
void BM_StdExp(benchmark::State& state) {
    double x = -0.1, sum = 0;
    for (auto _ : state) {
        for (int k = 0; k < 1000; ++k) sum += std::exp(x - k * 1e-4);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_StdExp);

// The discharge search on each analysis input file of TERVALA_BENCH_INPUTS:
// the fast search on 2 and 1 threads and with each vector level, and the
// plain loop on a slice of 20 slopes.
class NoMessages : public UserMessages {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

SearchSeries LoadInput(const std::string& file) {
    Session s;
    NoMessages messages;
    SilentProgress progress;
    s.DMOmbrel.FileName = file;
    LoadAnalysisData(s, AnalysisKind::Discharge, messages, progress);
    ReservoirSeries& r = s.Analysis.Reservoir;
    // As the discharge analysis starts its search.
    if (s.Analysis.RowCount >= 2 && r.Rech[1] > r.Rech[2]) r.Rech[2] = r.Rech[1];
    return MakeDischargeSearchData(s.Analysis);
}

const bool kInputsRegistered = [] {
    const char* folder = std::getenv("TERVALA_BENCH_INPUTS");
    if (!folder) return false;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".inp") continue;
        const std::string name = entry.path().stem().string();
        const SearchSeries d = LoadInput(entry.path().string());
        for (int threads : {0, 1}) {
            for (VectorLevel level :
                 {VectorLevel::Best, VectorLevel::Avx2, VectorLevel::Baseline}) {
                if (threads == 0 && level != VectorLevel::Best) continue;
                benchmark::RegisterBenchmark(
                    ("BM_InputFast/" + name + "/threads:" + std::to_string(threads) +
                     "/vectors:" + std::to_string(int(level)))
                        .c_str(),
                    [d, threads, level](benchmark::State& state) {
                        RunFast<decltype(&SearchDischargeFast), DischargeGrid>(
                            state, d, &SearchDischargeFast, threads, level);
                    })
                    ->Unit(benchmark::kMillisecond)
                    ->MeasureProcessCPUTime()
                    ->UseRealTime();
            }
        }
        benchmark::RegisterBenchmark(
            ("BM_InputPlainSlice/" + name).c_str(),
            [d](benchmark::State& state) {
                DischargeGrid slice;
                slice.iLast = 20;
                SilentProgress progress;
                for (auto _ : state) {
                    benchmark::DoNotOptimize(SearchDischargePlain(d, slice, progress));
                }
                state.counters["full_grid_s"] = benchmark::Counter(
                    double(slice.Points()) / double(DischargeGrid{}.Points()),
                    benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
            })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return true;
}();

}  // namespace
}  // namespace tervala
