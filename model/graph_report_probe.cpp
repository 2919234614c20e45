#include "model/graph_report_probe.h"

#include <optional>
#include <string>

#include "model/graph_file_text.h"
#include "model/text_reader.h"

namespace tervala {

bool ProbeGraphReport(TDMOmbrel& data, UserMessages& messages) {
    std::optional<std::string> text = LoadGraphFileText(data.LastFileName);
    if (!text) {
        messages.ShowMessage(ReportNotOpenedMessage(data.LastFileName));
        return false;
    }
    TextReader report(std::move(*text));

    report.TakeChars(4);  // the program name of line 1
    report.SkipLine();
    report.SkipLine();
    std::string title1 = report.ReadLine();
    std::string title2 = report.ReadLine();

    // Line 15 opens the table: hyphens in a discharge-analysis report and a
    // lone "*" in a head-analysis report.
    std::string tag;
    for (int line = 5; line <= 15; ++line) {
        tag = report.TakeChars(4);
        report.SkipLine();
    }
    if (tag == "*") tag = "RECO";

    report.Restart();
    report.SkipLines(13);
    bool prediction = report.TakeChars(10) == "PREDICTION";

    data.Title1 = title1;
    data.Title2 = title2;
    data.GraphTag = tag;
    if (prediction) {
        data.GraphTag = "PRED";
        data.DischargeMode = false;
        data.HeadMode = false;
        data.PredictionMode = true;
    }
    return true;
}

}  // namespace tervala
