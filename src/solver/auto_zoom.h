#pragma once

#include "model/model_state.h"

namespace tessaro {

inline constexpr const char* MSG_NO_ZOOM_AREA = "No valid area found for auto-zoom!";

// Added to the largest coordinate before it is cut to a whole number, so
// that less than a millionth above a whole number counts as that number.
inline constexpr double ZOOM_ROUNDING_ADDEND = 0.999999;
inline constexpr double ZOOM_SPAN_X = 600.0;  // pixels given to the X range
inline constexpr double ZOOM_SPAN_Y = 250.0;  // pixels given to the Y range
inline constexpr double ZOOM_FALLBACK_X = 1200.0;
inline constexpr double ZOOM_FALLBACK_Y = 700.0;

struct AutoZoomResult {
  bool found = false;  // false: no corner among the first eight rows
  double xMax = 0.0;
  double xZoom = 0.0;
  double yMax = 0.0;
  double yZoom = 0.0;
};

// Fits the X range to 600 pixels and the Y range to 250 pixels around the
// largest X and the largest Y of the feasible corners; the lower ends stay.
AutoZoomResult ComputeAutoZoom(const ModelState& model);

}  // namespace tessaro
