// Number texts, line breaks and writing of the report (".out") and fit
// (".dat") files that the analyses and the prediction write.
#pragma once

#include <string>

namespace tervala {

// Reports and fit files end their lines with the platform's text line break.
inline constexpr const char* kReportLineBreak = "\n";

// F(w,d) of the reports: fixed point with d decimals, right-aligned in w
// characters and widened when longer; a magnitude of 1E36 or more is written
// in the exponent form of the input file, width w, instead.
std::string ReportFixed(double value, int width, int decimals);

// Appends ReportFixed of `value` to a table row. A value that fills its whole
// field (a time of a million seconds, a discharge of -100 000) would run into
// the column before it, and the row could no longer be read back; it gets
// one blank of its own. Rows whose values fit are written as always.
void AppendReportField(std::string& row, double value, int width, int decimals);

// Replaces the file at `path` with `text`. Raises EngineFileError when the
// file cannot be created or written.
void WriteReportFile(const std::string& path, const std::string& text);

}  // namespace tervala
