#include "model/input_file.h"

#include <cmath>
#include <optional>

#include "model/file_replace.h"
#include "model/input_file_layout.h"
#include "model/number_text.h"
#include "model/parameter_file.h"
#include "model/program_error.h"
#include "model/text_cursor.h"

namespace tervala {

namespace {

constexpr const char* kEol = "\r\n";

// Titles are single lines; a line break typed or pasted into one would shift
// every line after it, and the engine reads the file by line positions.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::string Serial(int serial) {
    std::string s = std::to_string(serial);
    if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
    return s;
}

// Observed head: two decimals from 1 upwards, one below.
std::string HeadText(double head) { return FormatFixed(head, 10, head >= 1 ? 2 : 1); }

bool Finite(const DataArrayR& series, size_t i) {
    return i < series.size() && std::isfinite(series[i]);
}

// The readers take the last field of a row as at most 12 characters: the
// blank before it and 11 of the value.
constexpr size_t kLastFieldWidth = 11;

// The whole file as text. Nothing when a row cannot be written: `tooWide`
// then says which value is too wide for the last column; otherwise a series
// is shorter than the number of data or holds a value that is no number.
std::optional<std::string> InputFileText(const TDMOmbrel& dm, const ProgramValues& values,
                                         std::string& tooWide) {
    std::string t;
    auto line = [&t](const std::string& text) {
        t += text;
        t += kEol;
    };
    line(" Input data for Tervala program");
    const std::optional<DataMode> mode = ModeOfTag(dm.ModeTag);
    if (mode == DataMode::DischargeAnalysis) {
        line(" Discharge analysis and reconstruction");
    } else if (mode == DataMode::HeadAnalysis) {
        line(" Hydraulic head analysis and reconstruction");
    } else if (mode == DataMode::Prediction) {
        line(" Prediction of drainage");
    }
    line("");
    line(OneLine(dm.Title1));
    line(OneLine(dm.Title2));
    line("");
    line(kFileNameLabel.Text + dm.FileName);
    line(kMaxStoLabel.Text + FormatParameter(dm.MaxSto));
    line(kIniStoLabel.Text + FormatParameter(dm.IniSto));
    line(kMaxEscLabel.Text + FormatParameter(dm.MaxEsc));

    if (dm.DischargeMode) {
        line("");
        line(" " + std::string(50, '-'));
        line("  Serial    T i m e   R a i n    Esc. rate  Run-off");
        line(" " + std::string(50, '-'));
    }
    if (dm.HeadMode) {
        line("");
        line(" " + std::string(52, '-'));
        line("  Serial    T i m e   R a i n    Esc. rate  hydr.head");
        line(" " + std::string(52, '-'));
    }
    if (dm.PredictionMode) {
        line(" Linear reservoir function : Alpha = A * Runoff + B");
        line(kMCoeffLabel.Text + FormatCoefficient(values.MCoeff));
        line(kNValueLabel.Text + FormatCoefficient(values.NValue));
        line(kPorosityLabel.Text + FormatFixed(dm.Porosity, 8, 2));
        line(kRunIniLabel.Text + FormatParameter(dm.RunIni));
        line(kHeadIniLabel.Text + FormatParameter(dm.HeadIni));
        line("");
        line(" " + std::string(41, '-'));
        line(" Serial    T i m e   Rainfall  Escape rate");
        line(" " + std::string(41, '-'));
    }

    // The rows follow the first mode flag that is set.
    const DataArrayR* observed = dm.DischargeMode ? &dm.DischData
                                 : dm.HeadMode    ? &dm.HeadData
                                                  : nullptr;
    int serial = 0;
    for (int r = 0; r < dm.NrOfData; ++r) {
        const size_t i = static_cast<size_t>(r);
        if (i < dm.MissingObs.size() && dm.MissingObs[i]) continue;
        if (!Finite(dm.TimeData, i) || !Finite(dm.RainData, i) || !Finite(dm.EscData, i) ||
            (observed != nullptr && !Finite(*observed, i))) {
            return std::nullopt;
        }
        ++serial;
        std::string row = Serial(serial);
        row += " " + FormatValue(dm.TimeData[i], 12);
        row += " " + FormatValue(dm.RainData[i], 10);
        std::string last = FormatValue(dm.EscData[i], 10);
        double lastValue = dm.EscData[i];
        if (observed != nullptr) {
            row += " " + last;
            lastValue = (*observed)[i];
            last = dm.DischargeMode ? FormatValue(lastValue, 10) : HeadText(lastValue);
        }
        if (last.size() > kLastFieldWidth) {
            tooWide = TooWideText(lastValue, r + 1, dm.FileName);
            return std::nullopt;
        }
        line(row + " " + last);
    }
    return t;
}

// Makes a series `n` entries long, keeping what it holds.
template <typename Series>
void Size(Series& series, int n) {
    series.resize(static_cast<size_t>(n));
}

enum class ReadOutcome { Read, CorruptNumbers, NoMode };

// The reading proper, on copies.
class InputReader {
  public:
    InputReader(TextCursor& file, TDMOmbrel& dm, ProgramValues& values, UserMessages& messages,
                bool& alphaMissing)
        : file_(file), dm_(dm), values_(values), messages_(messages), alphaMissing_(alphaMissing) {}

    ReadOutcome Read() {
        file_.SkipLine();  // the product line may hold any text
        dm_.ModeTag = file_.ReadChars(4);
        file_.SkipLine();
        // Without a mode the file says neither which table follows nor what
        // a run should do with it.
        if (!dm_.TaggedMode()) return ReadOutcome::NoMode;
        return ReadHeaderAndRows() ? ReadOutcome::Read : ReadOutcome::CorruptNumbers;
    }

  private:
    // Everything after line 2; false when a number is corrupt.
    bool ReadHeaderAndRows() {
        const DataMode mode = *dm_.TaggedMode();  // Read() takes the three tags only
        dm_.SetMode(mode);
        file_.GoToLine(kTitle1Line);
        dm_.Title1 = file_.ReadLine();
        dm_.Title2 = file_.ReadLine();
        file_.GoToLine(kMaxStoLabel.Line);
        if (!LabelledNumber(kMaxStoLabel.Length(), dm_.MaxSto) ||
            !LabelledNumber(kIniStoLabel.Length(), dm_.IniSto) ||
            !LabelledNumber(kMaxEscLabel.Length(), dm_.MaxEsc)) {
            return false;
        }

        warned_ = false;
        if (mode == DataMode::DischargeAnalysis) {
            file_.GoToLine(kAnalysisFirstRowLine);
            if (!AnalysisRows(dm_.DischData)) return false;
        } else if (mode == DataMode::HeadAnalysis) {
            // Some files carry an extra empty line before the table header:
            // then the fourth line read is the header itself.
            std::string start;
            for (int i = 0; i < 4; ++i) start = file_.ReadLine().substr(0, 8);
            if (start == "  Serial") file_.SkipLine();
            if (!AnalysisRows(dm_.HeadData)) return false;
        } else if (mode == DataMode::Prediction) {
            if (!PredictionHeader()) return false;
            for (int i = 0; i < 4; ++i) file_.SkipLine();
            if (!PredictionRows()) return false;
        }

        // A head-analysis file opens as a prediction data set that keeps the
        // observed heads.
        if (mode == DataMode::HeadAnalysis) dm_.SetMode(DataMode::Prediction);
        return true;
    }

    // Skip the label, read one number, ignore the rest of the line.
    bool LabelledNumber(int labelLength, double& target) {
        file_.SkipChars(labelLength);
        std::optional<double> v = file_.ReadReal();
        file_.SkipLine();
        if (!v) return false;
        target = *v;
        return true;
    }

    bool PredictionHeader() {
        dm_.AlphaTag = file_.ReadChars(4);
        file_.SkipLine();
        // The first three characters of a coefficient's label tell its version.
        const std::string aMarker = file_.ReadChars(3);
        if (!LabelledNumber(kMCoeffLabel.Length() - 3, values_.MCoeff)) return false;
        const std::string bMarker = file_.ReadChars(3);
        if (!LabelledNumber(kNValueLabel.Length() - 3, values_.NValue)) return false;
        dm_.AlphaMissing = false;
        // Files of older versions describe alpha differently; their
        // coefficients cannot be used and the user has to give new ones.
        const bool oldA = aMarker == " A1";
        const bool oldB = bMarker == " B ";
        if (oldA || oldB) {
            dm_.AlphaMissing = true;
            alphaMissing_ = true;
            messages_.ShowMessage(kForeignAlphaText);
        }
        if (oldA) file_.SkipLines(2);
        // The initial values are read from the blank that closes their label.
        if (!LabelledNumber(kPorosityLabel.Length(), dm_.Porosity) ||
            !LabelledNumber(kRunIniLabel.Length() - 1, dm_.RunIni) ||
            !LabelledNumber(kHeadIniLabel.Length() - 1, dm_.HeadIni)) {
            return false;
        }
        if (oldA) file_.SkipLine();
        return true;
    }

    // A table row ends when the file does; trailing blank lines are no rows.
    bool MoreRows() const { return !file_.AtEnd() && !file_.OnlyBlankLinesLeft(); }

    void GrowTo(int n, DataArrayR& extra) {
        Size(dm_.RowCheck, n);
        Size(dm_.TimeData, n);
        Size(dm_.RainData, n);
        Size(dm_.EscData, n);
        Size(dm_.MissingObs, n);
        Size(extra, n);
        dm_.MissingObs[static_cast<size_t>(n - 1)] = false;
    }

    // The rest of a row: at most 12 characters, blank when the row ended.
    std::string RestOfRow() {
        std::string rest = file_.ReadChars(12);
        file_.SkipLine();
        if (rest.find_first_not_of(" \t") == std::string::npos) rest.clear();
        return rest;
    }

    void WarnMissingEscape() {
        if (!warned_) messages_.ShowMessage(kMissingEscapeText);
        warned_ = true;
    }

    bool AnalysisRows(DataArrayR& observed) {
        int n = 0;
        while (MoreRows()) {
            ++n;
            GrowTo(n, observed);
            const size_t i = static_cast<size_t>(n - 1);
            std::optional<int32_t> serial = file_.ReadInteger();
            std::optional<double> time = file_.ReadReal();
            std::optional<double> rain = file_.ReadReal();
            std::optional<double> esc = file_.ReadReal();
            if (!serial || !time || !rain || !esc) return false;
            dm_.RowCheck[i] = *serial;
            dm_.TimeData[i] = *time;
            dm_.RainData[i] = *rain;
            const std::string rest = RestOfRow();
            if (rest.empty()) {
                // Serial, time, rain and the observed value only: the escape
                // rate of the header stands in.
                observed[i] = *esc;
                dm_.EscData[i] = dm_.MaxEsc;
                WarnMissingEscape();
            } else {
                std::optional<double> value = TryStringToFloat(rest);
                if (!value) return false;
                dm_.EscData[i] = *esc;
                observed[i] = *value;
            }
            dm_.NrOfData = n;
        }
        FinishRows(n, observed);
        return true;
    }

    bool PredictionRows() {
        int n = 0;
        while (MoreRows()) {
            ++n;
            GrowTo(n, dm_.DischData);
            const size_t i = static_cast<size_t>(n - 1);
            std::optional<int32_t> serial = file_.ReadInteger();
            std::optional<double> time = file_.ReadReal();
            std::optional<double> rain = file_.ReadReal();
            if (!serial || !time || !rain) return false;
            dm_.RowCheck[i] = *serial;
            dm_.TimeData[i] = *time;
            dm_.RainData[i] = *rain;
            const std::string rest = RestOfRow();
            if (rest.empty()) {
                dm_.EscData[i] = dm_.MaxEsc;
                WarnMissingEscape();
            } else {
                std::optional<double> value = TryStringToFloat(rest);
                if (!value) return false;
                dm_.EscData[i] = *value;
            }
            dm_.NrOfData = n;
        }
        FinishRows(n, dm_.DischData);
        return true;
    }

    // A table without rows is an empty data set, not the previous one.
    void FinishRows(int n, DataArrayR& extra) {
        if (n > 0) return;
        dm_.NrOfData = 0;
        dm_.RowCheck.clear();
        dm_.TimeData.clear();
        dm_.RainData.clear();
        dm_.EscData.clear();
        dm_.MissingObs.clear();
        extra.clear();
    }

    TextCursor& file_;
    TDMOmbrel& dm_;
    ProgramValues& values_;
    UserMessages& messages_;
    bool& alphaMissing_;
    bool warned_ = false;
};

}  // namespace

std::string ReplaceExtension(const std::string& fileName, const std::string& extension) {
    const size_t slash = fileName.find_last_of('/');
    const size_t dot = fileName.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        return fileName.substr(0, dot) + extension;
    }
    return fileName + extension;
}

bool WriteInputFile(TDMOmbrel& dm, const ProgramValues& values, UserMessages& messages) {
    if (!ModeOfTag(dm.ModeTag) || !dm.Mode()) {
        // Without a mode no reader could use the file; option switching
        // always sets one, so this is the program's own fault.
        ProgramError(messages, DataSetNoModeText(dm.FileName));
        return false;
    }
    std::string tooWide;
    std::optional<std::string> text = InputFileText(dm, values, tooWide);
    if (!text && !tooWide.empty()) {
        messages.ShowMessage(tooWide);
        return false;
    }
    if (!text) {
        ProgramError(messages, CorruptNumbersText(dm.FileName));
        return false;
    }
    if (!ReplaceFileContent(dm.FileName, *text)) {
        messages.ShowMessage(FileNotOpenedText(dm.FileName));
        return false;
    }
    dm.InputFileName = dm.FileName;
    if (dm.ParFileRead) {
        dm.ParFileName = ReplaceExtension(dm.FileName, ".par");
        if (!WriteParameterFile(dm.ParFileName, values, dm.Porosity, messages)) return false;
    }
    return true;
}

InputReadResult ReadInputFile(TDMOmbrel& dm, ProgramValues& values, UserMessages& messages) {
    InputReadResult result;
    std::optional<TextCursor> file = TextCursor::FromFile(dm.FileName);
    if (!file) {
        messages.ShowMessage(FileNotOpenedText(dm.FileName));
        return result;
    }
    // Read into copies; the data set changes only when the whole file was good.
    TDMOmbrel readDm = dm;
    ProgramValues readValues = values;
    bool alphaMissing = false;
    InputReader reader(*file, readDm, readValues, messages, alphaMissing);
    switch (reader.Read()) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::NoMode:
            messages.ShowMessage(NoModeText(dm.FileName));
            return result;
        case ReadOutcome::CorruptNumbers:
            ProgramError(messages, CorruptNumbersText(dm.FileName));
            return result;
    }
    dm = std::move(readDm);
    dm.InputFileName = dm.FileName;
    values = readValues;
    result.Read = true;
    result.AlphaMissing = alphaMissing;
    return result;
}

}  // namespace tervala
