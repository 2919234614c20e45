#include "model/series_table.h"

#include <algorithm>
#include <charconv>

#include "model/csv_table.h"

namespace tervala {

std::string SeriesNumberText(double value) {
    if (value == 0) value = 0;  // no "-0" from a report's "-0.00"
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

std::string SeriesTableText(const SeriesTable& table, char separator) {
    CsvRecord cells;
    size_t rows = 0;
    for (const SeriesColumn& column : table) {
        cells.push_back(column.Name + " (" + column.Unit + ")");
        rows = std::max(rows, column.Values.size());
    }
    std::string text = CsvLine(cells, separator) + "\r\n";
    for (size_t r = 0; r < rows; ++r) {
        cells.clear();
        for (const SeriesColumn& column : table)
            cells.push_back(r < column.Values.size() ? SeriesNumberText(column.Values[r]) : "");
        text += CsvLine(cells, separator) + "\r\n";
    }
    return text;
}

}  // namespace tervala
