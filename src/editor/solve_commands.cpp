#include "editor/solve_commands.h"

#include "editor/form_controller.h"

namespace tessaro {

FarBounds FormFarBounds(const FormController& view) {
  return FarBounds{view.rowC[ROW_FAR_X], view.rowC[ROW_FAR_Y]};
}

void ShowSolution(FormController& view, const Solution& solution) {
  FormWindow& host = view.Host();
  // The previous optimum goes before anything is said about this model.
  view.optimalCount = 0;
  view.optimumMark = OptimumMark();
  host.SetStatusPane(2, std::string());
  if (solution.status == SolveStatus::NoPayoff || solution.status == SolveStatus::Infeasible) {
    host.ShowMessage(
        solution.message, MsgButtons::Ok,
        solution.status == SolveStatus::NoPayoff ? MsgIcon::None : MsgIcon::Exclamation);
    return;
  }
  view.optimalCount = static_cast<int>(solution.points.size());
  for (int k = 0; k < view.optimalCount; ++k) {
    view.optimalX[k] = solution.points[k].x;
    view.optimalY[k] = solution.points[k].y;
  }
  if (solution.status == SolveStatus::Unbounded) {
    // The payoff level is not touched.
    host.ShowMessage(solution.message, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  view.payoffLevel = solution.payoffLevel;
  view.StoreInDoc([&](Model& m) { m.payoff.level = view.payoffLevel; });
  view.optimumMark = MarkOptimum(view);
  host.SetStatusPane(2, solution.resultsLine);
  view.FormatEquation(view.payoffText, "", view.payoffA, view.xLabel, view.payoffSign, view.payoffB,
                      view.yLabel, REL_EQ, view.payoffLevel);
  view.ShowFields();
  view.SyncDecimalsSpin();
  view.RedrawGraph();
}

Solution SolveAndReport(FormController& view, bool maximize) {
  Solution solution;
  if (view.doc != nullptr) {
    solution =
        Solve(view.doc->model(), FormFarBounds(view), maximize ? Goal::Maximize : Goal::Minimize);
  } else {
    solution.message = MSG_NO_PAYOFF;  // a form without a document holds no payoff
  }
  ShowSolution(view, solution);
  return solution;
}

Solution AutoSolve(FormController& view, bool maximize) {
  view.BeginModelChange(maximize ? "Auto Max" : "Auto Min");
  view.solveDirection = maximize ? 1 : -1;
  return SolveAndReport(view, maximize);
}

void FormController::autoMax() {
  AutoSolve(*this, true);
}

void FormController::autoMin() {
  AutoSolve(*this, false);
}

void FormController::SolveMax() {
  SolveAndReport(*this, true);
}

void FormController::SolveMin() {
  SolveAndReport(*this, false);
}

}  // namespace tessaro
