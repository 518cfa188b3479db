#include "render/feasible_polygon.h"

#include "model/equation.h"
#include "model/saturate.h"
#include "solver/geometry.h"
#include "solver/optimizer.h"
#include "solver/row_tolerance.h"

namespace tessaro {

namespace {

bool IsAbsent(const CEquation& eq, int k) {
  return eq.vertexX[k] == NO_POINT && eq.vertexY[k] == NO_POINT;
}

// Within the tolerance of every feasibility test, relative to the row's size.
bool OnRow(const GeometryRows& rows, int k, double x, double y) {
  return SideOfRow(rows.rowA[k], rows.rowSign[k] * rows.rowB[k], rows.rowC[k], x, y) == RowSide::On;
}

}  // namespace

void CEquation::BuildVertexList() {
  vertexCount = 0;
  const Rows rows = FormRows(*this);
  for (int i = 0; i < ROW_COUNT; ++i) {
    if (!RowIsPresent(*this, i)) continue;
    for (int j = i + 1; j < ROW_COUNT; ++j) {
      if (!RowIsPresent(*this, j)) continue;
      const int k = vertexCount;
      tessaro::FeasibleIntersection(rows, rowA[i], rowSign[i] * rowB[i], rowC[i], rowA[j],
                                    rowSign[j] * rowB[j], rowC[j], vertexX[k], vertexY[k]);
      // Exact duplicates of an earlier corner are dropped; corners that
      // differ in the last bits stay and are joined by the walk.
      for (int e = 0; e < k; ++e) {
        if (vertexX[e] == vertexX[k] && vertexY[e] == vertexY[k]) {
          vertexX[k] = NO_POINT;
          vertexY[k] = NO_POINT;
          break;
        }
      }
      ++vertexCount;
    }
  }
}

bool CEquation::SharesLine(double x1, double y1, double x2, double y2) const {
  for (int k = 0; k < ROW_COUNT; ++k) {
    if (RowIsPresent(*this, k) && OnRow(*this, k, x1, y1) && OnRow(*this, k, x2, y2)) return true;
  }
  return false;
}

PolygonWalk WalkFeasiblePolygon(CEquation& eq) {
  PolygonWalk walk;
  const int count = eq.vertexCount;
  int i = 0;
  int steps = 0;
  for (;;) {
    while (i < count && IsAbsent(eq, i)) {
      ++i;
      ++steps;
    }
    if (i >= count) break;
    if (static_cast<int>(walk.points.size()) >= POLYGON_CAPACITY - 1) break;
    walk.points.push_back({SaturateToInt((eq.vertexX[i] - eq.xMin) * eq.xZoom),
                           SaturateToInt(-(eq.vertexY[i] - eq.yMin) * eq.yZoom)});
    int next = -1;
    for (int j = 0; j < count; ++j) {
      if (j != i && !IsAbsent(eq, j) &&
          eq.SharesLine(eq.vertexX[j], eq.vertexY[j], eq.vertexX[i], eq.vertexY[i])) {
        next = j;
        break;
      }
    }
    if (next < 0) break;
    ++walk.joins;
    eq.vertexX[i] = NO_POINT;
    eq.vertexY[i] = NO_POINT;
    i = next;
    ++steps;
    if (steps > count) break;
  }
  if (!walk.points.empty()) walk.points.push_back(walk.points.front());
  return walk;
}

}  // namespace tessaro
