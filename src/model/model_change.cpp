#include "doc/velmar_doc.h"
#include "model/equation.h"

namespace tessaro {

void CEquation::BeginModelChange() {
  editUndoFlag = 0;
  SaveUndoSnapshot();
}

void CEquation::FinishModelChange(bool recomputeDots) {
  UpdateData(false);
  if (recomputeDots && integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

void CEquation::MarkModified() {
  if (doc != nullptr) doc->SetModifiedFlag(true);
}

void CEquation::StoreLineInDoc(int i) {
  if (doc == nullptr || i < 0 || i >= LINE_COUNT) return;
  doc->lineName[i] = lineName[i];
  doc->lineA[i] = lineA[i];
  doc->lineSign[i] = rowSign[i];
  doc->lineB[i] = lineB[i];
  doc->lineRelation[i] = rowRelation[i];
  doc->lineC[i] = lineC[i];
}

void CEquation::StorePayoffInDoc() {
  if (doc == nullptr) return;
  doc->payoffA = payoffA;
  doc->payoffSign = payoffSign;
  doc->payoffB = payoffB;
  doc->payoffLevel = payoffLevel;
}

void CEquation::StoreRangesInDoc() {
  if (doc == nullptr) return;
  doc->decimals = decimals;
  doc->yZoom = yZoom;
  doc->xZoom = xZoom;
  doc->yMin = yMin;
  doc->yMax = yMax;
  doc->xMin = xMin;
  doc->xMax = xMax;
}

void CEquation::StoreTogglesInDoc() {
  if (doc == nullptr) return;
  doc->trimOn = trimOn;
  doc->labelsOn = labelsOn;
  doc->integerDotsOn = integerDotsOn;
  doc->fillMode = fillMode;
}

}  // namespace tessaro
