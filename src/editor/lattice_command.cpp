#include "editor/form_controller.h"
#include "editor/solve_commands.h"
#include "model/saturate.h"
#include "solver/solution.h"

namespace tessaro {

void FormController::ComputeIntegerDots() {
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  dotCount = 0;
  // The form's rows and range: while a line is being typed the form leads
  // the document, which takes the line afterwards.
  const LatticeDots found = LatticeDotsOf(*this, PlotFrame{xMin, xMax, yMin, yMax, xZoom, yZoom});
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

void FormController::toggleIntegerDots() {
  BeginHistoryEntry("Integer Dots");
  integerDotsOn = ToggledFlag(integerDotsOn);
  StoreTogglesInDoc();
  if (integerDotsOn == 1) ComputeIntegerDots();
  RedrawGraph();
}

}  // namespace tessaro
