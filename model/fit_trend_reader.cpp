#include "model/fit_trend_reader.h"

#include <optional>

#include "model/input_file.h"
#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {

std::string FitFileName(const TDMOmbrel& data) {
    return ReplaceExtension(data.LastFileName, ".dat");
}

bool ReadFitTrend(const TDMOmbrel& data, TrendResults& trend, UserMessages& messages) {
    std::string name = FitFileName(data);
    std::optional<TextCursor> fit = TextCursor::FromFile(name);
    if (!fit) {
        messages.ShowMessage(GraphFileNotOpenedText(name));
        return false;
    }

    fit->SkipLines(4);
    std::optional<double> coefficient[3];
    for (auto& c : coefficient) {
        fit->ReadChars(3);  // "A= ", " B=", " C="
        c = fit->ReadReal();
        if (!c) {
            messages.ShowMessage(DamagedFitFileText(name));
            return false;
        }
    }
    fit->SkipLine();
    fit->SkipLine();
    fit->ReadChars(3);  // "Q= "
    std::string flag = fit->ReadChars(3);

    trend.TrendA = *coefficient[0];
    trend.TrendB = *coefficient[1];
    trend.TrendC = *coefficient[2];
    trend.TrendValid = flag.empty() || flag == "1";
    return true;
}

}  // namespace tervala
