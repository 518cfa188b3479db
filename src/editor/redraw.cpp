#include <string>

#include "editor/form_controller.h"
#include "render/plot_drawing.h"

namespace tessaro {

void FormController::RedrawGraph() {
  if (xZoom == 0.0 || yZoom == 0.0 || decimals < 0) {
    // The fields have not settled yet: let the timer try again.
    host_.StopRefreshTimer();
    host_.StartRefreshTimer();
    return;
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  // What a solve found holds only for the model it was found for: once a
  // line, the payoff or the lattice mode changed, the optimum on screen and
  // its text go at once.
  if (optimalCount > 0 && OptimumModelKey(*this) != optimumMark.modelKey) {
    optimalCount = 0;
    optimumMark = OptimumMark();
    host_.SetStatusPane(2, std::string());
  }
  Surface* surface = host_.OffscreenSurface();
  if (surface == nullptr) return;
  DrawAxes(*surface);
  DrawModel(*surface);
  host_.PresentPicture();
  RefreshResultsPane();
}

void FormController::DrawAxes(Surface& surface) const {
  tessaro::DrawAxes(*this, view, surface);
}

void FormController::DrawModel(Surface& surface) {
  const DrawnPlot drawn = tessaro::DrawModel(*this, view, optimumMark, surface);
  shownLabelX = drawn.labels.lineX;
  shownLabelY = drawn.labels.lineY;
  shownPayoffLabelX = drawn.labels.payoffX;
  shownPayoffLabelY = drawn.labels.payoffY;
  if (!drawn.draggedText.empty()) host_.SetStatusPane(1, drawn.draggedText);
}

void FormController::DrawResultsText(Surface& surface) const {
  tessaro::DrawResultsText(*this, surface);
}

std::string FormController::StatusResultsText() const {
  return tessaro::StatusResultsText(*this);
}

void FormController::RefreshResultsPane() {
  // Without an optimum the pane keeps what was written last.
  if (optimalCount <= 0) return;
  host_.SetStatusPane(2, StatusResultsText());
}

}  // namespace tessaro
