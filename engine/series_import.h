// A series read from a CSV file into the grid's columns: time (the user's
// time unit: plain numbers as they are, ISO 8601 dates counted in days or
// hours from the first row used), rain plus irrigation and maximum escape
// rate (mm per time unit) and, for an analysis, the observed discharge (mm
// per time unit). The window's "Import series..." and `tervala-batch import`
// both read series through ImportSeries.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/csv_table.h"

namespace tervala {

enum class SeriesJob { Analysis, Prediction };
enum class TimeUnit { Days, Hours };

// The grid's columns, in the grid's order.
enum class SeriesRole { Time = 0, Rain = 1, Escape = 2, Observed = 3 };
inline constexpr int kSeriesRoles = 4;

// Rows the engine takes: an analysis as many as the grid holds, a prediction 501.
int SeriesRowLimit(SeriesJob job);

struct SeriesImportRequest {
    SeriesJob Job = SeriesJob::Analysis;
    // Per role: a column name (matched without regard to case) or its number
    // from 1; empty takes the default (header names, or the grid's order in a
    // file without a header). Observed is not read for a prediction.
    std::array<std::string, kSeriesRoles> Columns;
    std::optional<int> FirstRow, LastRow;  // data rows from 1, the header not counted
    TimeUnit Unit = TimeUnit::Days;        // for dates in the time column
    // More usable rows than the job takes: keep the first ones rather than refuse.
    bool KeepFirstRows = false;
};

struct ImportedSeries {
    std::array<std::vector<double>, kSeriesRoles> Values;  // Observed empty for a prediction
    std::array<std::string, kSeriesRoles> ColumnNames;     // header text, or "column N"
    int FirstLine = 0, LastLine = 0;                       // file lines of the first and last row
    int LeftOut = 0;                // rows left out for a missing or non-numeric value
    std::vector<int> LeftOutLines;  // the lines of the first few of them
    bool TimesAreDates = false;

    int Rows() const { return static_cast<int>(Values[0].size()); }
    const std::vector<double>& Of(SeriesRole role) const { return Values[static_cast<int>(role)]; }
};

enum class ImportRefusal {
    NotReadable,         // the file cannot be read
    NoSuchColumn,        // a needed column is not found (Role says which)
    ColumnTwice,         // Role asks for the Column that OtherRole has already
    NoUsableRows,        // no row holds all needed values
    NegativeValue,       // a negative rain or observed value (Line, Cell)
    TimesNotIncreasing,  // Line's time is not after the time of PreviousLine
    TooManyRows,         // Rows usable, Limit taken
};

struct ImportProblem {
    ImportRefusal Kind = ImportRefusal::NotReadable;
    SeriesRole Role = SeriesRole::Time;
    SeriesRole OtherRole = SeriesRole::Time;
    int Column = 0;    // from 1
    std::string Cell;  // the column asked for, or the offending cell text
    int Line = 0, PreviousLine = 0;
    int Rows = 0, Limit = 0, Columns = 0;  // Columns: how many the file has
    bool WrittenPrecision = false;    // the times increase, but not as the input file writes them
    std::vector<std::string> Header;  // the file's column names (empty without a header)
};

struct SeriesImport {
    std::optional<ImportedSeries> Series;  // set when the series was read
    std::optional<ImportProblem> Problem;  // set when it was refused
    std::vector<std::string> Header;       // the file's column names (empty without a header)
    int Columns = 0;                       // how many columns the file has
    // Per role the column found (from 0), -1 where none is (or none needed).
    std::array<int, kSeriesRoles> Found{-1, -1, -1, -1};
};

// Reads the series `request` asks for from `table`. A row missing a needed
// value, or holding a text that is no number (no date in the time column),
// is left out and counted; the refusals above leave nothing read.
SeriesImport ImportSeries(const CsvTable& table, const SeriesImportRequest& request);

}  // namespace tervala
