#include "engine/series_import.h"

#include <algorithm>
#include <string_view>

#include "engine/prediction_state.h"
#include "model/data_set.h"
#include "model/iso_date_time.h"
#include "model/number_text.h"

namespace tervala {

namespace {

// Line numbers of left-out rows worth telling.
constexpr size_t kLeftOutLinesTold = 5;

// Header names each role is found by when none is given, in order of
// preference: "rain_mm" or "Rain (mm/day)" is a rain column, "rainfall" is not.
const std::vector<std::string_view> kDefaultNames[kSeriesRoles] = {
    {"time", "date", "datetime"},
    {"rain", "precipitation"},
    {"escape", "pet", "evaporation", "evapotranspiration"},
    {"observed", "discharge", "runoff"},
};

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Header names are compared in ASCII, whatever the user's locale.
std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A header cell names `name` when it is the name, or begins with it followed
// by a unit or an underscore ("discharge_mm", "pet [mm/d]").
bool NamesDefault(const std::string& header, std::string_view name) {
    const std::string h = Lower(Trimmed(header));
    return h.size() >= name.size() && h.compare(0, name.size(), name) == 0 &&
           (h.size() == name.size() || !IsLetter(h[name.size()]));
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<double> CellNumber(const std::string& cell, bool decimalComma) {
    if (!decimalComma && cell.find(',') != std::string::npos) return std::nullopt;
    return TryStringToFloat(cell);
}

bool IsValue(const std::string& cell, bool decimalComma) {
    return CellNumber(cell, decimalComma) || ParseIsoDateTime(cell);
}

// A first record with a cell that is neither a number nor a date names the columns.
bool HasHeader(const CsvTable& table) {
    if (table.Records.empty()) return false;
    for (const std::string& cell : table.Records.front())
        if (!Trimmed(cell).empty() && !IsValue(cell, table.DecimalComma())) return true;
    return false;
}

// The column of every role needed, -1 where none is found; the first
// role that cannot be given its own column is the problem.
std::optional<ImportProblem> FindColumns(const SeriesImportRequest& request,
                                         const std::vector<std::string>& header, int columns,
                                         std::array<int, kSeriesRoles>& index) {
    const int needed = request.Job == SeriesJob::Analysis ? kSeriesRoles : kSeriesRoles - 1;
    std::optional<ImportProblem> first;
    index.fill(-1);
    for (int role = 0; role < needed; ++role) {
        const std::string given = Trimmed(request.Columns[role]);
        if (AllDigits(given)) {
            const int number = given.size() > 6 ? 0 : std::stoi(given);
            if (number >= 1 && number <= columns) index[role] = number - 1;
        } else if (!given.empty()) {
            for (size_t c = 0; c < header.size() && index[role] < 0; ++c)
                if (Lower(Trimmed(header[c])) == Lower(given)) index[role] = static_cast<int>(c);
        } else if (header.empty()) {
            if (role < columns) index[role] = role;  // the grid's order
        } else {
            for (std::string_view name : kDefaultNames[role])
                for (size_t c = 0; c < header.size() && index[role] < 0; ++c)
                    if (NamesDefault(header[c], name)) index[role] = static_cast<int>(c);
        }
        if (first) continue;
        ImportProblem problem;
        problem.Role = static_cast<SeriesRole>(role);
        problem.Cell = given;
        problem.Columns = columns;
        if (index[role] < 0) {
            problem.Kind = ImportRefusal::NoSuchColumn;
            first = problem;
        }
        for (int other = 0; other < role && !first; ++other) {
            if (index[other] == index[role]) {
                problem.Kind = ImportRefusal::ColumnTwice;
                problem.Column = index[role] + 1;
                problem.OtherRole = static_cast<SeriesRole>(other);
                first = problem;
            }
        }
    }
    return first;
}

// The time as the input file writes it (value format, width 12) and reads it back.
double AsWritten(double time) {
    std::string text = FormatValue(time, 12);
    text.erase(0, text.find_first_not_of(' '));
    return ParseFileNumber(text).value_or(time);
}

}  // namespace

int SeriesRowLimit(SeriesJob job) {
    return job == SeriesJob::Analysis ? kMaxNrOfData : kPredictionCapacity;
}

SeriesImport ImportSeries(const CsvTable& table, const SeriesImportRequest& request) {
    SeriesImport result;
    const bool header = HasHeader(table);
    if (header)
        for (const std::string& cell : table.Records.front())
            result.Header.push_back(Trimmed(cell));
    const size_t firstData = header ? 1 : 0;
    int columns = static_cast<int>(result.Header.size());
    if (!header)
        for (const CsvRecord& r : table.Records)
            columns = std::max(columns, static_cast<int>(r.size()));

    result.Columns = columns;
    auto refuse = [&result](ImportProblem problem) {
        problem.Header = result.Header;
        result.Problem = std::move(problem);
        return result;
    };

    if (table.Records.empty()) {
        ImportProblem empty;
        empty.Kind = ImportRefusal::NoUsableRows;  // with no rows looked at
        return refuse(empty);
    }
    std::array<int, kSeriesRoles>& index = result.Found;
    if (std::optional<ImportProblem> problem = FindColumns(request, result.Header, columns, index))
        return refuse(*problem);
    const int needed = request.Job == SeriesJob::Analysis ? kSeriesRoles : kSeriesRoles - 1;

    ImportedSeries s;
    for (int role = 0; role < needed; ++role) {
        const size_t c = static_cast<size_t>(index[role]);
        s.ColumnNames[role] =
            header ? result.Header[c] : "column " + std::to_string(index[role] + 1);
    }

    // The rows asked for, counted from the first data row.
    const int dataRows = static_cast<int>(table.Records.size() - firstData);
    const int firstRow = std::max(request.FirstRow.value_or(1), 1);
    const int lastRow = std::min(request.LastRow.value_or(dataRows), dataRows);

    const bool comma = table.DecimalComma();
    std::vector<IsoInstant> instants;
    std::vector<int> lines;
    ImportProblem firstFault;  // why the first row was left out
    firstFault.Kind = ImportRefusal::NoUsableRows;
    for (int d = firstRow - 1; d < lastRow; ++d) {
        const CsvRecord& record = table.Records[firstData + static_cast<size_t>(d)];
        const int line = table.Lines[firstData + static_cast<size_t>(d)];
        double value[kSeriesRoles] = {0, 0, 0, 0};
        std::optional<IsoInstant> instant;
        int faultRole = -1;
        for (int role = 0; role < needed && faultRole < 0; ++role) {
            const size_t c = static_cast<size_t>(index[role]);
            const std::string cell = c < record.size() ? Trimmed(record[c]) : std::string();
            std::optional<double> number = CellNumber(cell, comma);
            // The first row kept decides whether the times are numbers or dates.
            if (role == 0 && (lines.empty() ? !number : s.TimesAreDates)) {
                number.reset();
                instant = ParseIsoDateTime(cell);
            }
            if (number) {
                value[role] = *number;
            } else if (!(role == 0 && instant)) {
                faultRole = role;
                if (s.LeftOut == 0) {
                    firstFault.Role = static_cast<SeriesRole>(role);
                    firstFault.Cell = cell;
                    firstFault.Line = line;
                }
            }
        }
        if (faultRole >= 0) {
            ++s.LeftOut;
            if (s.LeftOutLines.size() < kLeftOutLinesTold) s.LeftOutLines.push_back(line);
            continue;
        }
        for (SeriesRole role : {SeriesRole::Rain, SeriesRole::Observed}) {
            const int r = static_cast<int>(role);
            if (r < needed && value[r] < 0) {
                ImportProblem negative;
                negative.Kind = ImportRefusal::NegativeValue;
                negative.Role = role;
                negative.Line = line;
                negative.Cell = Trimmed(record[static_cast<size_t>(index[r])]);
                return refuse(negative);
            }
        }
        if (lines.empty()) s.TimesAreDates = instant.has_value();
        if (instant) instants.push_back(*instant);
        lines.push_back(line);
        for (int role = 0; role < needed; ++role) s.Values[role].push_back(value[role]);
    }

    if (lines.empty()) {
        firstFault.Rows = std::max(lastRow - firstRow + 1, 0);
        return refuse(firstFault);
    }
    const int limit = SeriesRowLimit(request.Job);
    if (static_cast<int>(lines.size()) > limit) {
        if (!request.KeepFirstRows) {
            ImportProblem tooMany;
            tooMany.Kind = ImportRefusal::TooManyRows;
            tooMany.Rows = static_cast<int>(lines.size());
            tooMany.Limit = limit;
            return refuse(tooMany);
        }
        lines.resize(static_cast<size_t>(limit));
        for (auto& series : s.Values)
            if (!series.empty()) series.resize(static_cast<size_t>(limit));
    }
    if (s.TimesAreDates) {
        const double secondsPerUnit = request.Unit == TimeUnit::Hours ? 3600.0 : 86400.0;
        for (size_t k = 0; k < lines.size(); ++k)
            s.Values[0][k] = SecondsBetween(instants.front(), instants[k]) / secondsPerUnit;
    }
    // Times must increase, also as the input file writes them (two decimals
    // from 1 upwards), or the engine would see a step of zero length.
    for (size_t k = 1; k < lines.size(); ++k) {
        const double before = s.Values[0][k - 1], now = s.Values[0][k];
        const bool increases = before < now;
        if (!increases || !(AsWritten(before) < AsWritten(now))) {
            ImportProblem order;
            order.Kind = ImportRefusal::TimesNotIncreasing;
            order.Line = lines[k];
            order.PreviousLine = lines[k - 1];
            order.WrittenPrecision = increases;
            return refuse(order);
        }
    }
    s.FirstLine = lines.front();
    s.LastLine = lines.back();
    result.Series = std::move(s);
    return result;
}

}  // namespace tervala
