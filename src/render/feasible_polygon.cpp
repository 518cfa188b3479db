#include "render/feasible_polygon.h"

#include "model/saturate.h"
#include "solver/geometry.h"
#include "solver/row_tolerance.h"
#include "solver/rows.h"

namespace tessaro {

namespace {

bool IsAbsent(const VertexList& v, int k) {
  return v.x[k] == NO_POINT && v.y[k] == NO_POINT;
}

// Within the tolerance of every feasibility test, relative to the row's size.
bool OnRow(const Rows& rows, int k, double x, double y) {
  return SideOfRow(rows.rowA[k], rows.rowSign[k] * rows.rowB[k], rows.rowC[k], x, y) == RowSide::On;
}

}  // namespace

VertexList BuildVertexList(const Rows& g) {
  VertexList v;
  for (int i = 0; i < ROW_COUNT; ++i) {
    if (!RowIsPresent(g, i)) continue;
    for (int j = i + 1; j < ROW_COUNT; ++j) {
      if (!RowIsPresent(g, j)) continue;
      const int k = v.count;
      FeasibleIntersection(g, g.rowA[i], g.rowSign[i] * g.rowB[i], g.rowC[i], g.rowA[j],
                           g.rowSign[j] * g.rowB[j], g.rowC[j], v.x[k], v.y[k]);
      // Exact duplicates of an earlier corner are dropped; corners that
      // differ in the last bits stay and are joined by the walk.
      for (int e = 0; e < k; ++e) {
        if (v.x[e] == v.x[k] && v.y[e] == v.y[k]) {
          v.x[k] = NO_POINT;
          v.y[k] = NO_POINT;
          break;
        }
      }
      ++v.count;
    }
  }
  return v;
}

bool SharesLine(const Rows& rows, double x1, double y1, double x2, double y2) {
  for (int k = 0; k < ROW_COUNT; ++k) {
    if (RowIsPresent(rows, k) && OnRow(rows, k, x1, y1) && OnRow(rows, k, x2, y2)) return true;
  }
  return false;
}

PolygonWalk WalkFeasiblePolygon(const Rows& rows, const Model& eq, VertexList v) {
  PolygonWalk walk;
  const int count = v.count;
  walk.points.reserve(static_cast<std::size_t>(count) + 1);
  int i = 0;
  int steps = 0;
  for (;;) {
    while (i < count && IsAbsent(v, i)) {
      ++i;
      ++steps;
    }
    if (i >= count) break;
    if (static_cast<int>(walk.points.size()) >= POLYGON_CAPACITY - 1) break;
    walk.points.push_back({SaturateToInt((v.x[i] - eq.xMin) * eq.xZoom),
                           SaturateToInt(-(v.y[i] - eq.yMin) * eq.yZoom)});
    int next = -1;
    for (int j = 0; j < count; ++j) {
      if (j != i && !IsAbsent(v, j) && SharesLine(rows, v.x[j], v.y[j], v.x[i], v.y[i])) {
        next = j;
        break;
      }
    }
    if (next < 0) break;
    ++walk.joins;
    v.x[i] = NO_POINT;
    v.y[i] = NO_POINT;
    i = next;
    ++steps;
    if (steps > count) break;
  }
  if (!walk.points.empty()) walk.points.push_back(walk.points.front());
  return walk;
}

}  // namespace tessaro
