// A loaded model file goes through what a user can do to it without a
// window: the initial update and the first deferred refresh, Auto Max and
// Auto Min, a probe of each constraint both ways, Auto Zoom, the lattice
// toggle, pointer drags and a payoff rotation, Undo and Reset Equations.
// No stored field may end non-finite unless the file held that very value
// in that field. The last bytes of the input (ignored by the loader when
// they follow a whole record) choose the pointer positions.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/model_file.h"
#include "editor/form_controller.h"
#include "render/counting_surface.h"
#include "stored_fields.h"
#include "support/fake_form_window.h"
#include "support/model_edit.h"

using tessaro::Document;
using tessaro::FormCommand;
using tessaro::FormController;
using tessaro::LINE_COUNT;
using tessaro::fuzz::Finding;

namespace {

constexpr int kGestureBytes = 16;

// A view pixel from two input bytes: the plot origin lies at (45, 420).
void Point(const std::uint8_t* g, int k, int& px, int& py) {
  px = g[2 * k] * 5;
  py = g[2 * k + 1] * 4;
}

void Drag(FormController& eq, const std::uint8_t* g, int from, int to) {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  Point(g, from, x0, y0);
  Point(g, to, x1, y1);
  eq.pointerMoved(x0, y0);
  eq.leftPressed(x0, y0);
  eq.pointerMoved((x0 + x1) / 2, (y0 + y1) / 2);
  eq.pointerMoved(x1, y1);
  eq.leftReleased();
}

// A window whose offscreen picture only counts its drawing calls.
class SessionHost : public tessaro::test::FakeFormWindow {
 public:
  tessaro::Surface* OffscreenSurface() override { return offscreenCreated ? &counter : nullptr; }
  tessaro::CountingSurface counter;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  tessaro::Model loaded;
  if (tessaro::DecodeModel(bytes, loaded) != tessaro::DecodeStatus::Ok) return 0;
  Document doc(loaded);
  std::uint8_t gesture[kGestureBytes] = {};
  const std::size_t first = size >= kGestureBytes ? size - kGestureBytes : 0;
  for (std::size_t k = 0; first + k < size; ++k) gesture[k] = data[first + k];

  SessionHost host;
  tessaro::test::MemorySettings settings;
  FormController eq(host, &settings);
  eq.attach(doc);
  eq.start();
  eq.refreshTimerFired();

  eq.run(FormCommand::AutoMax);
  eq.run(FormCommand::AutoMin);
  eq.run(FormCommand::TogglePreviewPayoff);
  for (int i = 0; i < LINE_COUNT; ++i) {
    eq.stepButtonClicked(tessaro::ctl::LINE_PLUS[i]);
    eq.stepButtonClicked(tessaro::ctl::LINE_MINUS[i]);
  }
  eq.run(FormCommand::TogglePreviewPayoff);
  eq.run(FormCommand::AutoZoom);
  eq.run(FormCommand::ToggleIntegerDots);
  Drag(eq, gesture, 0, 1);
  Drag(eq, gesture, 2, 3);
  Drag(eq, gesture, 4, 5);
  int rx = 0, ry = 0, tx = 0, ty = 0;
  Point(gesture, 6, rx, ry);
  Point(gesture, 7, tx, ty);
  eq.rightPressed(rx, ry);
  eq.pointerMoved(tx, ty);
  eq.rightReleased();
  eq.refreshTimerFired();
  eq.run(FormCommand::Undo);
  eq.run(FormCommand::ResetEquations);
  eq.run(FormCommand::ToggleIntegerDots);

  // A value may stay non-finite only where the file put that very value.
  bool spread = false;
  tessaro::fuzz::ForEachStoredField(
      doc.model(), loaded,
      [&spread](const char* name, double now, double before) {
        if (!std::isfinite(now) && !tessaro::fuzz::Same(now, before)) {
          std::fprintf(stderr, "field %s became %g\n", name, now);
          spread = true;
        }
      },
      [](const char*, const std::string&, const std::string&) {});
  if (spread) Finding("a non-finite value spread into a stored field");
  return 0;
}
