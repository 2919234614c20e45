// The search sum over a plane of the grid, sampled for a picture: the
// discharge analysis' (A, C) plane, or the head analysis' (B, F) plane at one
// porosity. Every stepI-th slope and stepJ-th intercept of a window of the
// plane is summed, each in the middle of the block of grid points it
// stands for.
#pragma once

#include <functional>
#include <vector>

#include "engine/analysis_state.h"
#include "engine/search_grid.h"

namespace tervala {

// Slopes iFirst..iLast and intercepts jFirst..jLast, grid indices.
struct GridWindow {
    int iFirst = 1, iLast = 1, jFirst = 1, jLast = 1;
    friend bool operator==(const GridWindow&, const GridWindow&) = default;
};

struct LandscapeSamples {
    GridWindow Window;
    int StepI = 1, StepJ = 1;
    std::vector<int> I, J;     // grid indices sampled
    std::vector<double> Sums;  // I.size() rows of J.size() search sums
};

// p: the porosity index of the head plane; ignored for the discharge.
LandscapeSamples SampleLandscape(AnalysisKind kind, const SearchSeries& d, const GridWindow& window,
                                 int p, int stepI, int stepJ, int threads,
                                 const std::function<bool()>& stopRequested = {});

// The part of `full` worth a picture: around the samples whose sum is at
// most ten times the best, the best point (i, j) and the box [regionI0,
// regionI1] x [regionJ0, regionJ1], with a margin; the whole plane when that
// part spans most of it.
GridWindow WindowOfInterest(const LandscapeSamples& samples, const GridWindow& full, double best,
                            int bestI, int bestJ, int regionI0, int regionI1, int regionJ0,
                            int regionJ1);

}  // namespace tervala
