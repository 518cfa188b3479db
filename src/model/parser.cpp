#include "model/equation.h"
#include "model/parse_line.h"

namespace tessaro {

// The text and the labels are read whole, whatever their length; there is
// no fixed work area to outgrow.
int CEquation::ParseEquation(std::string text, std::string* name, double& xCoef, int& sign,
                             double& yCoef, double& relation, double& rhs) {
  const ParsedLine line = ParseLineText(text, xLabel, yLabel);
  switch (line.outcome) {
    case ParseOutcome::NoXLabel:
      host_.ShowMessage(MSG_NO_X_LABEL, MsgButtons::Ok, MsgIcon::Exclamation);
      host_.FocusField(ctl::X_LABEL, false);
      return 0;
    case ParseOutcome::NoYLabel:
      host_.ShowMessage(MSG_NO_Y_LABEL, MsgButtons::Ok, MsgIcon::Exclamation);
      host_.FocusField(ctl::Y_LABEL, false);
      return 0;
    case ParseOutcome::TwoColons:
      if (name != nullptr) *name = line.name;
      host_.ShowMessage(MSG_TWO_COLONS, MsgButtons::Ok, MsgIcon::Exclamation);
      return 0;
    case ParseOutcome::Read:
      break;
  }
  if (name != nullptr) *name = line.name;
  xCoef = line.xCoef;
  sign = line.sign;
  yCoef = line.yCoef;
  if (line.relationFound) relation = line.relation;
  rhs = line.rhs;
  return 1;
}

}  // namespace tessaro
