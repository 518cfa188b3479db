#include "model/equation.h"
#include "model/saturate.h"
#include "solver/optimizer.h"
#include "solver/solution.h"

namespace tessaro {

namespace {

// The lattice follows the form as it is: while a line is being typed the
// form's values lead the document's, which takes the line afterwards.
Model FormLatticeModel(const CEquation& eq) {
  Model model = eq.doc != nullptr ? eq.doc->model() : Model();
  for (int i = 0; i < LINE_COUNT; ++i) {
    Line& line = model.lines[i];
    line.a = eq.lineA[i];
    line.b = eq.lineB[i];
    line.c = eq.lineC[i];
    line.sign = eq.rowSign[i];
    line.relation = RelationOfCode(eq.rowRelation[i]);
  }
  model.xMin = eq.xMin;
  model.xMax = eq.xMax;
  model.yMin = eq.yMin;
  model.yMax = eq.yMax;
  model.xZoom = eq.xZoom;
  model.yZoom = eq.yZoom;
  return model;
}

}  // namespace

void CEquation::ComputeIntegerDots() {
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  dotCount = 0;
  const LatticeDots found = LatticeDotsOf(FormLatticeModel(*this), FormFarBounds(*this));
  for (const IntPoint& p : found.points) {
    dotX[dotCount] = p.x;
    dotY[dotCount] = p.y;
    ++dotCount;
  }
  if (found.limitReached) {
    host_.ShowMessage(MSG_TOO_MANY_DOTS, MsgButtons::Ok, MsgIcon::None);
    integerDotsOn = 0;
    StoreInDoc([](Model& m) { m.integerDots = false; });
  }
}

void CEquation::OnToggleIntegerDot() {
  BeginHistoryEntry("Integer Dots");
  integerDotsOn = ToggledFlag(integerDotsOn);
  StoreTogglesInDoc();
  if (integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

}  // namespace tessaro
