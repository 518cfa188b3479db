#pragma once

#include <vector>

#include "model/model_state.h"
#include "render/surface.h"

namespace tessaro {

class CEquation;

// A geometry row takes part when its X or Y coefficient is not zero (a
// negative zero counts as zero).
inline bool RowIsPresent(const GeometryRows& rows, int k) {
  return rows.rowA[k] != 0.0 || rows.rowB[k] != 0.0;
}

// The feasible polygon in plot units, closed (its first point repeated at
// the end), and the number of joins the walk made between corners.
struct PolygonWalk {
  std::vector<IntPoint> points;
  int joins = 0;
};

// Walks the vertex list built by BuildVertexList from corner to corner
// along shared lines, starting at the first present corner. The walk
// empties the list as it goes. No point at all means no feasible corner.
PolygonWalk WalkFeasiblePolygon(CEquation& eq);

}  // namespace tessaro
