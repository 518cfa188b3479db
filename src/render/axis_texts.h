#pragma once

#include <string>
#include <vector>

#include "render/label_layout.h"
#include "render/line_ends.h"
#include "render/surface.h"

namespace tessaro {

// Tick numbers hang below the X axis and start left of the Y axis.
inline constexpr int X_TICK_TEXT_Y = 15;
inline constexpr int Y_TICK_TEXT_X = -25;

// One tick of an axis: its pixel along the axis from the origin (Y growing
// downwards) and the whole number it shows.
struct AxisTick {
  int pixel = 0;
  int value = 0;
};

// The ticks of the X and of the Y axis of a frame, in drawing order. Ticks
// beyond the coordinate limit lie far off every surface and are left out.
std::vector<AxisTick> XAxisTicks(const PlotFrame& frame);
std::vector<AxisTick> YAxisTicks(const PlotFrame& frame);

// Where the axes' names are written: the Y name above the Y range's top,
// the X name beyond the X range's end.
IntPoint YAxisNameAt(const PlotFrame& frame);
IntPoint XAxisNameAt(const PlotFrame& frame);

// The boxes of every text the axes write, the tick numbers and the two
// names, as EstimatedTextSize measures them; the numbers are measured
// without being written out.
std::vector<TextBox> AxisTextBoxes(const PlotFrame& frame, const std::string& xName,
                                   const std::string& yName);

}  // namespace tessaro
