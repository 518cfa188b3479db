#include "solver/lattice_extent.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "solver/row_tolerance.h"

namespace tessaro {

namespace {

struct Point {
  double x;
  double y;
};

// Widening of each row for the exact test's tolerance (a relative 1e-9 of
// the row's size, solver/row_tolerance.h) and its rounding (a few 1e-16),
// relative to the largest size the row takes in the box.
constexpr double ROW_SLACK = 4 * ROW_RELATIVE_TOLERANCE;

// Keeps the part of a convex polygon where nx * x + ny * y >= m.
void ClipHalfPlane(std::vector<Point>& polygon, double nx, double ny, double m) {
  if (polygon.empty()) return;
  std::vector<Point> kept;
  kept.reserve(polygon.size() + 1);
  const std::size_t n = polygon.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point p = polygon[i];
    const Point q = polygon[(i + 1) % n];
    const double dp = nx * p.x + ny * p.y - m;
    const double dq = nx * q.x + ny * q.y - m;
    const bool pIn = dp >= 0.0;
    const bool qIn = dq >= 0.0;
    if (pIn) kept.push_back(p);
    if (pIn != qIn && std::isfinite(dp) && std::isfinite(dq)) {
      const double t = dp / (dp - dq);
      kept.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
    }
  }
  polygon = std::move(kept);
}

}  // namespace

IntegerSpan LatticeColumnExtent(const LatticeRows& rows, const IntegerSpan& columns,
                                const IntegerSpan& rowSpan) {
  if (columns.Empty() || rowSpan.Empty()) return {};
  const double x0 = static_cast<double>(columns.first);
  const double x1 = static_cast<double>(columns.last);
  const double y0 = static_cast<double>(rowSpan.first);
  const double y1 = static_cast<double>(rowSpan.last);
  std::vector<Point> polygon{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  const double maxX = std::max(std::fabs(x0), std::fabs(x1));
  const double maxY = std::max(std::fabs(y0), std::fabs(y1));

  for (const LatticeRow& row : rows) {
    if (!LatticeRowUsable(row)) continue;
    const double slack =
        ROW_SLACK * (1.0 + std::fabs(row.a) * maxX + std::fabs(row.b) * maxY + std::fabs(row.c));
    const double k = LatticeRelationFactor(row);
    if (k == 0.0) {
      // Both sides of an "=" row.
      ClipHalfPlane(polygon, row.a, row.b, row.c - slack);
      ClipHalfPlane(polygon, -row.a, -row.b, -row.c - slack);
    } else {
      // s * lhs >= s * c, widened, with s the sign of k.
      const double s = k > 0.0 ? 1.0 : -1.0;
      ClipHalfPlane(polygon, s * row.a, s * row.b, s * row.c - slack);
    }
  }
  if (polygon.empty()) return {};

  double low = polygon.front().x;
  double high = low;
  for (const Point& p : polygon) {
    low = std::min(low, p.x);
    high = std::max(high, p.x);
  }
  // The corners lie within the box, so these conversions stay in range.
  IntegerSpan extent;
  extent.first = std::max(columns.first, static_cast<std::int64_t>(std::floor(low)) - 1);
  extent.last = std::min(columns.last, static_cast<std::int64_t>(std::ceil(high)) + 1);
  return extent;
}

}  // namespace tessaro
