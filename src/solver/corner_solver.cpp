#include "solver/corner_solver.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

// Whether a point lies on a far bound: on the bound the current ranges give,
// or on the far-bound row the corners were cut with (the two differ only
// until the next deferred refresh).
bool OnFarBound(const ModelState& m, const PlanePoint& p) {
  const double farX = m.xMax + FAR_BOUND_PIXELS / m.xZoom;
  const double farY = m.yMax + FAR_BOUND_PIXELS / m.yZoom;
  return std::fabs(p.x - farX) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.y - farY) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.x - m.rowC[ROW_FAR_X]) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.y - m.rowC[ROW_FAR_Y]) < FAR_BOUND_TOLERANCE;
}

// A maximum is unbounded when one of its optimal points lies on a far
// bound: the area was only closed there by the plot, not by the model.
bool MaximumRunsToFarBound(const ModelState& m, const OptimalSet& set) {
  for (int k = 0; k < set.count; ++k) {
    const PlanePoint& p = set.points[k];
    if (!p.IsNone() && OnFarBound(m, p)) return true;
  }
  return false;
}

// A minimum is unbounded when a feasible crossing with a far bound scores
// clearly below the best corner of the model's own rows: the payoff keeps
// falling toward the edge of the plot.
bool MinimumFallsToFarBound(const ModelState& m, double best) {
  for (int far = ROW_FAR_X; far <= ROW_FAR_Y; ++far) {
    for (int row = 0; row < far; ++row) {
      if (IsRowEmpty(m, row)) continue;
      const PlanePoint p = RowCrossing(m, row, far);
      if (p.IsNone()) continue;
      if (PayoffAt(m, p.x, p.y) < best - MAX_TIE_TOLERANCE) return true;
    }
  }
  return false;
}

// Copies the accepted points into the model's list of MAX_OPTIMAL places.
// When more points tie than there are places, the first distinct points
// found are kept and duplicates give way.
void FillOptimalList(const OptimalSet& set, SolveResult& result) {
  const bool fits = set.count <= MAX_OPTIMAL;
  result.count = 0;
  for (int k = 0; k < set.count && result.count < MAX_OPTIMAL; ++k) {
    const PlanePoint& p = set.points[k];
    if (!fits && p.IsNone()) continue;
    result.x[result.count] = p.x;
    result.y[result.count] = p.y;
    ++result.count;
  }
}

}  // namespace

double PayoffAt(const ModelState& model, double x, double y) {
  return model.payoffA * x + model.payoffSign * model.payoffB * y;
}

CornerList EnumerateCorners(const GeometryRows& rows, int lastRow) {
  CornerList list;
  const int last = std::min(lastRow, ROW_COUNT - 1);
  for (int i = 0; i <= last; ++i) {
    if (IsRowEmpty(rows, i)) continue;
    for (int j = i + 1; j <= last; ++j) {
      if (IsRowEmpty(rows, j)) continue;
      list.points[list.count++] = RowCrossing(rows, i, j);
    }
  }
  return list;
}

OptimalSet SelectOptimal(const ModelState& model, const PlanePoint* points, int count,
                         bool maximize) {
  OptimalSet set;
  double best = maximize ? MAX_START_SCORE : MIN_START_SCORE;
  const int n = std::clamp(count, 0, DOT_CAPACITY);
  for (int k = 0; k < n; ++k) {
    const PlanePoint& p = points[k];
    if (p.IsNone()) continue;
    const double v = PayoffAt(model, p.x, p.y);
    if (maximize) {
      if (!(v > best || std::fabs(best - v) <= MAX_TIE_TOLERANCE)) continue;
      // A clearly better point starts the list afresh; a slightly better
      // one joins the points found so far.
      if (std::fabs(best - v) > MAX_REPLACE_MARGIN) set.count = 0;
    } else {
      // Minimizing compares exactly: only an equal score ties.
      if (!(v <= best)) continue;
      if (v < best) set.count = 0;
    }
    set.points[set.count++] = p;
    best = v;
  }
  set.best = best;
  return set;
}

void MarkDuplicates(OptimalSet& set) {
  for (int i = 1; i < set.count; ++i) {
    for (int j = 0; j < i; ++j) {
      if (set.points[j].x == set.points[i].x && set.points[j].y == set.points[i].y) {
        set.points[i] = PlanePoint{};
        break;
      }
    }
  }
}

SolveResult SolveModel(const ModelState& model, bool maximize) {
  SolveResult result;
  if (model.payoffA == 0.0 && model.payoffB == 0.0) {
    result.verdict = SolveVerdict::NoPayoff;
    return result;
  }
  const bool latticeMode = model.integerDotsOn != 0;
  OptimalSet set;
  if (latticeMode) {
    std::array<PlanePoint, DOT_CAPACITY> dots{};
    const int n = std::clamp(model.dotCount, 0, DOT_CAPACITY);
    for (int k = 0; k < n; ++k) {
      dots[k] = PlanePoint{static_cast<double>(model.dotX[k]), static_cast<double>(model.dotY[k])};
    }
    set = SelectOptimal(model, dots.data(), n, maximize);
    // Lattice points are distinct; only the minimum marks duplicates here.
    if (!maximize) MarkDuplicates(set);
  } else {
    // Maximizing pairs the far bounds too; minimizing stops at the axes.
    const CornerList corners = EnumerateCorners(model, maximize ? ROW_FAR_Y : ROW_Y_AXIS);
    set = SelectOptimal(model, corners.points.data(), corners.count, maximize);
    MarkDuplicates(set);
  }
  if (set.count == 0) {
    result.verdict = SolveVerdict::Infeasible;
    return result;
  }
  bool unbounded = false;
  if (!latticeMode) {
    unbounded =
        maximize ? MaximumRunsToFarBound(model, set) : MinimumFallsToFarBound(model, set.best);
  }
  result.verdict = unbounded ? SolveVerdict::Unbounded : SolveVerdict::Optimal;
  result.best = set.best;
  FillOptimalList(set, result);
  return result;
}

}  // namespace tessaro
