#pragma once

#include <optional>

#include "editor/hit_test.h"
#include "editor/pointer_mapping.h"

namespace tessaro {

// Rotation modes of the payoff line (values of rotatePayoff).
inline constexpr int ROTATE_NONE = -1;
// Changes payoffA; the line keeps its Y intercept.
inline constexpr int ROTATE_KEEP_Y_INTERCEPT = 1;
// Changes payoffB; the line keeps its X intercept level / payoffA.
inline constexpr int ROTATE_KEEP_X_INTERCEPT = 2;

// The mode a rotation started at p takes: below the diagonal y = x the
// line turns about its Y intercept, on or above it about its X intercept.
int RotationModeAt(const ModelPoint& p);

// The new coefficient that makes the payoff line pass through p in the
// given mode: payoffA for ROTATE_KEEP_Y_INTERCEPT, payoffB for
// ROTATE_KEEP_X_INTERCEPT. Empty when the rotation is undefined there,
// which leaves the coefficients as they were: the pointer on the Y axis in
// the first mode, on the X axis in the second, a zero payoffA, level or
// sign in the second, or a result that is not a usable drag value.
std::optional<double> RotatedCoefficient(int mode, const LineEquation& payoff, const ModelPoint& p);

}  // namespace tessaro
