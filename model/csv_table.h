// Comma-separated files as tables of cell texts: the series that loggers,
// agencies and spreadsheets write (read with libcsv, RFC 4180: quoted fields,
// separators and line breaks inside quotes, doubled quotes), and the tables
// the program writes for them (exported series, the summary of many runs).
// Units are whatever the file holds; nothing here reads a number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervala {

using CsvRecord = std::vector<std::string>;

struct CsvTable {
    char Separator = ',';            // ',', ';' or '\t'
    std::vector<CsvRecord> Records;  // every record of the file, a header included
    std::vector<int> Lines;          // the line of the file each record starts on (from 1)

    // Files separated by semicolons or tabs come from regions that write
    // "2,5" for two and a half; in a comma-separated file a comma in a
    // number can only be a thousands separator.
    bool DecimalComma() const { return Separator != ','; }
};

// The separator of a file: of tab, semicolon and comma, the one found most
// often outside quotes in its first lines; on a tie the earlier of that
// order, since a line with as many semicolons as commas is a semicolon file
// with decimal commas. A comma when none of them occurs (one column).
char DetectSeparator(std::string_view text);

// The records of `text` (a leading UTF-8 byte order mark is skipped; blank
// lines hold no record).
CsvTable ParseCsv(std::string_view text);

// The file read whole and parsed; nothing when it cannot be read.
std::optional<CsvTable> ReadCsvFile(const std::string& path);

// One record as a line of a CSV file, without its line end: cells holding the
// separator, a quote or a line break are quoted, their quotes doubled.
std::string CsvLine(const CsvRecord& cells, char separator);

}  // namespace tervala
