#include "model/report_loading.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "model/message_texts.h"

namespace tervala {

namespace {

constexpr const char* kHeadReportLine = "Hydraulic Head simulation";

// Splits a whole file into lines; a last line without a line end counts, an
// empty file has no lines.
LineSet SplitLines(const std::string& text) {
    LineSet lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (last) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

bool LoadReport(TDMOmbrel& dm, const std::string& fileName, UserMessages& messages) {
    std::error_code ec;
    // A folder opens as a stream on some systems but holds no report.
    const bool plainFile = std::filesystem::is_regular_file(fileName, ec);
    std::ifstream in;
    if (plainFile) in.open(fileName, std::ios::binary);
    std::ostringstream content;
    if (in.is_open()) content << in.rdbuf();
    if (!plainFile || !in.is_open() || in.bad()) {
        messages.ShowMessage(ReportNotOpenedText(fileName));
        return false;
    }
    dm.OutputLines = SplitLines(content.str());
    dm.OutputLineCount = static_cast<int>(dm.OutputLines.size());
    if (dm.OutputLineCount >= 2 && dm.OutputLines[1] == kHeadReportLine) dm.ModeTag = kHeadTag;
    return true;
}

}  // namespace tervala
