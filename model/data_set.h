// The one data set shared by the windows and the engine: file names, titles,
// mode, the time series of the grid, the first-reservoir and prediction
// parameters, the lines of the last report read, and the graph series.
//
// Units: storage, rain, escape and discharge in mm and mm per time unit; head
// in mm (the unit of the user's data); time in the user's own unit (hours or
// days); porosity in percent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tervala {

using DataArrayR = std::vector<double>;    // growable reals, index 0 = data point 1
using DataArrayI = std::vector<int32_t>;   // growable 32-bit integers
using LineSet = std::vector<std::string>;  // growable strings
using RemoveSet = std::vector<uint8_t>;    // growable one-byte booleans

// What a data set is for: the analysis or prediction it is saved and run for,
// and so the kind of report its run writes.
enum class DataMode { DischargeAnalysis, HeadAnalysis, Prediction };

// Mode tags: the first four characters of line 2 of an input file.
inline constexpr const char* kDischargeTag = " Dis";
inline constexpr const char* kHeadTag = " Hyd";
inline constexpr const char* kPredictionTag = " Pre";
inline constexpr const char* kLinearAlphaTag = " Lin";

// The tag of a mode, and the mode a tag names (nothing for any other text).
const char* ModeTagOf(DataMode mode);
std::optional<DataMode> ModeOfTag(const std::string& tag);

// Limits of the number of data points the user may set in the grid.
inline constexpr int kMinNrOfData = 12;
inline constexpr int kMaxNrOfData = 1500;

// Series read back from a report for drawing, one entry per report row.
struct GraphSeries {
    DataArrayR Time;
    DataArrayR Rain;
    DataArrayR Recharge;
    DataArrayR Observed;
    DataArrayR Alpha;
    DataArrayR Calculated;
    DataArrayR Discharge;
    DataArrayR Head;
    DataArrayR LastHead;  // head-report column of calculated head, for kind 9 in head mode
};

class TDMOmbrel {
  public:
    // Creation: FileName starts as the current working directory.
    TDMOmbrel();

    std::string FileName;      // input file being saved or read; after a good run the report
    std::string LastFileName;  // report shown last; graphs are made from it
    // The input file last read or written (at first the current folder, as
    // FileName): a prediction's re-read and the drainage parameter file follow
    // it, never a report or a picture that FileName may name since.
    std::string InputFileName;
    std::string Title1, Title2;
    std::string ModeTag;   // " Dis", " Hyd", " Pre"
    std::string AlphaTag;  // " Lin"
    int NrOfData = 0;

    DataArrayR TimeData;   // time unit of the user
    DataArrayR RainData;   // mm per time unit, rain plus irrigation
    DataArrayR EscData;    // mm per time unit, maximum escape rate
    DataArrayR DischData;  // mm per time unit, observed discharge
    DataArrayR HeadData;   // observed hydraulic head
    DataArrayI RowCheck;   // serial number read from an input or report file
    RemoveSet MissingObs;  // true: the row is left out when the input file is written

    double MaxSto = 0;    // mm, maximum dead storage of the first reservoir
    double IniSto = 0;    // mm, initial dead storage
    double MaxEsc = 0;    // mm per time unit, stands in for missing per-row escape rates
    double RunIni = 0;    // initial runoff of a prediction
    double HeadIni = 0;   // initial water level above drain level of a prediction
    double Porosity = 0;  // percent, drainable porosity

    bool DischargeMode = false;
    bool HeadMode = false;
    bool PredictionMode = false;
    bool RunFailed = false;
    bool AlphaMissing = false;
    bool ParFileRead = false;
    std::string ParFileName;

    // Puts the data set in `mode`: its one mode flag set, the other two
    // cleared, and the tag that names the mode in the input file.
    void SetMode(DataMode mode);
    // The mode the flags name (the first flag set, in the order above), or
    // nothing when none is set.
    std::optional<DataMode> Mode() const;
    // The mode ModeTag names, or nothing for any other tag.
    std::optional<DataMode> TaggedMode() const { return ModeOfTag(ModeTag); }

    LineSet OutputLines;
    int OutputLineCount = 0;

    // Read back from a report for drawing. GraphTag: "----" discharge analysis,
    // "RECO" head analysis, "PRED" prediction, other text for anything else.
    // The graph series hold NrOfData entries each for the columns of the report
    // read last; the others are empty.
    std::string GraphTag;
    GraphSeries Graph;
};

}  // namespace tervala
