#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "glpk_reference.h"
#include "random_model.h"
#include "solver/lattice_points.h"
#include "solver/probe.h"
#include "solver/solution.h"

namespace tessaro {
namespace {

using test::RandomModel;
using test::Reference;
using test::ReferenceResult;

// Fewer models under the sanitizers, which slow every call down.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kModels = 1000;
#else
constexpr int kModels = 2500;
#endif

// The payoff level is cut to six decimals after a six-decimal rounding.
double Tolerance(double value) {
  return 1e-6 * std::max(1.0, std::fabs(value)) + 2e-6;
}

struct Tally {
  int drawn = 0;
  int nearDegenerate = 0;
  int optimal = 0;
  int infeasible = 0;
  int unbounded = 0;
  int farEdge = 0;
  int integerRuns = 0;
  int integerEmpty = 0;
  int integerSkipped = 0;
  int probes = 0;
  int probesWithoutOptimum = 0;
  int probesSkipped = 0;
};

// One probe of a random constraint against the difference of two GLPK
// optima, where the stepped model is still one the comparison can judge.
void CheckProbe(const RandomModel& m, bool maximize, double before, std::mt19937& rng,
                test::SolverView& v, Tally& tally) {
  const int row = std::uniform_int_distribution<int>(0, static_cast<int>(m.lines.size()) - 1)(rng);
  const int step = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? 1 : -1;
  RandomModel stepped = m;
  stepped.lines[row].c += step;
  if (test::NearDegenerate(stepped) || !test::CornersInsideRange(stepped)) {
    ++tally.probesSkipped;
    return;
  }
  const ReferenceResult after = test::SolveWithGlpk(stepped, maximize);
  if (after.status == Reference::Optimal && maximize &&
      test::OptimalFaceUnbounded(stepped, after.value)) {
    ++tally.probesSkipped;
    return;
  }
  SCOPED_TRACE("probe of row " + std::to_string(row) + " by " + std::to_string(step));
  const ProbeResult probe = ProbeRightHandSide(v.doc.model(), v.Far(), row, step,
                                               maximize ? Goal::Maximize : Goal::Minimize);
  ASSERT_TRUE(probe.reported);
  if (after.status == Reference::Optimal) {
    EXPECT_TRUE(probe.stepped.isOptimal());
    EXPECT_NEAR(probe.change, after.value - before, 2 * Tolerance(after.value));
    ++tally.probes;
  } else {
    EXPECT_FALSE(probe.stepped.isOptimal());
    EXPECT_EQ(probe.change, 0.0);
    ++tally.probesWithoutOptimum;
  }
  // The model is restored: the level is the first optimum again.
  ASSERT_TRUE(probe.restoredSolution.isOptimal());
  EXPECT_NEAR(probe.restoredSolution.payoffLevel, before, Tolerance(before));
}

// Solves m and compares with GLPK's answer for `reference`, the same
// programme (m itself, or m before its rows were scaled); probes the
// right-hand sides when rng is given.
void CheckCorners(const RandomModel& m, const RandomModel& reference, bool maximize,
                  std::mt19937* rng, Tally& tally) {
  test::SolverView v;
  test::LoadInto(m, v);
  const Solution solution =
      Solve(v.doc.model(), v.Far(), maximize ? Goal::Maximize : Goal::Minimize);
  const bool solved = solution.isOptimal();
  const ReferenceResult ref = test::SolveWithGlpk(reference, maximize);
  switch (ref.status) {
    case Reference::Infeasible:
      EXPECT_FALSE(solved);
      EXPECT_EQ(solution.message, MSG_INFEASIBLE);
      ++tally.infeasible;
      return;
    case Reference::Unbounded:
      EXPECT_FALSE(solved);
      EXPECT_EQ(solution.message, MSG_UNBOUNDED);
      ++tally.unbounded;
      return;
    case Reference::Optimal:
      break;
  }
  // A maximum whose optimal edge runs on to the far bound is the one case
  // the program calls unbounded while the programme has a finite optimum.
  const bool farEdge = maximize && test::OptimalFaceUnbounded(reference, ref.value);
  if (farEdge) {
    EXPECT_FALSE(solved) << "GLPK " << ref.value;
    EXPECT_EQ(solution.message, MSG_UNBOUNDED);
    ++tally.farEdge;
    return;
  }
  ASSERT_TRUE(solved) << solution.message << "; GLPK " << ref.value;
  EXPECT_NEAR(solution.payoffLevel, ref.value, Tolerance(ref.value));
  ASSERT_GE(solution.points.size(), 1u);
  for (const PlanePoint& p : solution.points) {
    const double x = p.x;
    const double y = p.y;
    if (x == NO_POINT) continue;
    EXPECT_TRUE(test::StrictlyFeasible(reference, x, y)) << "point " << x << ", " << y;
    EXPECT_NEAR(m.Payoff(x, y), ref.value, Tolerance(ref.value)) << "point " << x << ", " << y;
  }
  ++tally.optimal;
  if (rng != nullptr) {
    // The probe starts from the model with its optimum's level, as the form
    // leaves it after a solve.
    EditModel(v.doc)->payoff.level = solution.payoffLevel;
    CheckProbe(m, maximize, solution.payoffLevel, *rng, v, tally);
  }
}

// The program's own lattice enumeration of the scaled model finds exactly
// the points of the model as drawn, within the plotted range.
void CheckLatticeEnumeration(const RandomModel& scaled, const RandomModel& m, Tally& tally) {
  std::vector<std::pair<int, int>> expected;
  if (!test::LatticePoints(m, expected, DOT_LIMIT)) return;
  LatticeRows rows{};
  for (std::size_t i = 0; i < scaled.lines.size(); ++i) {
    const test::Line& l = scaled.lines[i];
    rows[i] = LatticeRow{l.a, l.sign * l.b, l.c, l.relation, true};
  }
  rows[LATTICE_ROW_COUNT - 2] = LatticeRow{1, 0, 0, REL_GE, true};
  rows[LATTICE_ROW_COUNT - 1] = LatticeRow{0, 1, 0, REL_GE, true};
  const PlotFrame frame{0, m.xMax, 0, m.yMax, m.xZoom, m.yZoom};
  const LatticeResult found = EnumerateLatticePoints(rows, frame, 100 * DOT_LIMIT);
  std::vector<std::pair<int, int>> inRange;
  for (const IntPoint& p : found.points) {
    if (p.x <= m.xMax && p.y <= m.yMax) inRange.emplace_back(p.x, p.y);
  }
  EXPECT_EQ(inRange, expected);
  ++tally.integerRuns;
}

// Every constraint multiplied through by 10^k, k drawn from -6 to 6: the
// same programme, its numbers spread over 1e-6 to 1e6 times the drawn ones.
RandomModel ScaleRows(const RandomModel& m, std::mt19937& rng) {
  RandomModel scaled = m;
  for (test::Line& l : scaled.lines) {
    const double factor = std::pow(10.0, std::uniform_int_distribution<int>(-6, 6)(rng));
    l.a *= factor;
    l.b *= factor;
    l.c *= factor;
  }
  return scaled;
}

void CheckLattice(const RandomModel& m, bool maximize, Tally& tally) {
  std::vector<std::pair<int, int>> points;
  if (!test::LatticePoints(m, points, DOT_LIMIT)) {
    ++tally.integerSkipped;
    return;
  }
  test::SolverView v;
  test::LoadInto(m, v);
  EditModel(v.doc)->integerDots = true;
  SCOPED_TRACE("integer mode");
  // The points of the plotted range, which GLPK is given as bounds too.
  std::vector<IntPoint> dots;
  for (const auto& p : points) dots.push_back({p.first, p.second});
  const Solution solution =
      SolveOverLattice(v.doc.model(), dots, maximize ? Goal::Maximize : Goal::Minimize);
  const bool solved = solution.isOptimal();
  const ReferenceResult ref = test::SolveIntegerWithGlpk(m, maximize);
  if (points.empty()) {
    EXPECT_FALSE(solved);
    EXPECT_EQ(solution.message, MSG_INFEASIBLE);
    EXPECT_EQ(ref.status, Reference::Infeasible);
    ++tally.integerEmpty;
    return;
  }
  ASSERT_EQ(ref.status, Reference::Optimal);
  ASSERT_TRUE(solved) << solution.message;
  EXPECT_NEAR(solution.payoffLevel, ref.value, Tolerance(ref.value));
  ++tally.integerRuns;
}

TEST(GlpkDifferentialTest, AgreesOnRandomModels) {
  std::mt19937 rng(20261207);
  Tally tally;
  int checked = 0;
  while (checked < kModels) {
    const RandomModel m = test::DrawModel(rng);
    ++tally.drawn;
    // The program's fixed 0.01 tolerances decide these; the tables of the
    // other tests cover them.
    if (test::NearDegenerate(m)) {
      ++tally.nearDegenerate;
      continue;
    }
    ++checked;
    for (const bool maximize : {true, false}) {
      SCOPED_TRACE(m.Describe() + (maximize ? " (max)" : " (min)"));
      CheckCorners(m, m, maximize, &rng, tally);
      CheckLattice(m, maximize, tally);
    }
    if (HasFatalFailure() || testing::Test::HasFailure()) break;
  }
  std::cout << "models checked " << checked << " (drawn " << tally.drawn << ", near-degenerate "
            << tally.nearDegenerate << ")\n"
            << "solves: optimal " << tally.optimal << ", infeasible " << tally.infeasible
            << ", unbounded " << tally.unbounded << ", optimal edge to far bound " << tally.farEdge
            << "\n"
            << "integer mode: optimal " << tally.integerRuns << ", no lattice point "
            << tally.integerEmpty << ", skipped " << tally.integerSkipped << "\n"
            << "probes: compared " << tally.probes << ", stepped model without optimum "
            << tally.probesWithoutOptimum << ", skipped " << tally.probesSkipped << "\n";
  EXPECT_EQ(checked, kModels);
  // Every kind of answer must have been exercised.
  EXPECT_GT(tally.optimal, kModels / 4);
  EXPECT_GT(tally.infeasible, 0);
  EXPECT_GT(tally.unbounded, 0);
  EXPECT_GT(tally.farEdge, 0);
  EXPECT_GT(tally.integerRuns, kModels / 10);
  EXPECT_GT(tally.integerEmpty, 0);
  EXPECT_GT(tally.probes, kModels / 10);
  EXPECT_GT(tally.probesWithoutOptimum, 0);
}

TEST(GlpkDifferentialTest, AgreesOnBadlyScaledModels) {
  std::mt19937 rng(20261208);
  Tally tally;
  int checked = 0;
  while (checked < kModels / 2) {
    const RandomModel m = test::DrawModel(rng);
    if (test::NearDegenerate(m)) continue;
    ++checked;
    const RandomModel scaled = ScaleRows(m, rng);
    for (const bool maximize : {true, false}) {
      SCOPED_TRACE(scaled.Describe() + (maximize ? " (max)" : " (min)"));
      CheckCorners(scaled, m, maximize, nullptr, tally);
    }
    CheckLatticeEnumeration(scaled, m, tally);
    if (HasFatalFailure() || testing::Test::HasFailure()) break;
  }
  std::cout << "scaled models checked " << checked << ": optimal " << tally.optimal
            << ", infeasible " << tally.infeasible << ", unbounded " << tally.unbounded
            << ", lattice enumerations " << tally.integerRuns << "\n";
  EXPECT_GT(tally.optimal, kModels / 8);
  EXPECT_GT(tally.infeasible, 0);
  EXPECT_GT(tally.integerRuns, kModels / 20);
}

}  // namespace
}  // namespace tessaro
