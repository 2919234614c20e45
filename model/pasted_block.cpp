#include "model/pasted_block.h"

#include <algorithm>

#include "model/data_set.h"

namespace tervala {

namespace {

// Spreadsheets end rows with CR LF on one system and with LF alone on
// another; a last row without a line break is a row like the others.
std::string WithCrLfRows(const std::string& text) {
    std::string rows;
    rows.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            rows += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            rows += c;
        }
    }
    if (rows.size() < 2 || rows.compare(rows.size() - 2, 2, "\r\n") != 0) rows += "\r\n";
    return rows;
}

bool IsNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ',';
}

}  // namespace

PastedBlock SpreadPastedText(const std::string& pasted, int col0, int row0) {
    const std::string text = WithCrLfRows(pasted);
    const size_t length = text.size();
    // The grid holds at most kMaxNrOfData rows; lines below them are counted
    // and left out.
    const int linesTaken = std::max(kMaxNrOfData - row0, 0);

    PastedBlock block;
    if (linesTaken == 0) {
        block.Rows = row0;
        block.LinesLeftOut = static_cast<int>(std::count(text.begin(), text.end(), '\r'));
        return block;
    }
    int col = col0;
    int row = row0;
    int lines = 0;
    // A cell is emptied when the walk enters it, unless the block ends there.
    auto enter = [&block, &col, &row]() { block.Cells.push_back({col, row, ""}); };
    enter();
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\t') {
            ++col;
            if (i + 1 < length) enter();
        } else if (c == '\r') {
            ++lines;
            ++row;
            col = col0;
            ++i;  // the line feed of the row end
            if (lines == linesTaken) {
                block.LinesLeftOut =
                    static_cast<int>(std::count(text.begin() + i, text.end(), '\r'));
                break;
            }
            if (i + 1 < length) enter();
        } else if (IsNumberCharacter(c)) {
            block.Cells.back().Text += c;
        }
    }
    block.Rows = row0 + lines;
    return block;
}

}  // namespace tervala
