#include <string>

#include "editor/drag_value.h"
#include "editor/form_controller.h"
#include "editor/grab.h"
#include "editor/pointer_mapping.h"
#include "editor/rotation.h"
#include "render/label_text.h"
#include "solver/geometry.h"

// The pointer handlers of the form view. They draw nothing themselves: the
// grabbed item is recorded in the drag fields and the drawing highlights
// it. Every value computed from the pointer is checked before it is
// stored, so a drag at an extreme zoom or range, or a rotation on an axis,
// leaves the model as it was instead of writing a non-finite number. Each
// step copies into the document exactly the fields it changed.

namespace tessaro {

namespace {

ModelPoint PointerToModel(const FormController& eq, int px, int py) {
  return ViewToModel(px, py, ScaleOf(eq, eq.view));
}

// The payoff line written as an "=" line with the current level.
void FormatPayoffText(FormController& eq) {
  eq.FormatEquation(eq.payoffText, std::string(), eq.payoffA, eq.xLabel, eq.payoffSign, eq.payoffB,
                    eq.yLabel, REL_EQ, eq.payoffLevel);
}

// Moves constraint line i parallel to itself through p: its right-hand
// side becomes the line's value at p, cut to the shown decimals.
void DragLineTo(FormController& eq, int i, const ModelPoint& p) {
  double rhs = eq.rowA[i] * p.x + eq.rowSign[i] * eq.rowB[i] * p.y;
  if (!UsableDragValue(rhs)) return;
  TruncateDecimals(rhs, eq.decimals);
  eq.rowC[i] = rhs;
  eq.lineC[i] = rhs;
  eq.StoreInDoc([&](Model& m) { m.lines[i].c = rhs; });
  eq.FormatEquation(eq.lineText[i], eq.lineName[i], eq.lineA[i], eq.xLabel, eq.rowSign[i],
                    eq.lineB[i], eq.yLabel, eq.rowRelation[i], eq.lineC[i]);
  eq.ShowFields();
  if (eq.integerDotsOn != 0) eq.ComputeIntegerDots();
  eq.RedrawGraph();
}

// The offsets of a label whose top-left corner follows p; false when they
// cannot be stored.
bool LabelOffsetsAt(const FormController& eq, const ModelPoint& p, double& lx, double& ly) {
  lx = p.x - eq.xMin;
  ly = p.y - eq.yMin;
  return UsableDragValue(lx) && UsableDragValue(ly);
}

void DragLabelTo(FormController& eq, int j, const ModelPoint& p) {
  double lx = 0.0;
  double ly = 0.0;
  if (!LabelOffsetsAt(eq, p, lx, ly)) return;
  eq.labelX[j] = lx;
  eq.labelY[j] = ly;
  eq.ShowFields();
  eq.SyncDecimalsSpin();
  eq.StoreInDoc([&](Model& m) { m.lines[j].label = LabelPosition{lx, ly}; });
  eq.RedrawGraph();
}

// Moves the payoff line parallel to itself through p. The text is written
// before the redraw so that the status pane shows the new level.
void DragPayoffTo(FormController& eq, const ModelPoint& p) {
  double level = eq.payoffA * p.x + eq.payoffSign * eq.payoffB * p.y;
  if (!UsableDragValue(level)) return;
  TruncateDecimals(level, eq.decimals);
  eq.payoffLevel = level;
  eq.StoreInDoc([&](Model& m) { m.payoff.level = level; });
  FormatPayoffText(eq);
  eq.ShowFields();
  eq.SyncDecimalsSpin();
  eq.RedrawGraph();
}

// Turns the payoff line about one of its axis intercepts so that it passes
// through p. Both coefficients are cut to the shown decimals before they
// are stored, drawn and written, so the document, the picture and the text
// agree. Where the rotation is undefined nothing changes, and the next
// movement off the axis goes on rotating.
void RotatePayoffTo(FormController& eq, const ModelPoint& p) {
  const std::optional<double> coefficient = RotatedCoefficient(eq.rotatePayoff, PayoffLine(eq), p);
  if (!coefficient) return;
  if (eq.rotatePayoff == ROTATE_KEEP_X_INTERCEPT) {
    eq.payoffB = *coefficient;
  } else {
    eq.payoffA = *coefficient;
  }
  TruncateDecimals(eq.payoffA, eq.decimals);
  TruncateDecimals(eq.payoffB, eq.decimals);
  // Only the coefficients go into the document: the level is the right
  // press's preview, which the release takes back.
  eq.StoreInDoc([&](Model& m) {
    m.payoff.a = eq.payoffA;
    m.payoff.b = eq.payoffB;
  });
  FormatPayoffText(eq);
  eq.ShowFields();
  eq.SyncDecimalsSpin();
  eq.RedrawGraph();
}

void DragPayoffLabelTo(FormController& eq, const ModelPoint& p) {
  double lx = 0.0;
  double ly = 0.0;
  if (!LabelOffsetsAt(eq, p, lx, ly)) return;
  eq.payoffLabelX = lx;
  eq.payoffLabelY = ly;
  eq.StoreInDoc([&](Model& m) { m.payoff.label = LabelPosition{lx, ly}; });
  eq.RedrawGraph();
}

bool ValidLineIndex(int i) {
  return i >= 0 && i < LINE_COUNT;
}

}  // namespace

void FormController::pointerMoved(int px, int py) {
  const ModelPoint p = PointerToModel(*this, px, py);
  // The same " (%4.Nf, %4.Nf)" piece as an optimal point: N = decimals,
  // none when negative, and no fixed-size text whatever N is.
  host_.SetStatusPane(0, OptimalPointPiece(p.x, p.y, decimals));
  if (!IsFinitePoint(p)) return;

  // Separate tests in this order: one movement can apply several.
  if (ValidLineIndex(dragLine)) DragLineTo(*this, dragLine, p);
  if (ValidLineIndex(dragLabel)) DragLabelTo(*this, dragLabel, p);
  if (dragPayoff >= 0) DragPayoffTo(*this, p);
  if (rotatePayoff >= 0) RotatePayoffTo(*this, p);
  if (dragPayoffLabel >= 0) DragPayoffLabelTo(*this, p);
}

void FormController::leftPressed(int px, int py) {
  const ModelPoint p = PointerToModel(*this, px, py);
  // A left press does not end a rotation under way.
  dragPayoffLabel = -1;
  dragLine = -1;
  dragPayoff = -1;
  dragLabel = -1;

  // Each grab takes its own snapshot before anything changes, so one Undo
  // reverts the whole drag.
  const GrabTargets grab = FindGrabTargets(*this, p);
  if (grab.line >= 0) {
    dragLine = grab.line;
    BeginModelChange("Drag " + LineChangeName(grab.line));
  }
  if (grab.label >= 0) {
    dragLabel = grab.label;
    BeginModelChange("Move " + LineChangeName(grab.label) + " Label");
  }
  if (grab.payoff) {
    dragPayoff = 1;
    BeginModelChange("Drag Payoff");
  }
  if (grab.payoffLabel) {
    dragPayoffLabel = 1;
    BeginModelChange("Move Payoff Label");
  }
  RedrawGraph();
}

void FormController::leftReleased() {
  dragLine = -1;
  dragLabel = -1;
  dragPayoff = -1;
  dragPayoffLabel = -1;
  RedrawGraph();
}

void FormController::rightPressed(int px, int py) {
  const ModelPoint p = PointerToModel(*this, px, py);
  rotatePayoff = ROTATE_NONE;
  if (OnPayoffBand(PayoffLine(*this), p)) {
    rotatePayoff = RotationModeAt(p);
    BeginModelChange("Turn Payoff");
  }
  dragLine = -1;
  dragLabel = -1;
  dragPayoff = -1;
  dragPayoffLabel = -1;

  // Preview: the payoff line runs through the pressed point until release.
  // The preview level is not cut to the decimals and not stored.
  savedPayoffLevel = payoffLevel;
  if (IsFinitePoint(p)) {
    const double preview = payoffA * p.x + payoffSign * payoffB * p.y;
    if (UsableDragValue(preview)) payoffLevel = preview;
  }
  FormatPayoffText(*this);
  ShowFields();
  RedrawGraph();
}

void FormController::rightReleased() {
  dragLine = -1;
  dragLabel = -1;
  dragPayoff = -1;
  dragPayoffLabel = -1;
  rotatePayoff = ROTATE_NONE;
  // A release without any press in this view has no level to restore.
  if (savedPayoffLevel != NO_POINT) payoffLevel = savedPayoffLevel;
  FormatPayoffText(*this);
  ShowFields();
  RedrawGraph();
}

bool FormController::wouldGrab(int px, int py) const {
  return FindGrabTargets(*this, PointerToModel(*this, px, py)).Any();
}

}  // namespace tessaro
