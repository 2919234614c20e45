// The fit file beside an analysis report, read for the trend lines of graph
// 8. A trend read is written by the fit-file writer and read back unchanged.
#include "engine/engine_file_error.h"
#include "engine/fit_file.h"
#include "engine/session.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

// Writes the trend into a fit file and reads it back.
TrendResults WrittenAndRead(const TrendResults& trend, bool head) {
    Session s;
    s.Values.Trend = trend;
    s.DMOmbrel.FileName = fuzz::FuzzPath("written.inp");
    WriteFitFile(s, head);
    fuzz::QuietMessages messages;
    TDMOmbrel report;
    report.LastFileName = fuzz::FuzzPath("written.out");
    TrendResults back;
    Require(ReadFitTrend(report, back, messages), "a written fit file is read");
    return back;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteFuzzFile("opened.dat", std::string(reinterpret_cast<const char*>(data), size));
    fuzz::QuietMessages messages;
    TDMOmbrel report;
    report.LastFileName = fuzz::FuzzPath("opened.out");
    TrendResults trend;
    if (!ReadFitTrend(report, trend, messages)) return 0;

    const bool head = size % 2 == 1;
    const TrendResults first = WrittenAndRead(trend, head);
    const TrendResults second = WrittenAndRead(first, head);
    Require(first.TrendValid == trend.TrendValid && second.TrendValid == first.TrendValid,
            "the trend's validity is kept");
    Require(second.TrendA == first.TrendA && second.TrendB == first.TrendB &&
                second.TrendC == first.TrendC,
            "the coefficients written are read back unchanged");
    return 0;
}
