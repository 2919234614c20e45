// Scaling of one graph axis: from the range of the values drawn on it (report
// units: mm, mm per time unit, the user's time unit) to a factor (1, 10, 100
// or 1000, so that small discharges get readable tick numbers), whole-number
// bounds in scaled units, a number of tick intervals and the decimals of the
// tick numbers.
#pragma once

#include "model/data_set.h"

namespace tervala {

// Round to the nearest whole number, halves to the even neighbour (as the
// axis bounds and pixel positions have always been rounded).
double RoundHalfEven(double value);

// Range of the values of one or more series. The maximum starts at 0 and the
// minimum at 10 000 000, so an axis always reaches 0 from above and an
// all-negative range keeps the maximum 0.
struct DataRange {
    double Min = 10'000'000;
    double Max = 0;
    // Takes in the first `rows` values of the series (fewer when it is shorter).
    void Include(const DataArrayR& series, int rows);
};

struct AxisScale {
    double DataMin = 0;  // data minimum, multiplied by the factor
    double DataMax = 0;  // data maximum (vertical: with its 10 % margin), multiplied by the factor
    int Factor = 1;      // 1, 10, 100 or 1000
    int Decimals = 0;    // decimals of the tick numbers
    double Lower = 0;    // lower bound, a whole number in scaled units
    double Upper = 1;    // upper bound, a whole number in scaled units
    int Intervals = 4;   // tick intervals, 4 to 10
    int Length = 0;      // pixels: 500 horizontal, 320 vertical
};

// The vertical axis: a 10 % margin above the maximum, a factor only when no
// value is negative, bounds rounded outwards, equal bounds moved apart.
AxisScale ScaleVerticalAxis(DataRange range);
// The horizontal axis: no margin, a factor only when every value is above 0.
AxisScale ScaleHorizontalAxis(DataRange range);

}  // namespace tervala
