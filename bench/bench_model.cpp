#include "bench_model.h"

#include <cmath>

#include "model/equation.h"

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

CVelmarDoc SixConstraintDocument() {
  CVelmarDoc doc;
  doc.xLabel = "X";
  doc.yLabel = "Y";
  for (int i = 0; i < LINE_COUNT; ++i) {
    const Constraint& k = kConstraints[i];
    doc.lineName[i] = k.name;
    doc.lineA[i] = k.a;
    doc.lineSign[i] = k.sign;
    doc.lineB[i] = k.b;
    doc.lineRelation[i] = k.relation;
    doc.lineC[i] = k.c;
  }
  doc.payoffA = 3;
  doc.payoffB = 2;
  doc.payoffLevel = 60;
  doc.fillMode = 1;
  doc.labelsOn = 1;
  doc.integerDotsOn = 1;
  return doc;
}

void OpenView(CEquation& view, CVelmarDoc& doc) {
  view.OnCreate(&doc);
  view.OnInitialUpdate();
}

int ViewPx(double x) {
  return static_cast<int>(std::lround(45.0 + x * 6.0));
}

int ViewPy(double y) {
  return static_cast<int>(std::lround(420.0 - y * 6.0));
}

}  // namespace tessaro::bench
