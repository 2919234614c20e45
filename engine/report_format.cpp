#include "engine/report_format.h"

#include <cmath>
#include <fstream>

#include "engine/engine_file_error.h"
#include "model/message_texts.h"
#include "model/number_text.h"

namespace tervala {

std::string ReportFixed(double value, int width, int decimals) {
    if (std::isfinite(value) && std::fabs(value) >= 1e36) return FormatExponent(value, width);
    return FormatFixed(value, width, decimals);
}

void AppendReportField(std::string& row, double value, int width, int decimals) {
    const std::string field = ReportFixed(value, width, decimals);
    if (!row.empty() && row.back() != ' ' && field.front() != ' ') row += ' ';
    row += field;
}

void WriteReportFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out) out.close();
    if (!out) throw EngineFileError(NotWrittenText(path));
}

}  // namespace tervala
