#pragma once

#include <cmath>
#include <string>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

namespace tessaro::test {

// A form view on a fake window with its document. The setters write the
// document's model, as a loaded model has it.
struct ViewHarness {
  FakeFormWindow host;
  Document doc;
  FormController eq{host, nullptr};

  ViewHarness() {
    eq.attach(doc);
    // A plot whose origin lies at view pixel (45, 420), where the tables'
    // pixels were taken.
    eq.setView(PlotViewOfSize(730, 332));
    host.offscreenCreated = true;
    EditModel(doc)->xLabel = "X";
    EditModel(doc)->yLabel = "Y";
    SetScale(0.0, 0.0, 6.0, 6.0);
    SetDecimals(1);
  }

  const Model& model() const { return doc.model(); }

  void SetScale(double xMin, double yMin, double xZoom, double yZoom) {
    ModelEdit m = EditModel(doc);
    m->xMin = xMin;
    m->yMin = yMin;
    m->xZoom = xZoom;
    m->yZoom = yZoom;
    m->xMax = xMin + 1200.0 / xZoom;
    m->yMax = yMin + 720.0 / yZoom;
  }
  void SetDecimals(int decimals) { EditModel(doc)->decimals = decimals; }

  // Line i: a·x + sign·b·y (relation) c.
  void SetLine(int i, double a, int sign, double b, double relation, double c) {
    ModelEdit m = EditModel(doc);
    Line& line = m->lines[i];
    line.name = "C" + std::to_string(i + 1);
    line.a = a;
    line.b = b;
    line.c = c;
    line.sign = sign;
    line.relation = RelationOfCode(relation);
  }
  void SetPayoff(double a, int sign, double b, double level) {
    ModelEdit m = EditModel(doc);
    m->payoff.a = a;
    m->payoff.sign = sign;
    m->payoff.b = b;
    m->payoff.level = level;
  }
  void SetLabel(int j, double lx, double ly) {
    EditModel(doc)->lines[j].label = LabelPosition{lx, ly};
  }
  void SetPayoffLabel(double lx, double ly) {
    EditModel(doc)->payoff.label = LabelPosition{lx, ly};
  }

  // The view pixel of a model point (the inverse of the pointer mapping).
  int Px(double x) const {
    return static_cast<int>(
        std::lround(eq.view().OriginViewX() + (x - model().xMin) * model().xZoom));
  }
  int Py(double y) const {
    return static_cast<int>(
        std::lround(eq.view().OriginViewY() - (y - model().yMin) * model().yZoom));
  }

  void LeftPress(double x, double y) { eq.leftPressed(Px(x), Py(y)); }
  void Move(double x, double y) { eq.pointerMoved(Px(x), Py(y)); }
  void LeftRelease(double x, double y) { eq.leftReleased(); }
  void RightPress(double x, double y) { eq.rightPressed(Px(x), Py(y)); }
  void RightRelease(double x, double y) { eq.rightReleased(); }
};

}  // namespace tessaro::test
