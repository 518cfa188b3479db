#include <cstdint>

#include "doc/velmar_doc.h"
#include "model/equation.h"

namespace tessaro {

bool CEquation::OnCreate(CVelmarDoc* document) {
  doc = document;
  return true;
}

void CEquation::OnInitialUpdate() {
  // The form first shows the construction values.
  UpdateData(false);
  if (doc != nullptr) {
    LoadModelFromDoc();
    heldSnapshot = static_cast<const StoredModel&>(*doc);
  }
  host_.SetSpinRange(0, DECIMALS_SPIN_MAX);
  RefreshEquationTexts();
  host_.CreateOffscreenSurface();
  UpdateData(false);
  SyncDecimalsSpin();
  if (integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

void CEquation::SyncDecimalsSpin() {
  // The spin control keeps a 16-bit position: the low 16 bits of decimals.
  host_.SetSpinPosition(static_cast<std::int16_t>(static_cast<std::uint32_t>(decimals) & 0xFFFFu));
}

void CEquation::OnChangeXLabel() {
  MarkModified();
  UpdateData(true);
  if (doc != nullptr) doc->xLabel = xLabel;
  RefreshEquationTexts();
  RedrawGraph();
}

void CEquation::OnChangeYLabel() {
  MarkModified();
  UpdateData(true);
  if (doc != nullptr) doc->yLabel = yLabel;
  RefreshEquationTexts();
  RedrawGraph();
}

void CEquation::OnChangePayoff() {
  UpdateData(true);
  double relation = REL_EQ;  // the PAYOFF line always reads "="; what was typed is dropped
  if (ParseEquation(payoffText, nullptr, payoffA, payoffSign, payoffB, relation, payoffLevel) ==
      1) {
    MarkModified();
    if (integerDotsOn == 1) ComputeIntegerDots();
    RedrawGraph();
  }
  StorePayoffInDoc();
}

void CEquation::OnChangeLine(int i) {
  if (i < 0 || i >= LINE_COUNT) return;
  UpdateData(true);
  if (ParseEquation(lineText[i], &lineName[i], lineA[i], rowSign[i], lineB[i], rowRelation[i],
                    lineC[i]) == 1) {
    MarkModified();
    if (integerDotsOn == 1) ComputeIntegerDots();
    RedrawGraph();
  }
  StoreLineInDoc(i);
}

// The range, zoom and decimals fields are read a moment later by OnTimer,
// so that several keystrokes are taken together.
void CEquation::OnChangeRangeField() {
  host_.StartRefreshTimer();
}

}  // namespace tessaro
