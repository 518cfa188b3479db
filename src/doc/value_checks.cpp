#include "doc/value_checks.h"

#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

// Enough digits to tell the stored value apart, never a page of them.
std::string Shown(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string Constraint(int index) {
  return "constraint " + std::to_string(index + 1);
}

// Collects the first problem; later checks are skipped.
class FirstProblem {
 public:
  void Sign(double code, const char* field, const std::string& of) {
    if (problem_.empty() && code != 1.0 && code != -1.0) {
      problem_ = std::string(field) + of + " is " + Shown(code) + "; it must be +1 or -1.";
    }
  }
  void Relation(double code, const std::string& of) {
    if (problem_.empty() && code != 0.0 && code != 1.0 && code != 2.0) {
      problem_ =
          "The relation of " + of + " is " + Shown(code) + "; it must be 0 (<=), 1 (=) or 2 (>=).";
    }
  }
  void Finite(double value, const char* field, const std::string& of = {}) {
    if (problem_.empty() && !std::isfinite(value)) {
      problem_ = std::string(field) + of + " is " + Shown(value) + "; it must be a finite number.";
    }
  }
  std::string Take() { return std::move(problem_); }

 private:
  std::string problem_;
};

}  // namespace

std::string FirstBadValue(const StoredNumbers& n) {
  FirstProblem p;
  for (int i = 0; i < kLineCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::string of = Constraint(i);
    p.Finite(n.a[k], "The x coefficient of ", of);
    p.Finite(n.b[k], "The y coefficient of ", of);
    p.Finite(n.c[k], "The right-hand side of ", of);
    p.Sign(n.sign[k], "The sign of ", of);
    p.Relation(n.relation[k], of);
    p.Finite(n.labelX[k], "The label position of ", of);
    p.Finite(n.labelY[k], "The label position of ", of);
  }
  p.Finite(n.payoffA, "The x coefficient of the payoff");
  p.Finite(n.payoffB, "The y coefficient of the payoff");
  p.Finite(n.payoffLevel, "The payoff level");
  p.Sign(n.payoffSign, "The sign of the payoff", "");
  p.Finite(n.payoffLabelX, "The payoff label position");
  p.Finite(n.payoffLabelY, "The payoff label position");
  p.Finite(n.xMin, "The x minimum");
  p.Finite(n.xMax, "The x maximum");
  p.Finite(n.xZoom, "The x zoom");
  p.Finite(n.yMin, "The y minimum");
  p.Finite(n.yMax, "The y maximum");
  p.Finite(n.yZoom, "The y zoom");
  return p.Take();
}

std::string BadValueMessage(const std::string& problem) {
  return "Unexpected file format.\n" + problem;
}

}  // namespace tessaro
