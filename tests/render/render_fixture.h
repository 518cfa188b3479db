#pragma once

#include <string>
#include <vector>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "render/recording_surface.h"
#include "support/fake_form_window.h"
#include "support/form_setup.h"
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
    eq.attach(document);
    SetRange(0, 200, 0, 120, 6, 6);
  }

  // The ranges and zooms, with the far bounds the deferred refresh sets
  // from them.
  void SetRange(double xMin, double xMax, double yMin, double yMax, double xZoom, double yZoom) {
    EditModel(document)->xMin = xMin;
    EditModel(document)->xMax = xMax;
    EditModel(document)->yMin = yMin;
    EditModel(document)->yMax = yMax;
    EditModel(document)->xZoom = xZoom;
    EditModel(document)->yZoom = yZoom;
    ShowOnForm(eq, host);
  }

  // Line i: name: a x (sign) b y (relation) c, as the parser leaves it.
  void SetLine(int i, const std::string& name, double a, int sign, double b, double relation,
               double c) {
    ModelEdit edit = EditModel(document);
    Line& line = edit->lines[i];
    line.name = name;
    line.a = a;
    line.b = b;
    line.c = c;
    line.sign = sign;
    line.relation = RelationOfCode(relation);
  }

  const std::vector<RecordingSurface::Call>& Calls() const { return host.surface.Calls(); }
};

// The point of a model coordinate on the plot, as the mapping truncates it.
inline IntPoint PlotPoint(const Model& m, double x, double y) {
  return {static_cast<int>((x - m.xMin) * m.xZoom), static_cast<int>(-(y - m.yMin) * m.yZoom)};
}

}  // namespace tessaro::test
