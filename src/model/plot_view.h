#pragma once

#include <algorithm>

namespace tessaro {

// Where the plot lies on screen and how large it is: the one piece of view
// state the drawing, the pointer mapping and Auto Zoom share. The plot
// origin (xMin, yMin) sits at the widget's bottom-left corner, leaving room
// for the tick numbers and the axes' names, so the Y axis grows upward over
// the whole height.

// Pixels left of the Y axis for the tick numbers.
inline constexpr int PLOT_MARGIN_LEFT = 30;
// Pixels below the X axis for its ticks, tick numbers and name.
inline constexpr int PLOT_MARGIN_BOTTOM = 32;
// Auto Zoom keeps these pixels free above the Y range (for the Y axis name,
// drawn above the range's top) and right of the X range (for the X axis
// name, drawn 45 pixels beyond the range's end, and the last tick number).
inline constexpr int ZOOM_MARGIN_TOP = 50;
inline constexpr int ZOOM_MARGIN_RIGHT = 100;
// Auto Zoom never fits into less than this many pixels along an axis, so a
// tiny window still gets a readable picture.
inline constexpr int ZOOM_MIN_SPAN = 50;

// The plot of a window that was never laid out, and of an export without
// --size.
inline constexpr int PLOT_DEFAULT_WIDTH = 1260;
inline constexpr int PLOT_DEFAULT_HEIGHT = 1020;
// The plot widget's top-left corner in the form view's pixels.
inline constexpr int PLOT_VIEW_LEFT = 15;
inline constexpr int PLOT_VIEW_TOP = 120;

struct PlotView {
  int width = PLOT_DEFAULT_WIDTH;  // logical pixels
  int height = PLOT_DEFAULT_HEIGHT;
  int left = PLOT_VIEW_LEFT;  // the widget's corner in the pointer's pixels
  int top = PLOT_VIEW_TOP;

  // The origin inside the widget; the drawing's unit (0, 0).
  int OriginX() const { return PLOT_MARGIN_LEFT; }
  int OriginY() const { return std::max(height - PLOT_MARGIN_BOTTOM, 0); }
  // The origin in the pointer's pixels.
  int OriginViewX() const { return left + OriginX(); }
  int OriginViewY() const { return top + OriginY(); }
  // The box Auto Zoom fits the feasible area into, right of and above the origin.
  int FitWidth() const { return std::max(width - OriginX() - ZOOM_MARGIN_RIGHT, ZOOM_MIN_SPAN); }
  int FitHeight() const { return std::max(OriginY() - ZOOM_MARGIN_TOP, ZOOM_MIN_SPAN); }

  friend bool operator==(const PlotView&, const PlotView&) = default;
};

// A view of the given plot size at the form's place.
inline PlotView PlotViewOfSize(int width, int height) {
  PlotView view;
  view.width = std::max(width, 1);
  view.height = std::max(height, 1);
  return view;
}

}  // namespace tessaro
