// Number reading (typed numbers with "." or ",", file tokens with ".") and
// every number writer of the files, the reports and the window fields: a
// finite value is always read, and what a writer writes is read back as a
// value the writer writes the same way again.
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "engine/report_format.h"
#include "model/number_text.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

using Writer = std::function<std::string(double)>;

// Writes v, reads it back with `read`, and writes and reads that again.
void WrittenIsReadBack(const Writer& write, double v,
                       std::optional<double> (*read)(const std::string&)) {
    const std::string text = write(v);
    const std::optional<double> back = read(text);
    Require(back && std::isfinite(*back), "a written number is read back");
    const std::optional<double> again = read(write(*back));
    Require(again && *again == *back, "a number read back is written the same way");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> typed = TryStringToFloat(text);
    const std::optional<double> token = ParseFileNumber(text);
    Require(!typed || std::isfinite(*typed), "typed numbers are finite");
    Require(!token || (typed && *typed == *token), "a file token reads as typed text too");

    if (size < 10) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    if (!std::isfinite(v)) return 0;
    const int width = data[8] % 16;
    const int decimals = data[9] % 8;
    const std::vector<Writer> fileWriters = {
        [&](double x) { return FormatFixed(x, width, decimals); },
        [&](double x) { return FormatExponent(x, width); },
        [&](double x) { return FormatValue(x, width); },
        [](double x) { return FormatParameter(x); },
        [](double x) { return FormatCoefficient(x); },
        [&](double x) { return ReportFixed(x, width, decimals); },
    };
    for (const Writer& write : fileWriters) WrittenIsReadBack(write, v, ParseFileNumber);
    WrittenIsReadBack([](double x) { return FormatGeneral(x); }, v, TryStringToFloat);
    return 0;
}
