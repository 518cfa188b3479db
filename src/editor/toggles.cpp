#include "editor/form_controller.h"
#include "model/saturate.h"
#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

namespace {

constexpr int FILL_COLOR = 1;
constexpr int FILL_GREY = 2;

}  // namespace

// The four display toggles each change their option, store it into the
// document as one history entry and redraw.

void FormController::toggleTrim() {
  BeginHistoryEntry("Trim");
  trimOn = ToggledFlag(trimOn);
  StoreTogglesInDoc();
  RedrawGraph();
}

void FormController::toggleLabels() {
  BeginHistoryEntry("Labels");
  labelsOn = ToggledFlag(labelsOn);
  StoreTogglesInDoc();
  RedrawGraph();
}

// Colour and Grey share fillMode: each switches its own mode on, replacing
// the other, or off when it is the current one.
void FormController::toggleColor() {
  BeginHistoryEntry("Colour Fill");
  fillMode = fillMode == FILL_COLOR ? 0 : FILL_COLOR;
  StoreTogglesInDoc();
  RedrawGraph();
}

void FormController::toggleGrey() {
  BeginHistoryEntry("Grey Fill");
  fillMode = fillMode == FILL_GREY ? 0 : FILL_GREY;
  StoreTogglesInDoc();
  RedrawGraph();
}

// Only the switch: neither the document nor the picture changes.
void FormController::togglePreviewPayoff() {
  previewPayoff = ToggledFlag(previewPayoff);
}

void FormController::decimalsSpinLeft() {
  ContinueModelChange("Decimals");
  StoreInDoc([&](Model& m) { m.decimals = decimals; });
}

void FormController::configureColor() {
  Rgb chosen = AreaColor();
  if (!host_.ChooseColor(AreaColor(), chosen)) return;
  AreaColor() = chosen;
  if (settings_ != nullptr) StoreAreaColor(*settings_, chosen);
  RedrawGraph();
}

}  // namespace tessaro
