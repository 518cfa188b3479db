#pragma once

#include <string>
#include <vector>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "render/recording_surface.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

namespace tessaro::test {

// A view with a document and a recording offscreen surface, set to the
// ranges of a new document (0..200 by 0..120 at 6 pixels per unit) with
// the far bounds that the first deferred refresh computes from them.
struct RenderFixture {
  FakeFormWindow host;
  Document document;
  FormController eq{host, nullptr};

  RenderFixture() {
    host.offscreenCreated = true;
    eq.doc = &document;
    SetRange(0, 200, 0, 120, 6, 6);
  }

  void SetRange(double xMin, double xMax, double yMin, double yMax, double xZoom, double yZoom) {
    eq.xMin = xMin;
    eq.xMax = xMax;
    eq.yMin = yMin;
    eq.yMax = yMax;
    eq.xZoom = xZoom;
    eq.yZoom = yZoom;
    eq.rowC[ROW_FAR_X] = xMax + 500.0 / xZoom;
    eq.rowC[ROW_FAR_Y] = yMax + 500.0 / yZoom;
  }

  // Line i: name: a x (sign) b y (relation) c, as the parser leaves it.
  void SetLine(int i, const std::string& name, double a, int sign, double b, double relation,
               double c) {
    eq.lineName[i] = name;
    eq.lineA[i] = eq.rowA[i] = a;
    eq.lineB[i] = eq.rowB[i] = b;
    eq.lineC[i] = eq.rowC[i] = c;
    eq.rowSign[i] = sign;
    eq.rowRelation[i] = relation;
  }

  const std::vector<RecordingSurface::Call>& Calls() const { return host.surface.Calls(); }
};

// The point of a model coordinate on the plot, as the mapping truncates it.
inline IntPoint PlotPoint(const FormController& eq, double x, double y) {
  return {static_cast<int>((x - eq.xMin) * eq.xZoom), static_cast<int>(-(y - eq.yMin) * eq.yZoom)};
}

}  // namespace tessaro::test
