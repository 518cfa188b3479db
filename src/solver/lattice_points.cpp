#include "solver/lattice_points.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/saturate.h"
#include "solver/lattice_extent.h"
#include "solver/row_tolerance.h"

namespace tessaro {

namespace {

constexpr double COLUMN_MARGIN_PIXELS = 50.0;
constexpr double ROW_MARGIN_PIXELS = 40.0;
constexpr std::int64_t INT_TOP = std::numeric_limits<int>::max();

// Integers from trunc(low + 0.5) up to the largest one not above
// trunc(high) + margin / zoom, within the int range.
IntegerSpan SpanOf(double low, double high, double margin, double zoom) {
  IntegerSpan span;
  span.first = SaturateToInt(low + 0.5);
  const double bound = SaturateToInt(high) + margin / zoom;
  if (!(bound >= static_cast<double>(span.first))) return {};
  span.last = bound >= static_cast<double>(INT_TOP) ? INT_TOP
                                                    : static_cast<std::int64_t>(std::floor(bound));
  return span;
}

enum class RowVerdict { Holds, TooLow, TooHigh };

// A usable row with its relation factor worked out once.
struct PreparedRow {
  double a;
  double b;
  double c;
  double k;
  bool rising;  // the left side grows with iy
};

PreparedRow Prepare(const LatticeRow& row) {
  return PreparedRow{row.a, row.b, row.c, LatticeRelationFactor(row), row.b > 0.0};
}

// The exact test of one usable row, and, for a rejected point, on which
// side of its feasible rows the point lies (for a row that does not depend
// on iy the side is meaningless and reported as TooLow).
RowVerdict Judge(const PreparedRow& row, double x, double y) {
  const RowSide side = SideOfRow(row.a, row.b, row.c, x, y);
  if (row.k == 0.0) {
    if (side == RowSide::Below) return row.rising ? RowVerdict::TooLow : RowVerdict::TooHigh;
    if (side == RowSide::Above) return row.rising ? RowVerdict::TooHigh : RowVerdict::TooLow;
    return RowVerdict::Holds;
  }
  if ((row.k > 0.0 && side == RowSide::Below) || (row.k < 0.0 && side == RowSide::Above)) {
    return (row.k > 0.0) == row.rising ? RowVerdict::TooLow : RowVerdict::TooHigh;
  }
  return RowVerdict::Holds;
}

// Smallest t in [from, to] with pred(t) for a predicate that is false and
// then true along the range; to + 1 when it is never true. Starts at a
// guess and gallops, so a good guess costs two tests.
template <typename Pred>
std::int64_t FindFirstTrue(Pred pred, std::int64_t from, std::int64_t to, std::int64_t guess) {
  guess = std::clamp(guess, from, to);
  std::int64_t falseAt;  // pred is false here (or this is from - 1)
  std::int64_t trueAt;   // pred is true here
  std::int64_t step = 1;
  if (pred(guess)) {
    trueAt = guess;
    for (;;) {
      if (trueAt == from) return from;
      const std::int64_t probe = std::max(from, trueAt - step);
      if (!pred(probe)) {
        falseAt = probe;
        break;
      }
      trueAt = probe;
      step *= 2;
    }
  } else {
    falseAt = guess;
    for (;;) {
      if (falseAt == to) return to + 1;
      const std::int64_t probe = std::min(to, falseAt + step);
      if (pred(probe)) {
        trueAt = probe;
        break;
      }
      falseAt = probe;
      step *= 2;
    }
  }
  while (trueAt - falseAt > 1) {
    const std::int64_t mid = falseAt + (trueAt - falseAt) / 2;
    if (pred(mid)) {
      trueAt = mid;
    } else {
      falseAt = mid;
    }
  }
  return trueAt;
}

// A real bound turned into a starting guess for the searches.
std::int64_t GuessOf(double value, const IntegerSpan& span) {
  if (std::isnan(value)) return span.first;
  if (value <= static_cast<double>(span.first)) return span.first;
  if (value >= static_cast<double>(span.last)) return span.last;
  return static_cast<std::int64_t>(value);
}

// The rows that depend on iy, and those that do not, for one enumeration.
struct RowSets {
  std::vector<PreparedRow> sloped;
  std::vector<PreparedRow> level;
};

RowSets SortRows(const LatticeRows& rows) {
  RowSets sets;
  for (const LatticeRow& row : rows) {
    if (!LatticeRowUsable(row)) continue;
    (row.b == 0.0 ? sets.level : sets.sloped).push_back(Prepare(row));
  }
  return sets;
}

// Widening of a real bound for the exact test's tolerance (a relative
// 1e-9 of the row's size, solver/row_tolerance.h) and for the rounding of
// the bound's own computation (a few 1e-16), relative to the size of the
// terms involved, in units of iy.
constexpr double BOUND_SLACK = 4 * ROW_RELATIVE_TOLERANCE;

// The real interval of iy that the sloped rows allow in column x, as a
// guess for the exact searches, and how far a bound may be off from where
// the exact test changes its verdict.
void RealBounds(const std::vector<PreparedRow>& sloped, double x, double& low, double& high,
                double& slack) {
  low = -std::numeric_limits<double>::infinity();
  high = std::numeric_limits<double>::infinity();
  slack = 0.0;
  for (const PreparedRow& row : sloped) {
    const double k = row.k;
    const double base = row.c - row.a * x;
    const double terms = (std::fabs(row.c) + std::fabs(row.a * x) + 1.0) / std::fabs(row.b);
    const double y = base / row.b;
    if (k == 0.0) {
      low = std::max(low, y);
      high = std::min(high, y);
    } else if ((k > 0.0) == row.rising) {
      low = std::max(low, y);
    } else {
      high = std::min(high, y);
    }
    slack = std::max(slack, BOUND_SLACK * (terms + std::fabs(y) + 1.0));
  }
}

// Whether the widened real interval holds no integer. Then every integer
// lies clearly below the low bound or above the high one, where the exact
// test of the row setting that bound rejects it, so the column has no
// point. Any bound that is not a number keeps the column for the searches.
bool ClearlyEmpty(double low, double high, double slack) {
  if (!std::isfinite(slack)) return false;
  return std::ceil(low - slack) > std::floor(high + slack);
}

}  // namespace

IntegerSpan LatticeColumnSpan(const PlotFrame& f) {
  return SpanOf(f.xMin, f.xMax, COLUMN_MARGIN_PIXELS, f.xZoom);
}

IntegerSpan LatticeRowSpan(const PlotFrame& f) {
  return SpanOf(f.yMin, f.yMax, ROW_MARGIN_PIXELS, f.yZoom);
}

bool LatticeRowUsable(const LatticeRow& row) {
  return row.present && std::isfinite(row.a) && std::isfinite(row.b) && std::isfinite(row.c) &&
         std::fabs(row.a) <= LATTICE_COEF_LIMIT && std::fabs(row.b) <= LATTICE_COEF_LIMIT;
}

double LatticeRelationFactor(const LatticeRow& row) {
  return static_cast<double>(SaturateToInt(row.relation)) - 1.0;
}

bool LatticePointFeasible(const LatticeRows& rows, std::int64_t ix, std::int64_t iy) {
  const double x = static_cast<double>(ix);
  const double y = static_cast<double>(iy);
  for (const LatticeRow& row : rows) {
    if (LatticeRowUsable(row) && Judge(Prepare(row), x, y) != RowVerdict::Holds) return false;
  }
  return true;
}

// Each column's feasible rows form one run: along a column every row's
// left side is monotone in iy (rounding keeps that, and the coefficient
// limit keeps it finite), so the points too low for some row come first and
// those too high for some row come last. The run's ends are found by
// galloping searches from the real bounds and checked with the exact test,
// so rounding in those bounds cannot change the result. Only the columns of
// the feasible area's X extent are visited. Where that extent is huge,
// every column with a point adds one to the list, so the 1000-point limit
// ends the work within 1000 such columns; columns without any point (a thin
// slanted strip) are bounded by LATTICE_COLUMN_BUDGET.
LatticeResult EnumerateLatticePoints(const LatticeRows& rows, const PlotFrame& frame, int limit) {
  LatticeResult result;
  if (limit <= 0) return result;
  const IntegerSpan rowSpan = LatticeRowSpan(frame);
  const IntegerSpan columns = LatticeColumnExtent(rows, LatticeColumnSpan(frame), rowSpan);
  const RowSets sets = SortRows(rows);
  std::int64_t visited = 0;
  for (std::int64_t ix = columns.first; ix <= columns.last; ++ix) {
    if (++visited > LATTICE_COLUMN_BUDGET) {
      result.budgetExhausted = true;
      break;
    }
    const double x = static_cast<double>(ix);
    bool levelHolds = true;
    for (const PreparedRow& row : sets.level) {
      if (Judge(row, x, 0.0) != RowVerdict::Holds) levelHolds = false;
    }
    if (!levelHolds) continue;

    auto notTooLow = [&](std::int64_t iy) {
      for (const PreparedRow& row : sets.sloped) {
        if (Judge(row, x, static_cast<double>(iy)) == RowVerdict::TooLow) return false;
      }
      return true;
    };
    auto tooHigh = [&](std::int64_t iy) {
      for (const PreparedRow& row : sets.sloped) {
        if (Judge(row, x, static_cast<double>(iy)) == RowVerdict::TooHigh) return true;
      }
      return false;
    };
    double low = 0.0;
    double high = 0.0;
    double slack = 0.0;
    RealBounds(sets.sloped, x, low, high, slack);
    if (ClearlyEmpty(low, high, slack)) continue;
    const std::int64_t first =
        FindFirstTrue(notTooLow, rowSpan.first, rowSpan.last, GuessOf(std::ceil(low), rowSpan));
    if (first > rowSpan.last) continue;
    const std::int64_t last =
        FindFirstTrue(tooHigh, first, rowSpan.last, GuessOf(std::floor(high) + 1, rowSpan)) - 1;
    for (std::int64_t iy = first; iy <= last; ++iy) {
      result.points.push_back({static_cast<int>(ix), static_cast<int>(iy)});
      if (static_cast<int>(result.points.size()) >= limit) {
        result.limitReached = true;
        return result;
      }
    }
  }
  return result;
}

LatticeResult EnumerateLatticePointsPlain(const LatticeRows& rows, const PlotFrame& frame,
                                          int limit) {
  LatticeResult result;
  if (limit <= 0) return result;
  const IntegerSpan columns = LatticeColumnSpan(frame);
  const IntegerSpan rowSpan = LatticeRowSpan(frame);
  for (std::int64_t ix = columns.first; ix <= columns.last; ++ix) {
    for (std::int64_t iy = rowSpan.first; iy <= rowSpan.last; ++iy) {
      if (!LatticePointFeasible(rows, ix, iy)) continue;
      result.points.push_back({static_cast<int>(ix), static_cast<int>(iy)});
      if (static_cast<int>(result.points.size()) >= limit) {
        result.limitReached = true;
        return result;
      }
    }
  }
  return result;
}

}  // namespace tessaro
