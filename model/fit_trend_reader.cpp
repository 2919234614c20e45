#include "model/fit_trend_reader.h"

#include <optional>

#include "model/graph_file_text.h"
#include "model/input_file.h"
#include "model/text_reader.h"

namespace tervala {

std::string FitFileName(const TDMOmbrel& data) {
    return ReplaceExtension(data.LastFileName, ".dat");
}

bool ReadFitTrend(const TDMOmbrel& data, TrendResults& trend, UserMessages& messages) {
    std::string name = FitFileName(data);
    std::optional<std::string> text = LoadGraphFileText(name);
    if (!text) {
        messages.ShowMessage(ReportNotOpenedMessage(name));
        return false;
    }
    TextReader fit(std::move(*text));

    fit.SkipLines(4);
    std::optional<double> coefficient[3];
    for (auto& c : coefficient) {
        fit.TakeChars(3);  // "A= ", " B=", " C="
        c = fit.ReadReal();
        if (!c) {
            messages.ShowMessage("The fit file \"" + name +
                                 "\" is damaged: its trend coefficients could not be read. "
                                 "The graph is not drawn.");
            return false;
        }
    }
    fit.SkipLine();
    fit.SkipLine();
    fit.TakeChars(3);  // "Q= "
    std::string flag = fit.TakeChars(3);

    trend.TrendA = *coefficient[0];
    trend.TrendB = *coefficient[1];
    trend.TrendC = *coefficient[2];
    trend.TrendValid = flag.empty() || flag == "1";
    return true;
}

}  // namespace tervala
