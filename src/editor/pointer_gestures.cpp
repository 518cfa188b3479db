#include <string>

#include "editor/drag_value.h"
#include "editor/form_controller.h"
#include "editor/grab.h"
#include "editor/pointer_mapping.h"
#include "editor/rotation.h"
#include "render/label_text.h"
#include "solver/geometry.h"

// The pointer handlers of the form view. They draw nothing themselves: the
// grabbed item is recorded in the gesture and the drawing highlights it.
// Every value computed from the pointer is checked before it is stored, so
// a drag at an extreme zoom or range, or a rotation on an axis, leaves the
// model as it was instead of writing a non-finite number. Each step changes
// in the document exactly the fields it moves.

namespace tessaro {

namespace {

ModelPoint PointerToModel(const Model& model, const PlotView& view, int px, int py) {
  return ViewToModel(px, py, ScaleOf(model, view));
}

bool ValidLineIndex(int i) {
  return i >= 0 && i < LINE_COUNT;
}

}  // namespace

// Moves constraint line i parallel to itself through (x, y): its right-hand
// side becomes the line's value there, cut to the shown decimals.
void FormController::DragLineTo(int i, double x, double y) {
  const Line& line = doc_->model().lines[i];
  double rhs = line.a * x + line.sign * line.b * y;
  if (!UsableDragValue(rhs)) return;
  TruncateDecimals(rhs, doc_->model().decimals);
  Change([&](Model& m) { m.lines[i].c = rhs; });
  ShowLineText(ctl::LINE0 + i);
  ShowFields();
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

// The label's top-left corner follows the pointer; offsets that cannot be
// stored leave it where it was.
std::optional<LabelPosition> FormController::LabelAt(double x, double y) const {
  const LabelPosition at{x - doc_->model().xMin, y - doc_->model().yMin};
  if (!UsableDragValue(at.x) || !UsableDragValue(at.y)) return std::nullopt;
  return at;
}

void FormController::DragLabelTo(int j, double x, double y) {
  const std::optional<LabelPosition> at = LabelAt(x, y);
  if (!at) return;
  Change([&](Model& m) { m.lines[j].label = *at; });
  ShowFields();
  SyncDecimalsSpin();
  redraw();
}

// Moves the payoff line parallel to itself through (x, y). The text is
// written before the redraw so that the status pane shows the new level.
void FormController::DragPayoffTo(double x, double y) {
  const Payoff& payoff = doc_->model().payoff;
  double through = payoff.a * x + payoff.sign * payoff.b * y;
  if (!UsableDragValue(through)) return;
  TruncateDecimals(through, doc_->model().decimals);
  const double level = through;
  // The line follows the pointer even while a right-button preview lasts.
  if (previewLevel_) previewLevel_.emplace(level);
  Change([level](Model& m) { m.payoff.level = level; });
  ShowLineText(ctl::PAYOFF);
  ShowFields();
  SyncDecimalsSpin();
  redraw();
}

// Turns the payoff line about one of its axis intercepts so that it passes
// through (x, y). Both coefficients are cut to the shown decimals before
// they are stored, drawn and written, so the document, the picture and the
// text agree. Where the rotation is undefined nothing changes, and the next
// movement off the axis goes on rotating.
void FormController::RotatePayoffTo(double x, double y) {
  const Payoff& shown = Shown().payoff;
  const std::optional<double> coefficient =
      RotatedCoefficient(gesture_.rotate, PayoffLine(shown), ModelPoint{x, y});
  if (!coefficient) return;
  double a = shown.a;
  double b = shown.b;
  (gesture_.rotate == ROTATE_KEEP_X_INTERCEPT ? b : a) = *coefficient;
  const int decimals = doc_->model().decimals;
  TruncateDecimals(a, decimals);
  TruncateDecimals(b, decimals);
  // Only the coefficients go into the document: the level is the right
  // press's preview, which the release takes back.
  Change([&](Model& m) {
    m.payoff.a = a;
    m.payoff.b = b;
  });
  ShowLineText(ctl::PAYOFF);
  ShowFields();
  SyncDecimalsSpin();
  redraw();
}

void FormController::DragPayoffLabelTo(double x, double y) {
  const std::optional<LabelPosition> at = LabelAt(x, y);
  if (!at) return;
  Change([&](Model& m) { m.payoff.label = *at; });
  redraw();
}

void FormController::pointerMoved(int px, int py) {
  const ModelPoint p = PointerToModel(Shown(), view_, px, py);
  // The same " (%4.Nf, %4.Nf)" piece as an optimal point: N = decimals,
  // none when negative, and no fixed-size text whatever N is.
  window_.SetStatusPane(0, OptimalPointPiece(p.x, p.y, Shown().decimals));
  if (!IsFinitePoint(p)) return;

  // Separate tests in this order: one movement can apply several.
  if (ValidLineIndex(gesture_.line)) DragLineTo(gesture_.line, p.x, p.y);
  if (ValidLineIndex(gesture_.label)) DragLabelTo(gesture_.label, p.x, p.y);
  if (gesture_.payoff) DragPayoffTo(p.x, p.y);
  if (gesture_.turning()) RotatePayoffTo(p.x, p.y);
  if (gesture_.payoffLabel) DragPayoffLabelTo(p.x, p.y);
}

// Ends every gesture but a rotation, which only the right button ends.
void FormController::EndGestures() {
  gesture_.line = -1;
  gesture_.label = -1;
  gesture_.payoff = false;
  gesture_.payoffLabel = false;
}

void FormController::leftPressed(int px, int py) {
  const ModelPoint p = PointerToModel(Shown(), view_, px, py);
  EndGestures();
  // Each grab starts its own history entry before anything changes, so one
  // Undo reverts the whole drag.
  const GrabTargets grab = FindGrabTargets(Shown(), shownLabels_, p);
  if (grab.line >= 0) {
    gesture_.line = grab.line;
    BeginModelChange("Drag " + LineChangeName(grab.line));
  }
  if (grab.label >= 0) {
    gesture_.label = grab.label;
    BeginModelChange("Move " + LineChangeName(grab.label) + " Label");
  }
  if (grab.payoff) {
    gesture_.payoff = true;
    BeginModelChange("Drag Payoff");
  }
  if (grab.payoffLabel) {
    gesture_.payoffLabel = true;
    BeginModelChange("Move Payoff Label");
  }
  redraw();
}

void FormController::leftReleased() {
  EndGestures();
  redraw();
}

void FormController::rightPressed(int px, int py) {
  const ModelPoint p = PointerToModel(Shown(), view_, px, py);
  gesture_.rotate = ROTATE_NONE;
  if (OnPayoffBand(PayoffLine(Shown().payoff), p)) {
    gesture_.rotate = RotationModeAt(p);
    BeginModelChange("Turn Payoff");
  }
  EndGestures();

  // Preview: the payoff line runs through the pressed point until release.
  // The preview level is not cut to the decimals and not stored.
  if (IsFinitePoint(p)) {
    const Payoff& payoff = doc_->model().payoff;
    const double preview = payoff.a * p.x + payoff.sign * payoff.b * p.y;
    if (UsableDragValue(preview)) previewLevel_.emplace(preview);
  }
  ShowLineText(ctl::PAYOFF);
  ShowFields();
  redraw();
}

void FormController::rightReleased() {
  EndGestures();
  gesture_.rotate = ROTATE_NONE;
  previewLevel_.reset();
  ShowLineText(ctl::PAYOFF);
  ShowFields();
  redraw();
}

bool FormController::wouldGrab(int px, int py) const {
  return FindGrabTargets(Shown(), shownLabels_, PointerToModel(Shown(), view_, px, py)).Any();
}

}  // namespace tessaro
