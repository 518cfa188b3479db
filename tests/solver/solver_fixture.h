#pragma once

#include <initializer_list>
#include <vector>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "model/constants.h"
#include "solver/rows.h"
#include "support/fake_form_window.h"
#include "support/form_setup.h"
#include "support/model_edit.h"

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
  FakeFormWindow host;
  Document doc;
  FormController view{host, nullptr};

  SolverView() {
    view.attach(doc);
    EditModel(doc)->xLabel = "X";
    EditModel(doc)->yLabel = "Y";
    EditModel(doc)->decimals = 2;
    SetRanges(20.0, 6.0, 20.0, 6.0);
  }

  void SetLines(std::initializer_list<Line> lines) { SetLines(std::vector<Line>(lines)); }
  void SetLines(const std::vector<Line>& lines) {
    int i = 0;
    for (const Line& l : lines) {
      EditModel(doc)->lines[i].a = l.a;
      EditModel(doc)->lines[i].sign = l.sign;
      EditModel(doc)->lines[i].b = l.b;
      EditModel(doc)->lines[i].relation = RelationOfCode(l.relation);
      EditModel(doc)->lines[i].c = l.c;
      EditModel(doc)->lines[i].name = "c" + std::to_string(i + 1);
      ++i;
    }
    for (; i < LINE_COUNT; ++i) {
      EditModel(doc)->lines[i] = tessaro::Line{};
    }
  }

  void SetPayoff(double a, int sign, double b) {
    EditModel(doc)->payoff.a = a;
    EditModel(doc)->payoff.sign = sign;
    EditModel(doc)->payoff.b = b;
  }

  // Ranges, zooms and the far bounds that the deferred refresh derives.
  void SetRanges(double xMax, double xZoom, double yMax, double yZoom) {
    EditModel(doc)->xMax = xMax;
    EditModel(doc)->xZoom = xZoom;
    EditModel(doc)->yMax = yMax;
    EditModel(doc)->yZoom = yZoom;
    ShowOnForm(view, host);
  }

  // The far bounds the form solves with, as the solver is given them.
  FarBounds Far() const { return view.farBounds(); }

  void SetDecimals(int decimals) { EditModel(doc)->decimals = decimals; }
};

}  // namespace tessaro::test
