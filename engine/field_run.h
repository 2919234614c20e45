// One field's input file run as it stands, as `tervala-batch run` runs it:
// the file read as "Open input" reads it, the engine of the mode its second
// line names (discharge analysis, head analysis or prediction), the report
// (".out") and, for an analysis, the fit file (".dat") written beside it. The
// input file is never written. What the run found is kept for a summary:
// the calibrated alpha function of an analysis (per time unit) and its R
// square, the peaks of a prediction (discharge in mm per time unit, head in
// the unit of the data).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis.h"
#include "engine/fit_diagnosis.h"
#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// How a run ended, numbered as the batch command's exit codes.
enum class FieldRunStatus {
    Done = 0,         // the report is written
    Refused = 1,      // the engine refused the data; its message says why
    FileOrUsage = 2,  // a file could not be opened, read or written
};

struct FieldRunResult {
    std::string File;        // the input file as given
    std::string ReportFile;  // the report written (Done only)
    FieldRunStatus Status = FieldRunStatus::FileOrUsage;
    std::optional<DataMode> Job;        // the mode the file names, once it was read
    std::optional<int> Rows;            // data rows the engine read
    std::vector<std::string> Messages;  // every message of the run, in order

    // Discharge analysis: alpha = A * Q + C. Head analysis: alpha = B * H + F
    // with the porosity factor (drainable porosity fraction); R square of both.
    std::optional<double> A, C, B, F, PorosityFactor, RSquare;
    // Prediction: the highest predicted discharge and head.
    std::optional<double> PeakDischarge, PeakHead;

    // The fit diagnostics of a good analysis, when they were asked for.
    std::optional<FitDiagnosis> Diagnosis;
};

// Refuses to write `file` (a report beside an input file), or nothing when
// it may be written: the batch command keeps the installed examples unchanged.
using WriteRefusal = std::function<std::optional<std::string>(const std::string& file)>;

// Runs the input file `file`; each message goes to `messages` as it comes
// (and into the result). Given `diagnosis`, a good analysis is diagnosed
// too (a prediction has no fit: it is refused before it runs when the
// options say so).
FieldRunResult RunFieldFile(const std::string& file, const SearchOptions& options,
                            UserMessages& messages, const WriteRefusal& refusal = {},
                            const std::optional<DiagnosisOptions>& diagnosis = std::nullopt);

}  // namespace tervala
