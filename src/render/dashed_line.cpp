#include <cmath>

#include "model/saturate.h"
#include "render/plot_drawing.h"

namespace tessaro {

namespace {

// Dashes start this many dash lengths apart: the gap is a quarter dash.
constexpr double DASH_PERIOD = 1.25;
// Two end points closer than this (squared) coincide.
constexpr double COINCIDENT_SQUARED = 1e-5;

}  // namespace

// The work is proportional to the length divided by the dash length; the
// payoff line hands over coordinates limited to +-32000, so a dash length
// of 16 gives at most about 3700 dashes.
void DrawDashedLine(Surface& surface, int x0, int y0, int x1, int y1, int dashLength) {
  if (dashLength <= 0) return;
  // In doubles, so that the squared length cannot overflow.
  const double dx = static_cast<double>(x1) - x0;
  const double dy = static_cast<double>(y1) - y0;
  const double squared = dx * dx + dy * dy;
  if (squared < COINCIDENT_SQUARED) return;
  const double length = std::sqrt(squared);
  const double ux = dx / length * dashLength;
  const double uy = dy / length * dashLength;
  // Whether a point has not yet passed the end point in the dash direction.
  auto beforeEnd = [&](double px, double py) {
    return (ux > 0 && px <= x1) || (ux < 0 && px >= x1) || (uy > 0 && py <= y1) ||
           (uy < 0 && py >= y1);
  };
  double sx = x0;
  double sy = y0;
  double ex = sx + ux;
  double ey = sy + uy;
  while (beforeEnd(ex, ey)) {
    surface.MoveTo(SaturateToInt(sx), SaturateToInt(sy));
    surface.LineTo(SaturateToInt(ex), SaturateToInt(ey));
    sx += DASH_PERIOD * ux;
    sy += DASH_PERIOD * uy;
    ex += DASH_PERIOD * ux;
    ey += DASH_PERIOD * uy;
  }
  if (beforeEnd(sx, sy)) {
    surface.MoveTo(SaturateToInt(sx), SaturateToInt(sy));
    surface.LineTo(x1, y1);
  }
}

}  // namespace tessaro
