#include "editor/rotation.h"

#include <cmath>

#include "editor/drag_value.h"

namespace tessaro {

int RotationModeAt(const ModelPoint& p) {
  return p.y < p.x ? ROTATE_KEEP_Y_INTERCEPT : ROTATE_KEEP_X_INTERCEPT;
}

std::optional<double> RotatedCoefficient(int mode, const LineEquation& payoff,
                                         const ModelPoint& p) {
  if (!IsFinitePoint(p)) return std::nullopt;
  double value = 0.0;
  if (mode == ROTATE_KEEP_X_INTERCEPT) {
    // b = (1 - x / (level / a)) / (s·y) · level. Each divisor is tested
    // for an exact zero: the X intercept level / a must exist and be
    // non-zero, and the pointer must be off the X axis.
    const double yTerm = payoff.sign * p.y;
    if (payoff.a == 0.0 || yTerm == 0.0) return std::nullopt;
    const double xIntercept = payoff.c / payoff.a;
    if (xIntercept == 0.0 || !std::isfinite(xIntercept)) return std::nullopt;
    value = (1.0 - p.x / xIntercept) / yTerm * payoff.c;
  } else if (mode == ROTATE_KEEP_Y_INTERCEPT) {
    // a = (level - s·b·y) / x, undefined with the pointer on the Y axis.
    if (p.x == 0.0) return std::nullopt;
    value = (payoff.c - payoff.sign * payoff.b * p.y) / p.x;
  } else {
    return std::nullopt;
  }
  if (!UsableDragValue(value)) return std::nullopt;
  return value;
}

}  // namespace tessaro
