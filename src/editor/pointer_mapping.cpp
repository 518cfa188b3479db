#include "editor/pointer_mapping.h"

#include <cmath>
#include <limits>

namespace tessaro {

namespace {

// One axis of the mapping. The pixel sum is taken in doubles so that a
// scroll offset near the int range cannot overflow.
double AxisToModel(double pixelsFromOrigin, double zoom, double origin) {
  if (zoom == 0.0 || !std::isfinite(zoom)) return std::numeric_limits<double>::quiet_NaN();
  return pixelsFromOrigin / zoom + origin;
}

}  // namespace

PlotScale ScaleOf(const Model& model, const PlotView& view) {
  return PlotScale{model.xMin,  model.yMin,         model.xZoom,
                   model.yZoom, view.OriginViewX(), view.OriginViewY()};
}

ModelPoint ViewToModel(int px, int py, const PlotScale& scale) {
  const double vx = static_cast<double>(px);
  const double vy = static_cast<double>(py);
  ModelPoint p;
  p.x = AxisToModel(vx - scale.originX, scale.xZoom, scale.xMin);
  // View Y grows downwards, model Y upwards.
  p.y = AxisToModel(scale.originY - vy, scale.yZoom, scale.yMin);
  return p;
}

bool IsFinitePoint(const ModelPoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace tessaro
