#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/plane.h"

namespace tessaro {

// The rows a lattice point must satisfy: the six constraints, x >= 0 and
// y >= 0 (the far bounds take no part).
inline constexpr int LATTICE_ROW_COUNT = 8;

// One row a * x + b * y (relation) c, b carrying the sign of the Y term.
struct LatticeRow {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  double relation = 0.0;
  bool present = false;  // the row's X coefficient or Y magnitude is not zero
};
using LatticeRows = std::array<LatticeRow, LATTICE_ROW_COUNT>;

// Rows with a coefficient beyond this magnitude take no part: below it,
// a * ix + b * iy stays finite for every int ix and iy (each product under
// 2.2e299), which keeps each row's test monotone along a column.
inline constexpr double LATTICE_COEF_LIMIT = 1e290;

// Columns visited by the bounded enumeration before it gives up. Each
// column with any point adds one to the list, so this matters only for a
// long stretch of columns without a single point (a thin slanted strip over
// a huge range); it bounds that work to a few milliseconds, so that a drag,
// which enumerates at every pointer move, stays smooth.
inline constexpr std::int64_t LATTICE_COLUMN_BUDGET = std::int64_t{1} << 16;

// An inclusive range of integers; empty when first > last.
struct IntegerSpan {
  std::int64_t first = 0;
  std::int64_t last = -1;
  bool Empty() const { return first > last; }
};

// The columns ix from trunc(xMin + 0.5) while ix <= trunc(xMax) + 50 / xZoom,
// 50 pixels beyond the right edge, kept within the int range.
IntegerSpan LatticeColumnSpan(const PlotFrame& frame);
// The rows iy from trunc(yMin + 0.5) while iy <= trunc(yMax) + 40 / yZoom.
IntegerSpan LatticeRowSpan(const PlotFrame& frame);

// Whether a row takes part in the lattice test: present, its coefficients
// and right-hand side finite and the coefficients within LATTICE_COEF_LIMIT.
bool LatticeRowUsable(const LatticeRow& row);

// The factor k = r - 1 of the row's relation code r, read by its integer
// part as every reader of the relation does: -1 for "<=", 0 for "=", +1
// for ">=".
double LatticeRelationFactor(const LatticeRow& row);

// The exact test: every usable row holds at the point within the tolerance
// of every feasibility test, relative to the row's size
// (solver/row_tolerance.h); k < 0 reads "<=", k = 0 "=" and k > 0 ">=".
bool LatticePointFeasible(const LatticeRows& rows, std::int64_t ix, std::int64_t iy);

struct LatticeResult {
  std::vector<IntPoint> points;  // ix ascending, iy ascending within a column
  bool limitReached = false;     // the limit-th point was found; the list holds it
  bool budgetExhausted = false;  // gave up after LATTICE_COLUMN_BUDGET columns
};

// The feasible lattice points of the spans in column order, at most limit
// of them. Visits only the columns of the feasible area's X extent and
// finds each column's feasible rows from the constraints directly.
LatticeResult EnumerateLatticePoints(const LatticeRows& rows, const PlotFrame& frame, int limit);

// The same list by testing every point of the spans; for checking only.
LatticeResult EnumerateLatticePointsPlain(const LatticeRows& rows, const PlotFrame& frame,
                                          int limit);

}  // namespace tessaro
