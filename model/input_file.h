// The input file (".inp"): the saved form of a data set. Titles, the three
// first-reservoir parameters (mm, mm per time unit), for a prediction the
// alpha function and initial values, and the time series. Lines end with
// CR LF; the readers accept CR LF and LF. The engine re-reads the same file by
// fixed line positions and label lengths, so the layout is binding.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

// Related files share the base name: the text from the last "." after the last
// folder separator is replaced by `extension` (given with its dot, ".out");
// a name without such a point gets the extension appended.
std::string ReplaceExtension(const std::string& fileName, const std::string& extension);

// Writes the file named by dm.FileName (and, when dm.ParFileRead, the
// parameter file beside it). Returns false, after telling the user why, when
// the input file was not written, or when the parameter file beside it could
// not be; a failed write never leaves a half-written file.
// Rows whose MissingObs flag is set are left out; the serial numbers count the
// rows written. A data set without a mode, with a series too short or holding
// no number, or with a last value too wide to be read back, is refused and no
// file is touched.
bool WriteInputFile(TDMOmbrel& dm, const ProgramValues& values, UserMessages& messages);

struct InputReadResult {
    bool Read = false;  // the file was read; false leaves the data set exactly as it was
    // The file describes alpha the way older versions did: the window shows
    // "missing" in both alpha fields (dm.AlphaMissing is set as well).
    bool AlphaMissing = false;
};

// Reads the file named by dm.FileName into the data set (the parameter file
// beside it is read when an input file is opened, engine/open_input_file.h).
// A file that cannot be opened, names no mode in its second line (" Dis",
// " Hyd" or " Pre") or holds a number that is no number is answered with a
// message and leaves the data set and `values` untouched.
// A head-analysis file opens as a prediction data set keeping its heads.
InputReadResult ReadInputFile(TDMOmbrel& dm, ProgramValues& values, UserMessages& messages);

}  // namespace tervala
