#include "model/equation.h"
#include "model/format_line.h"

namespace tessaro {

// The text is built to its full length: names, labels and numbers of any
// size and up to MAX_TEXT_DECIMALS decimals are written whole.
void CEquation::FormatEquation(std::string& dest, std::string name, double xCoef,
                               std::string xLabelText, double sign, double yCoef,
                               std::string yLabelText, double relation, double rhs) const {
  dest = FormatLine(name, xCoef, xLabelText, sign, yCoef, yLabelText, relation, rhs, decimals);
}

void CEquation::RefreshEquationTexts() {
  FormatEquation(payoffText, std::string(), payoffA, xLabel, payoffSign, payoffB, yLabel, REL_EQ,
                 payoffLevel);
  for (int i = 0; i < LINE_COUNT; ++i) {
    FormatEquation(lineText[i], lineName[i], lineA[i], xLabel, rowSign[i], lineB[i], yLabel,
                   rowRelation[i], lineC[i]);
  }
  UpdateData(false);
  // The fields show the model's lines now: none holds a refused text.
  ClearFieldNotices();
}

}  // namespace tessaro
