#pragma once

#include <array>
#include <span>
#include <string>

#include "model/constants.h"
#include "model/model.h"
#include "model/plot_view.h"
#include "render/surface.h"
#include "solver/geometry.h"
#include "solver/plane.h"
#include "solver/rows.h"

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

// What the pointer holds while a gesture lasts; the drawing highlights it.
struct PointerGesture {
  int line = -1;   // the constraint line dragged, 0 to 5
  int label = -1;  // the line whose label is moved
  bool payoff = false;
  bool payoffLabel = false;
  // How the payoff line is turned about an intercept (editor/rotation.h);
  // -1 while it is not turned.
  int rotate = -1;

  bool turning() const { return rotate > 0; }
};

// One drawing of the plot: the model and what the form shows beside it.
struct PlotScene {
  const Model& model;
  // Where the plot closes the plane: the rows are cut there.
  FarBounds far;
  PointerGesture gesture;
  // The lattice points, drawn while the model shows integer dots.
  std::span<const IntPoint> dots;
  // The optimal corners to mark; NO_POINT entries are left out.
  std::span<const PlanePoint> optimum;
};

// The white plot, the axes with their ticks and the axes' names.
void DrawAxes(const Model& model, const PlotView& view, Surface& surface);

// The feasible area, the lines and their labels, the lattice points, the
// payoff line and the marked optimum. The model is read, never written.
[[nodiscard]] DrawnPlot DrawModel(const PlotScene& scene, const PlotView& view, Surface& surface);

// The printed results under the X axis: the optimal decisions (NO_POINT
// entries left out) and every constraint written out.
void DrawResultsText(const Model& model, std::span<const PlanePoint> optimum, Surface& surface);

// The optimal-decisions text of status pane 2; empty when there is no optimum.
[[nodiscard]] std::string StatusResultsText(const Model& model,
                                            std::span<const PlanePoint> optimum);

// A dashed line from (x0, y0) to (x1, y1), dashes of dashLength pixels.
void DrawDashedLine(Surface& surface, int x0, int y0, int x1, int y1, int dashLength);

}  // namespace tessaro
