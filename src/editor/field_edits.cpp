#include <string>
#include <utility>

#include "editor/form_controller.h"
#include "model/parse_line.h"

namespace tessaro {

void FormController::fieldEdited(int fieldId) {
  if (fieldId == ctl::X_LABEL || fieldId == ctl::Y_LABEL) {
    labelEdited(fieldId);
  } else if (fieldId == ctl::PAYOFF) {
    payoffEdited();
  } else if (IsLineField(fieldId)) {
    lineEdited(fieldId - ctl::LINE0);
  } else {
    rangeFieldEdited();
  }
}

void FormController::labelEdited(int fieldId) {
  // Before the form's controls exist there is nothing to read.
  if (!window_.FormReady()) return;
  const bool xAxis = fieldId == ctl::X_LABEL;
  ContinueModelChange(xAxis ? "Edit X Label" : "Edit Y Label");
  CheckFields();
  const std::string label = window_.FieldText(fieldId);
  Change([&](Model& m) { (xAxis ? m.xLabel : m.yLabel) = label; });
  ShowTextsRereadingRefused();
}

// The text and the labels are read whole, whatever their length; there is
// no fixed work area to outgrow.
void FormController::payoffEdited() {
  ContinueModelChange("Edit Payoff");
  if (!CheckFields()) return;
  const Model& model = doc_->model();
  const ParsedLine read =
      ParseLineText(window_.FieldText(ctl::PAYOFF), model.xLabel, model.yLabel, LineKind::Payoff);
  if (read.outcome == ParseOutcome::Read) {
    // The document first, then the picture of it. The PAYOFF line always
    // reads "=": a relation typed is dropped.
    Change([&](Model& m) {
      m.payoff.a = read.xCoef;
      m.payoff.sign = read.sign < 0 ? -1 : 1;
      m.payoff.b = read.yCoef;
      m.payoff.level = read.rhs;
    });
    if (doc_->model().integerDots) ComputeIntegerDots();
    redraw();
  }
  NoteField(ctl::PAYOFF, RefusalText(read));
}

void FormController::lineEdited(int i) {
  if (i < 0 || i >= LINE_COUNT) return;
  if (!CheckFields()) return;
  const int fieldId = ctl::LINE0 + i;
  const Model& model = doc_->model();
  const ParsedLine read = ParseLineText(window_.FieldText(fieldId), model.xLabel, model.yLabel);
  NoteField(fieldId, RefusalText(read));
  // Only a line that was read reaches the document, and then the picture:
  // a refused text leaves the stored line and the plot as they were.
  if (read.outcome != ParseOutcome::Read) return;
  ContinueModelChange("Edit " + LineChangeName(read.name, i), "Edit line " + std::to_string(i));
  Change([&](Model& m) {
    Line& line = m.lines[i];
    line.name = read.name;
    line.a = read.xCoef;
    line.sign = read.sign < 0 ? -1 : 1;
    line.b = read.yCoef;
    if (read.relationFound) line.relation = RelationOfCode(read.relation);
    line.c = read.rhs;
  });
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

// The range, zoom and decimals fields are read a moment later by
// refreshTimerFired, so that several keystrokes are taken together.
void FormController::rangeFieldEdited() {
  ContinueModelChange("Edit Ranges");
  window_.StartRefreshTimer();
}

// A refused text is not a box: a box at each keystroke would take the
// keystrokes that follow, and a box that moved the focus would send them
// into another field. The field says instead that its text is not read.
void FormController::NoteField(int fieldId, const std::string& reason) {
  if (notices_.Set(fieldId, reason, window_.FieldText(fieldId))) {
    window_.SetFieldNotice(fieldId, reason);
  }
  // A line that waits for a label marks that label's field too.
  for (const auto& [labelId, message] :
       {std::pair{ctl::X_LABEL, MSG_NO_X_LABEL}, std::pair{ctl::Y_LABEL, MSG_NO_Y_LABEL}}) {
    const std::string mark = notices_.Has(message, labelId) ? message : "";
    if (notices_.Set(labelId, mark)) window_.SetFieldNotice(labelId, mark);
  }
}

void FormController::ShowTextsRereadingRefused() {
  ShowLineTexts();
  ShowFields();
  redraw();
  for (int id : notices_.Fields()) {
    if (id == ctl::PAYOFF) payoffEdited();
    if (IsLineField(id)) lineEdited(id - ctl::LINE0);
  }
}

}  // namespace tessaro
