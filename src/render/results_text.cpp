#include <algorithm>
#include <string>

#include "model/saturate.h"
#include "render/feasible_polygon.h"
#include "render/label_text.h"
#include "render/plot_drawing.h"

namespace tessaro {

namespace {

// Places of the printed results under the X axis.
constexpr int PRINTED_HEAD_Y = 40;
constexpr double PRINTED_FIRST_LINE_Y = 55.0;
constexpr double PRINTED_LINE_SPACING = 15.0;

// The optimal points one after another, entries marked NO_POINT left out.
std::string OptimalPieces(const ModelState& eq) {
  std::string pieces;
  const int count = std::min(eq.optimalCount, MAX_OPTIMAL);
  for (int k = 0; k < count; ++k) {
    if (eq.optimalX[k] == NO_POINT) continue;
    pieces += OptimalPointPiece(eq.optimalX[k], eq.optimalY[k], eq.decimals);
  }
  return pieces;
}

}  // namespace

std::string StatusResultsText(const ModelState& state) {
  if (state.optimalCount <= 0) return {};
  return StatusHead(state.xLabel, state.yLabel) + OptimalPieces(state);
}

void DrawResultsText(const ModelState& state, Surface& surface) {
  if (state.optimalCount > 0) {
    surface.TextOut(0, PRINTED_HEAD_Y,
                    PrintedHead(state.xLabel, state.yLabel) + OptimalPieces(state));
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (!RowIsPresent(state, i)) continue;
    const std::string text = PrintedConstraintText(
        state.lineName[i], state.rowA[i], state.xLabel, state.rowSign[i] > 0, state.rowB[i],
        state.yLabel, SaturateToInt(state.rowRelation[i]), state.rowC[i], state.decimals);
    surface.TextOut(0, SaturateToInt(PRINTED_FIRST_LINE_Y + PRINTED_LINE_SPACING * i), text);
  }
}

}  // namespace tessaro
