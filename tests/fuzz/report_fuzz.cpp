// "Open output" of any file: the report is loaded line by line and probed for
// the graphs it offers, as "View graph" does.
#include "model/graph_report_probe.h"
#include "model/report_loading.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    TDMOmbrel dm;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::WriteFuzzFile("opened.out", text);
    Require(LoadReport(dm, path, messages), "a file that exists is loaded");
    Require(dm.OutputLineCount == static_cast<int>(dm.OutputLines.size()),
            "the line count is the number of lines");
    size_t characters = 0;
    for (const std::string& line : dm.OutputLines) characters += line.size();
    Require(characters <= text.size(), "the lines hold the file's characters");
    dm.LastFileName = path;
    Require(ProbeGraphReport(dm, messages), "a file that exists is probed");
    Require(dm.GraphTag.size() <= 4, "the graph tag has at most four characters");
    return 0;
}
