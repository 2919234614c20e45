// A surface that records every operation with the pen, fill and font in force.
// Every character (UTF-8 code point) is 7 pixels wide, every text 15 high.
#pragma once

#include <string>
#include <vector>

#include "graphs/drawing_surface.h"

namespace tervala::testing {

struct DrawOp {
    enum class Kind { Fill, Line, Ellipse, Text, Mark };  // Mark: a glyph without its cell
    Kind kind = Kind::Fill;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // rectangle, line ends, or text position (x1, y1)
    std::string text;
    Rgb pen, fill, font;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    std::string fontName;
    int fontSize = 0;
};

class RecordingSurface : public DrawingSurface {
  public:
    std::vector<DrawOp> ops;

    void SetFont(const std::string& name, int size) override {
        now_.fontName = name, now_.fontSize = size;
    }
    void SetFontColour(Rgb colour) override { now_.font = colour; }
    void SetFillColour(Rgb colour) override { now_.fill = colour; }
    void SetPenColour(Rgb colour) override { now_.pen = colour; }
    void SetPenWidth(int width) override { now_.penWidth = width; }
    void SetPenStyle(PenStyle style) override { now_.penStyle = style; }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override {
        Record(DrawOp::Kind::Line, x_, y_, x, y);
        x_ = x, y_ = y;
    }
    void FillRect(int l, int t, int r, int b) override { Record(DrawOp::Kind::Fill, l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Record(DrawOp::Kind::Ellipse, l, t, r, b); }
    void TextOut(int x, int y, const std::string& text) override {
        Write(DrawOp::Kind::Text, x, y, text);
    }
    void MarkOut(int x, int y, const std::string& glyph) override {
        Write(DrawOp::Kind::Mark, x, y, glyph);
    }
    TextExtent MeasureText(const std::string& text) override {
        int codePoints = 0;
        for (unsigned char c : text) codePoints += (c & 0xC0) != 0x80;
        return {codePoints * 7, 15};
    }

    std::vector<DrawOp> Of(DrawOp::Kind kind) const {
        std::vector<DrawOp> found;
        for (const auto& op : ops)
            if (op.kind == kind) found.push_back(op);
        return found;
    }
    // The first text equal to `text`, or null.
    const DrawOp* FindText(const std::string& text) const {
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Kind::Text && op.text == text) return &op;
        return nullptr;
    }

  private:
    DrawOp& Record(DrawOp::Kind kind, int x1, int y1, int x2, int y2) {
        DrawOp& op = ops.emplace_back(now_);
        op.kind = kind, op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
        return op;
    }
    void Write(DrawOp::Kind kind, int x, int y, const std::string& text) {
        const TextExtent e = MeasureText(text);
        Record(kind, x, y, x + e.Width, y + e.Height).text = text;
    }

    DrawOp now_;  // the pen, fill and font in force
    int x_ = 0, y_ = 0;
};

}  // namespace tervala::testing
