#include "engine/analysis_loading.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/engine_file_error.h"
#include "engine/finite_results.h"
#include "engine/fit_statistics.h"
#include "model/input_file_layout.h"
#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {

namespace {

// Observed values below this (mm per time unit, or head) count as this: the
// search and the statistics never see a zero discharge.
constexpr double kObservedFloor = 0.001;
// A series whose largest and smallest values differ by less cannot be analysed.
constexpr double kMinimumRange = 0.001;

struct FileRow {
    int32_t serial;
    double time, rain, esc, observed;
};

double ReadHeaderValue(TextCursor& c, const InputLabel& label, const std::string& path) {
    c.GoToLine(label.Line);
    const int line = c.LineNumber();
    if (c.AtEnd()) {
        throw EngineFileError(InputEndsBeforeText(path, line));
    }
    c.SkipChars(label.Length());
    std::optional<double> value = c.ReadReal();
    if (!value) {
        throw EngineFileError(NoNumberAfterLabelText(path, line));
    }
    c.SkipLine();
    return *value;
}

bool RestIsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// One row per line: an integer serial number, time, rain, escape rate and
// the observed value; anything after them is ignored. Empty lines carry no
// row. A row with fewer fields (the four-field rows of old files, which only
// the input reader repairs) cannot be read.
std::vector<FileRow> ReadRows(TextCursor& c, const std::string& path) {
    std::vector<FileRow> rows;
    while (!c.AtEnd() && !c.OnlyBlankLinesLeft()) {
        if (RestIsBlank(c.PeekRest())) {
            c.SkipLine();
            continue;
        }
        const int line = c.LineNumber();
        std::optional<int32_t> serial = c.ReadInteger();
        std::optional<double> values[4];
        for (auto& v : values) v = serial ? c.ReadReal() : std::nullopt;
        if (!serial || !values[0] || !values[1] || !values[2] || !values[3]) {
            throw EngineFileError(NoAnalysisRowText(path, line));
        }
        rows.push_back({*serial, *values[0], *values[1], *values[2], *values[3]});
        c.SkipLine();
    }
    return rows;
}

double Range(const DataArrayR& series, int n) {
    if (n < 1) return 0;
    double lowest = series[1], highest = series[1];
    for (int k = 2; k <= n; ++k) {
        lowest = std::min(lowest, series[k]);
        highest = std::max(highest, series[k]);
    }
    return highest - lowest;
}

// A variation check failed: the data set is marked as refused.
void Refuse(Session& s, UserMessages& messages, const std::string& text) {
    s.DMOmbrel.RunFailed = true;
    messages.ShowMessage(text);
    s.Flags.AnalysisOk = false;
}

}  // namespace

void LoadAnalysisData(Session& s, AnalysisKind kind, UserMessages& messages,
                      RunProgress& progress) {
    TDMOmbrel& dm = s.DMOmbrel;
    AnalysisState& a = s.Analysis;
    const std::string path = dm.FileName;

    std::optional<TextCursor> file = TextCursor::FromFile(path);
    if (!file) {
        throw EngineFileError(InputNotOpenedText(path));
    }
    TextCursor& c = *file;
    c.GoToLine(kTitle1Line);
    dm.Title1 = c.ReadLine();
    dm.Title2 = c.ReadLine();
    const double maxSto = ReadHeaderValue(c, kMaxStoLabel, path);
    const double iniSto = ReadHeaderValue(c, kIniStoLabel, path);
    const double maxEsc = ReadHeaderValue(c, kMaxEscLabel, path);
    c.GoToLine(kAnalysisFirstRowLine);
    const std::vector<FileRow> rows = ReadRows(c, path);

    const int n = static_cast<int>(rows.size());
    a.RowCount = n;
    a.MaxSto = maxSto;
    a.IniSto = iniSto;
    a.MaxEsc = maxEsc;
    progress.ShowRowCount(n);

    if (n > kAnalysisCapacity) {
        Refuse(s, messages, TooManyAnalysisRowsText(n, kAnalysisCapacity));
        return;
    }

    a.Resize(n);
    ReservoirSeries& r = a.Reservoir;
    DataArrayR& observed = kind == AnalysisKind::Discharge ? a.RunMeas : a.HeadMeas;
    for (int k = 1; k <= n; ++k) {
        const FileRow& row = rows[k - 1];
        a.SerialNo[k] = row.serial;
        a.SerialText[k] = std::to_string(row.serial).substr(0, 7);
        r.Time[k] = row.time;
        r.Rain[k] = row.rain;
        r.Esc[k] = row.esc;
        observed[k] = row.observed;
    }

    for (int k = 1; k <= n; ++k) {
        if (observed[k] < kObservedFloor) observed[k] = kObservedFloor;
    }
    MoveNegativeEscapeToRain(n, r);
    // The escape rates the engine acts on are the data set's own series.
    if (dm.EscData.size() < static_cast<size_t>(n)) dm.EscData.resize(n, 0.0);
    for (int k = 1; k <= n; ++k) dm.EscData[k - 1] = r.Esc[k];

    const double observedRange = Range(observed, n);
    const double timeRange = Range(r.Time, n);

    s.Flags.AnalysisOk = true;
    dm.RunFailed = false;
    if (observedRange < kMinimumRange) {
        Refuse(s, messages,
               kind == AnalysisKind::Discharge ? kNoRunoffVariationText : kNoHeadVariationText);
        return;
    }
    if (timeRange < kMinimumRange) {
        Refuse(s, messages, kNoTimeVariationAnalysisText);
        return;
    }

    if (!ComputeRecharge(RechargeVariant::Analysis, n, a.MaxSto, a.IniSto, r, s.Flags, messages)) {
        return;
    }
    if (!AnalysisDataFinite(a, kind)) {
        Refuse(s, messages, kNotFiniteText);
        return;
    }

    if (s.Flags.CheckOnly) return;
    // The trend is drawn by the graphs, and its line is the alpha function
    // that stands when the search finds no better one.
    const TrendFit trend = FitTrend(r.Rech, observed, n);
    TrendResults& t = s.Values.Trend;
    t.TrendValid = trend.Valid;
    if (trend.Fit.Line) {
        a.AlphaSlope = trend.Fit.Line->L1;
        a.AlphaIntercept = trend.Fit.Line->L0;
    }
    if (trend.Fit.Parabola) {
        t.TrendA = trend.Fit.Parabola->Q2;
        t.TrendB = trend.Fit.Parabola->Q1;
        t.TrendC = trend.Fit.Parabola->Q0;
    }
    if (TrendInconsistent(r.Rain, n, t)) {
        messages.ShowMessage(kind == AnalysisKind::Discharge ? kRunoffTrendText : kHeadTrendText);
    }
}

}  // namespace tervala
