#include "solver/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace tessaro {
namespace {

// Rows 0 to 5 from a short list; the axes and far bounds keep their values,
// with the far bounds at x <= 100 and y <= 80.
Rows MakeRows(const std::vector<std::vector<double>>& lines) {
  Rows rows;
  rows.rowC[ROW_FAR_X] = 100.0;
  rows.rowC[ROW_FAR_Y] = 80.0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // a, sign, b, relation, c
    rows.rowA[i] = lines[i][0];
    rows.rowSign[i] = static_cast<int>(lines[i][1]);
    rows.rowB[i] = lines[i][2];
    rows.rowRelation[i] = lines[i][3];
    rows.rowC[i] = lines[i][4];
  }
  return rows;
}

struct CrossingCase {
  std::string name;
  friend void PrintTo(const CrossingCase& c, std::ostream* os) { *os << c.name; }
  std::vector<std::vector<double>> lines;
  double a1, b1, c1, a2, b2, c2;
  bool found;
  double x, y;
};

class FeasibleIntersectionTest : public ::testing::TestWithParam<CrossingCase> {};

TEST_P(FeasibleIntersectionTest, CrossingOrNoPoint) {
  const CrossingCase& c = GetParam();
  const Rows rows = MakeRows(c.lines);
  double x = 0.0;
  double y = 0.0;
  FeasibleIntersection(rows, c.a1, c.b1, c.c1, c.a2, c.b2, c.c2, x, y);
  if (!c.found) {
    EXPECT_EQ(x, NO_POINT);
    EXPECT_EQ(y, NO_POINT);
    return;
  }
  EXPECT_NEAR(x, c.x, 1e-12);
  EXPECT_NEAR(y, c.y, 1e-12);
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Rows, FeasibleIntersectionTest,
    ::testing::Values(
        CrossingCase{"IdenticalLines", {}, 1, 1, 4, 1, 1, 4, false, 0, 0},
        CrossingCase{"TwoVerticalLines", {}, 1, 0, 2, 1, 0, 3, false, 0, 0},
        CrossingCase{"AxesMeetAtOrigin", {}, 1, 0, 0, 0, 1, 0, true, 0, 0},
        CrossingCase{"OriginRefusedByGe", {{1, 1, 1, REL_GE, 1}}, 1, 0, 0, 0, 1, 0, false, 0, 0},
        // A row's tolerance is 1e-9 of its size max(1, |a x| + |b y| + |c|):
        // 2e-8 for x + y <= 10 around (5, 5).
        CrossingCase{
            "OriginWithinToleranceOfGe", {{1, 1, 1, REL_GE, 1e-10}}, 1, 0, 0, 0, 1, 0, true, 0, 0},
        CrossingCase{"LeExceededByHalfTolerance",
                     {{1, 1, 1, REL_LE, 10}},
                     1,
                     0,
                     5,
                     0,
                     1,
                     5 + 1e-8,
                     true,
                     5,
                     5 + 1e-8},
        CrossingCase{"LeExceededTwiceTolerance",
                     {{1, 1, 1, REL_LE, 10}},
                     1,
                     0,
                     5,
                     0,
                     1,
                     5 + 4e-8,
                     false,
                     0,
                     0},
        CrossingCase{"EqualityMissedWithinTolerance",
                     {{1, 1, 1, REL_EQ, 10}},
                     1,
                     0,
                     5,
                     0,
                     1,
                     5 - 1e-8,
                     true,
                     5,
                     5 - 1e-8},
        CrossingCase{"EqualityMissedBeyondTolerance",
                     {{1, 1, 1, REL_EQ, 10}},
                     1,
                     0,
                     5,
                     0,
                     1,
                     5 - 4e-8,
                     false,
                     0,
                     0},
        CrossingCase{"EqualityMissedAboveIsRefusedToo",
                     {{1, 1, 1, REL_EQ, 10}},
                     1,
                     0,
                     5,
                     0,
                     1,
                     5 + 4e-8,
                     false,
                     0,
                     0},
        // x + y <= 10 scaled by 1e-6 still refuses a point far beyond it.
        CrossingCase{
            "TinyRowFar", {{1e-6, 1, 1e-6, REL_LE, 1e-5}}, 1, 0, 5, 0, 1, 500, false, 0, 0},
        CrossingCase{"BeyondFarBoundInX", {}, 1, 0, 100.02, 0, 1, 1, false, 0, 0},
        CrossingCase{"OnFarBoundInY", {}, 1, 0, 3, 0, 1, 80, true, 3, 80},
        CrossingCase{"NegativeXRefusedByAxis", {}, 1, 0, -1, 0, 1, 1, false, 0, 0},
        CrossingCase{"FirstXCoefficientZero", {}, 0, 2, 6, 1, 1, 7, true, 4, 3},
        CrossingCase{"NegativeZeroCountsAsZero", {}, -0.0, 2, 6, 1, 1, 7, true, 4, 3},
        CrossingCase{"SecondXCoefficientZero", {}, 1, 1, 7, 0, 2, 6, true, 4, 3},
        CrossingCase{"GeneralPair", {}, 1, 1, 4, 1, -1, 2, true, 3, 1},
        CrossingCase{"NegativeYTermOfRow", {{1, -1, 1, REL_GE, 0}}, 1, 0, 2, 0, 1, 3, false, 0, 0},
        CrossingCase{
            "EmptyEqualityRowNeverRefuses", {{0, 1, 0, REL_EQ, 0}}, 1, 0, 2, 0, 1, 3, true, 2, 3},
        CrossingCase{
            "RelationReadByIntegerPart", {{1, 1, 1, 0.5, 4}}, 1, 0, 3, 0, 1, 3, false, 0, 0},
        CrossingCase{"OverflowingCrossing", {}, 1e-310, 1, 0, 1, 1, 1e308, false, 0, 0},
        CrossingCase{"NanCoefficient", {}, kNan, 1, 1, 1, 0, 1, false, 0, 0}),
    [](const ::testing::TestParamInfo<CrossingCase>& info) { return info.param.name; });

TEST(RowCrossingTest, UsesEffectiveYCoefficient) {
  // x + y <= 4 against x - y >= 2 as a row with sign -1: crossing (3, 1).
  Rows rows = MakeRows({{1, 1, 1, REL_LE, 4}, {1, -1, 1, REL_GE, 2}});
  const PlanePoint p = RowCrossing(rows, 0, 1);
  EXPECT_NEAR(p.x, 3.0, 1e-12);
  EXPECT_NEAR(p.y, 1.0, 1e-12);
  rows.rowSign[1] = 1;  // x + y >= 2 is parallel to x + y <= 4
  EXPECT_TRUE(RowCrossing(rows, 0, 1).IsNone());
}

struct TruncateCase {
  std::string name;
  friend void PrintTo(const TruncateCase& c, std::ostream* os) { *os << c.name; }
  double value;
  int digits;
  double expected;
};

class TruncateDecimalsTest : public ::testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateDecimalsTest, CutsTowardZero) {
  const TruncateCase& c = GetParam();
  double v = c.value;
  TruncateDecimals(v, c.digits);
  if (std::isnan(c.expected)) {
    EXPECT_TRUE(std::isnan(v));
  } else {
    EXPECT_EQ(v, c.expected);
    EXPECT_EQ(std::signbit(v), std::signbit(c.expected));
  }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, TruncateDecimalsTest,
    ::testing::Values(TruncateCase{"TwoDigits", 2.999, 2, 2.99},
                      TruncateCase{"NegativeTwoDigits", -2.999, 2, -2.99},
                      TruncateCase{"SevenDigitsOnlyRounds", 1.23456789, 7, 1.234568},
                      TruncateCase{"ManyDigitsOnlyRounds", 1.23456789, 400, 1.234568},
                      TruncateCase{"ZeroDigits", 12.345678, 0, 12.0},
                      TruncateCase{"NegativeZeroDigits", -12.9, 0, -12.0},
                      TruncateCase{"RoundsBeforeCutting", 0.9999996, 2, 1.0},
                      TruncateCase{"SmallNegativeKeepsSign", -0.001, 2, -0.0},
                      TruncateCase{"WholeNumberUnchanged", 200.0, 3, 200.0},
                      TruncateCase{"NegativeDigitsKeepNoDecimals", 12.345, -1, 12.0},
                      TruncateCase{"VeryNegativeDigits", -7.75, -100000, -7.0},
                      TruncateCase{"LongestTextThatFits", 1e190, 2, 1e190},
                      TruncateCase{"TooLongLeftUnchanged", 1.5e195, 2, 1.5e195},
                      TruncateCase{"HugeNegativeLeftUnchanged", -1.7e308, 0, -1.7e308},
                      TruncateCase{"InfinityLeftUnchanged", kInf, 2, kInf},
                      TruncateCase{"NanLeftUnchanged", kNan, 2, kNan}),
    [](const ::testing::TestParamInfo<TruncateCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
