#pragma once

#include <cmath>
#include <string>

#include "doc/velmar_doc.h"
#include "model/equation.h"
#include "support/fake_view_host.h"

namespace tessaro::test {

// A form view on a fake window with its document. The setters write the
// working model and the document alike, as a loaded model has them, since
// taking a snapshot copies the document into the model.
struct ViewHarness {
  FakeViewHost host;
  CVelmarDoc doc;
  CEquation eq{host, nullptr};

  ViewHarness() {
    eq.doc = &doc;
    // A plot whose origin lies at view pixel (45, 420), where the tables'
    // pixels were taken.
    eq.view = PlotViewOfSize(730, 332);
    host.offscreenCreated = true;
    eq.xLabel = doc.xLabel = "X";
    eq.yLabel = doc.yLabel = "Y";
    SetScale(0.0, 0.0, 6.0, 6.0);
    SetDecimals(1);
  }

  void SetScale(double xMin, double yMin, double xZoom, double yZoom) {
    eq.xMin = doc.xMin = xMin;
    eq.yMin = doc.yMin = yMin;
    eq.xZoom = doc.xZoom = xZoom;
    eq.yZoom = doc.yZoom = yZoom;
    eq.xMax = doc.xMax = xMin + 1200.0 / xZoom;
    eq.yMax = doc.yMax = yMin + 720.0 / yZoom;
  }
  void SetDecimals(int decimals) { eq.decimals = doc.decimals = decimals; }

  // Line i: a·x + sign·b·y (relation) c.
  void SetLine(int i, double a, int sign, double b, double relation, double c) {
    eq.lineName[i] = doc.lineName[i] = "C" + std::to_string(i + 1);
    eq.lineA[i] = eq.rowA[i] = doc.lineA[i] = a;
    eq.lineB[i] = eq.rowB[i] = doc.lineB[i] = b;
    eq.lineC[i] = eq.rowC[i] = doc.lineC[i] = c;
    eq.rowSign[i] = sign;
    doc.lineSign[i] = sign;
    eq.rowRelation[i] = doc.lineRelation[i] = relation;
  }
  void SetPayoff(double a, int sign, double b, double level) {
    eq.payoffA = doc.payoffA = a;
    eq.payoffSign = sign;
    doc.payoffSign = sign;
    eq.payoffB = doc.payoffB = b;
    eq.payoffLevel = doc.payoffLevel = level;
  }
  void SetLabel(int j, double lx, double ly) {
    eq.labelX[j] = doc.labelX[j] = lx;
    eq.labelY[j] = doc.labelY[j] = ly;
  }
  void SetPayoffLabel(double lx, double ly) {
    eq.payoffLabelX = doc.payoffLabelX = lx;
    eq.payoffLabelY = doc.payoffLabelY = ly;
  }

  // The view pixel of a model point (the inverse of the pointer mapping).
  int Px(double x) const {
    return static_cast<int>(std::lround(eq.view.OriginViewX() + (x - eq.xMin) * eq.xZoom));
  }
  int Py(double y) const {
    return static_cast<int>(std::lround(eq.view.OriginViewY() - (y - eq.yMin) * eq.yZoom));
  }

  void LeftPress(double x, double y) { eq.OnLButtonDown(0, Px(x), Py(y)); }
  void Move(double x, double y) { eq.OnMouseMove(0, Px(x), Py(y)); }
  void LeftRelease(double x, double y) { eq.OnLButtonUp(0, Px(x), Py(y)); }
  void RightPress(double x, double y) { eq.OnRButtonDown(0, Px(x), Py(y)); }
  void RightRelease(double x, double y) { eq.OnRButtonUp(0, Px(x), Py(y)); }
};

}  // namespace tessaro::test
