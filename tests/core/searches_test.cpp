// The fast searches against the plain loops they stand in for: the same winner,
// best sum bit for bit and progress lines, on series of every shape.
#include <gtest/gtest.h>
#include <sched.h>

#include <cstring>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "engine/search_parallel.h"
#include "tests/support/generated_series.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

using testing::RecordingProgress;
using testing::Shape;

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// The fast search on all cores with the widest vectors the processor has, and
// on one thread with each narrower instruction set forced, as on a processor
// without AVX-512 or AVX2.
const std::pair<int, VectorLevel> kFastRuns[] = {{0, VectorLevel::Best},
                                                 {1, VectorLevel::Best},
                                                 {1, VectorLevel::Avx2},
                                                 {1, VectorLevel::Baseline}};

template <typename Plain, typename Fast, typename Grid>
void ExpectFastIsPlain(Plain plainSearch, Fast fastSearch, const SearchSeries& d, const Grid& grid,
                       const std::string& name) {
    SCOPED_TRACE(name);
    RecordingProgress plainLines;
    const SearchWinner plain = plainSearch(d, grid, plainLines);
    for (auto [threads, vectors] : kFastRuns) {
        RecordingProgress lines;
        const SearchWinner fast = fastSearch(d, grid, lines, threads, vectors);
        EXPECT_EQ((std::tuple{fast.taken, fast.i, fast.j, fast.p, Bits(fast.bestSsq), lines.lines}),
                  (std::tuple{plain.taken, plain.i, plain.j, plain.p, Bits(plain.bestSsq),
                              plainLines.lines}))
            << threads << " threads, vectors " << int(vectors);
    }
    EXPECT_EQ(plain.taken, name.find("NoneTaken") == std::string::npos);
}

std::string Name(int shape, int n) {
    const char* names[] = {"Noisy", "ExactFit", "Capped", "AllTie", "NoneTaken", "Rounded"};
    return names[shape] + std::to_string(n);
}

// A window of the head grid around (ti, tj, tp): the plain loop over the
// whole grid takes minutes.
HeadGrid Around(int ti, int tj, int tp) {
    HeadGrid g;
    g.iFirst = std::max(1, ti - 12), g.iLast = std::min(500, ti + 12);
    g.jFirst = std::max(1, tj - 40), g.jLast = std::min(1000, tj + 40);
    g.pFirst = std::max(1, tp - 15), g.pLast = std::min(100, tp + 15);
    return g;
}

TEST(FastSearch, BothGiveThePlainLoopsWinner) {
    uint64_t seed = 1;
    for (int shape = 0; shape < 6; ++shape) {
        for (int n : {2, 5, 15}) {  // the discharge on the whole grid
            const int ti = 1 + static_cast<int>(seed * 7919 % 1000),
                      tj = 1 + static_cast<int>(seed * 104729 % 1500);
            const auto d = testing::MakeDischarge(n, Shape(shape), seed++, ti, tj);
            ExpectFastIsPlain(SearchDischargePlain, SearchDischargeFast, d, DischargeGrid{},
                              Name(shape, n));
        }
        for (int n : {3, 12}) {
            const int ti = 1 + static_cast<int>(seed * 7919 % 500),
                      tj = 1 + static_cast<int>(seed * 104729 % 1000),
                      tp = 1 + static_cast<int>(seed * 31 % 100);
            const auto d = testing::MakeHead(n, Shape(shape), seed++, ti, tj, tp);
            ExpectFastIsPlain(SearchHeadPlain, SearchHeadFast, d, Around(ti, tj, tp),
                              Name(shape, n));
        }
    }
}

// Flat landscapes, where most grid points come close to the best sum: a
// head with alpha of 1 to 10 per time unit, where porosity and alpha trade
// against each other, and a noisy discharge of 60 rows.
TEST(FastSearch, FlatLandscapesGiveThePlainLoopsWinner) {
    for (auto [ti, tj, tp] : {std::tuple{300, 600, 2}, {450, 200, 1}}) {
        const auto d = testing::MakeHead(40, Shape::Noisy, ti, ti, tj, tp);
        ExpectFastIsPlain(SearchHeadPlain, SearchHeadFast, d, Around(ti, tj, tp), "flat head");
    }
    DischargeGrid g;
    g.iFirst = 900;  // the best lies on the grid's edge
    const auto d = testing::MakeDischarge(60, Shape::Noisy, 5, 1000, 480);
    ExpectFastIsPlain(SearchDischargePlain, SearchDischargeFast, d, g, "flat discharge");
    // Pins the strength of the block bounds (exactness alone cannot see it):
    // with first-order forms the search takes 1 % of the grid's steps here,
    // with intervals alone it took 3.8 %. One thread: the count is the same
    // every time.
    RecordingProgress p;
    const SearchWork w = SearchDischargeFast(d, g, p, 1).work;
    EXPECT_LT(double(w.pointRows + w.blockRows + w.exactRows) / (double(g.Points()) * (d.n - 1)),
              0.02);
}

// Regression: a deviation equal to the cap must count as capped, in the
// plain loop, the fast search and its block bounds alike.
TEST(FastSearch, ADeviationExactlyAtTheCapCountsAsCapped) {
    // No time passes, so every grid point keeps the first value; the second
    // row lies exactly one cap above it, the third exactly on it.
    SearchSeries d;
    d.n = 3;
    d.first = 0.5;
    d.delta = {0, 0, 0, 0};
    d.rech = {0, 7, 7, 7};
    d.meas = {0, 0.5, 0.5 + kDischargeDeviationCap, 0.5};
    ExpectFastIsPlain(SearchDischargePlain, SearchDischargeFast, d, DischargeGrid{}, "discharge");
    RecordingProgress p;
    const SearchWinner w = SearchDischargeFast(d, DischargeGrid{}, p, 0);
    EXPECT_EQ((std::tuple{w.bestSsq, w.i, w.j}), (std::tuple{kDischargeCappedTerm, 1, 1}));

    d.first = 100;
    d.meas = {0, 100, 100 + kHeadDeviationCap, 100};
    HeadGrid g;
    g.iLast = 20, g.jLast = 30, g.pLast = 10;
    ExpectFastIsPlain(SearchHeadPlain, SearchHeadFast, d, g, "head");
    EXPECT_EQ(SearchHeadFast(d, g, p, 1).bestSsq, kHeadCappedTerm);
}

// The search runs one worker per processor the program may use (its
// affinity, as taskset or a container sets it). Pins the search that started
// one worker per installed processor even where the program may use only one.
TEST(SearchThreads, FollowTheProcessorsTheProgramMayUse) {
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    std::vector<int> usable;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &all)) usable.push_back(cpu);
    for (size_t count = 1; count <= usable.size(); ++count) {  // the first 1, 2, ... of them
        cpu_set_t some;
        CPU_ZERO(&some);
        for (size_t k = 0; k < count; ++k) CPU_SET(usable[k], &some);
        ASSERT_EQ(sched_setaffinity(0, sizeof some, &some), 0);
        EXPECT_EQ((std::tuple{UsableProcessors(), SearchThreadCount(0), SearchThreadCount(3)}),
                  (std::tuple{int(count), std::min(int(count), kMaxSearchThreads),
                              3}));  // 3 asked for stand
    }
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
}

}  // namespace
}  // namespace tervala
