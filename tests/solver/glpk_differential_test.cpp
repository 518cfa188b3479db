#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "glpk_reference.h"
#include "random_model.h"
#include "solver/optimizer.h"
#include "solver/probe.h"

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

std::string LastMessage(const test::SolverView& v) {
  return v.host.messages.empty() ? std::string() : v.host.messages.back().text;
}

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
  v.view.solveDirection = maximize ? 1 : -1;
  v.host.messages.clear();
  const ProbeOutcome outcome = RunRightHandSideProbe(v.view, row, step);
  ASSERT_TRUE(outcome.reported);
  if (after.status == Reference::Optimal) {
    EXPECT_TRUE(outcome.steppedSolved);
    EXPECT_NEAR(outcome.change, after.value - before, 2 * Tolerance(after.value));
    ++tally.probes;
  } else {
    EXPECT_FALSE(outcome.steppedSolved);
    EXPECT_EQ(outcome.change, 0.0);
    ++tally.probesWithoutOptimum;
  }
  // The model is restored: the level is the first optimum again.
  EXPECT_NEAR(v.view.payoffLevel, before, Tolerance(before));
}

void CheckCorners(const RandomModel& m, bool maximize, std::mt19937& rng, Tally& tally) {
  test::SolverView v;
  test::LoadInto(m, v);
  const bool solved = SolveAndReport(v.view, maximize);
  const ReferenceResult ref = test::SolveWithGlpk(m, maximize);
  switch (ref.status) {
    case Reference::Infeasible:
      EXPECT_FALSE(solved);
      EXPECT_EQ(LastMessage(v), MSG_INFEASIBLE);
      ++tally.infeasible;
      return;
    case Reference::Unbounded:
      EXPECT_FALSE(solved);
      EXPECT_EQ(LastMessage(v), MSG_UNBOUNDED);
      ++tally.unbounded;
      return;
    case Reference::Optimal:
      break;
  }
  // A maximum whose optimal edge runs on to the far bound is the one case
  // the program calls unbounded while the programme has a finite optimum.
  const bool farEdge = maximize && test::OptimalFaceUnbounded(m, ref.value);
  if (farEdge) {
    EXPECT_FALSE(solved) << "GLPK " << ref.value;
    EXPECT_EQ(LastMessage(v), MSG_UNBOUNDED);
    ++tally.farEdge;
    return;
  }
  ASSERT_TRUE(solved) << LastMessage(v) << "; GLPK " << ref.value;
  EXPECT_NEAR(v.view.payoffLevel, ref.value, Tolerance(ref.value));
  ASSERT_GE(v.view.optimalCount, 1);
  for (int k = 0; k < v.view.optimalCount; ++k) {
    const double x = v.view.optimalX[k];
    const double y = v.view.optimalY[k];
    if (x == NO_POINT) continue;
    EXPECT_TRUE(test::StrictlyFeasible(m, x, y)) << "point " << x << ", " << y;
    EXPECT_NEAR(m.Payoff(x, y), ref.value, Tolerance(ref.value)) << "point " << x << ", " << y;
  }
  ++tally.optimal;
  CheckProbe(m, maximize, v.view.payoffLevel, rng, v, tally);
}

void CheckLattice(const RandomModel& m, bool maximize, Tally& tally) {
  std::vector<std::pair<int, int>> points;
  if (!test::LatticePoints(m, points, DOT_LIMIT)) {
    ++tally.integerSkipped;
    return;
  }
  test::SolverView v;
  test::LoadInto(m, v);
  v.view.integerDotsOn = 1;
  v.view.dotCount = static_cast<int>(points.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    v.view.dotX[k] = points[k].first;
    v.view.dotY[k] = points[k].second;
  }
  SCOPED_TRACE("integer mode");
  const bool solved = SolveAndReport(v.view, maximize);
  const ReferenceResult ref = test::SolveIntegerWithGlpk(m, maximize);
  if (points.empty()) {
    EXPECT_FALSE(solved);
    EXPECT_EQ(LastMessage(v), MSG_INFEASIBLE);
    EXPECT_EQ(ref.status, Reference::Infeasible);
    ++tally.integerEmpty;
    return;
  }
  ASSERT_EQ(ref.status, Reference::Optimal);
  ASSERT_TRUE(solved) << LastMessage(v);
  EXPECT_NEAR(v.view.payoffLevel, ref.value, Tolerance(ref.value));
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
      CheckCorners(m, maximize, rng, tally);
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

}  // namespace
}  // namespace tessaro
