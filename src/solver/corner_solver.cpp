#include "solver/corner_solver.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

double PayoffAt(const Payoff& payoff, double x, double y) {
  return payoff.a * x + payoff.sign * payoff.b * y;
}

CornerList EnumerateCorners(const Rows& rows, int lastRow) {
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

OptimalSet SelectOptimal(const Payoff& payoff, const PlanePoint* points, int count, bool maximize) {
  OptimalSet set;
  double best = maximize ? MAX_START_SCORE : MIN_START_SCORE;
  const int n = std::clamp(count, 0, DOT_CAPACITY);
  for (int k = 0; k < n; ++k) {
    const PlanePoint& p = points[k];
    if (p.IsNone()) continue;
    const double v = PayoffAt(payoff, p.x, p.y);
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

}  // namespace tessaro
