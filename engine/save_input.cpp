#include "engine/save_input.h"

#include <utility>

#include "model/input_file.h"
#include "model/number_text.h"

namespace tervala {

namespace {

template <typename Series>
void AtLeast(Series& series, size_t n) {
    if (series.size() < n) series.resize(n);
}

// The series of the observed value in the mode of the data set.
const DataArrayR* ObservedSeries(const TDMOmbrel& dm) {
    const std::optional<DataMode> mode = dm.Mode();
    if (mode == DataMode::DischargeAnalysis) return &dm.DischData;
    if (mode == DataMode::HeadAnalysis) return &dm.HeadData;
    return nullptr;
}

bool Kept(const TDMOmbrel& dm, size_t r) { return r < dm.MissingObs.size() && !dm.MissingObs[r]; }

struct FieldText {
    const char* label;
    const std::string* text;
    double* target;
};

// All five prediction fields, or none: a field that is no number (the
// "missing" of an older file) stops the command before anything is written.
bool ReadPredictionFields(Session& s, const PredictionFieldTexts& fields, UserMessages& messages) {
    TDMOmbrel& dm = s.DMOmbrel;
    ProgramValues& v = s.Values;
    const FieldText order[] = {
        {"M coefficient", &fields.MCoeff, &v.MCoeff},
        {"N value", &fields.NValue, &v.NValue},
        {"Initial runoff", &fields.RunIni, &dm.RunIni},
        {"Initial water level", &fields.HeadIni, &dm.HeadIni},
        {"Drainable porosity (%)", &fields.Porosity, &dm.Porosity},
    };
    double values[5];
    for (size_t i = 0; i < 5; ++i) {
        std::optional<double> x = TryStringToFloat(*order[i].text);
        if (!x) {
            messages.ShowMessage(FieldNotNumberText(order[i].label, *order[i].text));
            return false;
        }
        values[i] = *x;
    }
    for (size_t i = 0; i < 5; ++i) *order[i].target = values[i];
    return true;
}

}  // namespace

bool RowComplete(const GridRowTexts& row) {
    return !row[0].empty() && !row[1].empty() && !row[2].empty();
}

std::optional<int> ReadGridIntoDataSet(TDMOmbrel& dm, const GridTexts& grid) {
    const int n = dm.NrOfData;
    const size_t size = static_cast<size_t>(n < 0 ? 0 : n) + 1;
    AtLeast(dm.TimeData, size);
    AtLeast(dm.RainData, size);
    AtLeast(dm.EscData, size);
    AtLeast(dm.DischData, size);
    AtLeast(dm.HeadData, size);
    AtLeast(dm.MissingObs, size);
    static const GridRowTexts kEmptyRow{};
    int kept = 0;
    for (int r = 0; r < n; ++r) {
        const size_t i = static_cast<size_t>(r);
        const GridRowTexts& row = i < grid.size() ? grid[i] : kEmptyRow;
        if (!RowComplete(row)) {
            dm.MissingObs[i] = 1;
            continue;
        }
        try {
            dm.TimeData[i] = StringToFloat(row[0]);
            dm.RainData[i] = StringToFloat(row[1]);
            dm.EscData[i] = StringToFloat(row[2]);
            if (dm.DischargeMode) dm.DischData[i] = StringToFloat(row[3]);
            if (dm.HeadMode) dm.HeadData[i] = StringToFloat(row[3]);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
        dm.MissingObs[i] = 0;
        ++kept;
    }
    return kept;
}

bool CheckInput(const TDMOmbrel& dm) {
    const DataArrayR* observed = ObservedSeries(dm);
    bool ok = true;
    bool havePrevious = false;
    double previousTime = 0;
    for (int r = 0; r < dm.NrOfData; ++r) {
        const size_t i = static_cast<size_t>(r);
        if (!Kept(dm, i)) continue;
        if (havePrevious && !(previousTime < dm.TimeData[i])) ok = false;
        if (dm.RainData[i] < 0) ok = false;
        if (observed != nullptr && (*observed)[i] < 0) ok = false;
        previousTime = dm.TimeData[i];
        havePrevious = true;
    }
    return ok;
}

int CompactRows(TDMOmbrel& dm) {
    int kept = 0;
    const size_t n = static_cast<size_t>(dm.NrOfData < 0 ? 0 : dm.NrOfData);
    for (size_t i = 0; i < n; ++i) {
        if (!Kept(dm, i)) continue;
        const size_t k = static_cast<size_t>(kept);
        if (k != i) {
            for (DataArrayR* series :
                 {&dm.TimeData, &dm.RainData, &dm.EscData, &dm.DischData, &dm.HeadData}) {
                if (i < series->size()) (*series)[k] = (*series)[i];
            }
            dm.MissingObs[k] = 0;
        }
        ++kept;
    }
    // The packed rows are all kept; what lies below them has no meaning.
    for (size_t k = static_cast<size_t>(kept); k < n && k < dm.MissingObs.size(); ++k) {
        dm.MissingObs[k] = 0;
    }
    if (kept > 0) dm.NrOfData = kept;
    return kept;
}

SaveOutcome SaveInputData(Session& s, const SaveRequest& request, UserMessages& messages) {
    TDMOmbrel& dm = s.DMOmbrel;
    SaveOutcome outcome;
    dm.Title1 = request.Title1;
    dm.Title2 = request.Title2;

    std::optional<int> kept = ReadGridIntoDataSet(dm, request.Grid);
    if (!kept) {
        messages.ShowMessage(kNotAllRealText);
        outcome.Result = SaveResult::NotAllReal;
        return outcome;
    }
    outcome.KeptRows = *kept;
    outcome.RowsLeftOut = *kept < dm.NrOfData;

    if (!CheckInput(dm)) {
        messages.ShowMessage(kInputErrorsText);
        outcome.Result = SaveResult::InputErrors;
        return outcome;
    }
    if (dm.PredictionMode && !ReadPredictionFields(s, request.Fields, messages)) {
        outcome.Result = SaveResult::FieldNotNumber;
        return outcome;
    }
    // The file is headed by the mode the grid was filled in: a head report
    // opened meanwhile leaves its tag behind, and a discharge table headed as
    // a head analysis would open again as a prediction.
    if (const std::optional<DataMode> mode = dm.Mode()) dm.ModeTag = ModeTagOf(*mode);
    // The engine reads the file just written; when it could not be written an
    // older file of the same name must not be run instead.
    if (!WriteInputFile(dm, s.Values, messages)) {
        outcome.Result = SaveResult::NotWritten;
        return outcome;
    }
    CompactRows(dm);
    outcome.Result = SaveResult::Saved;
    return outcome;
}

std::optional<std::string> InputNameRefusal(const std::string& fileName) {
    if (ReplaceExtension(fileName, ".out") != fileName &&
        ReplaceExtension(fileName, ".dat") != fileName) {
        return std::nullopt;
    }
    return InputNamedLikeReportText(fileName);
}

}  // namespace tervala
