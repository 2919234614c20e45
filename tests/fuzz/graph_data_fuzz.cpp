// Every graph of any report: the input is the report, and after a line
// "#FIT" the fit file beside it. Each kind is read as "Make graph" reads it
// and drawn; a report that is read fills every column it holds, and every
// pixel drawn stays near the picture.
#include "model/graph_report_probe.h"
#include "model/report_loading.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t fit = input.find("\n#FIT\n");
    const std::string report = fuzz::WriteFuzzFile("drawn.out", input.substr(0, fit));
    fuzz::WriteFuzzFile("drawn.dat", fit == std::string::npos ? "" : input.substr(fit + 6));

    fuzz::QuietMessages messages;
    TDMOmbrel opened;
    opened.FileName = opened.LastFileName = report;
    if (!LoadReport(opened, report, messages) || !ProbeGraphReport(opened, messages)) return 0;
    for (GraphKind kind : fuzz::kAllGraphs) {
        TDMOmbrel dm = opened;
        ProgramValues values;
        fuzz::ReadAndDraw(dm, values, kind, messages);
    }
    return 0;
}
