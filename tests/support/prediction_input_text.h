// Prediction input files written out by hand for tests, line by line as the
// program lays them out, so that the engine's re-reading is checked against
// an independent text rather than against the program's own writer.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tervala::testing {

// Every header value is given as the text that stands in the file.
struct PredictionInputHeader {
    std::string title1 = "Test title one";
    std::string title2 = "Second title";
    std::string fileName = "/somewhere/test.inp";
    std::string maxSto = "   50.00";
    std::string iniSto = "   20.00";
    std::string maxEsc = " 1.0E-0001";
    std::string alphaLine = " Linear reservoir function : Alpha = A * Runoff + B";
    std::string mCoeff = "5.0000E-001";
    std::string nValue = "1.0000E-001";
    std::string porosity = "   10.00";
    std::string runIni = "    1.00";
    std::string headIni = "  100.00";
    bool emptyLineBeforeTable = true;
    std::string eol = "\r\n";
};

// A data row: serial (5), time (12), rain (10), escape rate (10), each field
// after the first preceded by one blank. Values of 1 and more only: smaller
// ones the program writes in exponent form.
inline std::string PredictionRow(int serial, double time, double rain, double esc) {
    char text[96];
    std::snprintf(text, sizeof text, "%5d %12.2f %10.2f %10.2f", serial, time, rain, esc);
    return text;
}

inline std::string PredictionInputText(const PredictionInputHeader& h,
                                       const std::vector<std::string>& rows) {
    const std::string& e = h.eol;
    std::string t;
    t += " Input data for Tervala program" + e;
    t += " Prediction of drainage" + e;
    t += e;
    t += h.title1 + e;
    t += h.title2 + e;
    t += e;
    t += " Filename: " + h.fileName + e;
    t += " Maximum dead storage: " + h.maxSto + e;
    t += " Initial dead storage: " + h.iniSto + e;
    t += " Max.escape/time unit: " + h.maxEsc + e;
    t += h.alphaLine + e;
    t += " A coefficient : " + h.mCoeff + e;
    t += " Value of B is : " + h.nValue + e;
    t += " Effective porosity (%) :" + h.porosity + e;
    t += " Initial runoff rate : " + h.runIni + e;
    t += " Initial water level : " + h.headIni + e;
    if (h.emptyLineBeforeTable) t += e;
    t += " " + std::string(41, '-') + e;
    t += " Serial    T i m e   Rainfall  Escape rate" + e;
    t += " " + std::string(41, '-') + e;
    for (const std::string& row : rows) t += row + e;
    return t;
}

}  // namespace tervala::testing
