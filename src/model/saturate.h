#pragma once

#include <cmath>
#include <limits>

namespace tessaro {

// Truncates toward zero like a C cast, but saturates at the int range and
// turns NaN into 0, so that no double from a file or a keystroke can
// overflow an integer conversion.
inline int SaturateToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = static_cast<double>(std::numeric_limits<int>::max());
  constexpr double kMin = static_cast<double>(std::numeric_limits<int>::min());
  if (value >= kMax) return std::numeric_limits<int>::max();
  if (value <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// The display toggles flip a flag to 1 - flag. A file may hold any int
// there; the difference is worked out in double, where it is exact, and
// saturated, so INT_MIN flips to INT_MAX instead of overflowing.
inline int ToggledFlag(int flag) {
  return SaturateToInt(1.0 - static_cast<double>(flag));
}

// The same, limited to [low, high].
inline int SaturateToRange(double value, int low, int high) {
  int v = SaturateToInt(value);
  if (v < low) return low;
  if (v > high) return high;
  return v;
}

}  // namespace tessaro
