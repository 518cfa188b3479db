#include "editor/form_controller.h"
#include "editor/solve_commands.h"
#include "solver/auto_zoom.h"
#include "solver/probe.h"

// The commands that solve, probe and zoom: each computes on the document's
// model and then puts the answer on the form.

namespace tessaro {

void FormController::ProbeRightHandSide(int row, int step) {
  FormController& view = *this;
  if (row < 0 || row >= LINE_COUNT || view.doc == nullptr) return;
  FormWindow& host = view.Host();
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
      tessaro::ProbeRightHandSide(view.doc->model(), FormFarBounds(view), row, step, goal);
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
  view.ShowFields();
  ShowSolution(view, probe.restoredSolution);
  view.RedrawGraph();
}

void FormController::autoZoom() {
  BeginModelChange("Auto Zoom");
  if (doc == nullptr) return;
  // The plot as it is on screen now: a larger window gives a larger picture.
  const AutoZoomResult fit = ComputeAutoZoom(
      doc->model(), FormFarBounds(*this),
      ZoomBox{static_cast<double>(view.FitWidth()), static_cast<double>(view.FitHeight())});
  if (!fit.found) {
    Host().ShowMessage(MSG_NO_ZOOM_AREA, MsgButtons::Ok, MsgIcon::None);
    return;
  }
  xMax = fit.xMax;
  xZoom = fit.xZoom;
  yMax = fit.yMax;
  yZoom = fit.yZoom;
  StoreInDoc([&](Model& m) {
    m.xMax = xMax;
    m.xZoom = xZoom;
    m.yMax = yMax;
    m.yZoom = yZoom;
  });
  ShowFields();
  SyncDecimalsSpin();
  if (integerDotsOn != 0) ComputeIntegerDots();
  RedrawGraph();
}

}  // namespace tessaro
