#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "solver/sensitivity.h"

namespace tessaro {
class Surface;
}

namespace tessaro::app {

// The sensitivity of the optimum a window shows, with the model it belongs
// to: the window drops it the moment its model is no longer this one.
struct ShownSensitivity {
  tessaro::Model model;
  // Of the continuous optimum: in the integer mode that of the linear
  // relaxation, whose corner differs from the integer optimum shown.
  tessaro::Sensitivity sensitivity;
  bool relaxation = false;
  // The optimal lattice points in the integer mode, as " (x, y)" pieces.
  std::string integerOptimum;
};

// The analysis of model after a solve that found an optimum in the given
// direction (+1 maximum, -1 minimum); integerPoints are the optimal points
// the integer mode found. Empty when the linear programme has no optimum.
[[nodiscard]] std::optional<ShownSensitivity> AnalyzeShownOptimum(
    const tessaro::Model& model, int solveDirection,
    const std::vector<std::pair<double, double>>& integerPoints);

// What a picture shows beside the model: with shown set, the printed page
// lists its tables, and with showRanges the plot gets the payoff fan and
// the selected row's range lines.
struct PictureExtras {
  const ShownSensitivity* shown = nullptr;
  bool showRanges = false;
  std::optional<int> selectedRow;
};

// The fan and range lines of extras, when asked for, in plot units.
void DrawRanges(const PictureExtras& extras, tessaro::Surface& surface);

// The sensitivity tables of the printed page, in a fixed-pitch font below
// the constraint list; nothing without a shown sensitivity.
void DrawPageTables(const PictureExtras& extras, tessaro::Surface& surface);

}  // namespace tessaro::app
