#pragma once

#include <vector>

namespace tessaro::app {

// Plain double geometry used before drawing: the core hands over integer
// coordinates anywhere in the int range (polygon corners are not clamped),
// while a paint engine rasterises reliably only within a few million units.
// Shapes are cut to a generous box first; what lies inside is unchanged.

struct ClipPoint {
  double x = 0.0;
  double y = 0.0;
};

struct ClipBox {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

// The box every shape is cut to: far beyond any surface the program draws
// on (the largest is a printer page of some ten thousand device pixels).
inline constexpr ClipBox kDrawingLimit{-200000.0, -200000.0, 200000.0, 200000.0};

// Cuts the segment a-b to the box (Liang-Barsky). False when nothing of it
// lies inside; otherwise a and b are moved onto the box where they left it.
bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box);

// Cuts a closed polygon to the box (Sutherland-Hodgman). The result is the
// part of the polygon inside the box, possibly empty.
std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& polygon, const ClipBox& box);

}  // namespace tessaro::app
