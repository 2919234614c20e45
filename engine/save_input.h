// Saving the grid as an input file: the grid's texts read into the data set
// (time in the user's unit; rain, escape rate and observed discharge in mm per
// time unit; observed head in the unit of the data), the checks of time order
// and signs, the input file written with the rows that are complete, and the
// rows packed to the top.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/session.h"
#include "model/message_texts.h"
#include "model/messages.h"

namespace tervala {

// Texts of one grid row: time, rain plus irrigation, maximum escape rate and,
// in an analysis, the observed discharge or head.
using GridRowTexts = std::array<std::string, 4>;
using GridTexts = std::vector<GridRowTexts>;

// The prediction fields as typed: M and N of the alpha function, the initial
// runoff, the initial water level and the drainable porosity (percent).
struct PredictionFieldTexts {
    std::string MCoeff;
    std::string NValue;
    std::string RunIni;
    std::string HeadIni;
    std::string Porosity;
};

// What the window holds when "Save / Run" is pressed; the file name is
// already in dm.FileName.
struct SaveRequest {
    std::string Title1;
    std::string Title2;
    GridTexts Grid;  // rows 0 .. NrOfData - 1; missing rows count as empty
    PredictionFieldTexts Fields;
};

enum class SaveResult {
    Saved,           // the input file is written and the rows are packed
    NotAllReal,      // a cell of a complete row is no number
    InputErrors,     // time order or a negative rain or observed value
    FieldNotNumber,  // a prediction field is no number
    NotWritten,      // the writer could not write the input file
};

struct SaveOutcome {
    SaveResult Result = SaveResult::NotWritten;
    int KeptRows = 0;          // complete rows (V)
    bool RowsLeftOut = false;  // some rows were incomplete and were packed away
};

// A row is complete when its time, rain and escape-rate cells hold text.
bool RowComplete(const GridRowTexts& row);

// Reads the complete rows of the grid into the series of dm (made at least
// NrOfData + 1 long) and marks the incomplete ones in MissingObs. The observed
// cell is read in the analysis modes whether it holds text or not. Returns
// the number of complete rows, or nothing when a cell of a complete row is no
// number (the rows before it stay read).
std::optional<int> ReadGridIntoDataSet(TDMOmbrel& dm, const GridTexts& grid);

// True when, over the complete rows in their order, time increases strictly,
// rain is not negative and, in an analysis, the observed value is not
// negative. The escape rate may be negative: the first reservoir moves it
// into the rain.
bool CheckInput(const TDMOmbrel& dm);

// Moves the complete rows to the top of every series, in their order, and
// sets NrOfData to their number (kept when none is complete). Returns that
// number of complete rows.
int CompactRows(TDMOmbrel& dm);

// Steps from the grid to the input file: titles, grid, checks, prediction
// fields, the file, the packed rows. Every refusal is answered with its
// message; nothing is written before the checks and the fields passed, and a
// file that could not be written stops the command before any run.
SaveOutcome SaveInputData(Session& s, const SaveRequest& request, UserMessages& messages);

// An input file named like the report (".out") or fit file (".dat") that the
// run writes beside it would be overwritten by the run: the message that
// refuses such a name, or nothing for a name that may be used.
std::optional<std::string> InputNameRefusal(const std::string& fileName);

}  // namespace tervala
