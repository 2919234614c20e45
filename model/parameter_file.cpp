#include "model/parameter_file.h"

#include <array>

#include "model/file_replace.h"
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

}  // namespace tervala
