#pragma once

#include <cmath>
#include <string>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

namespace tessaro::test {

// A form view on a fake window with its document. The setters write the
// working model and the document alike, as a loaded model has them, since
// taking a snapshot copies the document into the model.
struct ViewHarness {
  FakeFormWindow host;
  Document doc;
  FormController eq{host, nullptr};

  ViewHarness() {
    eq.doc = &doc;
    // A plot whose origin lies at view pixel (45, 420), where the tables'
    // pixels were taken.
    eq.view = PlotViewOfSize(730, 332);
    host.offscreenCreated = true;
    eq.xLabel = EditModel(doc)->xLabel = "X";
    eq.yLabel = EditModel(doc)->yLabel = "Y";
    SetScale(0.0, 0.0, 6.0, 6.0);
    SetDecimals(1);
  }

  void SetScale(double xMin, double yMin, double xZoom, double yZoom) {
    eq.xMin = EditModel(doc)->xMin = xMin;
    eq.yMin = EditModel(doc)->yMin = yMin;
    eq.xZoom = EditModel(doc)->xZoom = xZoom;
    eq.yZoom = EditModel(doc)->yZoom = yZoom;
    eq.xMax = EditModel(doc)->xMax = xMin + 1200.0 / xZoom;
    eq.yMax = EditModel(doc)->yMax = yMin + 720.0 / yZoom;
  }
  void SetDecimals(int decimals) { eq.decimals = EditModel(doc)->decimals = decimals; }

  // Line i: a·x + sign·b·y (relation) c.
  void SetLine(int i, double a, int sign, double b, double relation, double c) {
    eq.lineName[i] = EditModel(doc)->lines[i].name = "C" + std::to_string(i + 1);
    eq.lineA[i] = eq.rowA[i] = EditModel(doc)->lines[i].a = a;
    eq.lineB[i] = eq.rowB[i] = EditModel(doc)->lines[i].b = b;
    eq.lineC[i] = eq.rowC[i] = EditModel(doc)->lines[i].c = c;
    eq.rowSign[i] = sign;
    EditModel(doc)->lines[i].sign = sign;
    eq.rowRelation[i] = relation;
    EditModel(doc)->lines[i].relation = RelationOfCode(relation);
  }
  void SetPayoff(double a, int sign, double b, double level) {
    eq.payoffA = EditModel(doc)->payoff.a = a;
    eq.payoffSign = sign;
    EditModel(doc)->payoff.sign = sign;
    eq.payoffB = EditModel(doc)->payoff.b = b;
    eq.payoffLevel = EditModel(doc)->payoff.level = level;
  }
  void SetLabel(int j, double lx, double ly) {
    eq.labelX[j] = EditModel(doc)->lines[j].label.x = lx;
    eq.labelY[j] = EditModel(doc)->lines[j].label.y = ly;
  }
  void SetPayoffLabel(double lx, double ly) {
    eq.payoffLabelX = EditModel(doc)->payoff.label.x = lx;
    eq.payoffLabelY = EditModel(doc)->payoff.label.y = ly;
  }

  // The view pixel of a model point (the inverse of the pointer mapping).
  int Px(double x) const {
    return static_cast<int>(std::lround(eq.view.OriginViewX() + (x - eq.xMin) * eq.xZoom));
  }
  int Py(double y) const {
    return static_cast<int>(std::lround(eq.view.OriginViewY() - (y - eq.yMin) * eq.yZoom));
  }

  void LeftPress(double x, double y) { eq.leftPressed(Px(x), Py(y)); }
  void Move(double x, double y) { eq.pointerMoved(Px(x), Py(y)); }
  void LeftRelease(double x, double y) { eq.leftReleased(); }
  void RightPress(double x, double y) { eq.rightPressed(Px(x), Py(y)); }
  void RightRelease(double x, double y) { eq.rightReleased(); }
};

}  // namespace tessaro::test
