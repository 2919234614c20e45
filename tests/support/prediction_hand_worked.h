// The hand-worked prediction of three rows, shared by the tests of the report,
// the run and the batch command.
//
// First reservoir: MaxSto 50, IniSto 20, times 1, 2, 3, rain 40, 0, 10,
// escape rates 5. Row 1: deficit 30, recharge 10, storage 50. Row 2: escape
// 5 * 1 * 50/50 = 5, deficit 5, recharge 0, storage 45. Row 3: escape
// 5 * 1 * 45/50 = 4.5, deficit 9.5, recharge 0.5, storage 50.
//
// Second reservoir: M 0.5, N 0.1, start discharge 1, head 100, porosity 10 %.
// Row 2: alpha 0.5 * 1 + 0.1 = 0.6, E = exp(-0.6) = 0.5488116; discharge
// 0.5488116, head 100 E = 54.88116. Row 3: alpha 0.5 * 0.5488116 + 0.1 =
// 0.3744058, E = exp(-0.3744058) = 0.6877325; discharge
// 0.5488116 E + (1 - E) 0.5 = 0.5335677; head
// 54.88116 E + (1 - E) 0.5 / (0.8 * 0.1 * 0.3744058) = 37.74358 + 5.21137 = 42.95495.
#pragma once

#include <string>

namespace tervala::testing {

inline std::string HandWorkedThreeRowReport(const std::string& inputName) {
    return "RESULTS OF Ombrel PROGRAM\n"
           "\n"
           "Test title one\n"
           "Second title\n"
           "Name of input file used: " +
           inputName +
           "\n"
           "\n"
           "Maximum dead storage:    50.00 mm\n"
           "Initial dead storage:    20.00 mm\n"
           "Max. escape/time unit:    0.10 \n"
           "Effective porosity (%):  10.00\n"
           "linear function: alpha = M * Discharge + N\n"
           "M =   0.50000 N =   0.10000\n"
           "\n"
           "PREDICTION drainage:\n"
           "----------------------------------------------------------------\n"
           "Serial    Time   Rain/Irr  Recharge    Alpha    Discharge   Head\n"
           "           t       mm/t      mm/t       --        mm/t      mm \n"
           "----------------------------------------------------------------\n"
           "   1      1.00     40.00     10.00     0.000      1.00    100.00\n"
           "   2      2.00      0.00      0.00     0.600      0.55     54.88\n"
           "   3      3.00     10.00      0.50     0.374      0.53     42.95\n"
           "----------------------------------------------------------------\n";
}

}  // namespace tervala::testing
