#include "solver/point_text.h"

#include <algorithm>

#include "model/number_text.h"

namespace tessaro {

namespace {

// Width of the coordinates of an optimal point.
constexpr int POINT_NUMBER_WIDTH = 4;

}  // namespace

int TextDecimals(int decimals) {
  return std::clamp(decimals, 0, TEXT_DECIMALS_MAX);
}

std::string OptimalPointPiece(double x, double y, int decimals) {
  int n = TextDecimals(decimals);
  return " (" + FormatFixed(x, n, POINT_NUMBER_WIDTH) + ", " +
         FormatFixed(y, n, POINT_NUMBER_WIDTH) + ")";
}

}  // namespace tessaro
