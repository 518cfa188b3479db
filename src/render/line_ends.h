#pragma once

#include "solver/plane.h"

namespace tessaro {

// End points of a drawn line, in model units measured from (xMin, yMin).
struct LineEnds {
  double dx1 = 0.0;
  double dy1 = 0.0;
  double dx2 = 0.0;
  double dy2 = 0.0;
};

// The two end points of the line a * x + b * y = c as the plot draws it:
// from the left edge (or the bottom edge) to a point up to 150 pixels
// beyond the right or top edge of the visible range. bMagnitude is the Y
// coefficient as typed (without its sign), which decides whether the line
// counts as vertical. Returns false, leaving out untouched, when the line
// cannot be drawn: both coefficients at most 1e-5 in magnitude (no
// direction to draw) or an end point that is not a finite number.
bool ComputeLineEnds(double a, double b, double bMagnitude, double c, const PlotFrame& frame,
                     LineEnds& out);

}  // namespace tessaro
