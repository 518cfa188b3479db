#pragma once

#include "solver/rows.h"

namespace tessaro {

// A point of the plane; both coordinates NO_POINT means no point at all.
struct PlanePoint {
  double x = NO_POINT;
  double y = NO_POINT;
  bool IsNone() const { return x == NO_POINT && y == NO_POINT; }
};

// TruncateDecimals prints into a work area of this many characters,
// terminator included; a value whose text does not fit is left unchanged.
inline constexpr int TRUNCATE_WORK_AREA = 200;

// A row whose X coefficient and Y magnitude are both exactly zero.
bool IsRowEmpty(const Rows& rows, int row);

// rowA·x + rowSign·rowB·y of one row.
double RowLeftSide(const Rows& rows, int row, double x, double y);

// Whether (x, y) breaks the row by more than the rounding of a computed
// crossing, measured against the row's own size (solver/row_tolerance.h).
bool ViolatesRow(const Rows& rows, int row, double x, double y);

// Crossing of a1·X + b1·Y = c1 with a2·X + b2·Y = c2 (b1 and b2 are the
// effective Y coefficients), kept only when it satisfies all ten rows;
// otherwise x and y are both NO_POINT.
void FeasibleIntersection(const Rows& rows, double a1, double b1, double c1, double a2, double b2,
                          double c2, double& x, double& y);

// FeasibleIntersection of two geometry rows.
PlanePoint RowCrossing(const Rows& rows, int row1, int row2);

// Cuts value to digits decimals through its six-decimal fixed-point text,
// toward zero. A negative digit count keeps no decimals. Values that are not
// finite, or whose text would not fit the work area, are left unchanged.
void TruncateDecimals(double& value, int digits);

}  // namespace tessaro
