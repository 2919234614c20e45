// "Open input" of any file. A file that is read gives a data set the writer
// saves, and that saved file reads back as the same data set.
#include <algorithm>

#include "model/input_file.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

// What the saved file holds of a data set (the serial numbers are counted
// anew, the file name is the saved file's).
bool SameSaved(const TDMOmbrel& a, const ProgramValues& va, const TDMOmbrel& b,
               const ProgramValues& vb) {
    const int n = a.NrOfData;
    auto same = [n](const DataArrayR& x, const DataArrayR& y) {
        return std::equal(x.begin(), x.begin() + n, y.begin());
    };
    bool ok = a.ModeTag == b.ModeTag && a.Title1 == b.Title1 && a.Title2 == b.Title2 &&
              n == b.NrOfData && a.MaxSto == b.MaxSto && a.IniSto == b.IniSto &&
              a.MaxEsc == b.MaxEsc && same(a.TimeData, b.TimeData) &&
              same(a.RainData, b.RainData) && same(a.EscData, b.EscData);
    if (a.DischargeMode) ok = ok && same(a.DischData, b.DischData);
    if (a.PredictionMode) {
        ok = ok && va.MCoeff == vb.MCoeff && va.NValue == vb.NValue &&
             a.Porosity == b.Porosity && a.RunIni == b.RunIni && a.HeadIni == b.HeadIni;
    }
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    TDMOmbrel dm;
    ProgramValues values;
    dm.FileName = fuzz::WriteFuzzFile("opened.inp", std::string(reinterpret_cast<const char*>(data), size));
    if (!ReadInputFile(dm, values, messages, false).ok) return 0;

    // Saved and opened twice: the first saving rounds the numbers to their
    // formats, after that nothing may change.
    dm.FileName = fuzz::FuzzPath("saved.inp");
    Require(WriteInputFile(dm, values, messages), "a data set read is saved");
    TDMOmbrel first = dm;
    ProgramValues firstValues = values;
    Require(ReadInputFile(first, firstValues, messages, false).ok, "a saved file opens");
    TDMOmbrel second = first;
    ProgramValues secondValues = firstValues;
    Require(WriteInputFile(second, secondValues, messages), "an opened file is saved again");
    Require(ReadInputFile(second, secondValues, messages, false).ok, "it opens again");
    Require(SameSaved(first, firstValues, second, secondValues),
            "what is saved opens as the same data set");
    return 0;
}
