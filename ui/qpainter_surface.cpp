#include "ui/qpainter_surface.h"

#include <QFontMetrics>
#include <QString>

#include "graphs/plot_frame.h"

namespace tervala {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

QPainterSurface::QPainterSurface(QPaintDevice& device, double zoom) : painter_(&device) {
    painter_.scale(zoom, zoom);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont(kFrameFontName, kFrameFontSize);
    ApplyPen();
}

QPainterSurface::~QPainterSurface() { painter_.end(); }

int QPainterSurface::PointsToPixels(int pointSize) { return (pointSize * 96 * 2 + 72) / (72 * 2); }

void QPainterSurface::SetFont(const std::string& name, int pointSize) {
    font_ = QFont(QString::fromStdString(name));
    font_.setPixelSize(PointsToPixels(pointSize));
    font_.setWeight(QFont::Normal);
    font_.setItalic(false);
    // Whole-pixel advances: text extents are whole pixels, as positions are.
    font_.setHintingPreference(QFont::PreferFullHinting);
    painter_.setFont(font_);
}

void QPainterSurface::SetFontColour(Rgb colour) { fontColour_ = ToQColor(colour); }

void QPainterSurface::SetFillColour(Rgb colour) { fill_ = ToQColor(colour); }

void QPainterSurface::FillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), fill_);
}

void QPainterSurface::SetPenColour(Rgb colour) {
    penColour_ = ToQColor(colour);
    ApplyPen();
}

void QPainterSurface::SetPenWidth(int width) {
    penWidth_ = width;
    ApplyPen();
}

void QPainterSurface::SetPenStyle(PenStyle style) {
    penStyle_ = style;
    ApplyPen();
}

void QPainterSurface::ApplyPen() {
    QPen pen(penColour_);
    pen.setWidth(penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
}

void QPainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QPainterSurface::LineTo(int x, int y) {
    QPoint end(x, y);
    painter_.drawLine(position_, end);
    position_ = end;
}

void QPainterSurface::Ellipse(int left, int top, int right, int bottom) {
    // The outline runs on the outermost pixels of the rectangle, whose right
    // column and bottom row are excluded.
    painter_.setBrush(fill_);
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterSurface::TextOut(int x, int y, const std::string& text) {
    QString s = QString::fromStdString(text);
    QFontMetrics metrics(font_, painter_.device());
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), fill_);
    QPen textPen(fontColour_);
    painter_.setPen(textPen);
    painter_.drawText(x, y + metrics.ascent(), s);
    ApplyPen();
}

void QPainterSurface::MarkOut(int x, int y, const std::string& glyph) {
    QFontMetrics metrics(font_, painter_.device());
    painter_.setPen(QPen(fontColour_));
    painter_.drawText(x, y + metrics.ascent(), QString::fromStdString(glyph));
    ApplyPen();
}

TextExtent QPainterSurface::MeasureText(const std::string& text) {
    QFontMetrics metrics(font_, painter_.device());
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

QImage NewGraphImage() {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace tervala
