#pragma once

#include <string>
#include <vector>

#include "model/model.h"
#include "solver/solution.h"

namespace tessaro {

inline constexpr const char* MSG_ASK_MAXIMIZATION = "Is this a Maximization Model?";

// What one shadow-price probe of a right-hand side finds, computed on
// copies of the model: solve the model as it is, step the right-hand side
// and solve again, then put the right-hand side back and solve once more.
struct ProbeResult {
  // The solve of the model as it is. Without an optimum there is nothing
  // to measure the change from: the probe stops there (reported false).
  Solution first;
  bool reported = false;
  // The stepped model had too many lattice points: its dots go off (and
  // stay off), and it is solved over its corners.
  bool dotsSwitchedOff = false;
  Solution stepped;
  // New optimal payoff level minus the old one; 0 when the stepped model
  // has no optimum.
  double change = 0.0;
  std::string reportText;
  // The model with the right-hand side put back, before its solve, and
  // that solve.
  Model restored;
  Solution restoredSolution;

  // The boxes a reported probe shows after its first solve, in order: the
  // dots switched off, the stepped solve's failure, the report, the
  // restored solve's failure.
  [[nodiscard]] std::vector<std::string> notices() const;
};

// The report text for a change of the payoff per stepped unit.
[[nodiscard]] std::string ProbeReportText(double change, int step);

// Steps the right-hand side of constraint `row` by `step` on a copy of the
// model and measures the change of the optimal payoff. The model itself is
// left as it is.
[[nodiscard]] ProbeResult ProbeRightHandSide(const Model& model, FarBounds far, int row, int step,
                                             Goal goal);

}  // namespace tessaro
