#include "interact/grab.h"

namespace tessaro {

namespace {

bool EmptyRow(const ModelState& model, int i) {
  return model.rowA[i] == 0.0 && model.rowB[i] == 0.0;
}

LineEquation RowLine(const ModelState& model, int i) {
  return LineEquation{model.rowA[i], static_cast<double>(model.rowSign[i]), model.rowB[i],
                      model.rowC[i]};
}

}  // namespace

LineEquation PayoffLine(const ModelState& model) {
  return LineEquation{model.payoffA, static_cast<double>(model.payoffSign), model.payoffB,
                      model.payoffLevel};
}

GrabTargets FindGrabTargets(const ModelState& model, const ModelPoint& p) {
  GrabTargets grab;
  if (!IsFinitePoint(p)) return grab;
  // Label boxes are measured from (xMin, yMin) in pixels; where the origin
  // lies on screen does not matter here.
  const PlotScale scale{model.xMin, model.yMin, model.xZoom, model.yZoom};

  // Trimmed lines are drawn only along the feasible area, so they cannot
  // be grabbed at all.
  if (model.trimOn == 0) {
    for (int i = 0; i < LINE_COUNT; ++i) {
      if (EmptyRow(model, i)) continue;
      if (NearLine(RowLine(model, i), p, model.xZoom, model.yZoom)) {
        grab.line = i;
        break;
      }
    }
  }
  if (grab.line < 0) {
    for (int j = 0; j < LINE_COUNT; ++j) {
      if (EmptyRow(model, j)) continue;
      if (InsideLabel(model.labelX[j], model.labelY[j], p, scale)) {
        grab.label = j;
        break;
      }
    }
  }
  // The payoff test does not look at the label grab.
  if (grab.line < 0 && NearLine(PayoffLine(model), p, model.xZoom, model.yZoom)) {
    grab.payoff = true;
  }
  if (!grab.payoff && grab.line < 0 && grab.label < 0 &&
      InsideLabel(model.payoffLabelX, model.payoffLabelY, p, scale)) {
    grab.payoffLabel = true;
  }
  return grab;
}

}  // namespace tessaro
