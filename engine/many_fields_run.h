// Many fields in one go: every input file run as a single run would run it
// (reports beside each input), several at a time, a failing file never
// stopping the others, and a summary with one row per file of what each run
// found.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/field_run.h"

namespace tervala {

// Told once per finished run, one at a time, in the order the runs finish:
// the result and how many runs are done of how many.
using FieldDone = std::function<void(const FieldRunResult& result, int done, int total)>;

// Runs `files`, `jobs` at a time (0: as many as there are cores). Unless
// `options` fixes the search threads, the cores are shared among the runs
// going on together; the results do not depend on it. The results are in the
// order of `files`; each run's messages are in its result, not shown. Given
// `diagnosis`, every good analysis is diagnosed too (on the run's threads).
std::vector<FieldRunResult> RunManyFields(
    const std::vector<std::string>& files, int jobs, const SearchOptions& options,
    const WriteRefusal& refusal, const FieldDone& done,
    const std::optional<DiagnosisOptions>& diagnosis = std::nullopt);

// The worst way a run ended: the highest exit code of all (0 for none).
int WorstExitCode(const std::vector<FieldRunResult>& results);

// One column of the summary: its header and the cell of a run. Later columns
// are added to the table in many_fields_run.cpp.
struct SummaryColumn {
    const char* Header;
    std::function<std::string(const FieldRunResult&)> Cell;
};
const std::vector<SummaryColumn>& SummaryColumns();

// The summary as CSV: the headers, then one row per run in the order given.
// The columns of the fit diagnostics stay empty for runs without them.
std::string SummaryText(const std::vector<FieldRunResult>& results);

}  // namespace tervala
