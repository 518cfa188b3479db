#include "model/equation.h"
#include "model/saturate.h"
#include "render/feasible_polygon.h"
#include "render/lattice_cache.h"

namespace tessaro {

namespace {

constexpr const char* MSG_TOO_MANY_DOTS = "Too many integer dots(>=1000) to draw";

}  // namespace

void CEquation::ComputeIntegerDots() {
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  dotCount = 0;
  LatticeRows rows;
  for (int k = 0; k < LATTICE_ROW_COUNT; ++k) {
    rows[k] =
        LatticeRow{rowA[k], rowSign[k] * rowB[k], rowC[k], rowRelation[k], RowIsPresent(*this, k)};
  }
  const PlotFrame frame{xMin, xMax, yMin, yMax, xZoom, yZoom};
  const LatticeResult& found = CachedLatticePoints(rows, frame, DOT_LIMIT);
  for (const IntPoint& p : found.points) {
    dotX[dotCount] = p.x;
    dotY[dotCount] = p.y;
    ++dotCount;
  }
  if (found.limitReached) {
    host_.ShowMessage(MSG_TOO_MANY_DOTS, MsgButtons::Ok, MsgIcon::None);
    --dotCount;
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
