// Draws the three pictures the windows show and saves them as JPEG files:
//   reservoirs.jpg         the two-reservoir model (Figure tab)
//   input_small.jpg        a small rain and discharge sketch (Input tab)
//   drainage_geometry.jpg  the drained field cross-section (drainage calculator)
//
// and each once more at twice the size, for screens with two device pixels to
// a pixel ("name@2x.jpg").
//
// Usage: make_pictures [output folder]   (default: the folder of this file)
// Built only with -DTERVALA_BUILD_GENERATORS=ON; the JPEGs are committed.
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QtMath>
#include <cstdio>
#include <string>

namespace {

int scale = 1;  // device pixels to a pixel of the picture

// A white picture `width` x `height` pixels large, drawn at `scale`.
QImage Canvas(int width, int height) {
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::white);
    return img;
}

const QColor kInk(30, 30, 30);
const QColor kWater(90, 150, 220);
const QColor kWaterLight(180, 210, 245);
const QColor kSoil(205, 170, 120);
const QColor kSoilDark(150, 110, 70);
const QColor kGrass(90, 150, 60);
const QColor kRed(200, 40, 30);
const QColor kGreen(30, 120, 50);

QFont Font(int pixelSize, bool bold = false, bool italic = false) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// A straight arrow from `from` to `to` with a filled head at `to`.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width = 2.0,
           double head = 9.0) {
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    QLineF line(from, to);
    const double angle = qDegreesToRadians(line.angle());
    QPointF back = to - QPointF(std::cos(angle) * head, -std::sin(angle) * head);
    p.drawLine(from, back);
    QPointF side(std::sin(angle) * head * 0.45, std::cos(angle) * head * 0.45);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to, back + side, back - side}));
    p.restore();
}

// A measuring arrow with heads at both ends.
void DoubleArrow(QPainter& p, QPointF a, QPointF b, const QColor& color, double width = 1.4) {
    QPointF mid = (a + b) / 2;
    Arrow(p, mid, a, color, width, 7);
    Arrow(p, mid, b, color, width, 7);
}

void Text(QPainter& p, double x, double y, const QString& text, const QFont& font,
          const QColor& color = kInk, int flags = Qt::AlignLeft | Qt::AlignTop, double w = 400,
          double h = 60) {
    p.save();
    p.setFont(font);
    p.setPen(color);
    QRectF r(x, y, w, h);
    if (flags & Qt::AlignHCenter) r.moveLeft(x - w / 2);
    if (flags & Qt::AlignRight) r.moveRight(x);
    if (flags & Qt::AlignVCenter) r.moveTop(y - h / 2);
    if (flags & Qt::AlignBottom) r.moveBottom(y);
    p.drawText(r, flags | Qt::TextWordWrap, text);
    p.restore();
}

void Cloud(QPainter& p, QPointF c, double s) {
    p.save();
    p.setPen(QPen(QColor(120, 120, 130), 1.2));
    p.setBrush(QColor(225, 228, 235));
    QPainterPath path;
    auto add = [&](QPainterPath part) { path = path.united(part); };
    QPainterPath e1, e2, e3, r;
    e1.addEllipse(c + QPointF(-34, -4) * s, 26 * s, 18 * s);
    e2.addEllipse(c + QPointF(0, -16) * s, 30 * s, 24 * s);
    e3.addEllipse(c + QPointF(34, -4) * s, 26 * s, 18 * s);
    r.addRect(QRectF(c + QPointF(-40, -4) * s, QSizeF(80 * s, 18 * s)));
    add(e1);
    add(e2);
    add(e3);
    add(r);
    p.drawPath(path);
    p.restore();
}

void RainDrops(QPainter& p, QRectF area, int columns, int rows) {
    p.save();
    p.setPen(QPen(kWater, 2, Qt::SolidLine, Qt::RoundCap));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            double x = area.left() + (c + 0.5 + 0.35 * (r % 2)) * area.width() / columns;
            double y = area.top() + (r + 0.2) * area.height() / rows;
            p.drawLine(QPointF(x, y), QPointF(x - 3, y + 9));
        }
    }
    p.restore();
}

// An open tank drawn as a U: left wall, floor, right wall.
void Tank(QPainter& p, QRectF r) {
    p.save();
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({r.topLeft(), r.bottomLeft(), r.bottomRight(), r.topRight()}));
    p.restore();
}

void DashedLine(QPainter& p, QPointF a, QPointF b, const QColor& color) {
    p.save();
    p.setPen(QPen(color, 1.3, Qt::DashLine));
    p.drawLine(a, b);
    p.restore();
}

// ---- Figure tab: the conceptual model ----
QImage DrawReservoirs() {
    QImage img = Canvas(620, 470);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    Text(p, 310, 8, "The Tervala model: two reservoirs in series", Font(17, true), kInk,
         Qt::AlignHCenter | Qt::AlignTop, 600, 24);

    // Rain and irrigation.
    Cloud(p, QPointF(215, 66), 0.9);
    RainDrops(p, QRectF(175, 80, 90, 34), 6, 2);
    Text(p, 268, 44, "Rain + irrigation\n(mm per time unit)", Font(13, true), kInk,
         Qt::AlignLeft | Qt::AlignTop, 160, 40);

    // First (pre) reservoir.
    QRectF first(115, 122, 170, 118);
    const double actLevel = 182;  // water surface of the actual storage
    p.fillRect(QRectF(first.left(), actLevel, first.width(), first.bottom() - actLevel),
               kWaterLight);
    p.setPen(QPen(kWater, 2));
    p.drawLine(QPointF(first.left(), actLevel), QPointF(first.right(), actLevel));
    Tank(p, first);
    Text(p, first.center().x(), first.bottom() + 6, "1st (pre) reservoir:\ndead storage",
         Font(13, true), kInk, Qt::AlignHCenter | Qt::AlignTop, 200, 36);
    Text(p, first.center().x(), 210, "ActSto\nactual storage", Font(12), kInk,
         Qt::AlignHCenter | Qt::AlignVCenter, 150, 32);
    DoubleArrow(p, QPointF(first.right() - 22, first.top()), QPointF(first.right() - 22, actLevel),
                kRed);
    Text(p, first.right() - 30, 152, "StoDef\nstorage deficit", Font(12, false, true), kRed,
         Qt::AlignRight | Qt::AlignVCenter, 110, 32);

    // MaxSto measured on the left, outside the tank.
    DoubleArrow(p, QPointF(100, first.top()), QPointF(100, first.bottom()), kInk);
    Text(p, 94, first.center().y() + 20, "MaxSto", Font(12, true), kInk,
         Qt::AlignRight | Qt::AlignVCenter, 60, 20);

    // Escape: evaporation or natural drainage, scaled by the filling.
    Arrow(p, QPointF(150, actLevel - 4), QPointF(112, 96), kGreen, 2.4, 11);
    Text(p, 4, 104,
         "Escape (evaporation,\nnatural drainage)\nActEsc = Esc · Δt · R\nR = ActSto / MaxSto",
         Font(12), kGreen, Qt::AlignLeft | Qt::AlignBottom, 150, 70);

    // Overflow: what the pre reservoir cannot hold becomes recharge.
    p.setPen(QPen(kWater, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(first.right(), first.top() + 2),
               QPointF(first.right() + 20, first.top() + 2));
    Arrow(p, QPointF(first.right() + 20, first.top() + 2), QPointF(first.right() + 55, 150), kWater,
          3, 11);
    Arrow(p, QPointF(first.right() + 55, 150), QPointF(first.right() + 85, 282), kWater, 3, 12);
    Text(p, first.right() + 66, 150, "Overflow = recharge Rech\n= Rain − deficit  (≥ 0)",
         Font(12, true), kWater.darker(140), Qt::AlignLeft | Qt::AlignTop, 260, 40);

    // Second (main) reservoir: the soil water above and below drain level.
    QRectF second(300, 290, 190, 130);
    const double drainLevel = 352;  // outlet of the top part
    const double waterTable = 312;  // storage head in the reservoir
    p.fillRect(QRectF(second.left(), waterTable, second.width(), second.bottom() - waterTable),
               kWaterLight);
    p.setPen(QPen(kWater, 2));
    p.drawLine(QPointF(second.left(), waterTable), QPointF(second.right(), waterTable));
    // Water-table symbol: an inverted triangle on the surface.
    p.setBrush(kWater);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(330, waterTable - 2), QPointF(322, waterTable - 12),
                             QPointF(338, waterTable - 12)}));
    DashedLine(p, QPointF(second.left(), drainLevel), QPointF(second.right(), drainLevel), kInk);
    Tank(p, second);
    Text(p, second.left() + 8, waterTable + 6, "top part:  α = M · Q\n(Ka, above drain level)",
         Font(11), kInk, Qt::AlignLeft | Qt::AlignTop, 140, 32);
    Text(p, second.left() + 8, drainLevel + 8, "bottom part:  α = N\n(Kb, below drain level)",
         Font(11), kInk, Qt::AlignLeft | Qt::AlignTop, 140, 32);
    Text(p, second.center().x(), second.bottom() + 6, "2nd (main) non-linear reservoir",
         Font(13, true), kInk, Qt::AlignHCenter | Qt::AlignTop, 260, 20);

    // Head: water table above drain level.
    DoubleArrow(p, QPointF(462, waterTable), QPointF(462, drainLevel), kRed);
    Text(p, 468, (waterTable + drainLevel) / 2, "H", Font(14, true), kRed,
         Qt::AlignLeft | Qt::AlignVCenter, 20, 20);
    Text(p, 150, 300, "Head H = height of the\nwater table above\ndrain level", Font(12), kRed,
         Qt::AlignLeft | Qt::AlignTop, 150, 50);
    Arrow(p, QPointF(272, 310), QPointF(456, 326), kRed, 1.2, 7);

    // Outlets: runoff from the top part and from the bottom part, joined in the drain.
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(second.right(), drainLevel - 7, 20, 14));
    p.drawRect(QRectF(second.right(), second.bottom() - 24, 20, 14));
    p.setPen(QPen(kWater, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(second.right() + 20, second.bottom() - 17),
               QPointF(second.right() + 45, second.bottom() - 17));
    Arrow(p, QPointF(second.right() + 45, second.bottom() - 17),
          QPointF(second.right() + 45, drainLevel + 5), kWater, 3, 10);
    Arrow(p, QPointF(second.right() + 20, drainLevel), QPointF(second.right() + 110, drainLevel),
          kWater, 3.5, 12);
    Text(p, 614, drainLevel - 6, "Drain\ndischarge Q", Font(13, true), kWater.darker(150),
         Qt::AlignRight | Qt::AlignBottom, 110, 36);
    Text(p, 614, drainLevel + 8, "runoff of both\nparts to the drain", Font(11), kInk,
         Qt::AlignRight | Qt::AlignTop, 110, 36);

    // The reaction factor, the link between the two parts.
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(250, 248, 230));
    QRectF box(8, 385, 275, 78);
    p.drawRoundedRect(box, 6, 6);
    Text(p, 16, 390,
         "Reaction factor  α = M · Q + N  (per time unit)\n"
         "Q(t) = Q(t−1) · e^(−αΔt) + Rech · (1 − e^(−αΔt))\n"
         "M from Ka, N from Kb and the equivalent\ndepth below drain level (drainage calculator)",
         Font(11), kInk, Qt::AlignLeft | Qt::AlignTop, 265, 72);
    p.end();
    return img;
}

// ---- Input tab: a small rain and discharge sketch ----
QImage DrawInputSmall() {
    QImage img = Canvas(200, 130);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(22, 8, 170, 100);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawRect(plot);

    // Rain bars hanging from the top of the plot, in mm per time unit.
    const double rain[] = {0, 6, 14, 3, 0, 0, 0, 9, 22, 11, 2, 0, 0, 0, 0, 4, 1, 0, 0, 0};
    const int n = sizeof(rain) / sizeof(rain[0]);
    const double dx = plot.width() / n;
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    for (int i = 0; i < n; ++i) {
        p.drawRect(QRectF(plot.left() + i * dx + 1, plot.top(), dx - 2, rain[i] * 1.8));
    }

    // A discharge hydrograph from a linear reservoir fed by the same rain.
    QPainterPath q;
    double flow = 1.0;
    for (int i = 0; i < n; ++i) {
        flow = flow * 0.7 + 0.3 * rain[i] * 0.6;
        QPointF pt(plot.left() + (i + 0.5) * dx, plot.bottom() - 6 - flow * 6.0);
        if (i == 0)
            q.moveTo(pt);
        else
            q.lineTo(pt);
    }
    p.setPen(QPen(kRed, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(q);

    p.setPen(QPen(kInk, 1.2));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    Text(p, 4, 112, "time →", Font(11), kInk, Qt::AlignLeft | Qt::AlignTop, 190, 16);
    Text(p, 120, 112, "rain", Font(11, true), kWater.darker(130), Qt::AlignRight | Qt::AlignTop, 60,
         16);
    Text(p, 192, 112, "discharge", Font(11, true), kRed, Qt::AlignRight | Qt::AlignTop, 70, 16);
    p.end();
    return img;
}

// ---- Calculator: cross-section of a drained field ----
QImage DrawDrainageGeometry() {
    QImage img = Canvas(600, 380);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    Text(p, 300, 6, "Geometry of a subsurface drainage system by pipes or ditches", Font(16, true),
         kInk, Qt::AlignHCenter | Qt::AlignTop, 590, 22);

    const double left = 70, right = 470;  // drain axes, L apart
    const double surface = 70, drainLevel = 165, base = 280;
    const double mid = (left + right) / 2;

    // Soil body above and below drain level.
    p.fillRect(QRectF(20, surface, 520, base - surface), kSoil.lighter(125));
    p.fillRect(QRectF(20, drainLevel, 520, base - drainLevel), kSoil);
    // Ditch on the right: a trapezoid cut in the soil, water up to just above drain level.
    QPolygonF ditch({QPointF(right - 45, surface), QPointF(right - 14, drainLevel + 18),
                     QPointF(right + 14, drainLevel + 18), QPointF(right + 45, surface)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(ditch);
    const double ditchWater = drainLevel;  // open water at drain level
    double t = (ditchWater - surface) / (drainLevel + 18 - surface);
    QPolygonF ditchWet({QPointF(right - 45 + 31 * t, ditchWater),
                        QPointF(right - 14, drainLevel + 18), QPointF(right + 14, drainLevel + 18),
                        QPointF(right + 45 - 31 * t, ditchWater)});
    p.setBrush(kWater);
    p.drawPolygon(ditchWet);

    // Water table: highest midway between the drains (at 0.5 L), down to drain level at them.
    QPainterPath table;
    const double topOfTable = 110;
    for (int i = 0; i <= 100; ++i) {
        double x = left + (right - 30 - left) * i / 100.0;
        double s = (x - left) / (right - 30 - left);  // 0 at the pipe, 1 at the ditch bank
        double h = std::sqrt(std::max(0.0, 1.0 - std::pow(2 * s - 1, 2)));
        QPointF pt(x, drainLevel - (drainLevel - topOfTable) * h);
        if (i == 0)
            table.moveTo(pt);
        else
            table.lineTo(pt);
    }
    QPainterPath saturated = table;
    saturated.lineTo(right - 30, drainLevel);
    saturated.lineTo(left, drainLevel);
    saturated.closeSubpath();
    p.setBrush(QColor(175, 205, 238));
    p.setPen(Qt::NoPen);
    p.drawPath(saturated);
    p.setPen(QPen(kWater.darker(130), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(table);
    p.setBrush(kWater.darker(130));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(mid + 20, topOfTable - 1), QPointF(mid + 13, topOfTable - 11),
                             QPointF(mid + 27, topOfTable - 11)}));
    Text(p, mid + 32, topOfTable - 22, "water table", Font(12, false, true), kWater.darker(150),
         Qt::AlignLeft | Qt::AlignTop, 110, 16);

    // Soil surface and grass.
    p.setPen(QPen(kGrass, 3));
    p.drawLine(QPointF(20, surface), QPointF(right - 45, surface));
    p.drawLine(QPointF(right + 45, surface), QPointF(540, surface));
    Text(p, 24, surface - 18, "soil surface", Font(12), kGrass.darker(130), Qt::AlignLeft, 120, 16);

    // Drain level.
    DashedLine(p, QPointF(20, drainLevel), QPointF(540, drainLevel), kInk);
    Text(p, 538, drainLevel - 16, "drain level", Font(12), kInk, Qt::AlignRight | Qt::AlignTop, 100,
         16);

    // Pipe drain on the left, its wetted circumference drawn thick.
    p.setBrush(Qt::white);
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(QPointF(left, drainLevel), 11, 11);
    p.setPen(QPen(kWater.darker(120), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(left - 11, drainLevel - 11, 22, 22), 180 * 16, 180 * 16);
    p.setPen(QPen(kWater.darker(120), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawPolyline(QPolygonF(
        {QPointF(right - 45 + 31 * t, ditchWater), QPointF(right - 14, drainLevel + 18),
         QPointF(right + 14, drainLevel + 18), QPointF(right + 45 - 31 * t, ditchWater)}));
    Text(p, left - 6, drainLevel + 12, "pipe drain", Font(12), kInk, Qt::AlignRight | Qt::AlignTop,
         90, 16);
    Text(p, right + 20, drainLevel + 20, "ditch", Font(12), kInk, Qt::AlignLeft | Qt::AlignTop, 60,
         16);
    Text(p, left + 14, drainLevel + 2, "U", Font(13, true), kWater.darker(150),
         Qt::AlignLeft | Qt::AlignTop, 20, 16);
    Text(p, right - 22, drainLevel + 16, "U", Font(13, true), kWater.darker(150),
         Qt::AlignRight | Qt::AlignTop, 20, 16);

    // Conductivities of the two layers.
    Text(p, 170, 128, "Ka", Font(18, true), kSoilDark.darker(130), Qt::AlignLeft | Qt::AlignTop, 40,
         22);
    Text(p, 170, 212, "Kb", Font(18, true), kSoilDark.darker(150), Qt::AlignLeft | Qt::AlignTop, 40,
         22);

    // Impermeable base, hatched.
    p.setPen(QPen(kInk, 2.5));
    p.drawLine(QPointF(20, base), QPointF(540, base));
    p.setPen(QPen(kInk, 1));
    for (double x = 24; x < 540; x += 12) p.drawLine(QPointF(x, base), QPointF(x - 10, base + 12));
    Text(p, 280, base + 14, "impermeable base", Font(12), kInk, Qt::AlignHCenter | Qt::AlignTop,
         200, 16);

    // Depths from the soil surface, measured at the right edge.
    const double dx = 555;
    DoubleArrow(p, QPointF(dx, surface), QPointF(dx, drainLevel), kInk);
    Text(p, dx + 5, (surface + drainLevel) / 2, "Dd", Font(13, true), kInk,
         Qt::AlignLeft | Qt::AlignVCenter, 40, 18);
    DoubleArrow(p, QPointF(dx + 25, surface), QPointF(dx + 25, base), kInk);
    Text(p, dx + 30, (drainLevel + base) / 2, "Di", Font(13, true), kInk,
         Qt::AlignLeft | Qt::AlignVCenter, 40, 18);
    DoubleArrow(p, QPointF(mid - 40, surface), QPointF(mid - 40, topOfTable), kInk);
    Text(p, mid - 46, (surface + topOfTable) / 2, "Dw", Font(13, true), kInk,
         Qt::AlignRight | Qt::AlignVCenter, 40, 18);

    // D: the layer below drain level; measured halfway, where the flow is deepest.
    DoubleArrow(p, QPointF(mid, drainLevel), QPointF(mid, base), kRed);
    Text(p, mid + 6, (drainLevel + base) / 2, "D", Font(15, true), kRed,
         Qt::AlignLeft | Qt::AlignVCenter, 30, 20);
    // Head above drain level at the midpoint.
    DoubleArrow(p, QPointF(mid, topOfTable), QPointF(mid, drainLevel), kRed);
    Text(p, mid + 6, (topOfTable + drainLevel) / 2, "H", Font(14, true), kRed,
         Qt::AlignLeft | Qt::AlignVCenter, 30, 20);

    // Spacing L and the midpoint.
    const double ly = 38;
    p.setPen(QPen(kInk, 1, Qt::DotLine));
    p.drawLine(QPointF(left, ly - 6), QPointF(left, drainLevel - 12));
    p.drawLine(QPointF(right, ly - 6), QPointF(right, surface));
    p.drawLine(QPointF(mid, ly + 8), QPointF(mid, topOfTable));
    DoubleArrow(p, QPointF(left, ly), QPointF(right, ly), kInk);
    p.fillRect(QRectF(mid + 80 - 13, ly - 9, 26, 18), Qt::white);
    Text(p, mid + 80, ly, "L", Font(15, true), kInk, Qt::AlignHCenter | Qt::AlignVCenter, 26, 20);
    DoubleArrow(p, QPointF(left, ly + 16), QPointF(mid, ly + 16), kInk, 1.1);
    p.fillRect(QRectF((left + mid) / 2 - 20, ly + 8, 40, surface - ly - 8), Qt::white);
    Text(p, (left + mid) / 2, ly + 16, "0.5 L", Font(12), kInk, Qt::AlignHCenter | Qt::AlignVCenter,
         40, 16);

    // Legend.
    Text(p, 20, 312,
         "D = depth (Dd of the drains, Dw of the water table, Di of the impermeable base;\n"
         "     D = Di − Dd is the soil layer below drain level),   K = hydraulic conductivity\n"
         "(Ka above, Kb below drain level),   L = drain spacing,   U = wet perimeter of the drain",
         Font(12), kInk, Qt::AlignLeft | Qt::AlignTop, 580, 60);
    p.end();
    return img;
}

bool Save(const QImage& img, const QString& folder, const char* name) {
    const QString path = folder + "/" + name;
    if (!img.save(path, "JPEG", 92)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(TERVALA_PICTURES_DIR);
    bool ok = true;
    for (scale = 1; scale <= 2; ++scale) {
        const char* suffix = scale == 1 ? ".jpg" : "@2x.jpg";
        ok = Save(DrawReservoirs(), folder, (std::string("reservoirs") + suffix).c_str()) && ok;
        ok = Save(DrawInputSmall(), folder, (std::string("input_small") + suffix).c_str()) && ok;
        ok = Save(DrawDrainageGeometry(), folder,
                  (std::string("drainage_geometry") + suffix).c_str()) &&
             ok;
    }
    return ok ? 0 : 1;
}
