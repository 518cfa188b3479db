#include "solver/geometry.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "model/saturate.h"
#include "solver/row_tolerance.h"

namespace tessaro {

bool IsRowEmpty(const Rows& rows, int row) {
  return rows.rowA[row] == 0.0 && rows.rowB[row] == 0.0;
}

double RowLeftSide(const Rows& rows, int row, double x, double y) {
  return rows.rowA[row] * x + rows.rowSign[row] * rows.rowB[row] * y;
}

bool ViolatesRow(const Rows& rows, int row, double x, double y) {
  // The relation is held as a double; a stored value that is not 0, 1 or 2
  // is read by its integer part like every other reader of the code, and
  // its factor r - 1 is negative for "<=", zero for "=", positive for ">=".
  const double factor = static_cast<double>(SaturateToInt(rows.rowRelation[row])) - 1.0;
  return !RowHolds(rows.rowA[row], rows.rowSign[row] * rows.rowB[row], rows.rowC[row], factor, x,
                   y);
}

void FeasibleIntersection(const Rows& rows, double a1, double b1, double c1, double a2, double b2,
                          double c2, double& x, double& y) {
  x = NO_POINT;
  y = NO_POINT;
  // Parallel or degenerate pairs are caught by an exact comparison; nearly
  // parallel lines cross far away and fall to the far bounds below.
  if (a1 * b2 == a2 * b1) return;
  double cx = 0.0;
  double cy = 0.0;
  if (a1 == 0.0) {
    cy = c1 / b1;
    cx = (c2 - b2 * cy) / a2;
  } else if (a2 == 0.0) {
    cy = c2 / b2;
    cx = (c1 - b1 * cy) / a1;
  } else {
    cy = (a1 * c2 - a2 * c1) / (a1 * b2 - a2 * b1);
    cx = (c1 - b1 * cy) / a1;
  }
  // Huge or non-finite coefficients can overflow the formulas; such a
  // crossing is no point rather than a NaN that every comparison would pass.
  if (!std::isfinite(cx) || !std::isfinite(cy)) return;
  for (int row = 0; row < ROW_COUNT; ++row) {
    if (ViolatesRow(rows, row, cx, cy)) return;
  }
  x = cx;
  y = cy;
}

PlanePoint RowCrossing(const Rows& rows, int row1, int row2) {
  PlanePoint p;
  FeasibleIntersection(rows, rows.rowA[row1], rows.rowSign[row1] * rows.rowB[row1], rows.rowC[row1],
                       rows.rowA[row2], rows.rowSign[row2] * rows.rowB[row2], rows.rowC[row2], p.x,
                       p.y);
  return p;
}

void TruncateDecimals(double& value, int digits) {
  if (!std::isfinite(value)) return;
  // Fixed notation with six decimals, rounded: the same text as "%f", but
  // independent of the process locale.
  std::array<char, TRUNCATE_WORK_AREA> text{};
  const auto printed =
      std::to_chars(text.data(), text.data() + text.size() - 1, value, std::chars_format::fixed, 6);
  if (printed.ec != std::errc()) return;
  const int length = static_cast<int>(printed.ptr - text.data());
  const char* point = static_cast<const char*>(std::memchr(text.data(), '.', length));
  const int pointAt = point == nullptr ? length : static_cast<int>(point - text.data());
  const int keep = digits < 0 ? 0 : digits;
  // Keep the point and `keep` decimals; "12." reads back as 12.
  int end = pointAt + 1;
  end = keep >= length - end ? length : end + keep;
  double cut = 0.0;
  const auto read = std::from_chars(text.data(), text.data() + end, cut);
  if (read.ec == std::errc()) value = cut;
}

}  // namespace tessaro
