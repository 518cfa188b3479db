#include "editor/form_controller.h"

namespace tessaro {

namespace {

constexpr double kStep = 1.0;
// Below a zoom of 1 the zoom buttons move by the factor 1.2; "-" multiplies
// by this double, the nearest to 1 / 1.2, so that 0.8333333333333334
// stepped up by 1.2 gives exactly 1.0 again.
constexpr double kZoomUp = 1.2;
constexpr double kZoomDown = 0.8333333333333334;

double ZoomedIn(double zoom) {
  return zoom >= 1.0 ? zoom + 1.0 : zoom * kZoomUp;
}

double ZoomedOut(double zoom) {
  double z = zoom - 1.0;
  if (z < 1.0) z = (z + 1.0) * kZoomDown;
  if (z < ZOOM_FLOOR) z = ZOOM_FLOOR;
  return z;
}

}  // namespace

// The PAYOFF buttons ignore Preview Payoff.
void FormController::StepPayoff(double step) {
  FormController& eq = *this;
  eq.BeginModelChange(step > 0 ? "Payoff +1" : "Payoff -1");
  eq.payoffLevel += step;
  eq.StoreInDoc([&](Model& m) { m.payoff.level = eq.payoffLevel; });
  eq.FormatEquation(eq.payoffText, std::string(), eq.payoffA, eq.xLabel, eq.payoffSign, eq.payoffB,
                    eq.yLabel, REL_EQ, eq.payoffLevel);
  eq.FinishModelChange(true);
}

void FormController::payoffPlusClicked() {
  StepPayoff(kStep);
}

void FormController::payoffMinusClicked() {
  StepPayoff(-kStep);
}

// The common body of the constraint buttons; step is +1 or -1.
void FormController::StepLine(int i, int step) {
  FormController& eq = *this;
  if (i < 0 || i >= LINE_COUNT) return;
  eq.BeginModelChange(eq.LineChangeName(i) + (step > 0 ? " +1" : " -1"));
  // With Preview Payoff on, the buttons ask for the shadow price instead;
  // the probe formats and draws by itself.
  if (eq.previewPayoff != 0) {
    eq.ProbeRightHandSide(i, step);
    return;
  }
  eq.lineC[i] += step * kStep;
  eq.StoreInDoc([&](Model& m) { m.lines[i].c = eq.lineC[i]; });
  eq.FormatEquation(eq.lineText[i], eq.lineName[i], eq.lineA[i], eq.xLabel, eq.rowSign[i],
                    eq.lineB[i], eq.yLabel, eq.rowRelation[i], eq.lineC[i]);
  eq.FinishModelChange(true);
}

void FormController::linePlusClicked(int i) {
  StepLine(i, +1);
}

void FormController::lineMinusClicked(int i) {
  StepLine(i, -1);
}

void FormController::zoomPlusClicked(bool yAxis) {
  BeginModelChange(yAxis ? "Y Zoom +" : "X Zoom +");
  double& zoom = yAxis ? yZoom : xZoom;
  zoom = ZoomedIn(zoom);
  StoreInDoc([&](Model& m) { (yAxis ? m.yZoom : m.xZoom) = zoom; });
  // Neither the lattice points nor the far bounds follow here; the far
  // bounds are recomputed by the next deferred refresh.
  FinishModelChange(false);
}

void FormController::zoomMinusClicked(bool yAxis) {
  BeginModelChange(yAxis ? "Y Zoom -" : "X Zoom -");
  double& zoom = yAxis ? yZoom : xZoom;
  zoom = ZoomedOut(zoom);
  StoreInDoc([&](Model& m) { (yAxis ? m.yZoom : m.xZoom) = zoom; });
  FinishModelChange(false);
}

namespace {

// The range value a button steps, in the model or in the document.
template <class Fields>
double& RangeValue(Fields& m, int which) {
  switch (which) {
    case 0:
      return m.xMin;
    case 1:
      return m.xMax;
    case 2:
      return m.yMin;
    default:
      return m.yMax;
  }
}

}  // namespace

// Nothing compares the minimum with the maximum.
void FormController::StepRange(int which, double step) {
  FormController& eq = *this;
  if (which < 0 || which > 3) return;
  static const char* const kNames[] = {"X Min", "X Max", "Y Min", "Y Max"};
  eq.BeginModelChange(std::string(kNames[which]) + (step > 0 ? " +1" : " -1"));
  double& value = RangeValue(eq, which);
  value += step;
  eq.StoreInDoc([&](Model& m) { RangeValue(m, which) = value; });
  eq.FinishModelChange(false);
}

void FormController::rangePlusClicked(int which) {
  StepRange(which, kStep);
}

void FormController::rangeMinusClicked(int which) {
  StepRange(which, -kStep);
}

bool FormController::stepButtonClicked(int buttonId) {
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (buttonId == ctl::LINE_PLUS[i]) {
      linePlusClicked(i);
      return true;
    }
    if (buttonId == ctl::LINE_MINUS[i]) {
      lineMinusClicked(i);
      return true;
    }
  }
  switch (buttonId) {
    case ctl::PAYOFF_PLUS:
      payoffPlusClicked();
      return true;
    case ctl::PAYOFF_MINUS:
      payoffMinusClicked();
      return true;
    case ctl::X_ZOOM_PLUS:
      zoomPlusClicked(false);
      return true;
    case ctl::X_ZOOM_MINUS:
      zoomMinusClicked(false);
      return true;
    case ctl::Y_ZOOM_PLUS:
      zoomPlusClicked(true);
      return true;
    case ctl::Y_ZOOM_MINUS:
      zoomMinusClicked(true);
      return true;
    case ctl::X_MIN_PLUS:
      rangePlusClicked(0);
      return true;
    case ctl::X_MIN_MINUS:
      rangeMinusClicked(0);
      return true;
    case ctl::X_MAX_PLUS:
      rangePlusClicked(1);
      return true;
    case ctl::X_MAX_MINUS:
      rangeMinusClicked(1);
      return true;
    case ctl::Y_MIN_PLUS:
      rangePlusClicked(2);
      return true;
    case ctl::Y_MIN_MINUS:
      rangeMinusClicked(2);
      return true;
    case ctl::Y_MAX_PLUS:
      rangePlusClicked(3);
      return true;
    case ctl::Y_MAX_MINUS:
      rangeMinusClicked(3);
      return true;
    default:
      return false;
  }
}

}  // namespace tessaro
