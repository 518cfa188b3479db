#include "solver/probe.h"

#include "model/equation.h"
#include "model/number_text.h"
#include "solver/optimizer.h"

namespace tessaro {

namespace {

// Sets the right-hand side of constraint row to c everywhere the model and
// the document keep it, and rewrites the line's text into the form.
void SetRightHandSide(CEquation& view, int row, double c) {
  view.lineC[row] = c;
  view.rowC[row] = c;
  view.StoreInDoc([&](Model& m) { m.lines[row].c = c; });
  view.FormatEquation(view.lineText[row], view.lineName[row], view.lineA[row], view.xLabel,
                      view.rowSign[row], view.lineB[row], view.yLabel, view.rowRelation[row], c);
  view.UpdateData(false);
}

void RefreshDotsIfShown(CEquation& view) {
  if (view.integerDotsOn != 0) view.ComputeIntegerDots();
}

}  // namespace

std::string ProbeReportText(double change, int step) {
  return "Optimal Payoff will change by " + FormatFixed(change, 2, 5) +
         (step > 0 ? " per increased RHS unit." : " per decreased RHS unit.");
}

ProbeOutcome RunRightHandSideProbe(CEquation& view, int row, int step) {
  ProbeOutcome outcome;
  if (row < 0 || row >= LINE_COUNT) return outcome;
  ViewHost& host = view.Host();
  if (view.solveDirection == 0) {
    const MsgResult answer =
        host.ShowMessage(MSG_ASK_MAXIMIZATION, MsgButtons::YesNoCancel, MsgIcon::None);
    if (answer == MsgResult::Yes) {
      view.solveDirection = 1;
    } else if (answer == MsgResult::No) {
      view.solveDirection = -1;
    } else {
      return outcome;
    }
  }
  const bool maximize = view.solveDirection == 1;
  RefreshDotsIfShown(view);
  // Without a first optimum there is nothing to measure the change from:
  // the solver's message has been shown and nothing is stepped.
  if (!SolveAndReport(view, maximize)) return outcome;
  const double before = view.payoffLevel;
  const double original = view.lineC[row];

  SetRightHandSide(view, row, original + step);
  RefreshDotsIfShown(view);
  // A failed solve leaves the payoff level as it was, so the change is 0.
  outcome.steppedSolved = SolveAndReport(view, maximize);
  outcome.change = view.payoffLevel - before;
  outcome.reported = true;
  host.ShowMessage(ProbeReportText(outcome.change, step), MsgButtons::Ok, MsgIcon::None);

  // Put back the exact value held before, not original + step - step,
  // which rounding can move.
  SetRightHandSide(view, row, original);
  RefreshDotsIfShown(view);
  SolveAndReport(view, maximize);
  view.RedrawGraph();
  return outcome;
}

void CEquation::ProbeRightHandSide(int row, int step) {
  RunRightHandSideProbe(*this, row, step);
}

}  // namespace tessaro
