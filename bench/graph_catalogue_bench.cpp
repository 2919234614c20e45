// Painting each graph kind of a 1500-row analysis (the most an analysis
// holds) or a 500-row prediction through a surface that only counts, so the
// painters' own work is timed without pixels.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/counting_surface.h"
#include "graphs/graph_catalogue.h"

namespace {

using namespace tervala;
using tervala::bench::CountingSurface;

void BM_PaintGraphKind(benchmark::State& state) {
    const GraphKind kind = static_cast<GraphKind>(state.range(0));
    const int rows = IsAnalysisGraph(kind) ? 1500 : 500;
    TDMOmbrel data;
    ProgramValues values;
    values.Trend = {-0.0025, 0.184, 0.155, true, 0.87};
    data.NrOfData = rows;
    GraphSeries& s = data.Graph;
    for (int k = 0; k < rows; ++k) {
        s.Time.push_back(k + 1);
        s.Rain.push_back(k % 17);
        s.Recharge.push_back((k % 13) / 2.0);
        s.Observed.push_back((k % 23) / 10.0);
        s.Calculated.push_back((k % 21) / 10.0);
        s.Discharge.push_back((k % 19) / 10.0);
        s.Head.push_back(100 + k % 37);
        s.LastHead.push_back(200 + k % 41);
    }
    CountingSurface surface;
    for (auto _ : state) {
        DrawnGraph drawn = DrawGraph(surface, GraphInput{data, values, kind, true});
        benchmark::DoNotOptimize(drawn);
    }
    state.counters["operations"] = static_cast<double>(surface.operations) / state.iterations();
}
BENCHMARK(BM_PaintGraphKind)
    ->ArgName("kind")
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->Arg(7)
    ->Arg(8)
    ->Arg(9)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
