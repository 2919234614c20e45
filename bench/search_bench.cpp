// The alpha searches, plain loop against fast search, on generated series of
// 365 and 1500 rows (the model's own output from a grid point, rounded to
// the input file's two decimals). The plain loops run for half a minute
// (discharge) and some 25 minutes (head) over the full grid, so they are
// timed on a slice of it and the counter "full_grid_s" scales the slice's
// time up to the whole grid.
#include <benchmark/benchmark.h>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "model/messages.h"
#include "tests/support/generated_series.h"

namespace tervala {
namespace {

using testing::Shape;

// A = 0.03, C = 0.015 per day; B = 0.0002 per day per mm, F = 0.02 per day,
// P = 10 %. Rounded to two decimals as in an input file, or noisy (10 % of
// the discharge, 10 mm of head).
DischargeSearchData Discharge(int rows, bool noisy = false) {
    return testing::MakeDischarge(rows, noisy ? Shape::Noisy : Shape::Rounded, 42, 300, 650);
}
HeadSearchData Head(int rows, bool noisy = false) {
    return testing::MakeHead(rows, noisy ? Shape::Noisy : Shape::Rounded, 43, 2, 40, 10);
}

void BM_DischargeFast(benchmark::State& state) {
    const DischargeSearchData d = Discharge(static_cast<int>(state.range(0)), state.range(2));
    const int threads = static_cast<int>(state.range(1));
    SilentProgress progress;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchDischargeFast(d, DischargeGrid{}, progress, threads));
    }
}
BENCHMARK(BM_DischargeFast)
    ->ArgsProduct({{365, 1500}, {0, 1}, {0, 1}})
    ->ArgNames({"rows", "threads", "noisy"})
    ->Unit(benchmark::kMillisecond)
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

void BM_HeadFast(benchmark::State& state) {
    const HeadSearchData d = Head(static_cast<int>(state.range(0)), state.range(2));
    const int threads = static_cast<int>(state.range(1));
    SilentProgress progress;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchHeadFast(d, HeadGrid{}, progress, threads));
    }
}
BENCHMARK(BM_HeadFast)
    ->ArgsProduct({{365, 1500}, {0, 1}, {0, 1}})
    ->ArgNames({"rows", "threads", "noisy"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_HeadPlainSlice(benchmark::State& state) {
    const HeadSearchData d = Head(static_cast<int>(state.range(0)));
    HeadGrid slice;
    slice.iLast = 1;    // 1 of the 500 slopes
    slice.jLast = 100;  // 100 of the 1000 intercepts
    SilentProgress progress;
    for (auto _ : state) benchmark::DoNotOptimize(SearchHeadPlain(d, slice, progress));
    state.counters["full_grid_s"] =
        benchmark::Counter(double(slice.Points()) / double(HeadGrid{}.Points()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HeadPlainSlice)
    ->Arg(365)
    ->Arg(1500)
    ->ArgName("rows")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tervala
