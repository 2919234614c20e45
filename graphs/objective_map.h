// The picture of an analysis' objective: the search sum of squared
// deviations over the plane of two coefficients (A and C of the discharge
// analysis; B and F of the head analysis at one porosity) as a heat map on a
// logarithmic colour scale, with the best grid point and the outline of the
// confidence region. Coefficients are in their own units (A per mm, B per mm
// and time unit, C and F per time unit). The map may sample the grid more
// coarsely than the search; the outline and the best point come from every
// grid point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/drawing_surface.h"

namespace tervala {

inline constexpr int kObjectiveMapWidth = 640;
inline constexpr int kObjectiveMapHeight = 500;

// One coefficient along an axis: grid index g (from 0) stands for the value
// Origin + g * Step; labels every TickStep, with TickDecimals decimals.
struct MapAxis {
    std::string Title;  // name and unit, "C (per time unit)"
    double Origin = 0, Step = 1;
    int Count = 0;  // grid points along the axis
    double TickStep = 1;
    int TickDecimals = 2;
};

struct ObjectiveMap {
    std::string Title, Subtitle;
    MapAxis X, Y;  // X: columns, Y: rows (growing upwards)
    // Cell (r, c) of the map holds the search sum of grid point
    // (SampleY[r], SampleX[c]) and stands for rows r * StepY .. and columns
    // c * StepX .. (StepY by StepX grid points).
    int StepX = 1, StepY = 1;
    std::vector<int> SampleX, SampleY;
    std::vector<double> Sums;  // SampleY.size() rows of SampleX.size()
    // Y.Count rows of X.Count grid points: 1 inside the confidence region.
    std::vector<uint8_t> Region;
    int BestX = -1, BestY = -1;  // the best grid point; -1: none
    double BestSum = 0;
    std::vector<std::string> Notes;  // lines under the map
};

// The picture, kObjectiveMapWidth by kObjectiveMapHeight pixels.
void PaintObjectiveMap(DrawingSurface& surface, const ObjectiveMap& map);

// Colour of a position t from 0 (lowest sum) to 1 (highest) of the scale.
Rgb ScaleColour(double t);

}  // namespace tervala
