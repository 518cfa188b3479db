#pragma once

#include <initializer_list>

#include "doc/velmar_doc.h"
#include "model/constants.h"
#include "model/equation.h"
#include "support/fake_view_host.h"

namespace tessaro::test {

// One constraint: a·x + sign·b·y (relation) c.
struct Line {
  double a = 0.0;
  int sign = 1;
  double b = 0.0;
  double relation = REL_LE;
  double c = 0.0;
};

inline Line Le(double a, double b, double c) {
  return {a, 1, b, REL_LE, c};
}
inline Line Ge(double a, double b, double c) {
  return {a, 1, b, REL_GE, c};
}
inline Line Eq(double a, double b, double c) {
  return {a, 1, b, REL_EQ, c};
}

// A view on a fake window whose model is written into the document and
// loaded from it, as the program's own commands do.
struct SolverView {
  FakeViewHost host;
  CVelmarDoc doc;
  CEquation view{host, nullptr};

  SolverView() {
    view.OnCreate(&doc);
    doc.xLabel = "X";
    doc.yLabel = "Y";
    doc.decimals = 2;
    SetRanges(20.0, 6.0, 20.0, 6.0);
  }

  void SetLines(std::initializer_list<Line> lines) {
    int i = 0;
    for (const Line& l : lines) {
      doc.lineA[i] = l.a;
      doc.lineSign[i] = l.sign;
      doc.lineB[i] = l.b;
      doc.lineRelation[i] = l.relation;
      doc.lineC[i] = l.c;
      doc.lineName[i] = "c" + std::to_string(i + 1);
      ++i;
    }
    for (; i < LINE_COUNT; ++i) {
      doc.lineA[i] = doc.lineB[i] = doc.lineC[i] = 0.0;
      doc.lineSign[i] = 1.0;
      doc.lineRelation[i] = REL_LE;
      doc.lineName[i].clear();
    }
    view.LoadModelFromDoc();
  }

  void SetPayoff(double a, int sign, double b) {
    doc.payoffA = a;
    doc.payoffSign = sign;
    doc.payoffB = b;
    view.LoadModelFromDoc();
  }

  // Ranges, zooms and the far bounds that the deferred refresh derives.
  void SetRanges(double xMax, double xZoom, double yMax, double yZoom) {
    doc.xMax = xMax;
    doc.xZoom = xZoom;
    doc.yMax = yMax;
    doc.yZoom = yZoom;
    view.LoadModelFromDoc();
    view.rowC[ROW_FAR_X] = xMax + FAR_BOUND_PIXELS / xZoom;
    view.rowC[ROW_FAR_Y] = yMax + FAR_BOUND_PIXELS / yZoom;
  }

  void SetDecimals(int decimals) {
    doc.decimals = decimals;
    view.LoadModelFromDoc();
  }
};

}  // namespace tessaro::test
