#include "engine/prediction_loading.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_file_error.h"
#include "engine/first_reservoir.h"
#include "model/input_file_layout.h"
#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {
namespace {

// What the file holds, read in full before anything in the session changes.
struct PredictionInput {
    std::string Title1, Title2;
    double MaxSto = 0, IniSto = 0, MaxEsc = 0;
    double MCoeff = 0, NValue = 0;
    double PorosityPercent = 0;
    double RunIni = 0, HeadIni = 0;
    std::vector<int32_t> Serial;
    std::vector<double> Time, Rain;
};

enum class ReadOutcome { Ok, NotLinear, TooManyRows };

bool IsBlankLine(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Lines 1 to 16 by position, then the column header, then the rows. A file
// that does not hold what its layout promises raises EngineFileError.
ReadOutcome ParsePredictionInput(TextCursor& file, const std::string& path, PredictionInput& in) {
    auto endsBefore = [&]() {
        return EngineFileError(InputEndsBeforeText(path, file.LineNumber()));
    };
    // A labelled header line: the label passed, then the number.
    auto header = [&](const InputLabel& label) {
        file.GoToLine(label.Line);
        if (file.AtEnd()) throw endsBefore();
        const int line = file.LineNumber();
        file.SkipChars(label.Length());
        std::optional<double> value = file.ReadReal();
        if (!value) {
            throw EngineFileError(NoNumberAfterLabelText(path, line));
        }
        file.SkipLine();
        return *value;
    };

    file.GoToLine(kTitle1Line);
    if (file.AtEnd()) throw endsBefore();
    in.Title1 = file.ReadLine();
    if (file.AtEnd()) throw endsBefore();
    in.Title2 = file.ReadLine();
    in.MaxSto = header(kMaxStoLabel);
    in.IniSto = header(kIniStoLabel);
    in.MaxEsc = header(kMaxEscLabel);

    file.GoToLine(kAlphaFunctionLine);
    if (file.AtEnd()) throw endsBefore();
    const std::string tag = file.ReadChars(4);
    file.SkipLine();
    if (tag != kLinearAlphaTag) return ReadOutcome::NotLinear;

    in.MCoeff = header(kMCoeffLabel);
    in.NValue = header(kNValueLabel);
    in.PorosityPercent = header(kPorosityLabel);
    in.RunIni = header(kRunIniLabel);
    in.HeadIni = header(kHeadIniLabel);

    // The column header: an empty line, a ruler, the titles and a ruler. A
    // file without the empty line has its second ruler third.
    std::string lead;
    for (int i = 0; i < 3; ++i) {
        if (file.AtEnd()) throw endsBefore();
        lead = file.ReadChars(4);
        file.SkipLine();
    }
    if (lead != " ---") file.SkipLine();

    while (!file.AtEnd()) {
        if (IsBlankLine(file.PeekRest())) {  // an empty line holds no row
            file.SkipLine();
            continue;
        }
        // The escape rate column is not read: the data set's escape rates act.
        const int line = file.LineNumber();
        std::optional<int32_t> serial = file.ReadInteger();
        std::optional<double> time = serial ? file.ReadReal() : std::nullopt;
        std::optional<double> rain = time ? file.ReadReal() : std::nullopt;
        if (!rain) {
            throw EngineFileError(NoPredictionRowText(path, line));
        }
        file.SkipLine();
        if (in.Serial.size() == static_cast<std::size_t>(kPredictionCapacity))
            return ReadOutcome::TooManyRows;
        in.Serial.push_back(*serial);
        in.Time.push_back(*time);
        in.Rain.push_back(*rain);
    }
    return ReadOutcome::Ok;
}

bool Refuse(Session& s, UserMessages& messages, const std::string& text) {
    messages.ShowMessage(text);
    s.Flags.PredNoData = true;
    return false;
}

}  // namespace

bool LoadPredictionData(Session& s, UserMessages& messages) {
    s.Flags.PredNoData = false;
    s.Flags.PredTimeError = false;
    TDMOmbrel& dm = s.DMOmbrel;
    PredictionState& p = s.Prediction;

    PredictionInput in;
    ReadOutcome outcome = ReadOutcome::Ok;
    try {
        std::optional<TextCursor> file = TextCursor::FromFile(dm.FileName);
        if (!file) {
            throw EngineFileError(InputNotOpenedText(dm.FileName));
        }
        outcome = ParsePredictionInput(*file, dm.FileName, in);
    } catch (const EngineFileError&) {
        s.Flags.PredNoData = true;  // no prediction, no report
        throw;
    }
    switch (outcome) {
        case ReadOutcome::Ok:
            break;
        case ReadOutcome::NotLinear:
            return Refuse(s, messages, NoLinearAlphaText(dm.FileName));
        case ReadOutcome::TooManyRows:
            return Refuse(s, messages, TooManyPredictionRowsText(dm.FileName, kPredictionCapacity));
    }

    // The file has been read: its values replace those in memory, so the
    // window shows the alpha function and initial values the run used.
    p.LinearAlpha = 1;
    dm.Title1 = in.Title1;
    dm.Title2 = in.Title2;
    s.Values.MCoeff = in.MCoeff;
    s.Values.NValue = in.NValue;
    dm.RunIni = in.RunIni;
    dm.HeadIni = in.HeadIni;
    p.MaxSto = in.MaxSto;
    p.IniSto = in.IniSto;
    p.MaxEsc = in.MaxEsc;
    p.PorosityFrac = in.PorosityPercent / 100;

    const int n = static_cast<int>(in.Serial.size());
    p.Resize(n);
    for (int k = 1; k <= n; ++k) {
        p.SerialNo[k] = in.Serial[k - 1];
        p.Reservoir.Time[k] = in.Time[k - 1];
        p.Reservoir.Rain[k] = in.Rain[k - 1];
    }

    // A hydrograph needs time to pass: all times (nearly) equal, a single row
    // or none at all give nothing to predict.
    double range = 0;
    if (n > 0) {
        auto [lo, hi] = std::minmax_element(in.Time.begin(), in.Time.end());
        range = *hi - *lo;
    }
    if (range < 0.001) return Refuse(s, messages, kNoTimeVariationPredictionText);

    // The escape rates are not in the rows read here but in the data set
    // (the grid values saved with the file); each row needs its own.
    const std::size_t escapeRates =
        std::min(static_cast<std::size_t>(std::max(dm.NrOfData, 0)), dm.EscData.size());
    if (escapeRates < static_cast<std::size_t>(n)) {
        return Refuse(s, messages, EscapeRatesMissingText(static_cast<int>(escapeRates), n));
    }

    // The fullness of the first reservoir is its storage divided by the
    // maximum: without room in the reservoir there is no escape to scale.
    if (p.MaxSto <= 0) {
        s.Flags.MaxStoOk = false;
        return Refuse(s, messages, kMaxStorageText);
    }

    // The head rises by the recharge spread over the drainable pore space.
    if (p.PorosityFrac <= 0) return Refuse(s, messages, kPorosityNotPositiveText);

    for (int k = 1; k <= n; ++k) p.Reservoir.Esc[k] = dm.EscData[k - 1];

    double iniSto = p.IniSto;
    return ComputeRecharge(RechargeVariant::Prediction, n, p.MaxSto, iniSto, p.Reservoir, s.Flags,
                           messages);
}

}  // namespace tervala
