#include "graphs/pixel_mapping.h"

#include <algorithm>
#include <cmath>

#include "graphs/plot_frame.h"

namespace tervala {

// Far-off values still give a whole pixel number the drawing surface can
// take; a line towards them leaves the picture as it should.
int ToPixel(double position) {
    constexpr double kFarOff = 1'000'000;
    if (std::isnan(position)) return 0;
    return static_cast<int>(std::clamp(position, -kFarOff, kFarOff));
}

int PixelX(const AxisScale& axis, double value) {
    double scaled =
        RoundHalfEven((value * axis.Factor - axis.Lower) * axis.Length / (axis.Upper - axis.Lower));
    return ToPixel(scaled + kAxisLeft);
}

int PixelY(const AxisScale& axis, double value) {
    double scaled =
        RoundHalfEven((value * axis.Factor - axis.Lower) * axis.Length / (axis.Upper - axis.Lower));
    return ToPixel((kAxisBottom - 5) - scaled);
}

std::vector<int> MapHorizontal(const AxisScale& axis, const DataArrayR& series, int rows) {
    std::vector<int> pixels;
    int n = std::min<int>(rows, static_cast<int>(series.size()));
    for (int k = 0; k < n; ++k) pixels.push_back(PixelX(axis, series[k]));
    return pixels;
}

std::vector<int> MapVertical(const AxisScale& axis, const DataArrayR& series, int rows) {
    std::vector<int> pixels;
    int n = std::min<int>(rows, static_cast<int>(series.size()));
    for (int k = 0; k < n; ++k) pixels.push_back(PixelY(axis, series[k]));
    return pixels;
}

PixelSeries MapToPixels(const PlotAxes& axes, const GraphSeries& s, int rows) {
    PixelSeries p;
    p.X = MapHorizontal(axes.X, s.Time, rows);
    p.RechargeX = MapHorizontal(axes.X, s.Recharge, rows);
    p.Rain = MapVertical(axes.Y, s.Rain, rows);
    p.Recharge = MapVertical(axes.Y, s.Recharge, rows);
    p.Observed = MapVertical(axes.Y, s.Observed, rows);
    p.Calculated = MapVertical(axes.Y, s.Calculated, rows);
    p.Discharge = MapVertical(axes.Y, s.Discharge, rows);
    p.Head = MapVertical(axes.Y, s.Head, rows);
    DataArrayR lastHeadDm;
    for (double mm : s.LastHead) lastHeadDm.push_back(mm / 100);
    p.LastHeadDm = MapVertical(axes.Y, lastHeadDm, rows);
    return p;
}

}  // namespace tervala
