#include "graphs/plot_primitives.h"

#include "graphs/plot_frame.h"

namespace tervala {

void DrawSegment(DrawingSurface& surface, int x1, int y1, int x2, int y2) {
    surface.MoveTo(x1, y1);
    surface.LineTo(x2, y2);
}

void DrawOpenCircle(DrawingSurface& surface, int x, int y) {
    surface.Ellipse(x - 2, y - 2, x + 2, y + 2);
}

void DrawBullet(DrawingSurface& surface, int x, int y) { surface.MarkOut(x, y - 5, kBullet); }

void DrawBar(DrawingSurface& surface, int x1, int x2, int y) {
    if (y + 5 < kAxisBottom) surface.FillRect(x1, y, x2, kAxisBottom - 1);
}

void DrawStepOutline(DrawingSurface& surface, int x1, int x2, int y, int base) {
    if (y + 5 >= kAxisBottom) return;
    surface.MoveTo(x1, base);
    surface.LineTo(x1, y);
    surface.LineTo(x2, y);
    surface.LineTo(x2, base);
}

}  // namespace tervala
