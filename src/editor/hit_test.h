#pragma once

#include "editor/pointer_mapping.h"

namespace tessaro {

// A line a·x + sign·b·y = c, b being the magnitude of the Y coefficient.
struct LineEquation {
  double a = 0.0;
  double sign = 1.0;
  double b = 0.0;
  double c = 0.0;
};

// A line is within reach when the pointer is less than this many pixels
// from it horizontally or vertically.
inline constexpr double HIT_REACH_PIXELS = 5.0;
// Coefficients at or below this magnitude take no part in a hit test, so
// a nearly horizontal line is not tested horizontally and vice versa.
inline constexpr double HIT_COEFFICIENT_FLOOR = 0.0001;
// The box of a label, in pixels, hanging from its top-left anchor.
inline constexpr double LABEL_BOX_WIDTH = 170.0;
inline constexpr double LABEL_BOX_HEIGHT = 15.0;
// A right press counts as on the payoff line when |a·x + s·b·y| lies
// within (|level| - 0.3)·0.97 and (|level| + 0.3)·1.03.
inline constexpr double PAYOFF_BAND_OFFSET = 0.3;
inline constexpr double PAYOFF_BAND_LOW_FACTOR = 0.97;
inline constexpr double PAYOFF_BAND_HIGH_FACTOR = 1.03;

// Whether p lies within reach of the line along X (at p's height) or,
// failing that, along Y (at p's abscissa). A non-finite point or a line
// with both coefficients at or below the floor is never near, and neither
// is anything under a zoom that is not a positive finite number.
bool NearLine(const LineEquation& line, const ModelPoint& p, double xZoom, double yZoom);

// Whether p lies strictly inside the box of a label placed at the offsets
// (lx, ly) from (xMin, yMin).
bool InsideLabel(double lx, double ly, const ModelPoint& p, const PlotScale& scale);

// Whether a right press at p lands on the payoff line (its value there is
// close to the payoff level), which starts a rotation.
bool OnPayoffBand(const LineEquation& payoff, const ModelPoint& p);

}  // namespace tessaro
