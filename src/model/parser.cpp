#include <map>
#include <utility>
#include <vector>

#include "model/equation.h"
#include "model/parse_line.h"

namespace tessaro {

// The text and the labels are read whole, whatever their length; there is
// no fixed work area to outgrow.
int CEquation::ParseEquation(std::string text, std::string* name, double& xCoef, int& sign,
                             double& yCoef, double& relation, double& rhs, std::string* refusal) {
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
void CEquation::NoteField(int fieldId, const std::string& reason) {
  if (notices_.Set(fieldId, reason)) host_.SetFieldNotice(fieldId, reason);
  // A line that waits for a label marks that label's field too.
  for (const auto& [labelId, message] :
       {std::pair{ctl::X_LABEL, MSG_NO_X_LABEL}, std::pair{ctl::Y_LABEL, MSG_NO_Y_LABEL}}) {
    const std::string mark = notices_.Has(message) ? message : "";
    if (notices_.Set(labelId, mark)) host_.SetFieldNotice(labelId, mark);
  }
}

void CEquation::ClearFieldNotices() {
  const std::map<int, std::string> shown = notices_.All();
  for (const auto& [id, reason] : shown) {
    notices_.Set(id, "");
    host_.SetFieldNotice(id, "");
  }
}

void CEquation::RefreshTextsKeepingRefused() {
  // The typed texts are still in the working model: the form was pulled
  // before the texts are written from the model.
  std::vector<std::pair<int, std::string>> typed;
  for (const auto& [id, reason] : notices_.All()) {
    if (id == ctl::PAYOFF) typed.emplace_back(id, payoffText);
    if (id >= ctl::LINE0 && id < ctl::LINE0 + LINE_COUNT) {
      typed.emplace_back(id, lineText[static_cast<std::size_t>(id - ctl::LINE0)]);
    }
  }
  RefreshEquationTexts();
  RedrawGraph();
  for (const auto& [id, text] : typed) host_.SetFieldText(id, text);
  for (const auto& [id, text] : typed) {
    if (id == ctl::PAYOFF) {
      OnChangePayoff();
    } else {
      OnChangeLine(id - ctl::LINE0);
    }
  }
}

}  // namespace tessaro
