// The plain 2-D drawing surface a graph is painted on: a bitmap of the
// picture's size in pixels, origin at the top-left corner, y growing
// downwards. The window and the bitmap files paint with QPainter on a QImage,
// the tests record every operation. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace tervala {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class PenStyle { Solid, Dotted };

struct TextExtent {
    int Width = 0;
    int Height = 0;
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Font of the texts that follow: family name and size in points (a point
    // is 96/72 pixels, rounded as the window system does: 10 pt is 13 px).
    virtual void SetFont(const std::string& name, int pointSize) = 0;
    virtual void SetFontColour(Rgb colour) = 0;
    // Fill colour of rectangles, of the inside of ellipses and of the cell
    // behind a text.
    virtual void SetFillColour(Rgb colour) = 0;
    // Fills (left, top)-(right, bottom); the right column and bottom row are
    // not part of the rectangle.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;

    virtual void SetPenColour(Rgb colour) = 0;
    virtual void SetPenWidth(int width) = 0;  // 1 or 2 pixels
    virtual void SetPenStyle(PenStyle style) = 0;
    // The pen position; LineTo draws from it and moves it to the end point.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Ellipse in the bounding rectangle (right and bottom excluded): outline
    // with the pen, inside with the fill colour.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;

    // Text with its top-left corner at (x, y), drawn opaque: the text's cell
    // (its extent) is first filled with the fill colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // A point mark made of a glyph (the bullet), placed as TextOut places a
    // text but painted without its cell: in a dense scatter of a thousand
    // rows every mark stays visible instead of blanking out its neighbours.
    virtual void MarkOut(int x, int y, const std::string& glyph) = 0;
    // Width and height of a text in the current font.
    virtual TextExtent MeasureText(const std::string& text) = 0;
};

}  // namespace tervala
