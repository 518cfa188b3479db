#include "editor/form_controller.h"
#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

// The four display toggles each change their option as one history entry
// and redraw. Colour and Grey share the fill: each switches its own mode
// on, replacing the other, or off when it is the current one.
void FormController::toggleDisplay(FormCommand command) {
  switch (command) {
    case FormCommand::ToggleTrim:
      BeginHistoryEntry("Trim");
      Change([](Model& m) { m.trim = !m.trim; });
      break;
    case FormCommand::ToggleLabels:
      BeginHistoryEntry("Labels");
      Change([](Model& m) { m.labels = !m.labels; });
      break;
    case FormCommand::ToggleColor:
      BeginHistoryEntry("Colour Fill");
      Change(
          [](Model& m) { m.fill = m.fill == FillMode::Color ? FillMode::None : FillMode::Color; });
      break;
    default:
      BeginHistoryEntry("Grey Fill");
      Change([](Model& m) { m.fill = m.fill == FillMode::Grey ? FillMode::None : FillMode::Grey; });
      break;
  }
  redraw();
}

void FormController::toggleIntegerDots() {
  BeginHistoryEntry("Integer Dots");
  Change([](Model& m) { m.integerDots = !m.integerDots; });
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

void FormController::ComputeIntegerDots() {
  const Model& m = doc_->model();
  const LatticeDots found =
      LatticeDotsOf(RowsOf(m, far_), PlotFrame{m.xMin, m.xMax, m.yMin, m.yMax, m.xZoom, m.yZoom});
  dots_.assign(found.points.begin(), found.points.end());
  if (found.limitReached) {
    window_.ShowMessage(MSG_TOO_MANY_DOTS, MsgButtons::Ok, MsgIcon::None);
    Change([](Model& model) { model.integerDots = false; });
  }
}

// Leaving the up-down control stores the decimals its field shows, read as
// the deferred refresh reads them; the picture follows at that refresh.
void FormController::decimalsSpinLeft() {
  if (!window_.FormReady()) return;
  const int decimals = DecimalsShown();
  ContinueModelChange("Decimals");
  Change([&](Model& m) { m.decimals = decimals; });
}

// Cut, Copy and Paste act on the text of whichever control has the focus.
// Each one, even Copy, sends the next Undo to that control instead of the
// history, until the next change of the model.
void FormController::editRequest(EditRequest request) {
  window_.SendEditRequest(request);
  fieldUndo_ = true;
}

void FormController::configureColor() {
  Rgb chosen = AreaColor();
  if (!window_.ChooseColor(AreaColor(), chosen)) return;
  AreaColor() = chosen;
  if (settings_ != nullptr) StoreAreaColor(*settings_, chosen);
  redraw();
}

}  // namespace tessaro
