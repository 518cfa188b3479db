#include "solver/solution.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "solver/corner_solver.h"
#include "solver/lattice_cache.h"
#include "solver/point_text.h"

namespace tessaro {

namespace {

// Pixels beyond the range where the report's outer mark lies.
constexpr double MARK_PIXELS_X = 250.0;
constexpr double MARK_PIXELS_Y = 200.0;

// Whether a point lies on a far bound: on the bound the current ranges give,
// or on the far-bound row the corners were cut with (the two differ while a
// range field has been changed and the refresh has not yet taken it).
bool OnFarBound(const Model& m, const Rows& rows, const PlanePoint& p) {
  const double farX = m.xMax + FAR_BOUND_PIXELS / m.xZoom;
  const double farY = m.yMax + FAR_BOUND_PIXELS / m.yZoom;
  return std::fabs(p.x - farX) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.y - farY) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.x - rows.rowC[ROW_FAR_X]) < FAR_BOUND_TOLERANCE ||
         std::fabs(p.y - rows.rowC[ROW_FAR_Y]) < FAR_BOUND_TOLERANCE;
}

// A maximum is unbounded when one of its optimal points lies on a far
// bound: the area was only closed there by the plot, not by the model.
bool MaximumRunsToFarBound(const Model& m, const Rows& rows, const OptimalSet& set) {
  for (int k = 0; k < set.count; ++k) {
    const PlanePoint& p = set.points[k];
    if (!p.IsNone() && OnFarBound(m, rows, p)) return true;
  }
  return false;
}

// A minimum is unbounded when a feasible crossing with a far bound scores
// clearly below the best corner of the model's own rows: the payoff keeps
// falling toward the edge of the plot.
bool MinimumFallsToFarBound(const Model& m, const Rows& rows, double best) {
  for (int far = ROW_FAR_X; far <= ROW_FAR_Y; ++far) {
    for (int row = 0; row < far; ++row) {
      if (IsRowEmpty(rows, row)) continue;
      const PlanePoint p = RowCrossing(rows, row, far);
      if (p.IsNone()) continue;
      if (PayoffAt(m.payoff, p.x, p.y) < best - MAX_TIE_TOLERANCE) return true;
    }
  }
  return false;
}

// The optimal point list of MAX_OPTIMAL places. When more points tie than
// there are places, the first distinct points found are kept and
// duplicates give way.
std::vector<PlanePoint> OptimalList(const OptimalSet& set) {
  const bool fits = set.count <= MAX_OPTIMAL;
  std::vector<PlanePoint> list;
  for (int k = 0; k < set.count && static_cast<int>(list.size()) < MAX_OPTIMAL; ++k) {
    const PlanePoint& p = set.points[k];
    if (!fits && p.IsNone()) continue;
    list.push_back(p);
  }
  return list;
}

LatticeRows LatticeRowsOf(const Rows& rows) {
  LatticeRows lattice;
  for (int k = 0; k < LATTICE_ROW_COUNT; ++k) {
    lattice[k] = LatticeRow{rows.rowA[k], rows.rowSign[k] * rows.rowB[k], rows.rowC[k],
                            rows.rowRelation[k], !IsRowEmpty(rows, k)};
  }
  return lattice;
}

// Selection over the lattice points: they are distinct, so only the
// minimum marks duplicates.
OptimalSet SelectOverDots(const Model& model, std::span<const IntPoint> dots, bool maximize) {
  std::array<PlanePoint, DOT_CAPACITY> points{};
  const int n = std::min(static_cast<int>(dots.size()), DOT_CAPACITY);
  for (int k = 0; k < n; ++k) {
    points[k] = PlanePoint{static_cast<double>(dots[k].x), static_cast<double>(dots[k].y)};
  }
  OptimalSet set = SelectOptimal(model.payoff, points.data(), n, maximize);
  if (!maximize) MarkDuplicates(set);
  return set;
}

}  // namespace

LatticeDots LatticeDotsOf(const Rows& rows, const PlotFrame& frame) {
  const LatticeResult& found = CachedLatticePoints(LatticeRowsOf(rows), frame, DOT_LIMIT);
  LatticeDots dots;
  dots.points = found.points;
  dots.limitReached = found.limitReached;
  // The point that reached the limit is not shown.
  if (dots.limitReached && !dots.points.empty())
    dots.points = dots.points.first(dots.points.size() - 1);
  return dots;
}

LatticeDots LatticeDotsOf(const Model& model, FarBounds far) {
  const PlotFrame frame{model.xMin, model.xMax, model.yMin, model.yMax, model.xZoom, model.yZoom};
  return LatticeDotsOf(RowsOf(model, far), frame);
}

namespace {

Solution NoPayoff() {
  Solution solution;
  solution.status = SolveStatus::NoPayoff;
  solution.message = MSG_NO_PAYOFF;
  return solution;
}

// The solution of the accepted points: none is infeasible; an unbounded
// model keeps the points listed but gets no payoff level.
Solution Finish(const Model& model, const OptimalSet& set, bool unbounded, Goal goal) {
  Solution solution;
  if (set.count == 0) {
    solution.status = SolveStatus::Infeasible;
    solution.message = MSG_INFEASIBLE;
    return solution;
  }
  solution.points = OptimalList(set);
  if (unbounded) {
    solution.status = SolveStatus::Unbounded;
    solution.message = MSG_UNBOUNDED;
    return solution;
  }
  solution.status = SolveStatus::Optimal;
  solution.best = set.best;
  solution.payoffLevel = set.best;
  TruncateDecimals(solution.payoffLevel, model.decimals);
  solution.resultsLine = OptimizerResultsLine(model, solution.points, goal);
  return solution;
}

}  // namespace

Solution SolveOverLattice(const Model& model, std::span<const IntPoint> dots, Goal goal) {
  if (model.payoff.a == 0.0 && model.payoff.b == 0.0) return NoPayoff();
  // The points are finite in number: the optimum over them is never
  // unbounded.
  return Finish(model, SelectOverDots(model, dots, goal == Goal::Maximize), false, goal);
}

Solution Solve(const Model& model, FarBounds far, Goal goal) {
  if (model.payoff.a == 0.0 && model.payoff.b == 0.0) return NoPayoff();
  if (model.integerDots) {
    // Lattice points that reach the limit switch the dots off: the model is
    // then solved over its corners.
    const LatticeDots dots = LatticeDotsOf(model, far);
    if (!dots.limitReached) return SolveOverLattice(model, dots.points, goal);
  }
  const bool maximize = goal == Goal::Maximize;
  const Rows rows = RowsOf(model, far);
  // Maximizing pairs the far bounds too; minimizing stops at the axes.
  const CornerList corners = EnumerateCorners(rows, maximize ? ROW_FAR_Y : ROW_Y_AXIS);
  OptimalSet set = SelectOptimal(model.payoff, corners.points.data(), corners.count, maximize);
  MarkDuplicates(set);
  const bool unbounded =
      set.count > 0 && (maximize ? MaximumRunsToFarBound(model, rows, set)
                                 : MinimumFallsToFarBound(model, rows, set.best));
  return Finish(model, set, unbounded, goal);
}

std::string OptimizerResultsLine(const Model& model, const std::vector<PlanePoint>& points,
                                 Goal goal) {
  std::string line = "Optimal Decisions(" + model.xLabel + "," + model.yLabel + "):";
  const double markX = std::trunc(model.xMax + MARK_PIXELS_X / model.xZoom);
  const double markY = std::trunc(model.yMax + MARK_PIXELS_Y / model.yZoom);
  const std::size_t count = std::min<std::size_t>(points.size(), MAX_OPTIMAL);
  for (std::size_t k = 0; k < count; ++k) {
    const double x = points[k].x;
    const double y = points[k].y;
    if (goal == Goal::Maximize && (x == markX || y == markY)) {
      line += " (##,##)";
    } else if (x != NO_POINT) {
      line += OptimalPointPiece(x, y, model.decimals);
    }
  }
  return line;
}

}  // namespace tessaro
