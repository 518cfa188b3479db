#include "render/line_ends.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaro {
namespace {

constexpr double kTol = 1e-9;

// The range of a new document: 0..200 by 0..120 at 6 pixels per unit.
// W = 200 + 150 / 6 = 225 and H = 120 + 150 / 6 = 145.
const PlotFrame kFrame{0, 200, 0, 120, 6, 6};

struct EndsCase {
  const char* name;
  double a;
  double b;  // with its sign
  double c;
  PlotFrame frame;
  LineEnds expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const EndsCase& row, std::ostream* os) {
  *os << row.name;
}

class LineEndPoints : public ::testing::TestWithParam<EndsCase> {};

TEST_P(LineEndPoints, AreWhereTheLineMeetsTheEdges) {
  const EndsCase& p = GetParam();
  LineEnds e;
  ASSERT_TRUE(ComputeLineEnds(p.a, p.b, p.b < 0 ? -p.b : p.b, p.c, p.frame, e));
  EXPECT_NEAR(e.dx1, p.expected.dx1, kTol);
  EXPECT_NEAR(e.dy1, p.expected.dy1, kTol);
  EXPECT_NEAR(e.dx2, p.expected.dx2, kTol);
  EXPECT_NEAR(e.dy2, p.expected.dy2, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineEndPoints,
    ::testing::Values(
        // Crosses the left edge above the axis and the bottom edge right of it.
        EndsCase{"Falling", 2, 3, 12, kFrame, {0, 4, 6, 0}},
        // x - y <= 2 crosses the left edge below the axis: it runs from its
        // X-axis crossing to 150 pixels right of the range.
        EndsCase{"LeftCrossingBelowAxis", 1, -1, 2, kFrame, {225, 223, 2, 0}},
        // -x + y = 10 crosses the bottom edge left of the axis: from the left
        // edge up to the top.
        EndsCase{"BottomCrossingLeftOfAxis", -1, 1, 10, kFrame, {0, 10, 135, 145}},
        EndsCase{"Vertical", 2, 0, 50, kFrame, {25, 0, 25, 145}},
        EndsCase{"Horizontal", 0, -4, -40, kFrame, {0, 10, 225, 10}},
        // Offsets are measured from (xMin, yMin).
        EndsCase{"ShiftedOrigin", 1, 0, 30, PlotFrame{10, 50, 5, 45, 2, 2}, {20, 0, 20, 115}},
        // A far-right point far below the surface moves to the top.
        EndsCase{"RightPointFarBelowMovesToTop", 100, 1, -10, kFrame, {-1.55, 145, -1.55, 145}},
        // A bottom crossing far to the right moves to the right edge.
        EndsCase{"BottomCrossingFarRight", 0.001, 1, 10, kFrame, {0, 10, 225, 9.775}}),
    [](const auto& info) { return info.param.name; });

TEST(LineEndPointsDegenerate, NotDrawable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    double a, b, bMagnitude, c;
  };
  const Row rows[] = {
      {"BothTiny", 1e-6, 1e-6, 1e-6, 5},
      {"BothZero", 0, 0, 0, 5},
      {"SignZeroHorizontal", 0, 0, 3, 5},  // a sign of 0 loaded from a file
      {"NaNRightHandSide", 1, 1, 1, nan},
  };
  for (const Row& r : rows) {
    LineEnds e{1, 2, 3, 4};
    EXPECT_FALSE(ComputeLineEnds(r.a, r.b, r.bMagnitude, r.c, kFrame, e)) << r.name;
    EXPECT_EQ(e.dx1, 1) << r.name << ": output left untouched";
  }
}

}  // namespace
}  // namespace tessaro
