#pragma once

#include <string>

namespace tessaro {

// The status and printed texts take any number of decimals. The exact
// decimal expansion of every double ends within 1074 decimals, so more
// would only append zeros; the count is limited there, and below at 0.
inline constexpr int TEXT_DECIMALS_MAX = 1074;
int TextDecimals(int decimals);

// " (<x>, <y>)", numbers "%4.Nf": one point of an optimal point list.
std::string OptimalPointPiece(double x, double y, int decimals);

}  // namespace tessaro
