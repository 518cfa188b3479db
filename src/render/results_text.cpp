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
std::string OptimalPieces(std::span<const PlanePoint> optimum, int decimals) {
  std::string pieces;
  const std::size_t count = std::min(optimum.size(), static_cast<std::size_t>(MAX_OPTIMAL));
  for (std::size_t k = 0; k < count; ++k) {
    if (optimum[k].x == NO_POINT) continue;
    pieces += OptimalPointPiece(optimum[k].x, optimum[k].y, decimals);
  }
  return pieces;
}

}  // namespace

std::string StatusResultsText(const Model& model, std::span<const PlanePoint> optimum) {
  if (optimum.empty()) return {};
  return StatusHead(model.xLabel, model.yLabel) + OptimalPieces(optimum, model.decimals);
}

void DrawResultsText(const Model& model, std::span<const PlanePoint> optimum, Surface& surface) {
  if (!optimum.empty()) {
    surface.TextOut(
        0, PRINTED_HEAD_Y,
        PrintedHead(model.xLabel, model.yLabel) + OptimalPieces(optimum, model.decimals));
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Line& line = model.lines[i];
    if (!line.isPresent()) continue;
    const std::string text =
        PrintedConstraintText(line.name, line.a, model.xLabel, line.sign > 0, line.b, model.yLabel,
                              SaturateToInt(RelationCode(line.relation)), line.c, model.decimals);
    surface.TextOut(0, SaturateToInt(PRINTED_FIRST_LINE_Y + PRINTED_LINE_SPACING * i), text);
  }
}

}  // namespace tessaro
