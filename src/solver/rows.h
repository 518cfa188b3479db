#pragma once

#include <array>

#include "model/constants.h"
#include "model/model.h"
#include "model/model_state.h"

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

// The ten geometry rows (model/model_state.h): row i is
// rowA·x + rowSign·rowB·y (rowRelation) rowC; rows 0 to 5 are the constraint
// lines, 6 and 7 the axes, 8 and 9 the far bounds.
using Rows = GeometryRows;

// The rows of the model's six lines, the two axes and the far bounds.
[[nodiscard]] Rows RowsOf(const Model& model, FarBounds far);

}  // namespace tessaro
