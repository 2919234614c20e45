// An imported series made into a data set and an input file, by the same
// steps as "Save / Run": the series as the grid's texts (time in the user's
// unit; rain, escape rate and observed discharge in mm per time unit), the
// single-value fields, then the checks and the writer of Save/Run. A file
// written this way is the file the window writes for the same grid and fields.
#pragma once

#include <string>

#include "engine/save_input.h"
#include "engine/series_import.h"
#include "model/data_set.h"

namespace tervala {

// The single-value fields of an imported data set. The defaults are the
// values a new data set starts with in the window.
struct ImportFields {
    std::string Title1, Title2;
    double MaxSto = 50;   // mm
    double IniSto = 50;   // mm
    double MaxEsc = 0.1;  // mm per time unit
    // M, N, initial runoff, initial water level, drainable porosity (percent).
    PredictionFieldTexts Prediction{"0", "0", "0", "0", "10"};
};

// The series as the grid's rows in the job's mode: mode flags and tag,
// NrOfData, the time, rain, escape and (analysis) discharge series, no row
// left out.
void PutSeriesIntoDataSet(TDMOmbrel& dm, const ImportedSeries& series, SeriesJob job);

// The texts the grid shows for the series (general format, as the Input tab
// shows every number).
GridTexts ImportedGridTexts(const ImportedSeries& series);

// Writes the input file `file` (a full path) for the series and fields with
// Save/Run's steps; every refusal is told through `messages`.
SaveOutcome WriteSeriesInputFile(const std::string& file, const ImportedSeries& series,
                                 SeriesJob job, const ImportFields& fields, UserMessages& messages);

}  // namespace tervala
