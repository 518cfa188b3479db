#include "bench_model.h"

#include <cmath>

#include "editor/form_controller.h"

namespace tessaro::bench {

namespace {

struct Constraint {
  const char* name;
  double a, sign, b, relation, c;
};

// Line 0 (x <= 36) is the one the drag benchmark moves.
constexpr Constraint kConstraints[LINE_COUNT] = {
    {"Cx", 1, 1, 0, REL_LE, 36},  {"Cy", 0, 1, 1, REL_LE, 26},  {"C3", 1, 1, 1, REL_LE, 100},
    {"C4", 2, 1, 1, REL_LE, 200}, {"C5", 1, -1, 1, REL_LE, 50}, {"C6", 1, 1, 2, REL_GE, 0},
};

}  // namespace

Document SixConstraintDocument() {
  Model doc;
  doc.xLabel = "X";
  doc.yLabel = "Y";
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Constraint& k = kConstraints[i];
    doc.lines[i].name = k.name;
    doc.lines[i].a = k.a;
    doc.lines[i].sign = k.sign;
    doc.lines[i].b = k.b;
    doc.lines[i].relation = RelationOfCode(k.relation);
    doc.lines[i].c = k.c;
  }
  doc.payoff.a = 3;
  doc.payoff.b = 2;
  doc.payoff.level = 60;
  doc.fill = FillMode::Color;
  doc.labels = true;
  doc.integerDots = true;
  return Document(doc);
}

void OpenView(FormController& view, Document& doc) {
  view.attach(doc);
  view.start();
}

int ViewPx(double x) {
  return static_cast<int>(std::lround(45.0 + x * 6.0));
}

int ViewPy(double y) {
  return static_cast<int>(std::lround(420.0 - y * 6.0));
}

}  // namespace tessaro::bench
