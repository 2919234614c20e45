#include "model/csv_table.h"

#include <csv.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace tervala {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Lines looked at to tell the separator: the header and a few data rows.
constexpr int kSeparatorSampleLines = 10;

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

// What libcsv's callbacks build up: the cells of the record being read and
// the line it started on.
struct Collector {
    CsvTable table;
    CsvRecord record;
    int line = 1;        // line of the file being parsed
    int recordLine = 0;  // line the current record started on (0: none started)

    void Cell(const void* bytes, size_t length) {
        if (recordLine == 0) recordLine = line;
        record.emplace_back(bytes ? static_cast<const char*>(bytes) : "", bytes ? length : 0);
    }
    void EndRecord() {
        table.Records.push_back(std::move(record));
        table.Lines.push_back(recordLine == 0 ? line : recordLine);
        record.clear();
        recordLine = 0;
    }
};

void OnCell(void* bytes, size_t length, void* data) {
    static_cast<Collector*>(data)->Cell(bytes, length);
}

void OnRecordEnd(int, void* data) { static_cast<Collector*>(data)->EndRecord(); }

// The length of the line starting at `text` with its line end (LF, CR LF or
// a lone CR).
size_t LineLength(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return i + 1;
        if (text[i] == '\r') return (i + 1 < text.size() && text[i + 1] == '\n') ? i + 2 : i + 1;
    }
    return text.size();
}

}  // namespace

char DetectSeparator(std::string_view text) {
    text = WithoutByteOrderMark(text);
    constexpr char kCandidates[] = {'\t', ';', ','};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    int lines = 0;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' && ++lines == kSeparatorSampleLines) break;
        for (int k = 0; k < 3; ++k)
            if (c == kCandidates[k]) ++counts[k];
    }
    int best = 2;  // a comma when nothing separates cells
    for (int k = 1; k >= 0; --k)
        if (counts[k] > 0 && counts[k] >= counts[best]) best = k;
    return kCandidates[best];
}

CsvTable ParseCsv(std::string_view text) {
    text = WithoutByteOrderMark(text);
    Collector collector;
    collector.table.Separator = DetectSeparator(text);

    csv_parser parser;
    csv_init(&parser, 0);
    std::unique_ptr<csv_parser, void (*)(csv_parser*)> owned(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(collector.table.Separator));
    // Fed one line at a time, so that each record knows the line it starts on
    // even when a quoted cell holds line breaks.
    while (!text.empty()) {
        const size_t length = LineLength(text);
        csv_parse(&parser, text.data(), length, OnCell, OnRecordEnd, &collector);
        // A last line without a line break ends its record only in csv_fini,
        // which must still count it as this line.
        const char last = text[length - 1];
        text.remove_prefix(length);
        if (last == '\n' || last == '\r') ++collector.line;
    }
    csv_fini(&parser, OnCell, OnRecordEnd, &collector);
    return std::move(collector.table);
}

std::optional<CsvTable> ReadCsvFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return ParseCsv(text);
}

std::string CsvLine(const CsvRecord& cells, char separator) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += separator;
        const std::string& cell = cells[i];
        if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (char c : cell) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

}  // namespace tervala
