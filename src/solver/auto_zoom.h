#pragma once

#include "model/model.h"
#include "solver/rows.h"

namespace tessaro {

inline constexpr const char* MSG_NO_ZOOM_AREA = "No valid area found for auto-zoom!";

// Added to the largest coordinate before it is cut to a whole number, so
// that less than a millionth above a whole number counts as that number.
inline constexpr double ZOOM_ROUNDING_ADDEND = 0.999999;
inline constexpr double ZOOM_FALLBACK_X = 1200.0;
inline constexpr double ZOOM_FALLBACK_Y = 700.0;

struct AutoZoomResult {
  bool found = false;  // false: no corner among the first eight rows
  double xMax = 0.0;
  double xZoom = 0.0;
  double yMax = 0.0;
  double yZoom = 0.0;
};

// The pixels Auto Zoom spreads each range over: the plot on screen less
// its margins (PlotView::FitWidth and FitHeight).
struct ZoomBox {
  double width = 0.0;
  double height = 0.0;
};

// Fits the X range to the box's width and the Y range to its height around
// the largest X and the largest Y of the feasible corners (the optimum, when
// there is one, is among them); the lower ends stay.
[[nodiscard]] AutoZoomResult ComputeAutoZoom(const Model& model, FarBounds far, const ZoomBox& box);

}  // namespace tessaro
