#include <algorithm>
#include <utility>
#include <vector>

#include "app/form_view.h"
#include "doc/document.h"
#include "editor/form_controller.h"
#include "model/constants.h"

// The form view's sensitivity of the optimum on screen: filled after a
// solve, dropped as soon as the model changes, drawn with Show Ranges.

namespace tessaro::app {

PictureExtras FormView::Extras() const {
  return PictureExtras{Sensitivity(), showRanges_, rangeRow_};
}

void FormView::SetShowRanges(bool show) {
  if (show == showRanges_) return;
  showRanges_ = show;
  if (sensitivity_) RedrawForRanges();
}

void FormView::SelectRangeRow(std::optional<int> row) {
  if (row == rangeRow_) return;
  rangeRow_ = row;
  if (showRanges_ && sensitivity_) RedrawForRanges();
}

void FormView::TrackSensitivity() {
  if (!sensitivity_) return;
  if (doc_ != nullptr && doc_->model() == sensitivity_->model) return;
  DropSensitivity();
}

void FormView::DropSensitivity() {
  sensitivity_.reset();
  rangeRow_.reset();
  Q_EMIT sensitivityChanged();
  // The picture may still carry the ranges of the model before.
  if (showRanges_) RedrawForRanges();
}

void FormView::ShowSolvedSensitivity() {
  const tessaro::FormController& eq = *equation_;
  std::optional<ShownSensitivity> shown;
  // A failed solve may leave points listed (an unbounded model); the
  // analysis then finds no optimum either.
  if (doc_ != nullptr && !eq.optimum().empty()) {
    std::vector<std::pair<double, double>> points;
    for (const PlanePoint& p : eq.optimum()) {
      if (p.x != NO_POINT) points.emplace_back(p.x, p.y);
    }
    shown = AnalyzeShownOptimum(doc_->model(), eq.solveDirection(), points);
  }
  if (!shown && !sensitivity_) return;
  sensitivity_ = std::move(shown);
  rangeRow_.reset();
  Q_EMIT sensitivityChanged();
  if (showRanges_) RedrawForRanges();
}

void FormView::RedrawForRanges() {
  Dispatch([this] { equation_->redraw(); });
}

}  // namespace tessaro::app
