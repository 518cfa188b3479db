#pragma once

#include <array>

#include "model/constants.h"
#include "model/model.h"

namespace tessaro {

// Where the plot closes the plane for the solver: x <= x and y <= y, 500
// pixels beyond the right and top ends of the range.
struct FarBounds {
  double x = 166.66666666666666;
  double y = 250.0;
};

// The far bounds of the model's ranges and zooms. A bound that would not be
// finite (a zoom so small that the division overflows) keeps its previous
// value.
[[nodiscard]] FarBounds FarBoundsOf(const Model& model, FarBounds previous);

// The ten geometry rows of a model, worked out from it when needed and
// never kept beside it: row i is rowA·x + rowSign·rowB·y (rowRelation) rowC.
// Rows 0 to 5 are the constraint lines, 6 and 7 the axes, 8 and 9 the far
// bounds. A row whose A and B are both zero is empty and is skipped.
struct Rows {
  std::array<double, ROW_COUNT> rowA{0, 0, 0, 0, 0, 0, 1, 0, 1, 0};
  std::array<double, ROW_COUNT> rowB{0, 0, 0, 0, 0, 0, 0, 1, 0, 1};
  std::array<double, ROW_COUNT> rowC{0, 0, 0, 0, 0, 0, 0, 0, 166.66666666666666, 250.0};
  std::array<double, ROW_COUNT> rowRelation{0, 0, 0, 0, 0, 0, REL_GE, REL_GE, REL_LE, REL_LE};
  std::array<int, ROW_COUNT> rowSign{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// The rows of the model's six lines, the two axes and the far bounds.
[[nodiscard]] Rows RowsOf(const Model& model, FarBounds far);

}  // namespace tessaro
