// The fixed frame every graph is drawn in, in pixels of a 623 x 465 picture
// (origin top-left, y downwards): silver background, first title, footer,
// the plot panel with the second title, the two axes and their tick marks and
// numbers.
#pragma once

#include <string>

#include "graphs/axis_scale.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"

namespace tervala {

inline constexpr int kPictureWidth = 623;
inline constexpr int kPictureHeight = 465;

inline constexpr int kPanelLeft = 20, kPanelTop = 19, kPanelRight = 605, kPanelBottom = 445;

// The axes meet at (70, 390); the vertical one rises to 70, the horizontal one
// runs to 570.
inline constexpr int kAxisLeft = 70;
inline constexpr int kAxisBottom = 390;
inline constexpr int kAxisTop = 70;
inline constexpr int kAxisRight = 570;
inline constexpr int kHorizontalAxisLength = 500;
inline constexpr int kVerticalAxisLength = 320;

inline constexpr const char* kFrameFontName = "Arial";
inline constexpr int kFrameFontSize = 10;

inline constexpr int kTitle1X = 105, kTitle1Y = 5;
inline constexpr int kTitle2X = 105, kTitle2Y = 20;
inline constexpr int kFooterX = 20, kFooterY = 450;
inline constexpr const char* kFooterText = "Graph drawn by Tervala";

// Drawing steps 1 to 4: background, first title and footer in the title
// colour, the plot panel, then pen (solid, width 1) and font colour set to the
// palette's default, the second title and the two axis lines. Leaves the fill
// colour at the panel colour, so the texts drawn in the panel are opaque on it.
void DrawFrame(DrawingSurface& surface, const Palette& palette, const std::string& title1,
               const std::string& title2);

// A tick number: `decimals` decimals, at least decimals + 2 characters, blanks
// in front, "." as decimal point. A value that rounds to zero is written
// without a minus sign.
std::string TickText(double value, int decimals);

// Step 6: n + 1 ticks on the vertical axis from the upper bound at the top to
// the lower bound at the bottom, each number right-aligned 6 pixels left of
// the axis and centred on its tick.
void DrawVerticalTicks(DrawingSurface& surface, const AxisScale& axis);
// Step 7: n + 1 ticks below the horizontal axis from the lower bound on the
// left to the upper bound on the right, numbers 10 pixels below the axis.
void DrawHorizontalTicks(DrawingSurface& surface, const AxisScale& axis);

}  // namespace tervala
