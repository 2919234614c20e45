// What the program tells people about series files: importing a CSV file,
// exporting the series of a report, and running many fields at once. The
// window and the batch command say the same things; where the remedy differs
// (an option of the batch command, a choice in the window), the text names
// the one the person has.
#pragma once

#include <string>
#include <vector>

#include "engine/series_import.h"
#include "model/message_texts.h"

namespace tervala {

enum class Asker { Window, Batch };

// Why a series was not imported, and what to change.
std::string ImportProblemText(const ImportProblem& problem, const std::string& file, Asker asker);

// The window's question when a file holds more rows than the job takes.
std::string KeepFirstRowsQuestion(const ImportProblem& problem, const std::string& file);

// "3 rows of "f.csv" were left out for a missing or non-numeric value: lines
// 5, 9, 12." or nothing when every row was used.
std::string LeftOutText(const ImportedSeries& series, const std::string& file);

// Default titles of an imported data set: the file, then the columns and lines used.
std::string ImportedTitle1(const std::string& file);
std::string ImportedTitle2(const ImportedSeries& series);

// The name a role goes by in messages and in the column dialog.
std::string RoleName(SeriesRole role);

// A field whose run is done, among `total`: "[3/10, 7 left] a.inp: report written".
std::string FieldDoneLine(int done, int total, const std::string& file, int exitCode,
                          const std::string& firstMessage);

}  // namespace tervala
