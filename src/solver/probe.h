#pragma once

#include <string>

namespace tessaro {

class CEquation;

inline constexpr const char* MSG_ASK_MAXIMIZATION = "Is this a Maximization Model?";

// What one shadow-price probe found.
struct ProbeOutcome {
  // False when the question was cancelled or the first solve failed; the
  // model is then as it was and no change was reported.
  bool reported = false;
  // New optimal payoff minus the old one, as the report shows it.
  double change = 0.0;
  // Whether the solve of the stepped model found an optimum.
  bool steppedSolved = false;
};

// The report text for a change of the payoff per stepped unit.
std::string ProbeReportText(double change, int step);

// Steps the right-hand side of constraint `row` by `step`, solves, reports
// the change of the optimal payoff and puts the right-hand side back.
ProbeOutcome RunRightHandSideProbe(CEquation& view, int row, int step);

}  // namespace tessaro
