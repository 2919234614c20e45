// Program-wide values that live beside the data set: the alpha function of a
// prediction (alpha = MCoeff * discharge + NValue, alpha per time unit), the
// soil and drain quantities of the drainage calculator (m/day and m), and the
// trend and fit results of the last analysis that the graphs draw.
#pragma once

namespace tervala {

struct TrendResults {
    double TrendA = 0;  // coefficient of recharge squared
    double TrendB = 0;  // coefficient of recharge
    double TrendC = 0;  // constant
    bool TrendValid = false;
    double RSquare = 0;  // coefficient of explanation of the last fit
};

struct ProgramValues {
    double MCoeff = 0;  // M of the alpha function
    double NValue = 0;  // N of the alpha function
    double Ka = 0;      // m/day, hydraulic conductivity above drain level
    double Kb = 0;      // m/day, hydraulic conductivity below drain level
    double D = 0;       // m, depth of the soil layer below drain level
    double U = 0;       // m, wet perimeter of the drain or ditch
    double L = 0;       // m, drain spacing
    TrendResults Trend;
};

}  // namespace tervala
