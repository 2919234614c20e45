#include "model/graph_data_reader.h"

#include <optional>
#include <string>

#include "model/graph_report_probe.h"
#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {

namespace {

// The report's two title lines are free text and may start with a marker
// ("RECORDS 1998", "PREDICTED ..."); the markers are looked for below them.
constexpr int kTitleLines = 4;

// Lines between a marker line and the first data row: ruler, two column
// headings, ruler.
constexpr int kHeadingLines = 4;

// Lines closing an analysis table: ruler, standard deviation, R square (and an
// empty line, which is not counted as text).
constexpr int kAnalysisClosingLines = 3;
// A prediction table is closed by one ruler.
constexpr int kPredictionClosingLines = 1;

enum class ColumnOrder {
    Analysis,    // serial, time, rain, recharge, observed, alpha, calculated (, storage)
    Prediction,  // serial, time, rain, recharge, alpha, discharge, head
};

struct ReadRows {
    DataArrayI serials;
    GraphSeries series;
};

// Reads `count` rows at the reader's position, then checks that the ruler
// closing the table follows. Returns a description of the fault, if any.
std::optional<std::string> ReadTable(TextCursor& report, int count, ColumnOrder order,
                                     ReadRows& rows) {
    // Fewer lines than the closing lines of a table: the report was cut.
    if (count < 0) return "it ends before its table is complete";
    GraphSeries& s = rows.series;
    for (int r = 0; r < count; ++r) {
        std::optional<int> serial = report.ReadInteger();
        double field[6];
        bool ok = serial.has_value();
        for (int f = 0; ok && f < 6; ++f) {
            std::optional<double> v = report.ReadReal();
            ok = v.has_value();
            if (ok) field[f] = *v;
        }
        if (!ok) return "data row " + std::to_string(r + 1) + " could not be read";
        report.SkipLine();

        rows.serials.push_back(*serial);
        s.Time.push_back(field[0]);
        s.Rain.push_back(field[1]);
        s.Recharge.push_back(field[2]);
        if (order == ColumnOrder::Analysis) {
            s.Observed.push_back(field[3]);
            s.Alpha.push_back(field[4]);
            s.Calculated.push_back(field[5]);
        } else {
            s.Alpha.push_back(field[3]);
            s.Discharge.push_back(field[4]);
            s.Head.push_back(field[5]);
        }
    }
    if (report.ReadChars(1) != "-") return "its data rows do not end where the report says";
    report.SkipLine();
    return std::nullopt;
}

// Takes four characters of each line and passes the line, until those four
// equal the marker. Stops at the end of the report. The number of lines
// passed, the marker line included, or nothing.
std::optional<int> FindMarker(TextCursor& report, const std::string& marker) {
    int passed = 0;
    while (!report.AtEnd()) {
        std::string start = report.ReadChars(4);
        report.SkipLine();
        ++passed;
        if (start == marker) return passed;
    }
    return std::nullopt;
}

// Reads the report again from its start and finds the marker below the
// titles; the number of lines passed from the start of the report (marker
// line included), or nothing.
std::optional<int> FindTable(TextCursor& report, const TextCursor& start,
                             const std::string& marker) {
    report = start;
    report.SkipLines(kTitleLines);
    std::optional<int> passed = FindMarker(report, marker);
    if (!passed) return std::nullopt;
    return kTitleLines + *passed;
}

// Rows of the table below the headings: the lines to the last one holding
// text, less the lines that close the table. Empty lines after the end add no
// rows; negative when the report was cut before its closing lines.
int CountRows(TextCursor& report, int closingLines) {
    report.SkipLines(kHeadingLines);
    int lines = 0;
    int linesToLastText = 0;
    while (!report.AtEnd()) {
        std::string line = report.ReadLine();
        ++lines;
        if (line.find_first_not_of(" \t") != std::string::npos) linesToLastText = lines;
    }
    return linesToLastText - closingLines;
}

// "R square is:" followed by the number; the label is 39 characters long and
// the number is read whole, whatever its width.
double ReadRSquare(TextCursor& report) {
    report.ReadChars(39);
    std::optional<double> value = report.ReadReal();
    report.SkipLine();
    return value.value_or(0.0);
}

void CommitRows(TDMOmbrel& data, ReadRows&& rows) {
    data.NrOfData = static_cast<int>(rows.serials.size());
    data.RowCheck = std::move(rows.serials);
    data.Graph = std::move(rows.series);
}

}  // namespace

GraphReadOutcome ReadGraphData(TDMOmbrel& data, ProgramValues& values, GraphKind kind,
                               UserMessages& messages) {
    const std::string& name = data.LastFileName;
    std::optional<TextCursor> opened = TextCursor::FromFile(name);
    if (!opened) {
        messages.ShowMessage(GraphFileNotOpenedText(name));
        return GraphReadOutcome::Failed;
    }
    const TextCursor start = *opened;
    TextCursor report = start;
    ReadRows rows;

    if (IsAnalysisGraph(kind)) {
        if (!FindTable(report, start, kHeadReportTag)) {
            CommitRows(data, std::move(rows));
            return GraphReadOutcome::NoRows;
        }
        int count = CountRows(report, kAnalysisClosingLines);
        FindTable(report, start, kHeadReportTag);
        report.SkipLines(kHeadingLines);
        if (auto fault = ReadTable(report, count, ColumnOrder::Analysis, rows)) {
            messages.ShowMessage(DamagedReportText(name, *fault));
            return GraphReadOutcome::Failed;
        }
        if (count == 0) {
            CommitRows(data, std::move(rows));
            return GraphReadOutcome::NoRows;
        }
        double rSquare = values.Trend.RSquare;
        if (kind == GraphKind::ObservedCalculatedInTime ||
            kind == GraphKind::CalculatedAgainstObserved) {
            report.SkipLine();  // standard deviation
            rSquare = ReadRSquare(report);
        }
        if (kind == GraphKind::CalculatedAgainstObserved) rows.series.Time = rows.series.Observed;
        // In a head report the last column is the calculated head; kind 9
        // draws it (in decimetres) beside the recharge.
        if (kind == GraphKind::RechargeObservedInTime &&
            data.TaggedMode() == DataMode::HeadAnalysis) {
            rows.series.LastHead = rows.series.Calculated;
        }
        CommitRows(data, std::move(rows));
        values.Trend.RSquare = rSquare;
        return GraphReadOutcome::Read;
    }

    std::optional<int> markerLines = FindTable(report, start, kPredictionReportTag);
    if (!markerLines) {
        CommitRows(data, std::move(rows));
        return GraphReadOutcome::NoRows;
    }

    bool predictionMode = data.PredictionMode;
    double mCoeff = values.MCoeff;
    double nValue = values.NValue;
    if (kind == GraphKind::WaterTable) {
        // Characters 15 to 18 of the marker line say what was predicted; the
        // axis title of the water-table graph follows from them.
        report = start;
        report.SkipLines(*markerLines - 1);
        report.ReadChars(10);
        report.ReadChars(4);
        std::string t = report.ReadChars(4);
        predictionMode = t == " dra" || t == "drai";

        // The linear alpha function "M =" F(10,5) " N =" F(10,5) stands two
        // lines above the marker line. Labels are skipped and the numbers read
        // whole; when the line is not there the values are kept.
        report = start;
        report.SkipLines((t == "inag" || t == "off:") ? 11 : 12);
        if (report.ReadChars(3) == "M =") {
            std::optional<double> m = report.ReadReal();
            std::optional<double> n;
            if (m && report.ReadChars(4) == " N =") n = report.ReadReal();
            if (m && n) {
                mCoeff = *m;
                nValue = *n;
            }
        }
        FindTable(report, start, kPredictionReportTag);
    }

    int count = CountRows(report, kPredictionClosingLines);
    FindTable(report, start, kPredictionReportTag);
    report.SkipLines(kHeadingLines);
    if (auto fault = ReadTable(report, count, ColumnOrder::Prediction, rows)) {
        messages.ShowMessage(DamagedReportText(name, *fault));
        return GraphReadOutcome::Failed;
    }
    bool any = !rows.serials.empty();
    CommitRows(data, std::move(rows));
    data.PredictionMode = predictionMode;
    values.MCoeff = mCoeff;
    values.NValue = nValue;
    return any ? GraphReadOutcome::Read : GraphReadOutcome::NoRows;
}

}  // namespace tervala
