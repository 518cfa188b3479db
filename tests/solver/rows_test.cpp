#include "solver/rows.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace tessaro {
namespace {

struct FarCase {
  std::string name;
  friend void PrintTo(const FarCase& c, std::ostream* os) { *os << c.name; }
  double xMax;
  double xZoom;
  double yMax;
  double yZoom;
  FarBounds expected;
};

class FarBoundsTest : public ::testing::TestWithParam<FarCase> {};

TEST_P(FarBoundsTest, FiveHundredPixelsBeyondTheRange) {
  const FarCase& c = GetParam();
  Model m;
  m.xMax = c.xMax;
  m.xZoom = c.xZoom;
  m.yMax = c.yMax;
  m.yZoom = c.yZoom;
  const FarBounds far = FarBoundsOf(m, FarBounds{-1.0, -2.0});
  EXPECT_EQ(far.x, c.expected.x);
  EXPECT_EQ(far.y, c.expected.y);
}

constexpr double kHuge = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Ranges, FarBoundsTest,
    ::testing::Values(FarCase{"NewModel", 200, 6, 120, 6, {200 + 500.0 / 6, 120 + 500.0 / 6}},
                      FarCase{"TinyZoomOverflowsKeepsPrevious", 10, 1e-320, 20, 5, {-1.0, 120.0}},
                      FarCase{
                          "HugeRangeOverflowsKeepsPrevious", 10, 1, kHuge, 1e-300, {510, -2.0}}),
    [](const ::testing::TestParamInfo<FarCase>& info) { return info.param.name; });

TEST(RowsOfTest, LinesAxesAndFarBounds) {
  Model m;
  m.lines[2] = Line{"Wood", 4, 3, 120, -1, Relation::GreaterEqual, {}};
  const Rows rows = RowsOf(m, FarBounds{50, 60});
  EXPECT_EQ(rows.rowA[2], 4.0);
  EXPECT_EQ(rows.rowB[2], 3.0);
  EXPECT_EQ(rows.rowC[2], 120.0);
  EXPECT_EQ(rows.rowSign[2], -1);
  EXPECT_EQ(rows.rowRelation[2], REL_GE);
  // An empty line stays an empty row.
  EXPECT_EQ(rows.rowA[0], 0.0);
  EXPECT_EQ(rows.rowB[0], 0.0);
  // x >= 0, y >= 0, x <= far.x, y <= far.y.
  EXPECT_EQ(rows.rowA[ROW_X_AXIS], 1.0);
  EXPECT_EQ(rows.rowRelation[ROW_X_AXIS], REL_GE);
  EXPECT_EQ(rows.rowB[ROW_Y_AXIS], 1.0);
  EXPECT_EQ(rows.rowC[ROW_FAR_X], 50.0);
  EXPECT_EQ(rows.rowRelation[ROW_FAR_X], REL_LE);
  EXPECT_EQ(rows.rowC[ROW_FAR_Y], 60.0);
}

}  // namespace
}  // namespace tessaro
