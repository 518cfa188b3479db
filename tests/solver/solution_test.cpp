#include "solver/solution.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Eq;
using test::Ge;
using test::Le;
using test::Line;

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

}  // namespace
}  // namespace tessaro
