#include <cmath>
#include <cstdint>
#include <string>

#include "model/equation.h"
#include "model/saturate.h"
#include "render/drawing_style.h"

namespace tessaro {

namespace {

constexpr int TICK_LENGTH = 4;
// The erased area reaches this many pixels beyond the plot on every side,
// so that the white border of the rectangle lies outside it.
constexpr int ERASE_OVERLAP = 2;
// Tick numbers hang below the X axis and start left of the Y axis.
constexpr int X_TICK_TEXT_Y = 15;
constexpr int Y_TICK_TEXT_X = -25;
// About twenty ticks along each axis.
constexpr double TICK_STEP_FRACTION = 0.05;

// Ticks every step whole units from trunc(low) to trunc(high), step being a
// twentieth of the range and at least 1. The conversions saturate and the
// counter is 64 bits wide, so even a range of 1e300 gives a handful of
// ticks; the count never exceeds about 41. A range that is not a number
// gives no ticks.
template <typename DrawTick>
void ForEachTick(double low, double high, DrawTick drawTick) {
  if (std::isnan(low) || std::isnan(high)) return;
  std::int64_t step = SaturateToInt((high - low) * TICK_STEP_FRACTION);
  if (step < 1) step = 1;
  const std::int64_t last = SaturateToInt(high);
  for (std::int64_t t = SaturateToInt(low); t <= last; t += step) {
    drawTick(static_cast<int>(t));
  }
}

}  // namespace

void CEquation::RedrawGraph() {
  if (xZoom == 0.0 || yZoom == 0.0 || decimals < 0) {
    // The fields have not settled yet: let the timer try again.
    host_.StopRefreshTimer();
    host_.StartRefreshTimer();
    return;
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  // What a solve found holds only for the model it was found for: once a
  // line, the payoff or the lattice mode changed, the optimum on screen and
  // its text go at once.
  if (optimalCount > 0 && OptimumModelKey(*this) != optimumMark.modelKey) {
    optimalCount = 0;
    optimumMark = OptimumMark();
    host_.SetStatusPane(2, std::string());
  }
  Surface* surface = host_.OffscreenSurface();
  if (surface == nullptr) return;
  DrawAxes(*surface);
  DrawModel(*surface);
  host_.PresentPicture();
  RefreshResultsPane();
}

void CEquation::DrawAxes(Surface& surface) const {
  surface.SelectPen(SolidPen(1, COLOR_WHITE));
  surface.SelectDefaultBrush();
  // The whole plot, in units from the origin (Y growing downwards).
  const int left = -view.OriginX();
  const int top = -view.OriginY();
  const int right = view.width - view.OriginX();
  const int bottom = view.height - view.OriginY();
  surface.Rectangle(left - ERASE_OVERLAP, top - ERASE_OVERLAP, right + ERASE_OVERLAP,
                    bottom + ERASE_OVERLAP);

  // The axes run to the plot's right and top edges.
  surface.SelectPen(SolidPen(2, COLOR_BLACK));
  surface.MoveTo(0, 0);
  surface.LineTo(right, 0);
  surface.MoveTo(0, 0);
  surface.LineTo(0, top);

  surface.SelectFont(DrawingFont(false));
  surface.SetTransparentBackground();
  surface.SetTextColor(COLOR_BLACK);

  // Ticks beyond the coordinate limit lie far off the surface and are skipped.
  const int limit = static_cast<int>(COORD_LIMIT);
  ForEachTick(xMin, xMax, [&](int t) {
    const int px = SaturateToInt((t - xMin) * xZoom);
    if (px > limit || px < -limit) return;
    surface.MoveTo(px, 0);
    surface.LineTo(px, TICK_LENGTH);
    surface.TextOut(px, X_TICK_TEXT_Y, std::to_string(t));
  });
  ForEachTick(yMin, yMax, [&](int t) {
    const int py = SaturateToInt(-(t - yMin) * yZoom);
    if (py > limit || py < -limit) return;
    surface.MoveTo(0, py);
    surface.LineTo(-TICK_LENGTH, py);
    surface.TextOut(Y_TICK_TEXT_X, py, std::to_string(t));
  });

  surface.TextOut(Y_TICK_TEXT_X, SaturateToRange(-(yMax - yMin) * yZoom - 10, -limit, limit),
                  yLabel);
  surface.TextOut(SaturateToRange((xMax - xMin) * xZoom + 45, -limit, limit), 10, xLabel);
}

}  // namespace tessaro
