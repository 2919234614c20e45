// Input files of the analyses written out by hand, line by line, in the
// layout the program saves (CR LF line ends), so that tests can give the
// engine and the batch command files with any rows they like, also rows the
// program itself would never write.
#pragma once

#include <string>
#include <vector>

namespace tervala::testing {

// Header lines 1 to 14 of a discharge (head = false) or head analysis file.
// The three parameters are given as the texts after their labels.
inline std::string AnalysisHeader(bool head, const std::string& title1,
                                  const std::string& title2, const std::string& maxSto,
                                  const std::string& iniSto, const std::string& maxEsc) {
    const std::string br = "\r\n";
    std::string t;
    t += " Input data for Tervala program" + br;
    t += head ? " Hydraulic head analysis and reconstruction"
              : " Discharge analysis and reconstruction";
    t += br;
    t += br + title1 + br + title2 + br + br;
    t += " Filename: input.inp" + br;
    t += " Maximum dead storage: " + maxSto + br;
    t += " Initial dead storage: " + iniSto + br;
    t += " Max.escape/time unit: " + maxEsc + br;
    t += br;
    std::string ruler(head ? 53 : 51, '-');  // a blank, then the hyphens
    ruler[0] = ' ';
    t += ruler + br;
    t += head ? "  Serial    T i m e   R a i n    Esc. rate  hydr.head"
              : "  Serial    T i m e   R a i n    Esc. rate  Run-off";
    t += br;
    t += ruler + br;
    return t;
}

// The rows as given, each ended by CR LF.
inline std::string Rows(const std::vector<std::string>& rows) {
    std::string t;
    for (const std::string& r : rows) t += r + "\r\n";
    return t;
}

}  // namespace tervala::testing
