#include "render/line_ends.h"

#include <cmath>

#include "render/drawing_style.h"

namespace tessaro {

namespace {

// Lines run on this many pixels beyond the right and top edges.
constexpr double OVERSHOOT_PIXELS = 150.0;

}  // namespace

bool ComputeLineEnds(double a, double b, double bMagnitude, double c, const PlotFrame& f,
                     LineEnds& out) {
  const bool aIsZero = !(std::fabs(a) > LINE_COEF_EPS);
  const bool bIsZero = !(std::fabs(bMagnitude) > LINE_COEF_EPS);
  if (aIsZero && bIsZero) return false;

  const double w = f.xMax - f.xMin + OVERSHOOT_PIXELS / f.xZoom;
  const double h = f.yMax - f.yMin + OVERSHOOT_PIXELS / f.yZoom;
  LineEnds e;
  if (bIsZero) {
    // Vertical: from the X axis up to the top.
    e.dx1 = c / a - f.xMin;
    e.dy1 = 0.0;
    e.dx2 = e.dx1;
    e.dy2 = h;
  } else if (aIsZero) {
    // Horizontal: from the Y axis to the right.
    e.dx1 = 0.0;
    e.dy1 = c / b - f.yMin;
    e.dx2 = w;
    e.dy2 = e.dy1;
  } else {
    // First point where the line crosses the left edge; if that lies on or
    // below the X axis, at the far right instead; if that is far above the
    // surface, at the top.
    e.dx1 = 0.0;
    e.dy1 = (c - a * f.xMin - b * f.yMin) / b;
    if (e.dy1 <= 0.0) {
      e.dx1 = w;
      e.dy1 = (c - a * (e.dx1 + f.xMin)) / b - f.yMin;
    }
    if (-f.yZoom * e.dy1 > COORD_LIMIT) {
      e.dy1 = h;
      e.dx1 = (c - b * (e.dy1 + f.yMin)) / a - f.xMin;
    }
    // Second point where the line crosses the bottom edge; if that lies
    // left of the Y axis, at the top instead; if that is far right, at the
    // right.
    e.dx2 = (c - a * f.xMin - b * f.yMin) / a;
    e.dy2 = 0.0;
    if (e.dx2 < 0.0) {
      e.dy2 = h;
      e.dx2 = (c - b * (e.dy2 + f.yMin)) / a - f.xMin;
    }
    if (f.xZoom * e.dx2 > COORD_LIMIT) {
      e.dx2 = w;
      e.dy2 = (c - a * (e.dx2 + f.xMin)) / b - f.yMin;
    }
  }
  if (!std::isfinite(e.dx1) || !std::isfinite(e.dy1) || !std::isfinite(e.dx2) ||
      !std::isfinite(e.dy2)) {
    return false;
  }
  out = e;
  return true;
}

}  // namespace tessaro
