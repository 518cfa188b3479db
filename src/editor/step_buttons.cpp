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
  BeginModelChange(step > 0 ? "Payoff +1" : "Payoff -1");
  Change([&](Model& m) { m.payoff.level += step; });
  ShowLineText(ctl::PAYOFF);
  FinishModelChange(true);
}

// The common body of the constraint buttons; step is +1 or -1.
void FormController::StepLine(int i, int step) {
  if (i < 0 || i >= LINE_COUNT) return;
  BeginModelChange(LineChangeName(i) + (step > 0 ? " +1" : " -1"));
  // With Preview Payoff on, the buttons ask for the shadow price instead;
  // the probe formats and draws by itself.
  if (previewPayoff_) {
    ProbeRightHandSide(i, step);
    return;
  }
  Change([&](Model& m) { m.lines[i].c += step * kStep; });
  ShowLineText(ctl::LINE0 + i);
  FinishModelChange(true);
}

// Neither the lattice points nor the far bounds follow a zoom or range
// button; the far bounds are recomputed by the next deferred refresh.
void FormController::StepZoom(bool yAxis, bool in) {
  BeginModelChange(std::string(yAxis ? "Y Zoom " : "X Zoom ") + (in ? "+" : "-"));
  Change([&](Model& m) {
    double& zoom = yAxis ? m.yZoom : m.xZoom;
    zoom = in ? ZoomedIn(zoom) : ZoomedOut(zoom);
  });
  FinishModelChange(false);
}

// Nothing compares the minimum with the maximum.
void FormController::StepRange(int which, double step) {
  if (which < 0 || which > 3) return;
  static const char* const kNames[] = {"X Min", "X Max", "Y Min", "Y Max"};
  static constexpr double Model::*kValues[] = {&Model::xMin, &Model::xMax, &Model::yMin,
                                               &Model::yMax};
  BeginModelChange(std::string(kNames[which]) + (step > 0 ? " +1" : " -1"));
  Change([&](Model& m) { m.*kValues[which] += step; });
  FinishModelChange(false);
}

bool FormController::stepButtonClicked(int buttonId) {
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (buttonId == ctl::LINE_PLUS[i]) {
      StepLine(i, +1);
      return true;
    }
    if (buttonId == ctl::LINE_MINUS[i]) {
      StepLine(i, -1);
      return true;
    }
  }
  switch (buttonId) {
    case ctl::PAYOFF_PLUS:
      StepPayoff(kStep);
      return true;
    case ctl::PAYOFF_MINUS:
      StepPayoff(-kStep);
      return true;
    case ctl::X_ZOOM_PLUS:
      StepZoom(false, true);
      return true;
    case ctl::X_ZOOM_MINUS:
      StepZoom(false, false);
      return true;
    case ctl::Y_ZOOM_PLUS:
      StepZoom(true, true);
      return true;
    case ctl::Y_ZOOM_MINUS:
      StepZoom(true, false);
      return true;
    case ctl::X_MIN_PLUS:
      StepRange(0, kStep);
      return true;
    case ctl::X_MIN_MINUS:
      StepRange(0, -kStep);
      return true;
    case ctl::X_MAX_PLUS:
      StepRange(1, kStep);
      return true;
    case ctl::X_MAX_MINUS:
      StepRange(1, -kStep);
      return true;
    case ctl::Y_MIN_PLUS:
      StepRange(2, kStep);
      return true;
    case ctl::Y_MIN_MINUS:
      StepRange(2, -kStep);
      return true;
    case ctl::Y_MAX_PLUS:
      StepRange(3, kStep);
      return true;
    case ctl::Y_MAX_MINUS:
      StepRange(3, -kStep);
      return true;
    default:
      return false;
  }
}

}  // namespace tessaro
