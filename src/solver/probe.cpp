#include "solver/probe.h"

#include "model/equation.h"
#include "model/number_text.h"
#include "solver/optimizer.h"

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

void RunRightHandSideProbe(CEquation& view, int row, int step) {
  if (row < 0 || row >= LINE_COUNT || view.doc == nullptr) return;
  ViewHost& host = view.Host();
  if (view.solveDirection == 0) {
    const MsgResult answer =
        host.ShowMessage(MSG_ASK_MAXIMIZATION, MsgButtons::YesNoCancel, MsgIcon::None);
    if (answer == MsgResult::Yes) {
      view.solveDirection = 1;
    } else if (answer == MsgResult::No) {
      view.solveDirection = -1;
    } else {
      return;
    }
  }
  const Goal goal = view.solveDirection == 1 ? Goal::Maximize : Goal::Minimize;
  if (view.integerDotsOn != 0) view.ComputeIntegerDots();
  const ProbeResult probe =
      ProbeRightHandSide(view.doc->model(), FormFarBounds(view), row, step, goal);
  ShowSolution(view, probe.first);
  if (!probe.reported) return;

  if (probe.dotsSwitchedOff) {
    host.ShowMessage(MSG_TOO_MANY_DOTS, MsgButtons::Ok, MsgIcon::None);
    view.integerDotsOn = 0;
    view.StoreInDoc([](Model& m) { m.integerDots = false; });
  }
  // The stepped model can only be infeasible or unbounded: its payoff is
  // the one just solved for.
  if (!probe.stepped.isOptimal()) {
    host.ShowMessage(probe.stepped.message, MsgButtons::Ok, MsgIcon::Exclamation);
  }
  host.ShowMessage(probe.reportText, MsgButtons::Ok, MsgIcon::None);

  // The form on the restored model: the line's text is written anew.
  view.payoffLevel = probe.restored.payoff.level;
  view.StoreInDoc([&](Model& m) { m.payoff.level = view.payoffLevel; });
  view.FormatEquation(view.lineText[row], view.lineName[row], view.lineA[row], view.xLabel,
                      view.rowSign[row], view.lineB[row], view.yLabel, view.rowRelation[row],
                      view.lineC[row]);
  view.UpdateData(false);
  ShowSolution(view, probe.restoredSolution);
  view.RedrawGraph();
}

void CEquation::ProbeRightHandSide(int row, int step) {
  RunRightHandSideProbe(*this, row, step);
}

}  // namespace tessaro
