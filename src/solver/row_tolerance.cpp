#include "solver/row_tolerance.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

RowSide SideOfRow(double a, double b, double c, double x, double y) {
  const double ax = a * x;
  const double by = b * y;
  const double miss = ax + by - c;
  // The size is summed in quarters so that three terms near the largest
  // double do not overflow it; quartering is exact.
  const double quarterSize = std::fabs(ax) / 4 + std::fabs(by) / 4 + std::fabs(c) / 4;
  const double tolerance = ROW_RELATIVE_TOLERANCE * 4 * std::max(0.25, quarterSize);
  if (miss < -tolerance) return RowSide::Below;
  if (miss > tolerance) return RowSide::Above;
  return RowSide::On;
}

bool RowHolds(double a, double b, double c, double relationFactor, double x, double y) {
  const RowSide side = SideOfRow(a, b, c, x, y);
  if (relationFactor < 0.0) return side != RowSide::Above;
  if (relationFactor > 0.0) return side != RowSide::Below;
  return side == RowSide::On;
}

}  // namespace tessaro
