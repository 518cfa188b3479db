#include "doc/velmar_doc.h"
#include "model/equation.h"
#include "model/saturate.h"
#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

namespace {

constexpr int FILL_COLOR = 1;
constexpr int FILL_GREY = 2;

}  // namespace

// The four display toggles each mark the document modified, change their
// option, store it into the document and redraw.

void CEquation::OnToggleTrim() {
  if (doc != nullptr) doc->SetModifiedFlag();
  trimOn = ToggledFlag(trimOn);
  if (doc != nullptr) doc->trimOn = trimOn;
  RedrawGraph();
}

void CEquation::OnToggleLabel() {
  if (doc != nullptr) doc->SetModifiedFlag();
  labelsOn = ToggledFlag(labelsOn);
  if (doc != nullptr) doc->labelsOn = labelsOn;
  RedrawGraph();
}

// Colour and Grey share fillMode: each switches its own mode on, replacing
// the other, or off when it is the current one.
void CEquation::OnToggleColor() {
  if (doc != nullptr) doc->SetModifiedFlag();
  fillMode = fillMode == FILL_COLOR ? 0 : FILL_COLOR;
  if (doc != nullptr) doc->fillMode = fillMode;
  RedrawGraph();
}

void CEquation::OnToggleGrey() {
  if (doc != nullptr) doc->SetModifiedFlag();
  fillMode = fillMode == FILL_GREY ? 0 : FILL_GREY;
  if (doc != nullptr) doc->fillMode = fillMode;
  RedrawGraph();
}

// Only the switch: neither the document nor the picture changes.
void CEquation::OnPreviewPayoff() {
  previewPayoff = ToggledFlag(previewPayoff);
}

void CEquation::OnDecimalsSpinKillFocus() {
  if (doc != nullptr) doc->decimals = decimals;
}

void CEquation::OnConfigColor() {
  Rgb chosen = AreaColor();
  if (!host_.ChooseColor(AreaColor(), chosen)) return;
  AreaColor() = chosen;
  if (settings_ != nullptr) StoreAreaColor(*settings_, chosen);
  RedrawGraph();
}

}  // namespace tessaro
