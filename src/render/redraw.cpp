#include <string>

#include "model/equation.h"
#include "render/axis_texts.h"
#include "render/drawing_style.h"

namespace tessaro {

namespace {

constexpr int TICK_LENGTH = 4;
// The erased area reaches this many pixels beyond the plot on every side,
// so that the white border of the rectangle lies outside it.
constexpr int ERASE_OVERLAP = 2;

}  // namespace

void CEquation::RedrawGraph() {
  if (xZoom == 0.0 || yZoom == 0.0 || decimals < 0) {
    // The fields have not settled yet: let the timer try again.
    host_.StopRefreshTimer();
    host_.StartRefreshTimer();
    return;
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    rowA[i] = lineA[i];
    rowB[i] = lineB[i];
    rowC[i] = lineC[i];
  }
  // What a solve found holds only for the model it was found for: once a
  // line, the payoff or the lattice mode changed, the optimum on screen and
  // its text go at once.
  if (optimalCount > 0 && OptimumModelKey(*this) != optimumMark.modelKey) {
    optimalCount = 0;
    optimumMark = OptimumMark();
    host_.SetStatusPane(2, std::string());
  }
  Surface* surface = host_.OffscreenSurface();
  if (surface == nullptr) return;
  DrawAxes(*surface);
  DrawModel(*surface);
  host_.PresentPicture();
  RefreshResultsPane();
}

void CEquation::DrawAxes(Surface& surface) const {
  surface.SelectPen(SolidPen(1, COLOR_WHITE));
  surface.SelectDefaultBrush();
  // The whole plot, in units from the origin (Y growing downwards).
  const int left = -view.OriginX();
  const int top = -view.OriginY();
  const int right = view.width - view.OriginX();
  const int bottom = view.height - view.OriginY();
  surface.Rectangle(left - ERASE_OVERLAP, top - ERASE_OVERLAP, right + ERASE_OVERLAP,
                    bottom + ERASE_OVERLAP);

  // The axes run to the plot's right and top edges.
  surface.SelectPen(SolidPen(2, COLOR_BLACK));
  surface.MoveTo(0, 0);
  surface.LineTo(right, 0);
  surface.MoveTo(0, 0);
  surface.LineTo(0, top);

  surface.SelectFont(DrawingFont(false));
  surface.SetTransparentBackground();
  surface.SetTextColor(COLOR_BLACK);

  const PlotFrame frame{xMin, xMax, yMin, yMax, xZoom, yZoom};
  for (const AxisTick& t : XAxisTicks(frame)) {
    surface.MoveTo(t.pixel, 0);
    surface.LineTo(t.pixel, TICK_LENGTH);
    surface.TextOut(t.pixel, X_TICK_TEXT_Y, std::to_string(t.value));
  }
  for (const AxisTick& t : YAxisTicks(frame)) {
    surface.MoveTo(0, t.pixel);
    surface.LineTo(-TICK_LENGTH, t.pixel);
    surface.TextOut(Y_TICK_TEXT_X, t.pixel, std::to_string(t.value));
  }
  const IntPoint yName = YAxisNameAt(frame);
  surface.TextOut(yName.x, yName.y, yLabel);
  const IntPoint xName = XAxisNameAt(frame);
  surface.TextOut(xName.x, xName.y, xLabel);
}

}  // namespace tessaro
