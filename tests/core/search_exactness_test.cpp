// The fast searches against the plain loops they stand in for: the same
// winning grid point, the same best sum bit for bit and the same progress
// lines, on many generated series: noisy and exact fits, capped deviations,
// exact ties and series where no grid point is taken at all.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "tests/support/generated_series.h"
#include "tests/support/recording_messages.h"

namespace tervala {
namespace {

using testing::MakeDischarge;
using testing::MakeHead;
using testing::RecordingProgress;
using testing::Shape;

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

void ExpectSameWinner(const SearchWinner& plain, const SearchWinner& fast) {
    EXPECT_EQ(plain.taken, fast.taken);
    EXPECT_EQ(plain.i, fast.i);
    EXPECT_EQ(plain.j, fast.j);
    EXPECT_EQ(plain.p, fast.p);
    EXPECT_EQ(Bits(plain.bestSsq), Bits(fast.bestSsq))
        << plain.bestSsq << " against " << fast.bestSsq;
}

struct DischargeCase {
    int n;
    Shape shape;
    uint64_t seed;
};

class DischargeFastSearch : public ::testing::TestWithParam<DischargeCase> {};

TEST_P(DischargeFastSearch, GivesThePlainLoopsWinnerOnTheFullGrid) {
    const DischargeCase c = GetParam();
    std::mt19937_64 pick(c.seed * 7919);
    const int ti = 1 + static_cast<int>(pick() % 1000);
    const int tj = 1 + static_cast<int>(pick() % 1500);
    const DischargeSearchData d = MakeDischarge(c.n, c.shape, c.seed, ti, tj);
    const DischargeGrid grid;
    RecordingProgress plainLines, fastLines, oneThreadLines;
    const SearchWinner plain = SearchDischargePlain(d, grid, plainLines);
    const SearchWinner fast = SearchDischargeFast(d, grid, fastLines, 0);
    const SearchWinner oneThread = SearchDischargeFast(d, grid, oneThreadLines, 1);
    ExpectSameWinner(plain, fast);
    ExpectSameWinner(plain, oneThread);
    EXPECT_EQ(plainLines.lines, fastLines.lines);
    EXPECT_EQ(plainLines.lines, oneThreadLines.lines);
    ASSERT_EQ(plainLines.lines.size(), 9u);
    if (c.shape == Shape::NoneTaken) {
        EXPECT_FALSE(plain.taken);
    }
    if (c.shape == Shape::AllTie) {
        EXPECT_EQ(plain.i, 1);
        EXPECT_EQ(plain.j, 1);
    }
}

std::vector<DischargeCase> DischargeCases() {
    std::vector<DischargeCase> cases;
    const Shape shapes[] = {Shape::Noisy,  Shape::ExactFit,  Shape::Rounded,
                            Shape::Capped, Shape::AllTie,    Shape::NoneTaken};
    uint64_t seed = 1;
    for (Shape shape : shapes) {
        for (int n : {2, 3, 8, 15}) cases.push_back({n, shape, seed++});
    }
    return cases;
}

std::string DischargeCaseName(const ::testing::TestParamInfo<DischargeCase>& info) {
    const char* names[] = {"Noisy", "ExactFit", "Capped", "AllTie", "NoneTaken", "Rounded"};
    return std::string(names[static_cast<int>(info.param.shape)]) + "Rows" +
           std::to_string(info.param.n) + "Seed" + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(Generated, DischargeFastSearch, ::testing::ValuesIn(DischargeCases()),
                         DischargeCaseName);

struct HeadCase {
    int n;
    Shape shape;
    uint64_t seed;
    bool fullGrid;
};

class HeadFastSearch : public ::testing::TestWithParam<HeadCase> {};

TEST_P(HeadFastSearch, GivesThePlainLoopsWinner) {
    const HeadCase c = GetParam();
    std::mt19937_64 pick(c.seed * 104729);
    const int ti = 1 + static_cast<int>(pick() % 500);
    const int tj = 1 + static_cast<int>(pick() % 1000);
    const int tp = 1 + static_cast<int>(pick() % 100);
    const HeadSearchData d = MakeHead(c.n, c.shape, c.seed, ti, tj, tp);
    HeadGrid grid;
    if (!c.fullGrid) {
        // A window of the grid around the point the series was made from
        // (the plain loop over the full grid runs for minutes per series).
        grid.iFirst = std::max(1, ti - 12);
        grid.iLast = std::min(500, ti + 12);
        grid.jFirst = std::max(1, tj - 40);
        grid.jLast = std::min(1000, tj + 40);
        grid.pFirst = std::max(1, tp - 15);
        grid.pLast = std::min(100, tp + 15);
    }
    RecordingProgress plainLines, fastLines, oneThreadLines;
    const SearchWinner plain = SearchHeadPlain(d, grid, plainLines);
    const SearchWinner fast = SearchHeadFast(d, grid, fastLines, 0);
    const SearchWinner oneThread = SearchHeadFast(d, grid, oneThreadLines, 1);
    ExpectSameWinner(plain, fast);
    ExpectSameWinner(plain, oneThread);
    EXPECT_EQ(plainLines.lines, fastLines.lines);
    EXPECT_EQ(plainLines.lines, oneThreadLines.lines);
    if (c.fullGrid) {
        EXPECT_EQ(plainLines.lines.size(), 9u);
    }
    if (c.shape == Shape::NoneTaken) {
        EXPECT_FALSE(plain.taken);
    }
    if (c.shape == Shape::AllTie) {
        EXPECT_EQ(plain.i, grid.iFirst);
        EXPECT_EQ(plain.j, grid.jFirst);
        EXPECT_EQ(plain.p, grid.pFirst);
    }
}

std::vector<HeadCase> HeadCases() {
    std::vector<HeadCase> cases;
    const Shape shapes[] = {Shape::Noisy,  Shape::ExactFit,  Shape::Rounded,
                            Shape::Capped, Shape::AllTie,    Shape::NoneTaken};
    uint64_t seed = 101;
    for (Shape shape : shapes) {
        for (int n : {3, 9, 20}) cases.push_back({n, shape, seed++, false});
    }
    // The whole grid on two tiny series.
    cases.push_back({2, Shape::Noisy, seed++, true});
    cases.push_back({3, Shape::Rounded, seed++, true});
    return cases;
}

std::string HeadCaseName(const ::testing::TestParamInfo<HeadCase>& info) {
    const char* names[] = {"Noisy", "ExactFit", "Capped", "AllTie", "NoneTaken", "Rounded"};
    return std::string(names[static_cast<int>(info.param.shape)]) + "Rows" +
           std::to_string(info.param.n) + (info.param.fullGrid ? "FullGrid" : "Window") +
           "Seed" + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(Generated, HeadFastSearch, ::testing::ValuesIn(HeadCases()),
                         HeadCaseName);

}  // namespace
}  // namespace tervala
