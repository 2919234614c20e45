// Where the input file (".inp") keeps what: the line of each title and
// labelled value and the label written before the value, for the writer and
// every reader (the window's reader, and the engine, which re-reads the file
// at the start of each run). Readers pass a label by its length without
// comparing it, so the lengths are binding: a label changed here changes
// every reader with it.
#pragma once

#include <string>

namespace tervala {

struct InputLabel {
    int Line;          // line of the file, from 1
    const char* Text;  // written before the value
    // Characters a reader passes before reading the value.
    constexpr int Length() const { return static_cast<int>(std::char_traits<char>::length(Text)); }
};

inline constexpr int kTitle1Line = 4;
inline constexpr int kTitle2Line = 5;
inline constexpr InputLabel kFileNameLabel{7, " Filename: "};
// The first reservoir (mm, mm per time unit), in every file.
inline constexpr InputLabel kMaxStoLabel{8, " Maximum dead storage: "};
inline constexpr InputLabel kIniStoLabel{9, " Initial dead storage: "};
inline constexpr InputLabel kMaxEscLabel{10, " Max.escape/time unit: "};
// An analysis: the rows start below the ruled column heading of lines 12 to 14.
inline constexpr int kAnalysisFirstRowLine = 15;
// A prediction: line 11 opens with the alpha function's tag (" Lin"), then
// M and N (per time unit), the porosity (percent), the initial discharge (mm
// per time unit) and the initial head.
inline constexpr int kAlphaFunctionLine = 11;
inline constexpr InputLabel kMCoeffLabel{12, " A coefficient : "};
inline constexpr InputLabel kNValueLabel{13, " Value of B is : "};
inline constexpr InputLabel kPorosityLabel{14, " Effective porosity (%) :"};
inline constexpr InputLabel kRunIniLabel{15, " Initial runoff rate : "};
inline constexpr InputLabel kHeadIniLabel{16, " Initial water level : "};

static_assert(kMaxStoLabel.Length() == 23 && kMCoeffLabel.Length() == 17 &&
                  kPorosityLabel.Length() == 25 && kRunIniLabel.Length() == 23,
              "input files already written carry labels of these lengths");

}  // namespace tervala
