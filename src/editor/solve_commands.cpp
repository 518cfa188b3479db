#include "editor/form_controller.h"
#include "solver/auto_zoom.h"
#include "solver/probe.h"

// The commands that solve, probe and zoom: each computes on the document's
// model and then puts the answer on the form.

namespace tessaro {

// The previous optimum goes before anything is said about this model; a
// failure shows its message. An optimum stores the payoff level, marks the
// optimum and writes the results pane, the PAYOFF text, the form, the spin
// position and the picture. An unbounded model keeps the gathered points
// listed, unmarked.
void FormController::ShowSolution(const Solution& solution) {
  optimum_.clear();
  optimumModel_.reset();
  window_.SetStatusPane(2, std::string());
  if (solution.status == SolveStatus::NoPayoff || solution.status == SolveStatus::Infeasible) {
    window_.ShowMessage(
        solution.message, MsgButtons::Ok,
        solution.status == SolveStatus::NoPayoff ? MsgIcon::None : MsgIcon::Exclamation);
    return;
  }
  optimum_ = solution.points;
  if (solution.status == SolveStatus::Unbounded) {
    // The payoff level is not touched.
    window_.ShowMessage(solution.message, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  Change([&](Model& m) { m.payoff.level = solution.payoffLevel; });
  optimumModel_ = doc_->model();
  window_.SetStatusPane(2, solution.resultsLine);
  ShowLineText(ctl::PAYOFF);
  ShowFields();
  SyncDecimalsSpin();
  redraw();
}

// Solves the document's model with the far bounds the form's rows were
// last cut with (they may lag behind a range being typed) and shows the
// solution.
Solution FormController::SolveAndReport(bool maximize) {
  const Solution solution = Solve(doc_->model(), far_, maximize ? Goal::Maximize : Goal::Minimize);
  ShowSolution(solution);
  return solution;
}

void FormController::AutoSolve(bool maximize) {
  BeginModelChange(maximize ? "Auto Max" : "Auto Min");
  solveDirection_ = maximize ? 1 : -1;
  SolveAndReport(maximize);
}

void FormController::ProbeRightHandSide(int row, int step) {
  if (row < 0 || row >= LINE_COUNT) return;
  if (solveDirection_ == 0) {
    const MsgResult answer =
        window_.ShowMessage(MSG_ASK_MAXIMIZATION, MsgButtons::YesNoCancel, MsgIcon::None);
    if (answer == MsgResult::Yes) {
      solveDirection_ = 1;
    } else if (answer == MsgResult::No) {
      solveDirection_ = -1;
    } else {
      return;
    }
  }
  const Goal goal = solveDirection_ == 1 ? Goal::Maximize : Goal::Minimize;
  if (doc_->model().integerDots) ComputeIntegerDots();
  const ProbeResult probe = tessaro::ProbeRightHandSide(doc_->model(), far_, row, step, goal);
  ShowSolution(probe.first);
  if (!probe.reported) return;

  if (probe.dotsSwitchedOff) {
    window_.ShowMessage(MSG_TOO_MANY_DOTS, MsgButtons::Ok, MsgIcon::None);
    Change([](Model& m) { m.integerDots = false; });
  }
  // The stepped model can only be infeasible or unbounded: its payoff is
  // the one just solved for.
  if (!probe.stepped.isOptimal()) {
    window_.ShowMessage(probe.stepped.message, MsgButtons::Ok, MsgIcon::Exclamation);
  }
  window_.ShowMessage(probe.reportText, MsgButtons::Ok, MsgIcon::None);

  // The form on the restored model: the line's text is written anew.
  Change([&](Model& m) { m.payoff.level = probe.restored.payoff.level; });
  ShowLineText(ctl::LINE0 + row);
  ShowFields();
  ShowSolution(probe.restoredSolution);
  redraw();
}

void FormController::autoZoom() {
  BeginModelChange("Auto Zoom");
  // The plot as it is on screen now: a larger window gives a larger picture.
  const AutoZoomResult fit = ComputeAutoZoom(
      doc_->model(), far_,
      ZoomBox{static_cast<double>(view_.FitWidth()), static_cast<double>(view_.FitHeight())});
  if (!fit.found) {
    window_.ShowMessage(MSG_NO_ZOOM_AREA, MsgButtons::Ok, MsgIcon::None);
    return;
  }
  Change([&](Model& m) {
    m.xMax = fit.xMax;
    m.xZoom = fit.xZoom;
    m.yMax = fit.yMax;
    m.yZoom = fit.yZoom;
  });
  ShowFields();
  SyncDecimalsSpin();
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

}  // namespace tessaro
