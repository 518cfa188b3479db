#include "editor/form_controller.h"

namespace tessaro {

void FormController::BeginHistoryEntry(const std::string& name) {
  changeName_ = name;
  changeRun_.clear();
  if (doc != nullptr) doc->closeEntry();
}

void FormController::BeginModelChange(const std::string& name) {
  editUndoFlag = 0;
  BeginHistoryEntry(name);
  if (doc == nullptr) return;
  // The working model starts each change from the stored one: label places
  // that only a drawing chose are chosen afresh.
  LoadModelFromDoc();
}

std::string FormController::LineChangeName(int i) const {
  if (i >= 0 && i < LINE_COUNT && !lineName[i].empty()) return lineName[i];
  return "Line " + std::to_string(i + 1);
}

void FormController::FinishModelChange(bool recomputeDots) {
  ShowFields();
  if (recomputeDots && integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

void FormController::StoreLineInDoc(int i) {
  if (i < 0 || i >= LINE_COUNT) return;
  StoreInDoc([&](Model& m) {
    Line& line = m.lines[i];
    line.name = lineName[i];
    line.a = lineA[i];
    line.sign = rowSign[i] < 0 ? -1 : 1;
    line.b = lineB[i];
    line.relation = RelationOfCode(rowRelation[i]);
    line.c = lineC[i];
  });
}

void FormController::StorePayoffInDoc() {
  StoreInDoc([&](Model& m) {
    m.payoff.a = payoffA;
    m.payoff.sign = payoffSign < 0 ? -1 : 1;
    m.payoff.b = payoffB;
    m.payoff.level = payoffLevel;
  });
}

void FormController::StoreRangesInDoc() {
  StoreInDoc([&](Model& m) {
    m.decimals = decimals;
    m.yZoom = yZoom;
    m.xZoom = xZoom;
    m.yMin = yMin;
    m.yMax = yMax;
    m.xMin = xMin;
    m.xMax = xMax;
  });
}

void FormController::StoreTogglesInDoc() {
  StoreInDoc([&](Model& m) {
    m.trim = trimOn != 0;
    m.labels = labelsOn != 0;
    m.integerDots = integerDotsOn != 0;
    m.fill = static_cast<FillMode>(fillMode);
  });
}

}  // namespace tessaro
