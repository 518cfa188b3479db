#pragma once

#include <array>
#include <vector>

#include "model/model.h"
#include "render/surface.h"
#include "solver/rows.h"

namespace tessaro {

// A geometry row takes part when its X or Y coefficient is not zero (a
// negative zero counts as zero).
inline bool RowIsPresent(const Rows& rows, int k) {
  return rows.rowA[k] != 0.0 || rows.rowB[k] != 0.0;
}

// The corners of every pair of present rows, in pair order; a corner that
// repeats an earlier one exactly is marked absent (NO_POINT).
struct VertexList {
  std::array<double, MAX_VERTICES> x{};
  std::array<double, MAX_VERTICES> y{};
  int count = 0;
};

[[nodiscard]] VertexList BuildVertexList(const Rows& rows);

// Whether both points lie on one present row, within the tolerance of every
// feasibility test.
[[nodiscard]] bool SharesLine(const Rows& rows, double x1, double y1, double x2, double y2);

// The feasible polygon in plot units, closed (its first point repeated at
// the end), and the number of joins the walk made between corners.
struct PolygonWalk {
  std::vector<IntPoint> points;
  int joins = 0;
};

// Walks the vertex list from corner to corner along shared lines, starting
// at the first present corner, with the plot's minimum and zoom of the
// model. No point at all means no feasible corner.
[[nodiscard]] PolygonWalk WalkFeasiblePolygon(const Rows& rows, const Model& model,
                                              VertexList vertices);

}  // namespace tessaro
