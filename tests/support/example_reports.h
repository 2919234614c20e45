// Small reports and fit files written by hand, character for character in the
// layouts the engine writes, for reading tests that must not depend on the
// writers. Lines are joined with the given line break.
#pragma once

#include <string>
#include <vector>

namespace tervala::testing {

inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& eol) {
    std::string text;
    for (const auto& line : lines) text += line + eol;
    return text;
}

inline const std::string kRuler75(75, '-');
inline const std::string kRuler64(64, '-');

// Discharge analysis of 3 rows: 25 lines, the last one empty.
inline std::vector<std::string> DischargeReportLines() {
    return {
        "THE RESULTS OF Tervala PROGRAM",
        "",
        "Polder Oost, winter 1998",
        "Pipe drains at 1.20 m, spacing 12 m",
        "Name of input file used: /data/polder.inp",
        "",
        "Maximum dead storage:   50.00 mm",
        "Initial dead storage:   50.00 mm",
        "Max. escape/time unit:   0.10 mm",
        "",
        "REGRESSION: alpha = A * Discharge + C",
        "A = 0.0123  C = -0.0045",
        "",
        "RECONSTRUCTION:",
        kRuler75,
        "Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage",
        " No.              irrig.     calc.     meas.     calc.    calc.",
        kRuler75,
        " 1        1.00     12.50      4.10      0.80     0.000      0.80     50.00",
        " 2        2.00      3.00      2.35      1.20     0.012      0.78     45.10",
        " 3        3.00      0.00      0.40      0.66     0.011      0.69     40.00",
        kRuler75,
        "Stand. dev. of calc. from meas. runoff:   0.082",
        "Coefficient of explanation R square is:    0.87",
        "",
    };
}

// Head analysis of 3 rows: 27 lines, the last one empty.
inline std::vector<std::string> HeadReportLines() {
    return {
        "THE RESULTS OF Tervala PROGRAM",
        "Hydraulic Head simulation",
        "Field 7, tube B",
        "Heads in mm above drain level",
        "Name of input file used: /data/tube.inp",
        "",
        "Maximum dead storage:   40.00 mm",
        "Initial dead storage:   20.00 mm",
        "Max. escape/time unit:   0.20 mm",
        "",
        "REGRESSION: Alpha = B * Head + F",
        "B =  0.0004  F =  0.0125",
        "Ht = Ht-1*exp(-Alpha*Dt) + Rech*{1-exp(-Alpha*Ts)}/0.8*Pd*Alpha",
        "where Ts = timestep and Pd = drainable porosity fraction = 0.100",
        "*",
        "RECONSTRUCTION",
        kRuler64,
        "Serial    Time    Rain +   Recharge    Head      Alpha    Head ",
        " No.              irrig.    calc.      meas.     calc.    calc.",
        kRuler64,
        " 1        0.50     10.00      0.00    350.00     0.000    350.00",
        " 2        1.00      0.00      2.50    362.40     0.021    355.10",
        " 3        1.50      4.20      1.25    370.00     0.019    368.90",
        kRuler64,
        "Stand. dev. of calc. from meas. runoff:   4.120",
        "Coefficient of explanation R square is:    0.64",
        "",
    };
}

// Prediction of 3 rows with the linear alpha function: 22 lines, the last one
// the closing ruler.
inline std::vector<std::string> PredictionReportLines() {
    return {
        "RESULTS OF Ombrel PROGRAM",
        "",
        "Polder West prediction",
        "Design storm of 3 days",
        "Name of input file used: /data/west.inp",
        "",
        "Maximum dead storage:    50.00 mm",
        "Initial dead storage:    25.00 mm",
        "Max. escape/time unit:    0.10 ",
        "Effective porosity (%):  35.00",
        "linear function: alpha = M * Discharge + N",
        "M =   0.01000 N =  -0.02000",
        "",
        "PREDICTION drainage:",
        kRuler64,
        "Serial    Time   Rain/Irr  Recharge    Alpha    Discharge   Head",
        "           t       mm/t      mm/t       --        mm/t      mm ",
        kRuler64,
        "   1      1.00     12.50      3.20     0.000      0.50    120.00",
        "   2      2.00      0.00      7.50     0.011      0.62    135.50",
        "   3      3.00      1.50      0.45     0.012      0.58    128.25",
        kRuler64,
    };
}

// Fit file of a discharge analysis; `flag` is what follows "Q= " on line 7.
inline std::vector<std::string> FitFileLines(const std::string& flag) {
    return {
        "Linear: Runoff = A * Recharge + C",
        "A=  0.1520 C=  0.2010",
        "",
        "Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C",
        "A= -0.00250 B=  0.18400 C=  0.15500",
        "",
        "Q= " + flag,
        "",
        "Quadratic Alpha = A*(runoff)sq + B*Runoff + C",
        "A=  0.00120 B= -0.00340 C=  0.01500",
    };
}

}  // namespace tervala::testing
