// The marks the graph kinds are drawn with, in pixels: line segments, open
// circles of observed values, bullets, recharge bars standing on the
// horizontal axis and step outlines of rain.
#pragma once

#include "graphs/drawing_surface.h"

namespace tervala {

// The bullet character (U+2022) used as a point mark.
inline constexpr const char* kBullet = "\xE2\x80\xA2";

// Line from (x1, y1) to (x2, y2) with the current pen.
void DrawSegment(DrawingSurface& surface, int x1, int y1, int x2, int y2);
// Circle of 4 pixels around (x, y): outline with the pen, inside with the
// current fill colour.
void DrawOpenCircle(DrawingSurface& surface, int x, int y);
// A bullet mark centred on the height y (placed at y - 5); it leaves the
// marks around it as they are.
void DrawBullet(DrawingSurface& surface, int x, int y);
// Bar from x1 to x2 between the top y and the pixel row just above the
// horizontal axis, in the current fill colour; nothing for a top at or below
// the lower bound of the vertical axis (y + 5 >= 390).
void DrawBar(DrawingSurface& surface, int x1, int x2, int y);
// Outline up from the base b at x1, across at y and down to b at x2; nothing
// when y + 5 >= 390.
void DrawStepOutline(DrawingSurface& surface, int x1, int x2, int y, int base);

}  // namespace tervala
