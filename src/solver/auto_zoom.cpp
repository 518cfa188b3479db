#include "solver/auto_zoom.h"

#include <algorithm>
#include <cmath>

#include "solver/corner_solver.h"

namespace tessaro {

namespace {

struct AxisFit {
  double high;
  double zoom;
};

// One axis: the upper end from the largest coordinate, and the zoom that
// spreads the range over `span` pixels. When the largest coordinate does
// not reach above the lower end, the range gets the fallback length, as an
// empty range does, so that the zoom is never zero or negative. The zoom is
// held inside what the form's zoom fields accept.
AxisFit FitAxis(double largest, double low, double current, double currentZoom, double fallback,
                double span, int decimals) {
  double high = std::trunc(largest + ZOOM_ROUNDING_ADDEND);
  if (high <= low) high = low + fallback;
  TruncateDecimals(high, decimals);
  if (!(high > low)) {
    // A lower end so large that the fallback vanishes in its rounding.
    return {current, currentZoom};
  }
  double zoom = span / (high - low);
  if (zoom > 1.0) TruncateDecimals(zoom, decimals);
  zoom = std::clamp(zoom, ZOOM_FIELD_MIN, ZOOM_FIELD_MAX);
  return {high, zoom};
}

}  // namespace

AutoZoomResult ComputeAutoZoom(const Model& model, FarBounds far, const ZoomBox& box) {
  AutoZoomResult result;
  const CornerList corners = EnumerateCorners(RowsOf(model, far), ROW_Y_AXIS);
  if (corners.count == 0) return result;
  double maxX = corners.points[0].x;
  double maxY = corners.points[0].y;
  for (int k = 1; k < corners.count; ++k) {
    const PlanePoint& p = corners.points[k];
    if (p.IsNone()) continue;
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  if (maxX == NO_POINT || maxY == NO_POINT) return result;
  const AxisFit x = FitAxis(maxX, model.xMin, model.xMax, model.xZoom, ZOOM_FALLBACK_X, box.width,
                            model.decimals);
  const AxisFit y = FitAxis(maxY, model.yMin, model.yMax, model.yZoom, ZOOM_FALLBACK_Y, box.height,
                            model.decimals);
  result.found = true;
  result.xMax = x.high;
  result.xZoom = x.zoom;
  result.yMax = y.high;
  result.yZoom = y.zoom;
  return result;
}

}  // namespace tessaro
