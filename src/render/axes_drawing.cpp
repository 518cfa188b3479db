#include <string>

#include "render/axis_texts.h"
#include "render/drawing_style.h"
#include "render/plot_drawing.h"

namespace tessaro {

namespace {

constexpr int TICK_LENGTH = 4;
// The erased area reaches this many pixels beyond the plot on every side,
// so that the white border of the rectangle lies outside it.
constexpr int ERASE_OVERLAP = 2;

}  // namespace

void DrawAxes(const Model& state, const PlotView& view, Surface& surface) {
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

  const PlotFrame frame{state.xMin, state.xMax, state.yMin, state.yMax, state.xZoom, state.yZoom};
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
  surface.TextOut(yName.x, yName.y, state.yLabel);
  const IntPoint xName = XAxisNameAt(frame);
  surface.TextOut(xName.x, xName.y, state.xLabel);
}

}  // namespace tessaro
