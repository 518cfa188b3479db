#include "editor/hit_test.h"

#include <cmath>

namespace tessaro {

namespace {

// Strictly between centre - reach and centre + reach.
bool WithinReach(double value, double centre, double reach) {
  return value > centre - reach && value < centre + reach;
}

// A zoom that is zero, negative or not finite gives no reach at all; the
// form refuses such zooms, but a model file can still carry one.
bool UsableZoom(double zoom) {
  return std::isfinite(zoom) && zoom > 0.0;
}

}  // namespace

bool NearLine(const LineEquation& line, const ModelPoint& p, double xZoom, double yZoom) {
  if (!IsFinitePoint(p) || !UsableZoom(xZoom) || !UsableZoom(yZoom)) return false;
  // Reached horizontally: the line's X at the pointer's height.
  if (std::fabs(line.a) > HIT_COEFFICIENT_FLOOR) {
    const double xl = (line.c - line.sign * line.b * p.y) / line.a;
    if (WithinReach(p.x, xl, HIT_REACH_PIXELS / xZoom)) return true;
  }
  // Reached vertically: the line's Y at the pointer's abscissa. A sign of
  // zero (possible only from a damaged file) leaves no Y term to divide by.
  const double yCoefficient = line.sign * line.b;
  if (std::fabs(line.b) > HIT_COEFFICIENT_FLOOR && yCoefficient != 0.0) {
    const double yl = (line.c - line.a * p.x) / yCoefficient;
    if (WithinReach(p.y, yl, HIT_REACH_PIXELS / yZoom)) return true;
  }
  return false;
}

bool InsideLabel(double lx, double ly, const ModelPoint& p, const PlotScale& scale) {
  if (!IsFinitePoint(p) || !UsableZoom(scale.xZoom) || !UsableZoom(scale.yZoom)) return false;
  const double left = scale.xMin + lx;
  const double top = scale.yMin + ly;
  return p.x > left && p.x < left + LABEL_BOX_WIDTH / scale.xZoom &&
         p.y > top - LABEL_BOX_HEIGHT / scale.yZoom && p.y < top;
}

bool OnPayoffBand(const LineEquation& payoff, const ModelPoint& p) {
  if (!IsFinitePoint(p)) return false;
  const double v = std::fabs(payoff.a * p.x + payoff.sign * payoff.b * p.y);
  const double w = std::fabs(payoff.c);
  return (w - PAYOFF_BAND_OFFSET) * PAYOFF_BAND_LOW_FACTOR < v &&
         v < (w + PAYOFF_BAND_OFFSET) * PAYOFF_BAND_HIGH_FACTOR;
}

}  // namespace tessaro
