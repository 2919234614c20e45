// A block of spreadsheet text pasted into the data grid: cells separated by
// tabs, rows ended by line breaks (CR LF, LF or CR alone), spread over the
// grid from the cell it was pasted into. Only the characters of a number stay
// in a cell: digits, "-", "." and "," (a decimal comma counts like a point,
// as everywhere the program reads typed numbers); blanks, "+", letters,
// quotes and the rest are dropped.
#pragma once

#include <string>
#include <vector>

namespace tervala {

// The text a cell takes.
struct PastedCell {
    int Col = 0;
    int Row = 0;
    std::string Text;
};

struct PastedBlock {
    // Every cell the block reaches, in the order reached: each replaces that
    // cell's text. Cells beyond the grid's columns are reached as well.
    std::vector<PastedCell> Cells;
    // Rows of the grid after the paste: the row pasted into plus the lines
    // taken, at most kMaxNrOfData.
    int Rows = 0;
    // Lines of the block below the largest number of data; not taken.
    int LinesLeftOut = 0;
};

PastedBlock SpreadPastedText(const std::string& text, int col0, int row0);

}  // namespace tervala
