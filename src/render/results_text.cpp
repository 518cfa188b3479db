#include <algorithm>
#include <string>

#include "model/equation.h"
#include "model/saturate.h"
#include "render/feasible_polygon.h"
#include "render/label_text.h"

namespace tessaro {

namespace {

// Places of the printed results under the X axis.
constexpr int PRINTED_HEAD_Y = 40;
constexpr double PRINTED_FIRST_LINE_Y = 55.0;
constexpr double PRINTED_LINE_SPACING = 15.0;

// The optimal points one after another, entries marked NO_POINT left out.
std::string OptimalPieces(const CEquation& eq) {
  std::string pieces;
  const int count = std::min(eq.optimalCount, MAX_OPTIMAL);
  for (int k = 0; k < count; ++k) {
    if (eq.optimalX[k] == NO_POINT) continue;
    pieces += OptimalPointPiece(eq.optimalX[k], eq.optimalY[k], eq.decimals);
  }
  return pieces;
}

}  // namespace

std::string CEquation::StatusResultsText() const {
  if (optimalCount <= 0) return {};
  return StatusHead(xLabel, yLabel) + OptimalPieces(*this);
}

void CEquation::RefreshResultsPane() {
  // Without an optimum the pane keeps what was written last.
  if (optimalCount <= 0) return;
  host_.SetStatusPane(2, StatusResultsText());
}

void CEquation::DrawResultsText(Surface& surface) const {
  if (optimalCount > 0) {
    surface.TextOut(0, PRINTED_HEAD_Y, PrintedHead(xLabel, yLabel) + OptimalPieces(*this));
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (!RowIsPresent(*this, i)) continue;
    const std::string text =
        PrintedConstraintText(lineName[i], rowA[i], xLabel, rowSign[i] > 0, rowB[i], yLabel,
                              SaturateToInt(rowRelation[i]), rowC[i], decimals);
    surface.TextOut(0, SaturateToInt(PRINTED_FIRST_LINE_Y + PRINTED_LINE_SPACING * i), text);
  }
}

void CEquation::DrawPicture(Surface& surface) {
  DrawAxes(surface);
  DrawModel(surface);
  DrawResultsText(surface);
}

}  // namespace tessaro
