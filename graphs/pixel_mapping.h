// From values in report units to pixel positions of the picture. A value at
// the lower bound lies at x = 70 (on the vertical axis) or at y = 385, 5
// pixels above the horizontal axis; one at the upper bound at x = 570 or
// y = 65. Values outside the bounds are mapped outside the axes.
#pragma once

#include <vector>

#include "graphs/compute_axes.h"

namespace tervala {

// A computed position (a whole number) as a pixel: far-off values, infinite
// ones included, stay a million pixels off the picture, and a position that
// is no number lies at 0, so that every drawing call gets a sound pixel.
int ToPixel(double position);

// round((x * F - L) * 500 / (H - L)) + 70
int PixelX(const AxisScale& axis, double value);
// 385 - round((y * F - L) * 320 / (H - L))
int PixelY(const AxisScale& axis, double value);

// One pixel position per row of each series held (empty for series the
// report kind does not hold).
struct PixelSeries {
    std::vector<int> X;          // the time series (for kind 7: the observed values)
    std::vector<int> RechargeX;  // the recharge on the horizontal axis (kind 8)
    std::vector<int> Rain;       // the rest on the vertical axis
    std::vector<int> Recharge;
    std::vector<int> Observed;
    std::vector<int> Calculated;
    std::vector<int> Discharge;
    std::vector<int> Head;
    std::vector<int> LastHeadDm;  // last head in decimetres (its millimetres / 100)
};

std::vector<int> MapHorizontal(const AxisScale& axis, const DataArrayR& series, int rows);
std::vector<int> MapVertical(const AxisScale& axis, const DataArrayR& series, int rows);

// Maps the first `rows` entries of every series. The series keep their report
// units: nothing is changed in place.
PixelSeries MapToPixels(const PlotAxes& axes, const GraphSeries& series, int rows);

}  // namespace tervala
