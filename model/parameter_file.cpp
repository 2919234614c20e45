#include "model/parameter_file.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "engine/equivalent_depth.h"
#include "model/file_replace.h"
#include "model/input_file.h"
#include "model/number_text.h"
#include "model/program_error.h"
#include "model/text_cursor.h"

namespace tervala {

namespace {

constexpr int kLabelLength = 53;

// Labels of exactly 53 characters, in file order.
constexpr std::array<const char*, 6> kLabels = {
    " Hydraulic conductivity above drain level (Ka, m/day)",
    " Hydraulic conductivity below drain level (Kb, m/day)",
    " Depth of soil layer below drain level (D=D1-Dd, m)  ",
    " Wet perimeter of drain or ditch (U, m)              ",
    " Drainable (effective) porosity of top soil (P, %)   ",
    " Drain spacing (L, m)                                ",
};

}  // namespace

std::string ParameterFileText(const ProgramValues& values, double porosity) {
    const std::array<double, 6> numbers = {values.Ka, values.Kb, values.D,
                                           values.U,  porosity,  values.L};
    std::string text;
    for (size_t i = 0; i < kLabels.size(); ++i) {
        text += kLabels[i];
        text += FormatFixed(numbers[i], 6, 2);
        text += "\r\n";
    }
    return text;
}

bool WriteParameterFile(const std::string& path, const ProgramValues& values, double porosity,
                        UserMessages& messages) {
    if (!ReplaceFileContent(path, ParameterFileText(values, porosity))) {
        messages.ShowMessage(FileNotOpenedText(path));
        return false;
    }
    return true;
}

std::optional<DrainageParameters> ReadParameterFile(const std::string& path,
                                                    UserMessages& messages) {
    std::optional<TextCursor> file = TextCursor::FromFile(path);
    if (!file) {
        messages.ShowMessage(FileNotOpenedText(path));
        return std::nullopt;
    }
    std::array<double, 6> numbers{};
    for (double& number : numbers) {
        // The label is not compared: only its length matters.
        file->SkipChars(kLabelLength);
        std::optional<double> value = file->ReadReal();
        if (!value) {
            ProgramError(messages, CorruptNumbersText(path));
            return std::nullopt;
        }
        number = *value;
        file->SkipLine();
    }
    return DrainageParameters{numbers[0], numbers[1], numbers[2],
                              numbers[3], numbers[4], numbers[5]};
}

ParameterFileStep ReadParameterFileBeside(TDMOmbrel& dm, ProgramValues& values,
                                          UserMessages& messages, bool predictionSelected) {
    ParameterFileStep step;
    dm.ParFileName = ReplaceExtension(dm.FileName, ".par");
    std::error_code ec;
    if (!std::filesystem::exists(dm.ParFileName, ec)) return step;
    std::optional<DrainageParameters> p = ReadParameterFile(dm.ParFileName, messages);
    if (!p) return step;

    values.Ka = p->Ka;
    values.Kb = p->Kb;
    values.D = p->D;
    values.U = p->U;
    dm.Porosity = p->Porosity;
    values.L = p->L;
    dm.ParFileRead = true;
    dm.PredictionMode = false;
    step.read = true;

    if (predictionSelected) dm.ModeTag = kPredictionTag;
    if (dm.ModeTag != kPredictionTag) return step;

    const double P = dm.Porosity / 100;
    AlphaCoefficients alpha =
        DeriveAlphaCoefficients(values.Ka, values.Kb, values.D, values.U, dm.Porosity, values.L);
    if (!std::isfinite(alpha.M) || !std::isfinite(alpha.N)) {
        // A file edited by hand with a zero spacing, perimeter or porosity:
        // no alpha function follows from it, and the fields keep theirs.
        messages.ShowMessage("One or more data values are incorrect");
        return step;
    }
    // The fields show five decimals, and the prediction uses what they show.
    step.MText = FormatFixed(alpha.M, 8, 5);
    step.NText = FormatFixed(alpha.N, 8, 5);
    values.MCoeff = StringToFloat(step.MText);
    values.NValue = StringToFloat(step.NText);
    values.Trend.TrendA = alpha.M;
    dm.Porosity = P * 100;
    step.PorosityText = FormatGeneral(dm.Porosity);
    dm.SetMode(DataMode::Prediction);
    step.derived = true;
    return step;
}

}  // namespace tervala
