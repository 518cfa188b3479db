#include <cstdint>

#include "editor/form_controller.h"

namespace tessaro {

bool FormController::attach(Document* document) {
  doc = document;
  return true;
}

void FormController::start() {
  // The form first shows the construction values.
  ShowFields();
  if (doc != nullptr) {
    LoadModelFromDoc();
    doc->hold();
  }
  host_.SetSpinRange(0, DECIMALS_SPIN_MAX);
  RefreshEquationTexts();
  host_.CreateOffscreenSurface();
  ShowFields();
  SyncDecimalsSpin();
  if (integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

void FormController::SyncDecimalsSpin() {
  // The spin control keeps a 16-bit position: the low 16 bits of decimals.
  host_.SetSpinPosition(static_cast<std::int16_t>(static_cast<std::uint32_t>(decimals) & 0xFFFFu));
}

void FormController::xLabelEdited() {
  ContinueModelChange("Edit X Label");
  ReadFields();
  StoreInDoc([&](Model& m) { m.xLabel = xLabel; });
  RefreshTextsRereadingRefused();
}

void FormController::yLabelEdited() {
  ContinueModelChange("Edit Y Label");
  ReadFields();
  StoreInDoc([&](Model& m) { m.yLabel = yLabel; });
  RefreshTextsRereadingRefused();
}

void FormController::payoffEdited() {
  ContinueModelChange("Edit Payoff");
  ReadFields();
  double relation = REL_EQ;  // the PAYOFF line always reads "="; what was typed is dropped
  std::string refusal;
  if (ParseEquation(payoffText, nullptr, payoffA, payoffSign, payoffB, relation, payoffLevel,
                    &refusal) == 1) {
    // The document first, then the picture of it.
    StorePayoffInDoc();
    if (integerDotsOn == 1) ComputeIntegerDots();
    RedrawGraph();
  }
  NoteField(ctl::PAYOFF, refusal);
}

void FormController::lineEdited(int i) {
  if (i < 0 || i >= LINE_COUNT) return;
  ReadFields();
  std::string refusal;
  const bool read = ParseEquation(lineText[i], &lineName[i], lineA[i], rowSign[i], lineB[i],
                                  rowRelation[i], lineC[i], &refusal) == 1;
  NoteField(ctl::LINE0 + i, refusal);
  // Only a line that was read reaches the document, and then the picture:
  // a refused text leaves the stored line and the plot as they were.
  if (!read) return;
  ContinueModelChange("Edit " + LineChangeName(i), "Edit line " + std::to_string(i));
  StoreLineInDoc(i);
  if (integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

// The range, zoom and decimals fields are read a moment later by refreshTimerFired,
// so that several keystrokes are taken together.
void FormController::rangeFieldEdited() {
  ContinueModelChange("Edit Ranges");
  host_.StartRefreshTimer();
}

}  // namespace tessaro
