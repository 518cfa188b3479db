#include "render/label_text.h"

#include <algorithm>

#include "model/number_text.h"

namespace tessaro {

int LabelDecimals(int decimals) {
  return std::clamp(decimals, 0, LABEL_DECIMALS_MAX);
}

namespace {

// Width of the number fields of labels and printed constraints.
constexpr int LINE_NUMBER_WIDTH = 5;

std::string Operator(bool plus) {
  return plus ? " + " : " - ";
}

}  // namespace

std::string LineLabelText(const std::string& name, double a, const std::string& xLabel, bool plus,
                          double b, const std::string& yLabel, double c, int decimals) {
  int n = LabelDecimals(decimals);
  return name + ": " + FormatFixed(a, n, LINE_NUMBER_WIDTH) + " " + xLabel + Operator(plus) +
         FormatFixed(b, n, LINE_NUMBER_WIDTH) + " " + yLabel + " = " +
         FormatFixed(c, n, LINE_NUMBER_WIDTH);
}

std::string PayoffLabelText(double a, const std::string& xLabel, bool plus, double b,
                            const std::string& yLabel, double level, int decimals) {
  return LineLabelText("Payoff", a, xLabel, plus, b, yLabel, level, decimals);
}

std::string StatusHead(const std::string& xLabel, const std::string& yLabel) {
  return "Optimal Decisions(" + xLabel + ", " + yLabel + "): ";
}

std::string PrintedHead(const std::string& xLabel, const std::string& yLabel) {
  return "Optimal Decisions(" + xLabel + "," + yLabel + "):";
}

std::string PrintedConstraintText(const std::string& name, double a, const std::string& xLabel,
                                  bool plus, double b, const std::string& yLabel, int relation,
                                  double c, int decimals) {
  int n = TextDecimals(decimals);
  const char* rel = relation == 0 ? " <= " : relation == 1 ? " = " : " >= ";
  return name + ": " + FormatFixed(a, n, LINE_NUMBER_WIDTH) + xLabel + Operator(plus) +
         FormatFixed(b, n, LINE_NUMBER_WIDTH) + yLabel + rel + FormatFixed(c, n, LINE_NUMBER_WIDTH);
}

}  // namespace tessaro
