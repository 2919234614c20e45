// A drawing surface that paints nothing and records every operation with the
// pen, fill and font in force, so tests can check a picture down to texts and
// pixel positions. Text extents come from a fixed metric: every character
// (UTF-8 code point) 7 pixels wide, every text 15 pixels high.
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
    static constexpr int kCharWidth = 7;
    static constexpr int kTextHeight = 15;

    std::vector<DrawOp> ops;

    void SetFont(const std::string& name, int pointSize) override {
        fontName_ = name;
        fontSize_ = pointSize;
    }
    void SetFontColour(Rgb colour) override { font_ = colour; }
    void SetFillColour(Rgb colour) override { fill_ = colour; }
    void FillRect(int left, int top, int right, int bottom) override {
        Record(DrawOp::Kind::Fill, left, top, right, bottom);
    }
    void SetPenColour(Rgb colour) override { pen_ = colour; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        Record(DrawOp::Kind::Line, x_, y_, x, y);
        x_ = x;
        y_ = y;
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        Record(DrawOp::Kind::Ellipse, left, top, right, bottom);
    }
    void TextOut(int x, int y, const std::string& text) override {
        TextExtent e = MeasureText(text);
        Record(DrawOp::Kind::Text, x, y, x + e.width, y + e.height).text = text;
    }
    void MarkOut(int x, int y, const std::string& glyph) override {
        TextExtent e = MeasureText(glyph);
        Record(DrawOp::Kind::Mark, x, y, x + e.width, y + e.height).text = glyph;
    }
    TextExtent MeasureText(const std::string& text) override {
        int codePoints = 0;
        for (unsigned char c : text) codePoints += (c & 0xC0) != 0x80;
        return {codePoints * kCharWidth, kTextHeight};
    }

    std::vector<DrawOp> Of(DrawOp::Kind kind) const {
        std::vector<DrawOp> found;
        for (const auto& op : ops) {
            if (op.kind == kind) found.push_back(op);
        }
        return found;
    }
    std::vector<DrawOp> Texts() const { return Of(DrawOp::Kind::Text); }
    std::vector<DrawOp> Marks() const { return Of(DrawOp::Kind::Mark); }
    std::vector<DrawOp> Lines() const { return Of(DrawOp::Kind::Line); }
    std::vector<DrawOp> Fills() const { return Of(DrawOp::Kind::Fill); }
    // The index in `ops` of the first text equal to `text`, or -1.
    int IndexOfText(const std::string& text) const {
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind == DrawOp::Kind::Text && ops[i].text == text)
                return static_cast<int>(i);
        }
        return -1;
    }

  private:
    DrawOp& Record(DrawOp::Kind kind, int x1, int y1, int x2, int y2) {
        DrawOp op;
        op.kind = kind;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.pen = pen_;
        op.fill = fill_;
        op.font = font_;
        op.penWidth = penWidth_;
        op.penStyle = penStyle_;
        op.fontName = fontName_;
        op.fontSize = fontSize_;
        ops.push_back(op);
        return ops.back();
    }

    Rgb pen_, fill_, font_;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    std::string fontName_;
    int fontSize_ = 0;
    int x_ = 0, y_ = 0;
};

}  // namespace tervala::testing
