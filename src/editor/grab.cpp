#include "editor/grab.h"

#include <cmath>

namespace tessaro {

namespace {

bool EmptyRow(const ModelState& model, int i) {
  return model.rowA[i] == 0.0 && model.rowB[i] == 0.0;
}

LineEquation RowLine(const ModelState& model, int i) {
  return LineEquation{model.rowA[i], static_cast<double>(model.rowSign[i]), model.rowB[i],
                      model.rowC[i]};
}

// A label is where the last drawing put it: a user's place kept within the
// plot, or the laid-out place of a default one. Before any drawing, a
// user's label is where its offsets say.
bool InsideShownLabel(double lx, double ly, double shownX, double shownY, const ModelPoint& p,
                      const PlotScale& scale) {
  if (IsPlacedLabel(lx, ly) && !IsPlacedLabel(shownX, shownY)) return InsideLabel(lx, ly, p, scale);
  return InsideLabel(shownX, shownY, p, scale);
}

bool InsideLineLabel(const ModelState& model, int j, const ModelPoint& p, const PlotScale& scale) {
  return InsideShownLabel(model.labelX[j], model.labelY[j], model.shownLabelX[j],
                          model.shownLabelY[j], p, scale);
}

bool InsidePayoffLabel(const ModelState& model, const ModelPoint& p, const PlotScale& scale) {
  return InsideShownLabel(model.payoffLabelX, model.payoffLabelY, model.shownPayoffLabelX,
                          model.shownPayoffLabelY, p, scale);
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
      if (InsideLineLabel(model, j, p, scale)) {
        grab.label = j;
        break;
      }
    }
  }
  // The payoff test does not look at the label grab.
  if (grab.line < 0 && NearLine(PayoffLine(model), p, model.xZoom, model.yZoom)) {
    grab.payoff = true;
  }
  if (!grab.payoff && grab.line < 0 && grab.label < 0 && InsidePayoffLabel(model, p, scale)) {
    grab.payoffLabel = true;
  }
  return grab;
}

}  // namespace tessaro
