#include "solver/rows.h"

#include <cmath>

namespace tessaro {

FarBounds FarBoundsOf(const Model& model, FarBounds previous) {
  const double farX = model.xMax + FAR_BOUND_PIXELS / model.xZoom;
  const double farY = model.yMax + FAR_BOUND_PIXELS / model.yZoom;
  return FarBounds{std::isfinite(farX) ? farX : previous.x,
                   std::isfinite(farY) ? farY : previous.y};
}

Rows RowsOf(const Model& model, FarBounds far) {
  Rows rows;
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Line& line = model.lines[i];
    rows.rowA[i] = line.a;
    rows.rowB[i] = line.b;
    rows.rowC[i] = line.c;
    rows.rowSign[i] = line.sign;
    rows.rowRelation[i] = RelationCode(line.relation);
  }
  rows.rowC[ROW_FAR_X] = far.x;
  rows.rowC[ROW_FAR_Y] = far.y;
  return rows;
}

}  // namespace tessaro
