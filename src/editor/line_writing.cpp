#include "editor/form_controller.h"
#include "model/format_line.h"

namespace tessaro {

// The text is built to its full length: names, labels and numbers of any
// size and up to MAX_TEXT_DECIMALS decimals are written whole.
void FormController::FormatEquation(std::string& dest, std::string name, double xCoef,
                                    std::string xLabelText, double sign, double yCoef,
                                    std::string yLabelText, double relation, double rhs) const {
  dest = FormatLine(name, xCoef, xLabelText, sign, yCoef, yLabelText, relation, rhs, decimals);
}

// A field whose text is not read keeps it: the user is still typing there.
void FormController::RefreshEquationTexts() {
  if (notices_.Reason(ctl::PAYOFF).empty()) {
    FormatEquation(payoffText, std::string(), payoffA, xLabel, payoffSign, payoffB, yLabel, REL_EQ,
                   payoffLevel);
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (!notices_.Reason(ctl::LINE0 + i).empty()) continue;
    FormatEquation(lineText[i], lineName[i], lineA[i], xLabel, rowSign[i], lineB[i], yLabel,
                   rowRelation[i], lineC[i]);
  }
  ShowFields();
}

}  // namespace tessaro
