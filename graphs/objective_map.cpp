#include "graphs/objective_map.h"

#include <algorithm>
#include <cmath>

#include "graphs/palette.h"
#include "graphs/plot_primitives.h"
#include "model/number_text.h"

namespace tervala {

namespace {

// Where the parts of the picture lie, in pixels.
constexpr int kLeft = 80, kTop = 62, kWidth = 440, kHeight = 330;
constexpr int kRight = kLeft + kWidth, kBottom = kTop + kHeight;
constexpr int kBarLeft = 545, kBarRight = 563;
constexpr int kNotesTop = 436, kNoteStep = 16;
constexpr int kLevels = 64;  // colours of the scale
constexpr Rgb kOutline{255, 255, 255};
constexpr Rgb kBestMark{220, 0, 0};

// Viridis (perceptually uniform, readable in grey and by most colour-blind
// readers): dark blue-violet for the lowest sums, yellow for the highest.
constexpr Rgb kViridis[] = {{68, 1, 84},    {72, 40, 120},  {62, 74, 137},  {49, 104, 142},
                            {38, 130, 142}, {31, 158, 137}, {53, 183, 121}, {110, 206, 88},
                            {181, 222, 43}, {253, 231, 37}};

// Pixel boundaries of grid index g (the left or lower edge of its cell).
int EdgeX(const MapAxis& a, int g) {
    return kLeft + static_cast<int>(std::lround(double(g) * kWidth / a.Count));
}
int EdgeY(const MapAxis& a, int g) {
    return kBottom - static_cast<int>(std::lround(double(g) * kHeight / a.Count));
}
// The position of a coefficient value: the middle of its grid cell.
double IndexOf(const MapAxis& a, double value) { return (value - a.Origin) / a.Step; }

struct LogScale {
    double low = 0, high = 1;
    double Position(double sum) const {
        const double v = std::log10(std::max(sum, std::pow(10.0, low)));
        return high > low ? std::clamp((v - low) / (high - low), 0.0, 1.0) : 0.0;
    }
};

// From the smallest positive sum (the best one when it is not 0) to the
// largest, in powers of ten.
LogScale ScaleOf(const ObjectiveMap& map) {
    double lowest = HUGE_VAL, highest = 0;
    for (double s : map.Sums) {
        if (s > 0) lowest = std::min(lowest, s);
        highest = std::max(highest, s);
    }
    if (map.BestSum > 0) lowest = std::min(lowest, map.BestSum);
    if (!(lowest < HUGE_VAL)) lowest = highest > 0 ? highest : 1;
    LogScale scale;
    scale.low = std::log10(lowest);
    scale.high = std::log10(std::max(highest, lowest));
    return scale;
}

Rgb LevelColour(int level) { return ScaleColour(double(level) / (kLevels - 1)); }

void Text(DrawingSurface& s, int x, int y, const std::string& text) { s.TextOut(x, y, text); }
void TextCentred(DrawingSurface& s, int x, int y, const std::string& text) {
    s.TextOut(x - s.MeasureText(text).Width / 2, y, text);
}

void PaintCells(DrawingSurface& s, const ObjectiveMap& map, const LogScale& scale) {
    const size_t cols = map.SampleX.size();
    for (size_t r = 0; r < map.SampleY.size(); ++r) {
        const int g0 = int(r) * map.StepY, g1 = std::min(g0 + map.StepY, map.Y.Count);
        const int top = EdgeY(map.Y, g1), bottom = EdgeY(map.Y, g0);
        // Neighbouring cells of one colour are filled as one rectangle,
        // which keeps a vector picture small.
        size_t c = 0;
        while (c < cols) {
            const int level =
                int(std::lround(scale.Position(map.Sums[r * cols + c]) * (kLevels - 1)));
            size_t end = c + 1;
            while (end < cols &&
                   std::lround(scale.Position(map.Sums[r * cols + end]) * (kLevels - 1)) == level)
                ++end;
            s.SetFillColour(LevelColour(level));
            s.FillRect(EdgeX(map.X, int(c) * map.StepX), top,
                       EdgeX(map.X, std::min(int(end) * map.StepX, map.X.Count)), bottom);
            c = end;
        }
    }
}

// The region's outline around the pixels that hold a grid point inside it.
void PaintRegion(DrawingSurface& s, const ObjectiveMap& map) {
    std::vector<uint8_t> inside(size_t(kWidth) * kHeight, 0);
    bool any = false;
    for (int gy = 0; gy < map.Y.Count; ++gy) {
        for (int gx = 0; gx < map.X.Count; ++gx) {
            if (!map.Region[size_t(gy) * map.X.Count + gx]) continue;
            any = true;
            const int x0 = EdgeX(map.X, gx) - kLeft, y0 = EdgeY(map.Y, gy + 1) - kTop;
            const int x1 = std::max(x0 + 1, EdgeX(map.X, gx + 1) - kLeft);
            const int y1 = std::max(y0 + 1, EdgeY(map.Y, gy) - kTop);
            for (int y = std::max(y0, 0); y < std::min(y1, kHeight); ++y)
                for (int x = std::max(x0, 0); x < std::min(x1, kWidth); ++x)
                    inside[size_t(y) * kWidth + x] = 1;
        }
    }
    if (!any) return;
    auto at = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight && inside[size_t(y) * kWidth + x];
    };
    s.SetPenColour(kOutline);
    s.SetPenWidth(2);
    s.SetPenStyle(PenStyle::Solid);
    // Vertical edges, joined along each pixel column boundary.
    for (int x = 0; x <= kWidth; ++x) {
        for (int y = 0; y < kHeight;) {
            if (at(x, y) == at(x - 1, y)) {
                ++y;
                continue;
            }
            int end = y + 1;
            while (end < kHeight && at(x, end) != at(x - 1, end) && at(x, end) == at(x, y)) ++end;
            DrawSegment(s, kLeft + x, kTop + y, kLeft + x, kTop + end);
            y = end;
        }
    }
    for (int y = 0; y <= kHeight; ++y) {
        for (int x = 0; x < kWidth;) {
            if (at(x, y) == at(x, y - 1)) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < kWidth && at(end, y) != at(end, y - 1) && at(end, y) == at(x, y)) ++end;
            DrawSegment(s, kLeft + x, kTop + y, kLeft + end, kTop + y);
            x = end;
        }
    }
}

void PaintBest(DrawingSurface& s, const ObjectiveMap& map) {
    if (map.BestX < 0 || map.BestY < 0) return;
    const int x = (EdgeX(map.X, map.BestX) + EdgeX(map.X, map.BestX + 1)) / 2;
    const int y = (EdgeY(map.Y, map.BestY) + EdgeY(map.Y, map.BestY + 1)) / 2;
    // Cross hairs with a gap, so that a small region stays visible in it.
    s.SetPenColour(kBestMark);
    s.SetPenWidth(2);
    DrawSegment(s, x - 11, y, x - 4, y);
    DrawSegment(s, x + 4, y, x + 11, y);
    DrawSegment(s, x, y - 11, x, y - 4);
    DrawSegment(s, x, y + 4, x, y + 11);
}

void PaintAxes(DrawingSurface& s, const ObjectiveMap& map) {
    s.SetPenColour(kBlack);
    s.SetPenWidth(1);
    s.SetFillColour(kWhite);
    s.SetFontColour(kBlack);
    s.SetFont("Arial", 8);
    DrawSegment(s, kLeft - 1, kTop - 1, kRight, kTop - 1);
    DrawSegment(s, kRight, kTop - 1, kRight, kBottom);
    DrawSegment(s, kRight, kBottom, kLeft - 1, kBottom);
    DrawSegment(s, kLeft - 1, kBottom, kLeft - 1, kTop - 1);
    auto ticks = [](const MapAxis& a, auto place) {
        const double first = a.Origin - a.Step / 2, last = a.Origin + (a.Count - 0.5) * a.Step;
        for (long k = std::lround(std::ceil(first / a.TickStep)); k * a.TickStep <= last; ++k) {
            const double value = k * a.TickStep;
            place(IndexOf(a, value) + 0.5, FormatFixed(value, 0, a.TickDecimals));
        }
    };
    ticks(map.X, [&](double g, const std::string& label) {
        const int x = kLeft + int(std::lround(g * kWidth / map.X.Count));
        DrawSegment(s, x, kBottom, x, kBottom + 4);
        TextCentred(s, x, kBottom + 6, label);
    });
    ticks(map.Y, [&](double g, const std::string& label) {
        const int y = kBottom - int(std::lround(g * kHeight / map.Y.Count));
        DrawSegment(s, kLeft - 5, y, kLeft - 1, y);
        const TextExtent e = s.MeasureText(label);
        Text(s, kLeft - 8 - e.Width, y - e.Height / 2, label);
    });
    TextCentred(s, (kLeft + kRight) / 2, kBottom + 22, map.X.Title);
    Text(s, 12, kTop - 18, map.Y.Title);
}

std::string PowerOfTen(int k) {
    return k >= -4 && k <= 6 ? FormatGeneral(std::pow(10.0, k)) : "1E" + std::to_string(k);
}

// Three significant digits, in the general format of the screen.
std::string ThreeDigits(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 2);
    return FormatGeneral(std::round(value / unit) * unit);
}

void PaintScaleBar(DrawingSurface& s, const LogScale& scale) {
    for (int level = 0; level < kLevels; ++level) {
        s.SetFillColour(LevelColour(level));
        s.FillRect(kBarLeft, kBottom - (level + 1) * kHeight / kLevels, kBarRight,
                   kBottom - level * kHeight / kLevels);
    }
    s.SetFillColour(kWhite);
    s.SetPenColour(kBlack);
    s.SetPenWidth(1);
    Text(s, kBarLeft - 14, kTop - 18, "search sum");
    auto label = [&](double position, const std::string& text) {
        const int y = kBottom - int(std::lround(position * kHeight));
        DrawSegment(s, kBarRight, y, kBarRight + 3, y);
        Text(s, kBarRight + 6, y - s.MeasureText(text).Height / 2, text);
    };
    // The ends of the scale, and the powers of ten between them that leave
    // room for their labels.
    const double span = scale.high - scale.low;
    label(0, ThreeDigits(std::pow(10.0, scale.low)));
    if (span <= 0) return;
    label(1, ThreeDigits(std::pow(10.0, scale.high)));
    const int every = int(span) / 8 + 1;  // one label a decade, fewer when there are many
    for (int k = int(std::ceil(scale.low)); k < scale.high; k += every) {
        const double position = (k - scale.low) / span;
        if (position * kHeight >= 18 && (1 - position) * kHeight >= 18)
            label(position, PowerOfTen(k));
    }
}

}  // namespace

Rgb ScaleColour(double t) {
    constexpr int n = sizeof kViridis / sizeof kViridis[0];
    const double x = std::clamp(t, 0.0, 1.0) * (n - 1);
    const int i = std::min(int(x), n - 2);
    const double f = x - i;
    auto mix = [f](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * f));
    };
    return {mix(kViridis[i].r, kViridis[i + 1].r), mix(kViridis[i].g, kViridis[i + 1].g),
            mix(kViridis[i].b, kViridis[i + 1].b)};
}

void PaintObjectiveMap(DrawingSurface& s, const ObjectiveMap& map) {
    s.SetFillColour(kWhite);
    s.FillRect(0, 0, kObjectiveMapWidth, kObjectiveMapHeight);
    s.SetFontColour(kBlack);
    s.SetFont("Arial", 10);
    Text(s, 12, 6, map.Title);
    s.SetFont("Arial", 8);
    Text(s, 12, 24, map.Subtitle);
    const LogScale scale = ScaleOf(map);
    if (map.X.Count > 0 && map.Y.Count > 0) {
        PaintCells(s, map, scale);
        PaintRegion(s, map);
        PaintBest(s, map);
    }
    PaintAxes(s, map);
    PaintScaleBar(s, scale);
    s.SetFont("Arial", 8);
    for (size_t l = 0; l < map.Notes.size(); ++l)
        Text(s, 12, kNotesTop + int(l) * kNoteStep, map.Notes[l]);
}

}  // namespace tervala
