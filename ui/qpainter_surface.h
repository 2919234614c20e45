// The drawing surface of the window and of graph bitmap files: a QPainter on
// a QImage. Lines and shapes are drawn without anti-aliasing, so a graph is
// the same crisp bitmap on every machine; texts use the font asked for
// ("Arial" is matched by the metric-compatible Liberation Sans).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include "graphs/drawing_surface.h"

namespace tervala {

class QPainterSurface : public DrawingSurface {
  public:
    // Paints on `device` (a QImage, or a vector drawing) from now until the
    // surface is destroyed; save or show the picture after that. A zoom above
    // 1 draws the same picture larger, its lines and texts sharp at the larger
    // size (for a screen, never a file).
    explicit QPainterSurface(QPaintDevice& device, double zoom = 1);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

    void SetFont(const std::string& name, int pointSize) override;
    void SetFontColour(Rgb colour) override;
    void SetFillColour(Rgb colour) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void SetPenColour(Rgb colour) override;
    void SetPenWidth(int width) override;
    void SetPenStyle(PenStyle style) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    void MarkOut(int x, int y, const std::string& glyph) override;
    TextExtent MeasureText(const std::string& text) override;

    // Pixel size of a font of the given points on a 96 dpi picture, rounded
    // half away from zero as the window system sizes fonts (10 pt: 13 px).
    static int PointsToPixels(int pointSize);

  private:
    void ApplyPen();

    QPainter painter_;
    QFont font_;
    QColor fontColour_{Qt::black};
    QColor fill_{Qt::white};
    QColor penColour_{Qt::black};
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QPoint position_;
};

// A 623 x 465 picture ready to be painted on (24-bit colour).
QImage NewGraphImage();

}  // namespace tervala
