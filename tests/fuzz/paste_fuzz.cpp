// Spreading a pasted block over the data grid: the first two bytes choose the
// cell pasted into, the rest is the clipboard text. The block never grows the
// grid beyond the largest number of data, and each cell keeps only the
// characters of a number, which are read back as the grid does.
#include <cmath>

#include "model/data_set.h"
#include "model/number_text.h"
#include "model/pasted_block.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int col0 = data[0] % 4;
    const int row0 = data[1] % 16 == 0 ? kMaxNrOfData - 1 - data[1] / 16 : data[1] % 16;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const PastedBlock block = SpreadPastedText(text, col0, row0);

    Require(block.Rows > row0 && block.Rows <= kMaxNrOfData, "rows within the grid's limits");
    Require(block.LinesLeftOut >= 0, "a count of lines left out");
    Require(!block.Cells.empty() && block.Cells[0].Col == col0 && block.Cells[0].Row == row0,
            "the block starts in the cell pasted into");
    for (const PastedCell& cell : block.Cells) {
        Require(cell.Col >= col0 && cell.Row >= row0 && cell.Row < block.Rows,
                "cells within the block");
        Require(cell.Text.find_first_not_of("0123456789-.,") == std::string::npos,
                "only the characters of a number");
        const std::optional<double> v = TryStringToFloat(cell.Text);
        Require(!v || std::isfinite(*v), "cells read as finite numbers");
    }
    return 0;
}
