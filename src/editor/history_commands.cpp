#include "editor/form_controller.h"

namespace tessaro {

namespace {

constexpr const char* MSG_REVERT =
    "You are about to revert to the disk saved or held version of the model and will lose the "
    "currently active version.\n\nClick OK to revert to the saved version of the model losing "
    "all your changes. \n\nClick Cancel to keep the current version of the model. ";

}  // namespace

void FormController::LoadModelFromDoc() {
  if (doc == nullptr) return;
  const Model& s = doc->model();
  xLabel = s.xLabel;
  yLabel = s.yLabel;
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Line& line = s.lines[i];
    lineName[i] = line.name;
    lineA[i] = line.a;
    lineB[i] = line.b;
    lineC[i] = line.c;
    rowA[i] = line.a;
    rowB[i] = line.b;
    rowC[i] = line.c;
    rowSign[i] = line.sign;
    rowRelation[i] = RelationCode(line.relation);
    labelX[i] = line.label.x;
    labelY[i] = line.label.y;
  }
  payoffA = s.payoff.a;
  payoffB = s.payoff.b;
  payoffLevel = s.payoff.level;
  payoffSign = s.payoff.sign;
  payoffLabelX = s.payoff.label.x;
  payoffLabelY = s.payoff.label.y;
  xMax = s.xMax;
  xMin = s.xMin;
  xZoom = s.xZoom;
  yMax = s.yMax;
  yMin = s.yMin;
  yZoom = s.yZoom;
  decimals = s.decimals;
  trimOn = s.trim ? 1 : 0;
  labelsOn = s.labels ? 1 : 0;
  integerDotsOn = s.integerDots ? 1 : 0;
  fillMode = static_cast<int>(s.fill);
}

void FormController::hold() {
  if (doc == nullptr) return;
  LoadModelFromDoc();
  doc->hold();
}

void FormController::ShowDocumentModel() {
  LoadModelFromDoc();
  RefreshEquationTexts();
  ShowFields();
  if (integerDotsOn != 0) ComputeIntegerDots();
  RedrawGraph();
}

void FormController::undo() {
  if (editUndoFlag == 1) {
    Host().SendEditRequest(EditRequest::Undo);
    return;
  }
  // At the start of the history there is no earlier version to go back
  // to: Undo then leaves the model alone.
  if (doc == nullptr || !doc->undo()) return;
  ShowDocumentModel();
}

void FormController::redo() {
  editUndoFlag = 0;
  if (doc == nullptr || !doc->redo()) return;
  ShowDocumentModel();
}

void FormController::resetEquations() {
  if (Host().ShowMessage(MSG_REVERT, MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok) return;
  if (doc == nullptr) return;
  BeginModelChange("Reset Equations");
  doc->resetToHeld("Reset Equations");
  ShowDocumentModel();
}

}  // namespace tessaro
