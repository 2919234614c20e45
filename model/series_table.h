// Series as columns of numbers with a name and a unit, written as text for
// spreadsheets: the series of a report exported to a CSV file, and the data
// of a graph copied to the clipboard. Numbers keep every digit they have,
// with "." as decimal point whatever the user's regional settings.
#pragma once

#include <string>
#include <vector>

namespace tervala {

struct SeriesColumn {
    std::string Name;  // "observed discharge"
    std::string Unit;  // "mm/t": t is the time unit of the data set
    std::vector<double> Values;
};

using SeriesTable = std::vector<SeriesColumn>;

// The shortest text that reads back as the same number ("0.25", "1e-05").
std::string SeriesNumberText(double value);

// A header of "name (unit)" cells, then one line per row; cells separated by
// `separator`, every line ended by CR LF (the line end of spreadsheet text).
std::string SeriesTableText(const SeriesTable& table, char separator);

}  // namespace tervala
