#include "editor/rotation.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace tessaro {
namespace {

struct RotationRow {
  const char* name;
  int mode;
  LineEquation payoff;
  ModelPoint p;
  std::optional<double> coefficient;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RotationRow& row, std::ostream* os) {
  *os << row.name;
}

class RotationTest : public testing::TestWithParam<RotationRow> {};

TEST_P(RotationTest, NewCoefficient) {
  const RotationRow& r = GetParam();
  const std::optional<double> got = RotatedCoefficient(r.mode, r.payoff, r.p);
  ASSERT_EQ(got.has_value(), r.coefficient.has_value());
  if (!got) return;
  EXPECT_NEAR(*got, *r.coefficient, 1e-9);
  // The rotated line passes through the pointer.
  LineEquation turned = r.payoff;
  (r.mode == ROTATE_KEEP_X_INTERCEPT ? turned.b : turned.a) = *got;
  EXPECT_NEAR(turned.a * r.p.x + turned.sign * turned.b * r.p.y, turned.c, 1e-9);
}

const LineEquation k3x2y12{3, 1, 2, 12};

INSTANTIATE_TEST_SUITE_P(
    Rows, RotationTest,
    testing::Values(
        RotationRow{"KeepYIntercept", ROTATE_KEEP_Y_INTERCEPT, k3x2y12, {2, 2}, 4.0},
        RotationRow{"KeepXIntercept", ROTATE_KEEP_X_INTERCEPT, k3x2y12, {2, 6}, 1.0},
        RotationRow{
            "KeepXInterceptNegativeSign", ROTATE_KEEP_X_INTERCEPT, {3, -1, 2, 12}, {2, -6}, 1.0},
        RotationRow{
            "KeepYInterceptNegativeLevel", ROTATE_KEEP_Y_INTERCEPT, {3, 1, 2, -12}, {-2, -2}, 4.0},
        // Undefined rotations leave the coefficients as they were.
        RotationRow{"OnYAxis", ROTATE_KEEP_Y_INTERCEPT, k3x2y12, {0, 3}, std::nullopt},
        RotationRow{"OnXAxis", ROTATE_KEEP_X_INTERCEPT, k3x2y12, {3, 0}, std::nullopt},
        RotationRow{"ZeroPayoffA", ROTATE_KEEP_X_INTERCEPT, {0, 1, 2, 12}, {1, 3}, std::nullopt},
        RotationRow{"ZeroLevelHasNoXIntercept",
                    ROTATE_KEEP_X_INTERCEPT,
                    {3, 1, 2, 0},
                    {1, 3},
                    std::nullopt},
        RotationRow{"ZeroSign", ROTATE_KEEP_X_INTERCEPT, {3, 0, 2, 12}, {1, 3}, std::nullopt},
        RotationRow{"BeyondDragRange", ROTATE_KEEP_Y_INTERCEPT, k3x2y12, {1e-20, 0}, std::nullopt},
        RotationRow{"NotRotating", ROTATE_NONE, k3x2y12, {2, 2}, std::nullopt},
        RotationRow{"NonFinitePoint",
                    ROTATE_KEEP_Y_INTERCEPT,
                    k3x2y12,
                    {std::numeric_limits<double>::infinity(), 2},
                    std::nullopt}),
    [](const testing::TestParamInfo<RotationRow>& info) { return info.param.name; });

TEST(RotationModeTest, BelowTheDiagonalKeepsTheYIntercept) {
  EXPECT_EQ(RotationModeAt({4, 0}), ROTATE_KEEP_Y_INTERCEPT);
  EXPECT_EQ(RotationModeAt({0, 4}), ROTATE_KEEP_X_INTERCEPT);
  EXPECT_EQ(RotationModeAt({3, 3}), ROTATE_KEEP_X_INTERCEPT);
}

}  // namespace
}  // namespace tessaro
