#pragma once

#include <array>
#include <string>

#include "model/model_state.h"
#include "model/optimum_mark.h"
#include "model/plot_view.h"
#include "render/surface.h"

namespace tessaro {

// Where the drawing put the labels, as offsets in model units from
// (xMin, yMin): the pointer grabs a label where it is drawn. NO_POINT for a
// label that was not drawn.
struct ShownLabels {
  std::array<double, LINE_COUNT> lineX{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  std::array<double, LINE_COUNT> lineY{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  double payoffX = NO_POINT;
  double payoffY = NO_POINT;
};

// What one drawing of the model hands back to its caller.
struct DrawnPlot {
  ShownLabels labels;
  // The label text of the line or payoff being dragged (shown in the
  // status strip while the drag lasts); empty when nothing is dragged.
  std::string draggedText;
};

// The white plot, the axes with their ticks and the axes' names.
void DrawAxes(const ModelState& state, const PlotView& view, Surface& surface);

// The feasible area, the lines and their labels, the lattice points, the
// payoff line and the marked optimum. The model is read, never written.
[[nodiscard]] DrawnPlot DrawModel(const ModelState& state, const PlotView& view,
                                  const OptimumMark& mark, Surface& surface);

// The printed results under the X axis: the optimal decisions and every
// constraint written out.
void DrawResultsText(const ModelState& state, Surface& surface);

// The optimal-decisions text of status pane 2; empty when there is no optimum.
[[nodiscard]] std::string StatusResultsText(const ModelState& state);

// A dashed line from (x0, y0) to (x1, y1), dashes of dashLength pixels.
void DrawDashedLine(Surface& surface, int x0, int y0, int x1, int y1, int dashLength);

}  // namespace tessaro
