#include <utility>

#include "editor/form_controller.h"
#include "model/parse_line.h"

namespace tessaro {

// The text and the labels are read whole, whatever their length; there is
// no fixed work area to outgrow.
int FormController::ParseEquation(std::string text, std::string* name, double& xCoef, int& sign,
                                  double& yCoef, double& relation, double& rhs,
                                  std::string* refusal) {
  const LineKind kind = name == nullptr ? LineKind::Payoff : LineKind::Constraint;
  const ParsedLine line = ParseLineText(text, xLabel, yLabel, kind);
  if (refusal != nullptr) *refusal = RefusalText(line);
  if (line.outcome == ParseOutcome::TwoColons && name != nullptr) *name = line.name;
  if (line.outcome != ParseOutcome::Read) return 0;
  if (name != nullptr) *name = line.name;
  xCoef = line.xCoef;
  sign = line.sign;
  yCoef = line.yCoef;
  if (line.relationFound) relation = line.relation;
  rhs = line.rhs;
  return 1;
}

// A refused text is not a box: a box at each keystroke would take the
// keystrokes that follow, and a box that moved the focus would send them
// into another field. The field says instead that its text is not read.
void FormController::NoteField(int fieldId, const std::string& reason) {
  if (notices_.Set(fieldId, reason, TypedText(fieldId))) host_.SetFieldNotice(fieldId, reason);
  // A line that waits for a label marks that label's field too.
  for (const auto& [labelId, message] :
       {std::pair{ctl::X_LABEL, MSG_NO_X_LABEL}, std::pair{ctl::Y_LABEL, MSG_NO_Y_LABEL}}) {
    const std::string mark = notices_.Has(message, labelId) ? message : "";
    if (notices_.Set(labelId, mark)) host_.SetFieldNotice(labelId, mark);
  }
}

std::string FormController::TypedText(int fieldId) const {
  if (fieldId == ctl::PAYOFF) return payoffText;
  if (IsLineField(fieldId)) return lineText[static_cast<std::size_t>(fieldId - ctl::LINE0)];
  return {};
}

void FormController::DropStaleNotices() {
  for (int id : notices_.Fields()) {
    if ((id == ctl::PAYOFF || IsLineField(id)) && TypedText(id) != notices_.Text(id)) {
      NoteField(id, "");
    }
  }
}

void FormController::RefreshTextsRereadingRefused() {
  RefreshEquationTexts();
  RedrawGraph();
  for (int id : notices_.Fields()) {
    if (id == ctl::PAYOFF) payoffEdited();
    if (IsLineField(id)) lineEdited(id - ctl::LINE0);
  }
}

}  // namespace tessaro
