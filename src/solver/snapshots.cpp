#include "doc/velmar_doc.h"
#include "model/equation.h"
#include "model/saturate.h"

namespace tessaro {

namespace {

constexpr const char* MSG_REVERT =
    "You are about to revert to the disk saved or held version of the model and will lose the "
    "currently active version.\n\nClick OK to revert to the saved version of the model losing "
    "all your changes. \n\nClick Cancel to keep the current version of the model. ";

}  // namespace

void CEquation::LoadModelFromDoc() {
  if (doc == nullptr) return;
  const StoredModel& s = *doc;
  xLabel = s.xLabel;
  yLabel = s.yLabel;
  for (int i = 0; i < LINE_COUNT; ++i) {
    lineName[i] = s.lineName[i];
    lineA[i] = s.lineA[i];
    lineB[i] = s.lineB[i];
    lineC[i] = s.lineC[i];
    rowA[i] = s.lineA[i];
    rowB[i] = s.lineB[i];
    rowC[i] = s.lineC[i];
    // Signs are stored as doubles: truncated toward zero, saturating.
    rowSign[i] = SaturateToInt(s.lineSign[i]);
    rowRelation[i] = s.lineRelation[i];
    labelX[i] = s.labelX[i];
    labelY[i] = s.labelY[i];
  }
  payoffA = s.payoffA;
  payoffB = s.payoffB;
  payoffLevel = s.payoffLevel;
  payoffSign = SaturateToInt(s.payoffSign);
  payoffLabelX = s.payoffLabelX;
  payoffLabelY = s.payoffLabelY;
  xMax = s.xMax;
  xMin = s.xMin;
  xZoom = s.xZoom;
  yMax = s.yMax;
  yMin = s.yMin;
  yZoom = s.yZoom;
  decimals = s.decimals;
  trimOn = s.trimOn;
  labelsOn = s.labelsOn;
  integerDotsOn = s.integerDotsOn;
  fillMode = s.fillMode;
}

void CEquation::SaveUndoSnapshot() {
  if (doc == nullptr) return;
  LoadModelFromDoc();
  undoSnapshot = *doc;
  undoSnapshotTaken = true;
}

void CEquation::OnHold() {
  if (doc == nullptr) return;
  LoadModelFromDoc();
  heldSnapshot = *doc;
}

namespace {

// Puts a snapshot back through the document and rebuilds the view from it.
void RestoreSnapshot(CEquation& view, const StoredModel& snapshot) {
  static_cast<StoredModel&>(*view.doc) = snapshot;
  view.LoadModelFromDoc();
  view.RefreshEquationTexts();
  view.UpdateData(false);
  if (view.integerDotsOn != 0) view.ComputeIntegerDots();
  view.RedrawGraph();
}

}  // namespace

void CEquation::OnUndo() {
  if (editUndoFlag == 1) {
    Host().SendEditRequest(EditRequest::Undo);
    return;
  }
  // Before the first snapshot there is no earlier version to go back to:
  // Undo then leaves the model alone.
  if (doc == nullptr || !undoSnapshotTaken) return;
  RestoreSnapshot(*this, undoSnapshot);
}

void CEquation::OnRevert() {
  if (Host().ShowMessage(MSG_REVERT, MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok) return;
  if (doc == nullptr) return;
  RestoreSnapshot(*this, heldSnapshot);
}

}  // namespace tessaro
