#include "graphs/axis_scale.h"

#include <algorithm>
#include <cmath>

#include "graphs/plot_frame.h"

namespace tervala {

double RoundHalfEven(double value) {
    double lower = std::floor(value);
    double diff = value - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

void DataRange::Include(const DataArrayR& series, int rows) {
    int n = std::min<int>(rows, static_cast<int>(series.size()));
    for (int k = 0; k < n; ++k) {
        if (series[k] > Max) Max = series[k];
        if (series[k] < Min) Min = series[k];
    }
}

namespace {

enum class Direction { Horizontal, Vertical };

// Small maxima are shown multiplied: below 0.01 by 1000, between 0.01 and 0.1
// by 100, between 0.1 and 1 by 10. The limits themselves keep factor 1.
int FactorFor(double max) {
    if (max < 0.01) return 1000;
    if (max > 0.01 && max < 0.1) return 100;
    if (max > 0.1 && max < 1) return 10;
    return 1;
}

// Tick step of an axis reaching `max` (10 or more, scaled units) and the
// decimals of its numbers. From 100 on each decade [D, 10 D) is stepped by
// D/4 below 2.5 D, D/2 below 5 D and D above.
double StepFor(double max, Direction direction, int& decimals) {
    if (max < 25) {
        decimals = 1;
        return 4;
    }
    if (max < 50) {
        decimals = direction == Direction::Vertical ? 1 : 0;
        return 5;
    }
    decimals = 0;
    if (max < 100) return 10;
    double decade = 100;
    while (max >= 10 * decade && std::isfinite(10 * decade)) decade *= 10;
    if (max < 2.5 * decade) return decade / 4;
    if (max < 5 * decade) return decade / 2;
    return decade;
}

// Bounds on multiples of the step around [min, max]; the interval count in
// steps (a double: the caller limits it to 4..10).
void StepBounds(double min, double max, double step, AxisScale& axis, double& intervals) {
    axis.Lower = step * RoundHalfEven((min - step / 2) / step);
    axis.Upper = step * RoundHalfEven((max + step / 2) / step);
    intervals = std::trunc((axis.Upper - axis.Lower) / step);
}

// Small values scaled up by their factor, the axis keeping the factor for
// its caption.
void ScaleByFactor(AxisScale& axis, double& m, double& M) {
    axis.Factor = FactorFor(M);
    m = m * axis.Factor;
    M = M * axis.Factor;
}

// Bounds rounded to whole (scaled) numbers from `margin` beyond [min, max];
// the interval count is their distance.
double WholeBounds(double min, double max, double margin, AxisScale& axis) {
    axis.Lower = RoundHalfEven(min - margin);
    axis.Upper = RoundHalfEven(max + margin);
    return axis.Upper - axis.Lower;
}

}  // namespace

AxisScale ScaleVerticalAxis(DataRange range) {
    AxisScale axis;
    axis.Length = kVerticalAxisLength;
    double m = range.Min;
    double M = range.Max;
    if (m == 0 && M == 0) {
        M = 1;
    } else if (m == M) {
        m = 0;
        M = M + 1;
    }
    M = 1.1 * M;
    if (m >= 0) {
        ScaleByFactor(axis, m, M);
    }

    double n = 0;
    if (M < 1) {
        axis.Decimals = 2;
        n = WholeBounds(m, M, 0.05, axis);
        if (n > 10) n = std::trunc(n / 2);
    } else if (M < 10) {
        axis.Decimals = 1;
        n = WholeBounds(m, M, 0.5, axis);
        if (n > 10) n = std::trunc(n / 2);
    } else {
        double step = StepFor(M, Direction::Vertical, axis.Decimals);
        StepBounds(m, M, step, axis, n);
    }
    if (axis.Lower == axis.Upper) axis.Upper = axis.Lower + 1;

    if (n > 10) {
        n = 10;
        axis.Decimals += 1;
    } else if (!(n >= 4)) {
        n = 4;
        if (axis.Decimals == 0) axis.Decimals = 1;
    }
    axis.Intervals = static_cast<int>(n);
    axis.DataMin = m;
    axis.DataMax = M;
    return axis;
}

AxisScale ScaleHorizontalAxis(DataRange range) {
    AxisScale axis;
    axis.Length = kHorizontalAxisLength;
    double m = range.Min;
    double M = range.Max;
    if (m > 0) {
        ScaleByFactor(axis, m, M);
    }

    double n = 0;
    if (M < 10) {
        axis.Decimals = 1;
        n = WholeBounds(m, M, 0.5, axis);
    } else {
        double step = StepFor(M, Direction::Horizontal, axis.Decimals);
        StepBounds(m, M, step, axis, n);
    }
    // All values equal and rounded onto one bound (all 0, say): the same
    // guard as the vertical axis keeps the pixel mapping from dividing by 0.
    if (axis.Lower == axis.Upper) axis.Upper = axis.Lower + 1;

    if (n > 10) {
        n = 10;
        axis.Decimals += 1;
    } else if (!(n >= 4)) {
        n = 4;
        axis.Decimals += 1;
    }
    axis.Intervals = static_cast<int>(n);
    axis.DataMin = m;
    axis.DataMax = M;
    return axis;
}

}  // namespace tervala
