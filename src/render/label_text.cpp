#include "render/label_text.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tessaro {

int LabelDecimals(int decimals) {
  return std::clamp(decimals, 0, LABEL_DECIMALS_MAX);
}

int TextDecimals(int decimals) {
  return std::clamp(decimals, 0, TEXT_DECIMALS_MAX);
}

std::string FormatFixed(double value, int width, int precision) {
  int needed = std::snprintf(nullptr, 0, "%*.*f", width, precision, value);
  if (needed <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%*.*f", width, precision, value);
  return std::string(buffer.data(), static_cast<std::size_t>(needed));
}

namespace {

// Width of the number fields of labels and printed constraints.
constexpr int LINE_NUMBER_WIDTH = 5;
// Width of the coordinates of an optimal point.
constexpr int POINT_NUMBER_WIDTH = 4;

std::string Operator(bool plus) {
  return plus ? " + " : " - ";
}

}  // namespace

std::string LineLabelText(const std::string& name, double a, const std::string& xLabel, bool plus,
                          double b, const std::string& yLabel, double c, int decimals) {
  int n = LabelDecimals(decimals);
  return name + ": " + FormatFixed(a, LINE_NUMBER_WIDTH, n) + " " + xLabel + Operator(plus) +
         FormatFixed(b, LINE_NUMBER_WIDTH, n) + " " + yLabel + " = " +
         FormatFixed(c, LINE_NUMBER_WIDTH, n);
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

std::string OptimalPointPiece(double x, double y, int decimals) {
  int n = TextDecimals(decimals);
  return " (" + FormatFixed(x, POINT_NUMBER_WIDTH, n) + ", " +
         FormatFixed(y, POINT_NUMBER_WIDTH, n) + ")";
}

std::string PrintedConstraintText(const std::string& name, double a, const std::string& xLabel,
                                  bool plus, double b, const std::string& yLabel, int relation,
                                  double c, int decimals) {
  int n = TextDecimals(decimals);
  const char* rel = relation == 0 ? " <= " : relation == 1 ? " = " : " >= ";
  return name + ": " + FormatFixed(a, LINE_NUMBER_WIDTH, n) + xLabel + Operator(plus) +
         FormatFixed(b, LINE_NUMBER_WIDTH, n) + yLabel + rel + FormatFixed(c, LINE_NUMBER_WIDTH, n);
}

}  // namespace tessaro
