#pragma once

namespace tessaro {

// Where a point lies against the line a·x + b·y = c of a row.
enum class RowSide { Below, On, Above };

// A point counts as on a row's line when it misses it by at most this
// fraction of the row's own size at the point, max(1, |a·x| + |b·y| + |c|),
// the way LP solvers measure a row's violation. An absolute tolerance
// would pass points far from a row whose numbers are tiny (1e-6 x + 1e-6 y
// <= 1e-6) and refuse the rounding of a crossing of rows whose numbers are
// huge. A computed crossing rounds by a few 1e-16 of that size; 1e-9
// leaves room for that and for nothing a user could see.
inline constexpr double ROW_RELATIVE_TOLERANCE = 1e-9;

// The side of the row's line (x, y) lies on; On within the tolerance. A
// row that cannot be evaluated there (a NaN) counts as On: it rejects
// nothing, as a comparison with a NaN never fails.
[[nodiscard]] RowSide SideOfRow(double a, double b, double c, double x, double y);

// Whether (x, y) satisfies a·x + b·y (relation) c, the relation given by
// its factor: negative for "<=", zero for "=", positive for ">=".
[[nodiscard]] bool RowHolds(double a, double b, double c, double relationFactor, double x,
                            double y);

}  // namespace tessaro
