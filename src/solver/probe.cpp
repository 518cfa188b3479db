#include "solver/probe.h"

#include "model/number_text.h"

namespace tessaro {

std::string ProbeReportText(double change, int step) {
  return "Optimal Payoff will change by " + FormatFixed(change, 2, 5) +
         (step > 0 ? " per increased RHS unit." : " per decreased RHS unit.");
}

std::vector<std::string> ProbeResult::notices() const {
  std::vector<std::string> boxes;
  if (!reported) return boxes;
  if (dotsSwitchedOff) boxes.push_back(MSG_TOO_MANY_DOTS);
  if (!stepped.isOptimal()) boxes.push_back(stepped.message);
  boxes.push_back(reportText);
  if (!restoredSolution.isOptimal()) boxes.push_back(restoredSolution.message);
  return boxes;
}

ProbeResult ProbeRightHandSide(const Model& model, FarBounds far, int row, int step, Goal goal) {
  ProbeResult result;
  result.restored = model;
  if (row < 0 || row >= LINE_COUNT) return result;
  result.first = Solve(model, far, goal);
  if (!result.first.isOptimal()) return result;
  result.reported = true;
  const double before = result.first.payoffLevel;

  Model stepped = model;
  stepped.payoff.level = before;
  stepped.lines[row].c = model.lines[row].c + step;
  if (stepped.integerDots && LatticeDotsOf(stepped, far).limitReached) {
    result.dotsSwitchedOff = true;
    stepped.integerDots = false;
  }
  result.stepped = Solve(stepped, far, goal);
  // A failed solve leaves the payoff level as it was, so the change is 0.
  const double after = result.stepped.isOptimal() ? result.stepped.payoffLevel : before;
  result.change = after - before;
  result.reportText = ProbeReportText(result.change, step);

  // The exact value held before, not original + step - step, which
  // rounding can move.
  result.restored = stepped;
  result.restored.payoff.level = after;
  result.restored.lines[row].c = model.lines[row].c;
  result.restoredSolution = Solve(result.restored, far, goal);
  return result;
}

}  // namespace tessaro
