#include "solver/corner_solver.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver/rows.h"
#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Le;
using test::Line;

// Selection over a given candidate list, payoff P = x + sign·b·y.
struct SelectCase {
  std::string name;
  friend void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }
  bool maximize;
  double payoffB;
  int payoffSign;
  std::vector<PlanePoint> candidates;
  std::vector<PlanePoint> listed;
  double best;
};

class SelectOptimalTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectOptimalTest, KeepsBestAndTies) {
  const SelectCase& c = GetParam();
  Payoff payoff;
  payoff.a = 1.0;
  payoff.b = c.payoffB;
  payoff.sign = c.payoffSign;
  const OptimalSet set =
      SelectOptimal(payoff, c.candidates.data(), static_cast<int>(c.candidates.size()), c.maximize);
  ASSERT_EQ(set.count, static_cast<int>(c.listed.size()));
  for (int k = 0; k < set.count; ++k) {
    EXPECT_EQ(set.points[k].x, c.listed[k].x) << "entry " << k;
    EXPECT_EQ(set.points[k].y, c.listed[k].y) << "entry " << k;
  }
  EXPECT_NEAR(set.best, c.best, 1e-12);
}

const PlanePoint kNone{};

INSTANTIATE_TEST_SUITE_P(
    Candidates, SelectOptimalTest,
    ::testing::Values(
        // Each better by less than 0.01: none empties the list.
        SelectCase{"MaxCreepingGains",
                   true,
                   0,
                   1,
                   {{10.000, 0}, {10.008, 0}, {10.016, 0}},
                   {{10.000, 0}, {10.008, 0}, {10.016, 0}},
                   10.016},
        SelectCase{"MaxClearGainReplaces", true, 0, 1, {{10, 0}, {10.02, 0}}, {{10.02, 0}}, 10.02},
        SelectCase{"MaxTieWithinTolerance",
                   true,
                   0,
                   1,
                   {{5.000005, 0}, {5, 0}},
                   {{5.000005, 0}, {5, 0}},
                   5.0},
        SelectCase{"MaxLowerPointIgnored", true, 0, 1, {{5, 0}, {4.9, 0}}, {{5, 0}}, 5.0},
        SelectCase{"MaxSkipsNoPoint", true, 0, 1, {kNone, {3, 0}, kNone, {1, 0}}, {{3, 0}}, 3.0},
        SelectCase{"MinExactOnly", false, 0, 1, {{3.000001, 0}, {3, 0}}, {{3, 0}}, 3.0},
        SelectCase{"MinKeepsFirstSmaller", false, 0, 1, {{3, 0}, {3.000001, 0}}, {{3, 0}}, 3.0},
        SelectCase{"MinEqualScoresTie", false, 0, 1, {{3, 0}, {3, 0}}, {{3, 0}, {3, 0}}, 3.0},
        SelectCase{"MinusSignOfYTermCounts", true, 2, -1, {{2, 0}, {0, 4}}, {{2, 0}}, 2.0},
        SelectCase{"PlusSignOfYTerm", true, 2, 1, {{2, 0}, {0, 4}}, {{0, 4}}, 8.0},
        SelectCase{"NothingAccepted", true, 0, 1, {kNone, kNone}, {}, MAX_START_SCORE}),
    [](const ::testing::TestParamInfo<SelectCase>& info) { return info.param.name; });

TEST(MarkDuplicatesTest, LaterCopiesBecomeNoPoint) {
  OptimalSet set;
  const std::vector<PlanePoint> points{{1, 2}, {1, 2}, {3, 4}, {1, 2}, {3, 4.0000001}};
  for (const PlanePoint& p : points) set.points[set.count++] = p;
  MarkDuplicates(set);
  ASSERT_EQ(set.count, 5);
  EXPECT_EQ(set.points[0].x, 1.0);
  EXPECT_TRUE(set.points[1].IsNone());
  EXPECT_EQ(set.points[2].x, 3.0);
  EXPECT_TRUE(set.points[3].IsNone());
  EXPECT_EQ(set.points[4].y, 4.0000001);  // exact comparison only
}

TEST(EnumerateCornersTest, KeepsPlacesOfMissingPairs) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Line{}, Le(1, 1, 6)});
  // Rows 0, 2, 6, 7 are present: six pairs up to the axes.
  const CornerList corners = EnumerateCorners(RowsOf(v.doc.model(), v.Far()), ROW_Y_AXIS);
  ASSERT_EQ(corners.count, 6);
  EXPECT_TRUE(corners.points[0].IsNone());  // 0-2 parallel
  EXPECT_EQ(corners.points[1].y, 4.0);      // 0-6: (0, 4)
  EXPECT_EQ(corners.points[2].x, 4.0);      // 0-7: (4, 0)
  EXPECT_TRUE(corners.points[3].IsNone());  // 2-6: (0, 6) breaks row 0
  EXPECT_TRUE(corners.points[4].IsNone());  // 2-7: (6, 0) breaks row 0
  EXPECT_EQ(corners.points[5].x, 0.0);      // 6-7: the origin
  // With the far bounds six rows are present: fifteen pairs.
  EXPECT_EQ(EnumerateCorners(RowsOf(v.doc.model(), v.Far()), ROW_FAR_Y).count, 15);
}

}  // namespace
}  // namespace tessaro
