// A drawing surface that only counts what is drawn (fills, lines, ellipses,
// texts and marks), so the benchmarks time the painters' own work without
// pixels. Text is measured as 7 pixels a character and 15 pixels high.
#pragma once

#include <string>

#include "graphs/drawing_surface.h"

namespace tervala::bench {

class CountingSurface : public DrawingSurface {
  public:
    long operations = 0;
    void SetFont(const std::string&, int) override {}
    void SetFontColour(Rgb) override {}
    void SetFillColour(Rgb) override {}
    void FillRect(int, int, int, int) override { ++operations; }
    void SetPenColour(Rgb) override {}
    void SetPenWidth(int) override {}
    void SetPenStyle(PenStyle) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { ++operations; }
    void Ellipse(int, int, int, int) override { ++operations; }
    void TextOut(int, int, const std::string&) override { ++operations; }
    void MarkOut(int, int, const std::string&) override { ++operations; }
    TextExtent MeasureText(const std::string& text) override {
        return {static_cast<int>(text.size()) * 7, 15};
    }
};

}  // namespace tervala::bench
