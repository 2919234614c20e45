// Every fixed text the program tells people: message boxes and questions of
// the windows, the engine's refusals, the file errors, and the batch
// command's lines on stderr. Many are quoted by users and documents character
// for character, odd spelling and spacing included, so they are kept here,
// together, where they can be read side by side; a text with a file name or
// a number in it is a function. (The problems of a series import, worded per
// window or batch command, are in engine/series_messages.h.)
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/number_text.h"

namespace tervala {

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// ---- files of the program: input, parameter and report files ----

// Put in front of the text of a fault in a file the program wrote itself.
inline constexpr const char* kProgramErrorText = "A program error occurred.";
inline std::string CorruptNumbersText(const std::string& file) {
    return "Real numbers in the inputfile " + Quoted(file) + " are corrupt";
}
inline std::string DataSetNoModeText(const std::string& file) {
    return "The data set has no mode; the inputfile " + Quoted(file) + " was not written";
}
// The readers take at most 11 characters of the last value of a row (the
// observed value of an analysis, the escape rate of a prediction).
inline std::string TooWideText(double value, int row, const std::string& file) {
    return "The value " + FormatGeneral(value) + " in row " + std::to_string(row) +
           " is too large for the last column of the inputfile " + Quoted(file) +
           ", which was not written";
}
// An input or parameter file that cannot be opened, read or written.
inline std::string FileNotOpenedText(const std::string& file) {
    return "The file " + Quoted(file) + "could not be opened. It may be " +
           "damaged or in use by another program.";
}
inline constexpr const char* kForeignAlphaText =
    "This input file does not belong to OmbrelT. The Alfa charcateristics need to be redefined.";
inline constexpr const char* kMissingEscapeText = "Please check the escape rate data";
inline constexpr const char* kNoSuchFileText = "File does not exist, please select another one,";
// A report for the Output tab.
inline std::string ReportNotOpenedText(const std::string& file) {
    return "The file " + Quoted(file) + " could not be opened.  It may be damaged," +
           "  not created due to inadequate input data," + "  in use by another program.";
}
// A report or fit file for the graphs.
inline std::string GraphFileNotOpenedText(const std::string& file) {
    return "The file " + Quoted(file) + "could not be opened." +
           " It may be damaged,  not created due to inadequate" +
           "input data, or in use by another program.";
}
// `what` says where the report fails.
inline std::string DamagedReportText(const std::string& file, const std::string& what) {
    return "The report " + Quoted(file) + " is damaged or cut short: " + what +
           ". The graph is not drawn.";
}
inline std::string DamagedFitFileText(const std::string& file) {
    return "The fit file " + Quoted(file) +
           " is damaged: its trend coefficients could not be read. The graph is not drawn.";
}
inline std::string NoReportOfProgramText(const std::string& file) {
    return "The file " + Quoted(file) + " is no report of a Tervala analysis or prediction.";
}
// `reportKind`: "a prediction report (graphs 2, 4 and 5)" and the like.
inline std::string GraphNotOfferedText(int graph, const std::string& file,
                                       const std::string& reportKind) {
    return "Graph " + std::to_string(graph) + " cannot be drawn from " + Quoted(file) + ": it is " +
           reportKind + ".";
}
inline std::string NoModeText(const std::string& file) {
    return "The file " + Quoted(file) +
           " is no input file of a discharge analysis, head analysis or prediction: its second "
           "line names none of them.";
}

// ---- the engine re-reading the input file, and writing its files ----

inline std::string InputNotOpenedText(const std::string& file) {
    return "The input file " + Quoted(file) + " could not be opened";
}
inline std::string InputEndsBeforeText(const std::string& file, int line) {
    return "The input file " + Quoted(file) + " ends before line " + std::to_string(line) +
           " of its header";
}
inline std::string NoNumberAfterLabelText(const std::string& file, int line) {
    return "Line " + std::to_string(line) + " of the input file " + Quoted(file) +
           " holds no number after its label";
}
inline std::string NoAnalysisRowText(const std::string& file, int line) {
    return "Line " + std::to_string(line) + " of the input file " + Quoted(file) +
           " is no data row of an analysis: it needs a whole serial number, time, rain, escape "
           "rate and observed value";
}
inline std::string NoPredictionRowText(const std::string& file, int line) {
    return "Line " + std::to_string(line) + " of the input file " + Quoted(file) +
           " is no data row of a prediction: it needs a whole serial number, time and rain";
}
inline std::string NotWrittenText(const std::string& file) {
    return "The file " + Quoted(file) + " could not be written";
}

// ---- the engine's refusals of the data ----

inline std::string TooManyAnalysisRowsText(int rows, int capacity) {
    return "The input file holds " + std::to_string(rows) +
           " data rows; an analysis can take at most " + std::to_string(capacity) + " rows.";
}
inline constexpr const char* kNoRunoffVariationText =
    "There is no variation in runoff values. Rainfall-Discharge analysis cannot be made";
inline constexpr const char* kNoHeadVariationText =
    "There is no variation in water level values. Rainfall-Hydr.Head analysis cannot be made";
inline constexpr const char* kNoTimeVariationAnalysisText =
    "There is no variation in time Rainfall-Discharge analysis cannot be made";
inline constexpr const char* kAnalysisTimeSequenceText =
    "Incorrect time sequence encountered. Please correct the input file";
inline constexpr const char* kPredictionTimeSequenceText =
    "Incorrect time sequence encountered Please correct the input file";
inline constexpr const char* kMaxStorageText = "The Maximum Storage must be > 0";
inline constexpr const char* kRunoffTrendText =
    "The quadratic trend of the relation between rainfall and runoff data shows an "
    "inconsistency, see the. output graphics. The model may not fit perfectly.";
inline constexpr const char* kHeadTrendText =
    "The quadratic trend of the relation between rainfall and hydr. head data shows an "
    "inconsistency, see the. output graphics. The model may not fit perfectly.";
inline std::string NoLinearAlphaText(const std::string& file) {
    return "The input file " + Quoted(file) +
           " holds no linear alpha function (line 11 does not start with \" Lin\"). The "
           "prediction cannot be made";
}
inline std::string TooManyPredictionRowsText(const std::string& file, int capacity) {
    return "The input file " + Quoted(file) + " holds more than " + std::to_string(capacity) +
           " data rows. A prediction can be made for at most " + std::to_string(capacity) + " rows";
}
inline constexpr const char* kNoTimeVariationPredictionText =
    "There is no variation in time The hydrograph cannot be made";
inline std::string EscapeRatesMissingText(int escapeRates, int rows) {
    return "The data set holds " + std::to_string(escapeRates) + " escape rates for the " +
           std::to_string(rows) +
           " data rows of the input file. The prediction cannot be made; please save the input "
           "data again";
}
inline constexpr const char* kPorosityNotPositiveText = "The Effective porosity must be > 0";
inline constexpr const char* kNotFiniteText =
    "Some data values are too large: the calculation goes beyond the largest real number the "
    "program can handle. No output has been written";

// ---- Save / Run ----

inline constexpr const char* kNotSavedText = "The input data were not saved";
inline constexpr const char* kNotAllRealText = "Not all data values in the inputfile are real";
inline constexpr const char* kInputErrorsText =
    "The input data were not saved due to input errors like negative values or a non-sequential "
    "time series";
inline constexpr const char* kOverwriteQuestion = "The file already exists, overwrite?";
// A prediction field that is empty (`text` blank) or holds no number.
inline std::string FieldNotNumberText(const std::string& label, const std::string& text) {
    const std::string what = text.find_first_not_of(" \t") == std::string::npos
                                 ? std::string(" is empty")
                                 : " holds " + Quoted(text) + ", which is not a number";
    return "The field " + Quoted(label) + what +
           ". Give the alpha function (M and N) and the initial values as numbers; the input "
           "data were not saved.";
}
inline std::string InputNamedLikeReportText(const std::string& file) {
    return "The input file " + Quoted(file) +
           " has the extension of a report or fit file, which the run would overwrite. Please "
           "give the input file another extension.";
}
inline std::string RunDoneText(const std::string& input, const std::string& report) {
    return "The input is saved in " + input + " ;" +
           " Calculations were done and the output is saved in  " + report;
}
inline constexpr const char* kRunStoppedText = "The calculation stopped on an unexpected error.";
inline std::string ExamplesKeptText(const std::string& file, const std::string& examples) {
    return Quoted(file) + " is in the folder of Tervala's examples (" + examples +
           "), which stay as installed: Tervala writes no file there. Please use a folder of "
           "your own.";
}

// ---- opening files ----

inline constexpr const char* kNoInputSelectedText = "No input file was selected";
inline constexpr const char* kNoOutputSelectedText = "No output file selected";
inline std::string RecentFileGoneText(const std::string& file) {
    return "The file " + Quoted(file) +
           " is no longer there; it is taken off the list of recent files.";
}
inline std::string NotOpenedByTervalaText(const std::string& file) {
    return Quoted(file) +
           " is no file Tervala opens. Drop an input file (.inp), a report (.out) or a graph "
           "bitmap (.bmp) on the window.";
}
inline constexpr const char* kDropOneFileText = "Please drop one file at a time.";

// ---- the grid and the fields of the Input tab ----

inline std::string PasteCutText(int linesLeftOut) {
    return "The maximum number of data is " + std::to_string(kMaxNrOfData) + ". " +
           std::to_string(linesLeftOut) +
           (linesLeftOut == 1 ? " pasted row beyond it was left out."
                              : " pasted rows beyond it were left out.");
}
inline constexpr const char* kTooFewPastedText =
    "An insufficient number of data has been pasted more data are needed.";
inline constexpr const char* kKeepOriginalCountQuestion =
    "The number of data is less than the original number. Do you want to maintain the original "
    "number?";
inline constexpr const char* kCountNotIntegerText = "The number of data is not a valid integer";
inline constexpr const char* kMinimumCountText = " The minimum number of data is 12";
inline constexpr const char* kMaximumCountText =
    " The maximum number of data is 1500. Not enough? Contact the author.";
inline constexpr const char* kAddDataText = " Add data in the last cells at the end of the column";
inline constexpr const char* kRemoveDataText = " To remove data make the relevant data cells empty";
inline constexpr const char* kMaxStorNotRealText = "The maximum storage is not a valid real";
inline constexpr const char* kMaxStorNegativeText = "The maximum storage must be >= 0";
inline constexpr const char* kInitStorNotRealText = "The initial storage is not a valid real";
inline constexpr const char* kInitStorNegativeText = "The initial storage must be >= 0";
inline constexpr const char* kA1coeffNotRealText = "The A1 coefficient is not a valid real";
inline constexpr const char* kInitRunNotRealText = "The initial runoff is not a valid real";
inline constexpr const char* kInitRunNegativeText = "The initial runoff must be >= 0";
inline constexpr const char* kInitLevelNotRealText = "The initial level is not a valid real";
inline constexpr const char* kInitLevelNegativeText = "The initial level must be >= 0";
inline constexpr const char* kPorosityNotRealText = "The porosity is not a valid real";
inline constexpr const char* kPorosityNegativeText = "The porosity must be >= 0";
inline constexpr const char* kPorosityTooLargeText = "The porosity must be < 100%";
// A typed number that is no number under either decimal separator.
inline std::string NotANumberText(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

// ---- the drainage calculator ----

inline constexpr const char* kKaNegativeText = "Ka should be greater than zero";
inline constexpr const char* kKbNegativeText = "Kb should be greater than zero";
inline constexpr const char* kDNotPositiveText = "D should be greater than zero";
inline constexpr const char* kUNotPositiveText = "U should be greater than zero";
inline constexpr const char* kPNotPositiveText = "P should be greater than zero";
inline constexpr const char* kPBelowOneText = "P should be greater than 1%";
inline constexpr const char* kPAboveThirtyText = "P should be less than 30%";
inline constexpr const char* kLNotPositiveText = "L should be greater than zero";
inline constexpr const char* kDrainageIncompleteText = "One or more data values are incorrect";
inline constexpr const char* kDrainageComputedText =
    "The drainage parameters were computed and its values are entered in the input tabsheet.";

// ---- graph pictures ----

inline constexpr const char* kGraphNotSavedText = "The graph was not saved";
inline std::string GraphSavedText(const std::string& file) {
    return "The graph was saved in  " + file;
}
inline std::string GraphNotWrittenText(const std::string& file) {
    return "The graph could not be written to " + Quoted(file) + "; the file is left as it was.";
}
inline constexpr const char* kNoGraphFileSelectedText = "No graphics file selected";
// Open graph's own wording: no comma at the end.
inline constexpr const char* kNoSuchGraphFileText =
    "File does not exist, please select another one";
inline std::string NoBitmapText(const std::string& file) {
    return "The file " + Quoted(file) + " is no bitmap that can be shown.";
}

// ---- fit diagnostics ----

inline std::string NoFitToDiagnoseText(const std::string& file) {
    return "The file " + Quoted(file) +
           " is the input of a prediction, which has no fit to diagnose: fit diagnostics need a "
           "discharge or head analysis.";
}
inline std::string FitPictureTypeText(const std::string& file) {
    return "The picture " + Quoted(file) + " needs the extension .png or .svg.";
}
inline std::string FitPictureNotWrittenText(const std::string& file) {
    return "The picture could not be written to " + Quoted(file) + ".";
}
inline constexpr const char* kNoFitPictureText =
    "No picture was drawn: the search took no grid point, so there is no best point and no "
    "region to show.";

// ---- series files ----

inline constexpr const char* kNoReportForSeriesText =
    "There is no report to take series from. Run a data set with \" Save / Run\" or open a "
    "report with \"Open output\" first.";
inline constexpr const char* kNoGraphForDataText =
    "No graph is drawn. Choose a graph and press \"Go\"; its data can then be copied.";
inline constexpr const char* kGraphDataCopiedText =
    "The data of the graph are on the clipboard, ready to be pasted into a spreadsheet.";
inline std::string SeriesFileNotReadText(const std::string& file) {
    return "The file " + Quoted(file) + " could not be opened or read.";
}
inline std::string NoReportTablesText(const std::string& file) {
    return Quoted(file) +
           " is no report of Tervala: it holds no table of an analysis or a prediction.";
}
inline std::string FileNotWrittenText(const std::string& file) {
    return "The file " + Quoted(file) + " could not be written.";
}

// ---- the batch command ----

inline std::string NoSuchGraphText(int graph) {
    return "There is no graph " + std::to_string(graph) +
           ": the graphs are 1, 3, 7, 8 and 9 of an analysis report and 2, 4 and 5 of a "
           "prediction report.";
}
inline std::string PictureTypeText(const std::string& file) {
    return "The picture " + Quoted(file) +
           " needs the extension .bmp (a bitmap as the window saves it) or .png.";
}
inline std::string NoRowsForGraphText(const std::string& report) {
    return "The report " + Quoted(report) +
           " holds no data rows for this graph; the picture says so.";
}
inline std::string PictureNotWrittenText(const std::string& file) {
    return "The graph could not be written to " + Quoted(file) + ".";
}
inline constexpr const char* kRowsOptionText =
    "--rows takes FIRST:LAST, rows counted from 1 below the header (for example --rows 1:365, "
    "--rows 366: or --rows :501).";
inline constexpr const char* kPredictionOptionsText =
    "--m, --n, --runini, --headini and --porosity belong to a prediction (--job prediction).";
inline constexpr const char* kAlphaOptionsText =
    "A prediction needs its alpha function: give --m and --n (alpha = M * discharge + N).";

}  // namespace tervala
