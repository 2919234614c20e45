#include "engine/open_input_file.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "model/input_file.h"
#include "model/parameter_file.h"

namespace tervala {

namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The parameter file beside the input file: its six values taken, and for a
// prediction the alpha function derived from them, as the calculator does.
void ReadParameterFileBeside(Session& s, bool predictionSelected, UserMessages& messages,
                             OpenedInput& opened) {
    TDMOmbrel& dm = s.DMOmbrel;
    ProgramValues& v = s.Values;
    dm.ParFileName = ReplaceExtension(dm.FileName, ".par");
    if (!Exists(dm.ParFileName)) return;
    const std::optional<DrainageParameters> p = ReadParameterFile(dm.ParFileName, messages);
    if (!p) return;
    v.Ka = p->Ka;
    v.Kb = p->Kb;
    v.D = p->D;
    v.U = p->U;
    dm.Porosity = p->Porosity;
    v.L = p->L;
    dm.ParFileRead = true;
    opened.ParameterFileRead = true;

    if (!predictionSelected && dm.TaggedMode() != DataMode::Prediction) return;
    const DrainageResult alpha = ComputeDrainageResult(*p);
    if (!std::isfinite(alpha.Exact.M) || !std::isfinite(alpha.Exact.N)) {
        // A file edited by hand with a zero spacing, perimeter or porosity:
        // no alpha function follows from it, and the fields keep theirs.
        messages.ShowMessage(kDrainageIncompleteText);
        return;
    }
    // The fields show five decimals, and the prediction uses what they show.
    v.MCoeff = alpha.M;
    v.NValue = alpha.N;
    v.Trend.TrendA = alpha.Exact.M;
    const double P = dm.Porosity / 100;
    dm.Porosity = P * 100;
    dm.SetMode(DataMode::Prediction);
    opened.Derived = alpha;
}

}  // namespace

OpenedInput ReopenInputFile(Session& s, bool predictionSelected, UserMessages& messages) {
    OpenedInput opened;
    const InputReadResult read = ReadInputFile(s.DMOmbrel, s.Values, messages);
    if (!read.Read) return opened;
    opened.Read = true;
    opened.AlphaMissing = read.AlphaMissing;
    ReadParameterFileBeside(s, predictionSelected, messages, opened);
    return opened;
}

OpenedInput OpenInputFile(Session& s, const std::string& path, bool predictionSelected,
                          UserMessages& messages) {
    TDMOmbrel& dm = s.DMOmbrel;
    dm.ParFileRead = false;
    const std::string previousName = dm.FileName;
    dm.FileName = path;
    if (!Exists(path)) {
        messages.ShowMessage(kNoSuchFileText);
        return {};
    }
    OpenedInput opened = ReopenInputFile(s, predictionSelected, messages);
    // A file that could not be read leaves the data set the window shows,
    // its name included.
    if (!opened.Read) dm.FileName = previousName;
    return opened;
}

}  // namespace tervala
