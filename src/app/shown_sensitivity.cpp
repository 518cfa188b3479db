#include "app/shown_sensitivity.h"

#include "model/constants.h"
#include "render/drawing_style.h"
#include "render/label_text.h"
#include "render/sensitivity_drawing.h"
#include "render/sensitivity_table.h"
#include "render/surface.h"

namespace tessaro::app {
namespace {

// The page's constraint list takes one line of 15 units per line of the
// model from 55 units below the X axis; the tables follow a gap below it.
constexpr int kPageTablesTop = 55 + 15 * LINE_COUNT + 15;
constexpr int kPageLineSpacing = 15;

}  // namespace

std::optional<ShownSensitivity> AnalyzeShownOptimum(
    const tessaro::Model& model, int solveDirection,
    const std::vector<std::pair<double, double>>& integerPoints) {
  const tessaro::Direction direction =
      solveDirection < 0 ? tessaro::Direction::Minimize : tessaro::Direction::Maximize;
  ShownSensitivity shown{model, tessaro::AnalyzeOptimum(model, direction), model.integerDots, {}};
  if (shown.sensitivity.status != tessaro::SensitivityStatus::Ok) return std::nullopt;
  if (shown.relaxation) {
    // Without a lattice point the integer mode has no optimum to go with.
    if (integerPoints.empty()) return std::nullopt;
    for (const auto& [x, y] : integerPoints) {
      shown.integerOptimum += tessaro::OptimalPointPiece(x, y, model.decimals);
    }
  }
  return shown;
}

void DrawRanges(const PictureExtras& extras, tessaro::Surface& surface) {
  if (extras.shown == nullptr || !extras.showRanges) return;
  tessaro::DrawSensitivityRanges(extras.shown->model, extras.shown->sensitivity, extras.selectedRow,
                                 surface);
}

void DrawPageTables(const PictureExtras& extras, tessaro::Surface& surface) {
  if (extras.shown == nullptr) return;
  const ShownSensitivity& shown = *extras.shown;
  std::vector<std::string> lines =
      tessaro::SensitivityTableLines(shown.model, shown.sensitivity, shown.relaxation);
  if (shown.relaxation) lines.insert(lines.begin(), "Integer optimum:" + shown.integerOptimum);
  // The columns are padded with blanks: a fixed-pitch font keeps them aligned.
  surface.SelectFont(tessaro::Font{"Liberation Mono", 12, 0, 400, false});
  surface.SetTransparentBackground();
  surface.SetTextColor(tessaro::COLOR_BLACK);
  int y = kPageTablesTop;
  for (const std::string& line : lines) {
    surface.TextOut(0, y, line);
    y += kPageLineSpacing;
  }
}

}  // namespace tessaro::app
