#include "editor/grab.h"

#include <cmath>

namespace tessaro {

namespace {

LineEquation RowLine(const Line& line) {
  return LineEquation{line.a, static_cast<double>(line.sign), line.b, line.c};
}

// A label is where the last drawing put it: a user's place kept within the
// plot, or the laid-out place of a default one. Before any drawing, a
// user's label is where its offsets say.
bool InsideShownLabel(double lx, double ly, double shownX, double shownY, const ModelPoint& p,
                      const PlotScale& scale) {
  if (IsPlacedLabel(lx, ly) && !IsPlacedLabel(shownX, shownY)) return InsideLabel(lx, ly, p, scale);
  return InsideLabel(shownX, shownY, p, scale);
}

bool InsideLineLabel(const Model& model, const ShownLabels& shown, int j, const ModelPoint& p,
                     const PlotScale& scale) {
  const LabelPosition& label = model.lines[j].label;
  return InsideShownLabel(label.x, label.y, shown.lineX[j], shown.lineY[j], p, scale);
}

bool InsidePayoffLabel(const Model& model, const ShownLabels& shown, const ModelPoint& p,
                       const PlotScale& scale) {
  const LabelPosition& label = model.payoff.label;
  return InsideShownLabel(label.x, label.y, shown.payoffX, shown.payoffY, p, scale);
}

}  // namespace

LineEquation PayoffLine(const Payoff& payoff) {
  return LineEquation{payoff.a, static_cast<double>(payoff.sign), payoff.b, payoff.level};
}

GrabTargets FindGrabTargets(const Model& model, const ShownLabels& shown, const ModelPoint& p) {
  GrabTargets grab;
  if (!IsFinitePoint(p)) return grab;
  // Label boxes are measured from (xMin, yMin) in pixels; where the origin
  // lies on screen does not matter here.
  const PlotScale scale{model.xMin, model.yMin, model.xZoom, model.yZoom};

  // Trimmed lines are drawn only along the feasible area, so they cannot
  // be grabbed at all.
  if (!model.trim) {
    for (int i = 0; i < LINE_COUNT; ++i) {
      if (!model.lines[i].isPresent()) continue;
      if (NearLine(RowLine(model.lines[i]), p, model.xZoom, model.yZoom)) {
        grab.line = i;
        break;
      }
    }
  }
  if (grab.line < 0) {
    for (int j = 0; j < LINE_COUNT; ++j) {
      if (!model.lines[j].isPresent()) continue;
      if (InsideLineLabel(model, shown, j, p, scale)) {
        grab.label = j;
        break;
      }
    }
  }
  // The payoff test does not look at the label grab.
  if (grab.line < 0 && NearLine(PayoffLine(model.payoff), p, model.xZoom, model.yZoom)) {
    grab.payoff = true;
  }
  if (!grab.payoff && grab.line < 0 && grab.label < 0 &&
      InsidePayoffLabel(model, shown, p, scale)) {
    grab.payoffLabel = true;
  }
  return grab;
}

}  // namespace tessaro
