#include "render/sensitivity_drawing.h"

#include <algorithm>
#include <cmath>

#include "model/saturate.h"
#include "render/drawing_style.h"
#include "render/line_ends.h"

namespace tessaro {

namespace {

void DrawLine(const Model& m, double a, double b, double c, Surface& surface) {
  const PlotFrame frame{m.xMin, m.xMax, m.yMin, m.yMax, m.xZoom, m.yZoom};
  LineEnds ends;
  if (!ComputeLineEnds(a, b, std::fabs(b), c, frame, ends)) return;
  const auto limit = [](double v) {
    return SaturateToRange(v, -static_cast<int>(COORD_LIMIT), static_cast<int>(COORD_LIMIT));
  };
  surface.MoveTo(limit(m.xZoom * ends.dx1), limit(-m.yZoom * ends.dy1));
  surface.LineTo(limit(m.xZoom * ends.dx2), limit(-m.yZoom * ends.dy2));
}

}  // namespace

void DrawSensitivityRanges(const Model& model, const Sensitivity& s, std::optional<int> row,
                           Surface& surface) {
  if (s.status != SensitivityStatus::Ok) return;
  surface.SelectPen(SolidPen(1, COLOR_FAN_GREEN));
  // Turning the payoff means moving one coefficient: X's, or Y's when the
  // payoff has no Y term (X's interval then only changes its length).
  const bool turnX = model.payoff.yCoefficient() != 0.0;
  const VariableSensitivity& turned = s.variables[turnX ? 0 : 1];
  for (const double k : {turned.costLower, turned.costUpper}) {
    const double a = turnX ? k : model.payoff.a;
    const double b = turnX ? model.payoff.yCoefficient() : k;
    if (std::isinf(k)) {
      DrawLine(model, turnX ? 1.0 : 0.0, turnX ? 0.0 : 1.0, turnX ? s.x : s.y, surface);
    } else {
      DrawLine(model, a, b, a * s.x + b * s.y, surface);
    }
  }
  const auto found = std::find_if(s.rows.begin(), s.rows.end(),
                                  [&](const RowSensitivity& r) { return row && r.row == *row; });
  if (found != s.rows.end()) {
    const Line& line = model.lines[found->row];
    const ShownRange shown = ShowRange(found->rhs, line.c);
    surface.SelectPen(Pen{PenStyle::Dotted, 2, COLOR_RANGE_ORANGE});
    for (const double c : {shown.lower, shown.upper}) {
      if (!std::isinf(c)) DrawLine(model, line.a, line.yCoefficient(), c, surface);
    }
  }
  surface.SelectPen(BlackPen());
}

}  // namespace tessaro
