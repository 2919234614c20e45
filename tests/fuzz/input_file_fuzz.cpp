// "Open input" of any file. A data set that was read is saved, and the saved
// file opens as what was saved: saved once more it is the same file, word for
// word, with the same numbers ("-0.00" and "0.00" are both zero).
#include <sstream>

#include "model/input_file.h"
#include "model/number_text.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

bool SameWordsAndNumbers(const std::string& a, const std::string& b) {
    std::istringstream wordsA(a), wordsB(b);
    std::string x, y;
    while (wordsA >> x) {
        if (!(wordsB >> y)) return false;
        if (x == y) continue;
        const std::optional<double> u = ParseFileNumber(x), v = ParseFileNumber(y);
        if (!u || !v || *u != *v) return false;
    }
    return !(wordsB >> y);
}

// Saves the data set into `path` and opens it again; the file's text.
std::string SavedAndOpened(TDMOmbrel& dm, ProgramValues& values, const std::string& path) {
    fuzz::QuietMessages messages;
    dm.FileName = path;
    if (!WriteInputFile(dm, values, messages)) return {};
    Require(ReadInputFile(dm, values, messages, false).ok, "a saved file opens");
    return fuzz::ReadWholeFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    TDMOmbrel dm;
    ProgramValues values;
    dm.FileName = fuzz::WriteFuzzFile("opened.inp",
                                      std::string(reinterpret_cast<const char*>(data), size));
    if (!ReadInputFile(dm, values, messages, false).ok) return 0;

    // A value too wide to be read back is refused; whatever is saved opens
    // as it was saved.
    const std::string path = fuzz::FuzzPath("saved.inp");
    const std::string first = SavedAndOpened(dm, values, path);
    if (first.empty()) return 0;
    const std::string second = SavedAndOpened(dm, values, path);
    Require(!second.empty(), "an opened file is saved again");
    Require(SameWordsAndNumbers(first, second), "what is saved opens as it was saved");
    return 0;
}
