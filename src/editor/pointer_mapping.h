#pragma once

#include "model/model.h"
#include "model/plot_view.h"

namespace tessaro {

// A point in model units.
struct ModelPoint {
  double x = 0.0;
  double y = 0.0;
};

// What the pointer mapping needs of the model.
struct PlotScale {
  double xMin = 0.0;
  double yMin = 0.0;
  double xZoom = 1.0;  // pixels per model unit
  double yZoom = 1.0;
  // The view pixel where the plot origin (xMin, yMin) lies: the one the
  // drawing puts it at.
  int originX = PlotView{}.OriginViewX();
  int originY = PlotView{}.OriginViewY();
};

PlotScale ScaleOf(const Model& model, const PlotView& view);

// Maps a view pixel to model units.
// No rounding is applied. A zero or non-finite zoom gives a non-finite
// coordinate rather than dividing by zero.
ModelPoint ViewToModel(int px, int py, const PlotScale& scale);

bool IsFinitePoint(const ModelPoint& p);

}  // namespace tessaro
