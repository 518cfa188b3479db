#include <string>

#include "editor/form_controller.h"
#include "render/plot_drawing.h"

namespace tessaro {

namespace {

// Whether an optimum found for one model holds for another: the lines, the
// payoff and whether the optimum is taken over the lattice points are the
// same. A change of a name, a label place, the range or the zoom only moves
// the view and keeps the optimum.
bool SameProblem(const Model& a, const Model& b) {
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Line& p = a.lines[i];
    const Line& q = b.lines[i];
    if (p.a != q.a || p.b != q.b || p.c != q.c || p.relation != q.relation || p.sign != q.sign) {
      return false;
    }
  }
  return a.payoff.a == b.payoff.a && a.payoff.b == b.payoff.b && a.payoff.sign == b.payoff.sign &&
         a.payoff.level == b.payoff.level && a.integerDots == b.integerDots;
}

}  // namespace

bool FormController::OptimumHolds(const Model& model) const {
  return optimumModel_ && SameProblem(*optimumModel_, model);
}

PlotScene FormController::SceneOf(const Model& model, bool marked) const {
  return PlotScene{model, far_, gesture_, dots_,
                   marked ? std::span<const PlanePoint>(optimum_) : std::span<const PlanePoint>()};
}

void FormController::redraw() {
  const Model& model = Shown();
  if (model.xZoom == 0.0 || model.yZoom == 0.0 || model.decimals < 0) {
    // The fields have not settled yet: let the timer try again.
    window_.StopRefreshTimer();
    window_.StartRefreshTimer();
    return;
  }
  // What a solve found holds only for the model it was found for: once a
  // line, the payoff or the lattice mode changed, the optimum on screen and
  // its text go at once.
  const bool marked = OptimumHolds(model);
  if (!optimum_.empty() && !marked) {
    optimum_.clear();
    optimumModel_.reset();
    window_.SetStatusPane(2, std::string());
  }
  Surface* surface = window_.OffscreenSurface();
  if (surface == nullptr) return;
  DrawAxes(model, view_, *surface);
  const DrawnPlot drawn = DrawModel(SceneOf(model, marked), view_, *surface);
  shownLabels_ = drawn.labels;
  if (!drawn.draggedText.empty()) window_.SetStatusPane(1, drawn.draggedText);
  window_.PresentPicture();
  RefreshResultsPane();
}

void FormController::drawPlot(Surface& surface, const PlotView& view) const {
  const Model& model = Shown();
  DrawAxes(model, view, surface);
  (void)DrawModel(SceneOf(model, OptimumHolds(model)), view, surface);
}

void FormController::drawResults(Surface& surface) const {
  DrawResultsText(Shown(), optimum_, surface);
}

void FormController::RefreshResultsPane() {
  // Without an optimum the pane keeps what was written last.
  if (optimum_.empty()) return;
  window_.SetStatusPane(2, StatusResultsText(Shown(), optimum_));
}

}  // namespace tessaro
