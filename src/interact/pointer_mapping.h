#pragma once

#include "model/model_state.h"

namespace tessaro {

// The view point where the plot origin (xMin, yMin) lies in the form's
// standard layout: the plot control's corner (15, 120) plus the drawing
// origin (30, 300) inside it. It must agree with the plot placement.
inline constexpr int PLOT_ORIGIN_VIEW_X = 45;
inline constexpr int PLOT_ORIGIN_VIEW_Y = 420;

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
};

PlotScale ScaleOf(const ModelState& model);

// Maps a view pixel, scrolled by the view's scroll offsets, to model units.
// No rounding is applied. A zero or non-finite zoom gives a non-finite
// coordinate rather than dividing by zero.
ModelPoint ViewToModel(int px, int py, int scrollX, int scrollY, const PlotScale& scale);

bool IsFinitePoint(const ModelPoint& p);

}  // namespace tessaro
