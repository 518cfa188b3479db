#pragma once

namespace tessaro {

// The visible range and scale of the plot.
struct PlotFrame {
  double xMin = 0.0;
  double xMax = 0.0;
  double yMin = 0.0;
  double yMax = 0.0;
  double xZoom = 1.0;
  double yZoom = 1.0;
};

// A point with whole coordinates: a lattice point, or a point of the
// drawing in logical units.
struct IntPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

}  // namespace tessaro
