#include "model/format_line.h"

#include "model/number_text.h"
#include "model/saturate.h"

namespace tessaro {

namespace {
constexpr int kNumberWidth = 4;
}  // namespace

int LineTextDecimals(int decimals) {
  if (decimals < 0) return 0;
  if (decimals > MAX_TEXT_DECIMALS) return MAX_TEXT_DECIMALS;
  return decimals;
}

const char* RelationText(double relation) {
  switch (SaturateToInt(relation)) {
    case 1:
      return "=";
    case 2:
      return ">=";
    default:
      return "<=";
  }
}

char SignCharacter(double sign) {
  return SaturateToInt(sign) < 0 ? '-' : '+';
}

std::string FormatLine(std::string_view name, double xCoef, std::string_view xLabel, double sign,
                       double yCoef, std::string_view yLabel, double relation, double rhs,
                       int decimals) {
  const int digits = LineTextDecimals(decimals);
  std::string text;
  if (!name.empty()) {
    text += name;
    text += ": ";
  }
  text += FormatFixed(xCoef, digits, kNumberWidth);
  if (!xLabel.empty()) {
    text += ' ';
    text += xLabel;
  }
  text += ' ';
  text += SignCharacter(sign);
  text += ' ';
  text += FormatFixed(yCoef, digits, kNumberWidth);
  if (!yLabel.empty()) {
    text += ' ';
    text += yLabel;
  }
  text += ' ';
  text += RelationText(relation);
  text += ' ';
  text += FormatFixed(rhs, digits, kNumberWidth);
  text += ' ';
  return text;
}

}  // namespace tessaro
