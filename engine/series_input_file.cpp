#include "engine/series_input_file.h"

#include "engine/session.h"
#include "model/number_text.h"

namespace tervala {

void PutSeriesIntoDataSet(TDMOmbrel& dm, const ImportedSeries& series, SeriesJob job) {
    const bool analysis = job == SeriesJob::Analysis;
    dm.SetMode(analysis ? DataMode::DischargeAnalysis : DataMode::Prediction);
    const int n = series.Rows();
    dm.NrOfData = n;
    const size_t size = static_cast<size_t>(n) + 1;
    auto fill = [size](DataArrayR& target, const std::vector<double>& values) {
        target.assign(values.begin(), values.end());
        target.resize(size, 0.0);
    };
    fill(dm.TimeData, series.Of(SeriesRole::Time));
    fill(dm.RainData, series.Of(SeriesRole::Rain));
    fill(dm.EscData, series.Of(SeriesRole::Escape));
    if (analysis) fill(dm.DischData, series.Of(SeriesRole::Observed));
    dm.MissingObs.assign(size, 0);
}

GridTexts ImportedGridTexts(const ImportedSeries& series) {
    GridTexts grid(static_cast<size_t>(series.Rows()));
    for (size_t r = 0; r < grid.size(); ++r)
        for (int role = 0; role < kSeriesRoles; ++role)
            if (r < series.Values[role].size())
                grid[r][role] = FormatGeneral(series.Values[role][r]);
    return grid;
}

SaveOutcome WriteSeriesInputFile(const std::string& file, const ImportedSeries& series,
                                 SeriesJob job, const ImportFields& fields,
                                 UserMessages& messages) {
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    PutSeriesIntoDataSet(dm, series, job);
    dm.FileName = file;
    dm.MaxSto = fields.MaxSto;
    dm.IniSto = fields.IniSto;
    dm.MaxEsc = fields.MaxEsc;
    SaveRequest request;
    request.Title1 = fields.Title1;
    request.Title2 = fields.Title2;
    request.Grid = ImportedGridTexts(series);
    request.Fields = fields.Prediction;
    return SaveInputData(s, request, messages);
}

}  // namespace tervala
