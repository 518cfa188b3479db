#include "solver/corner_solver.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver/solution.h"
#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Eq;
using test::Ge;
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

// Whole models through Solve.
struct ModelCase {
  std::string name;
  friend void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }
  std::vector<Line> lines;
  double px;
  int ps;
  double py;
  bool maximize;
  SolveStatus verdict;
  double best;
  std::vector<PlanePoint> listed;  // checked when not empty
};

class SolveModelTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(SolveModelTest, Verdict) {
  const ModelCase& c = GetParam();
  test::SolverView v;
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    EditModel(v.doc)->lines[i].a = c.lines[i].a;
    EditModel(v.doc)->lines[i].sign = c.lines[i].sign;
    EditModel(v.doc)->lines[i].b = c.lines[i].b;
    EditModel(v.doc)->lines[i].relation = RelationOfCode(c.lines[i].relation);
    EditModel(v.doc)->lines[i].c = c.lines[i].c;
  }
  v.SetPayoff(c.px, c.ps, c.py);
  const Solution r = Solve(v.doc.model(), v.Far(), c.maximize ? Goal::Maximize : Goal::Minimize);
  ASSERT_EQ(r.status, c.verdict);
  if (c.verdict != SolveStatus::Optimal) return;
  EXPECT_NEAR(r.best, c.best, 1e-9);
  if (c.listed.empty()) return;
  ASSERT_EQ(r.points.size(), c.listed.size());
  for (std::size_t k = 0; k < r.points.size(); ++k) {
    EXPECT_NEAR(r.points[k].x, c.listed[k].x, 1e-9) << "entry " << k;
    EXPECT_NEAR(r.points[k].y, c.listed[k].y, 1e-9) << "entry " << k;
  }
}

const double N = NO_POINT;

// Ranges 0..20 at 6 pixels per unit: far bounds at 103.33.
INSTANTIATE_TEST_SUITE_P(
    Models, SolveModelTest,
    ::testing::Values(
        ModelCase{"ParallelPayoffListsBothEnds",
                  {Le(1, 1, 4), Le(1, 0, 3)},
                  1,
                  1,
                  1,
                  true,
                  SolveStatus::Optimal,
                  4,
                  {{3, 1}, {0, 4}}},
        ModelCase{"ThreeLinesThroughCorner",
                  {Le(1, 1, 4), Le(1, 0, 2), Le(0, 1, 2)},
                  1,
                  1,
                  1,
                  true,
                  SolveStatus::Optimal,
                  4,
                  {{2, 2}, {N, N}, {N, N}}},
        ModelCase{"NoPayoff", {Le(1, 1, 4)}, 0, 1, 0, true, SolveStatus::NoPayoff, 0, {}},
        ModelCase{"Infeasible",
                  {Ge(1, 1, 10), Le(1, 1, 5)},
                  1,
                  1,
                  1,
                  true,
                  SolveStatus::Infeasible,
                  0,
                  {}},
        ModelCase{"AllCornersBeyondFarBounds",
                  {Ge(1, 0, 1000)},
                  1,
                  1,
                  1,
                  false,
                  SolveStatus::Infeasible,
                  0,
                  {}},
        ModelCase{
            "OnlyGeRowsUnbounded", {Ge(1, 1, 2)}, 1, 1, 1, true, SolveStatus::Unbounded, 0, {}},
        ModelCase{
            "EdgeRunsToFarBound", {Le(1, 0, 5)}, 1, 1, 0, true, SolveStatus::Unbounded, 0, {}},
        // A finite maximum whose last tie has no "<=" row through it.
        ModelCase{"EqualityRowMaximum",
                  {Eq(0, 1, 3), Le(1, 0, 5)},
                  0,
                  1,
                  1,
                  true,
                  SolveStatus::Optimal,
                  3,
                  {{5, 3}, {0, 3}}},
        ModelCase{"MaximumOnGeRow",
                  {Le(1, 1, 10), Ge(1, 0, 2)},
                  -1,
                  1,
                  0,
                  true,
                  SolveStatus::Optimal,
                  -2,
                  {{2, 8}, {2, 0}}},
        ModelCase{"MinimumFallingWithoutEnd", {}, 1, -1, 1, false, SolveStatus::Unbounded, 0, {}},
        ModelCase{"MinimumAlongWholeLine",
                  {Ge(0, 1, 2)},
                  0,
                  1,
                  1,
                  false,
                  SolveStatus::Optimal,
                  2,
                  {{0, 2}}},
        ModelCase{"EqualityEnforcedForMinimum",
                  {Le(1, 1, 10), Eq(1, 0, 3)},
                  1,
                  1,
                  1,
                  false,
                  SolveStatus::Optimal,
                  3,
                  {{3, 0}}},
        ModelCase{"EqualityEnforcedForMaximum",
                  {Le(1, 1, 10), Eq(1, 0, 3)},
                  1,
                  1,
                  2,
                  true,
                  SolveStatus::Optimal,
                  17,
                  {{3, 7}}},
        ModelCase{"NegativeYTermOfPayoff",
                  {Le(1, 1, 4), Le(1, 0, 3)},
                  3,
                  -1,
                  2,
                  true,
                  SolveStatus::Optimal,
                  9,
                  {{3, 0}}},
        ModelCase{"MinimumOfMaxStyleModel",
                  {Ge(1, 1, 4), Le(1, 0, 3)},
                  3,
                  1,
                  2,
                  false,
                  SolveStatus::Optimal,
                  8,
                  {{0, 4}}}),
    [](const ::testing::TestParamInfo<ModelCase>& info) { return info.param.name; });

TEST(SolveModelTest, OverflowingTiesKeepEveryDistinctPoint) {
  // Five lines and both axes meet at the origin: 21 pairs give (0, 0);
  // x <= 5 as the last line adds (5, 0) after twenty copies of the origin.
  test::SolverView v;
  v.SetLines(
      {Ge(1, 1, 0), Ge(2, 1, 0), Ge(1, 2, 0), Line{1, -1, 1, REL_GE, 0}, Ge(3, 1, 0), Le(1, 0, 5)});
  v.SetPayoff(0, 1, 1);
  const Solution r = Solve(v.doc.model(), v.Far(), Goal::Minimize);
  ASSERT_EQ(r.status, SolveStatus::Optimal);
  ASSERT_EQ(r.points.size(), 2u);
  EXPECT_EQ(r.points[0].x, 0.0);
  EXPECT_EQ(r.points[1].x, 5.0);
  EXPECT_EQ(r.points[1].y, 0.0);
}

TEST(SolveModelTest, LatticeModeUsesDotsAndKeepsFirstTwenty) {
  test::SolverView v;
  v.SetLines({Le(0, 1, 3)});
  v.SetPayoff(0, 1, 1);
  EditModel(v.doc)->integerDots = true;
  // Columns 0 to 28 (50 pixels beyond x = 20 at 6 per unit) tie at y = 3.
  const Solution r = Solve(v.doc.model(), v.Far(), Goal::Maximize);
  ASSERT_EQ(r.status, SolveStatus::Optimal);
  EXPECT_EQ(r.best, 3.0);
  ASSERT_EQ(r.points.size(), static_cast<std::size_t>(MAX_OPTIMAL));
  for (int k = 0; k < MAX_OPTIMAL; ++k) {
    EXPECT_EQ(r.points[k].x, k) << "entry " << k;
    EXPECT_EQ(r.points[k].y, 3.0) << "entry " << k;
  }
  // A strip 0.5 <= x + y <= 0.9 holds no lattice point, though it has corners.
  v.SetLines({Ge(1, 1, 0.5), Le(1, 1, 0.9)});
  EditModel(v.doc)->integerDots = true;
  EXPECT_EQ(Solve(v.doc.model(), v.Far(), Goal::Maximize).status, SolveStatus::Infeasible);
  EXPECT_EQ(Solve(v.doc.model(), v.Far(), Goal::Minimize).status, SolveStatus::Infeasible);
  EditModel(v.doc)->integerDots = false;
  EXPECT_EQ(Solve(v.doc.model(), v.Far(), Goal::Maximize).status, SolveStatus::Optimal);
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
