// Walks each model file given on the command line through a fixed session
// of what a user does in a window (typing, buttons, a drag, toggles, Auto
// Max and Min, Auto Zoom, undo, reset) and prints, after every step, the
// stored bytes, the form's texts, the status panes, the messages and a
// digest of the drawing. The rebuilt core must print the same lines.

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/file_store.h"
#include "doc/model_file.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"

namespace {

using tessaro::FormController;
using tessaro::RecordingSurface;

struct Digest {
  std::uint64_t h = 1469598103934665603ull;
  void Add(const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
  }
  void Add(int v) { Add(&v, sizeof v); }
  void Add(const std::string& s) {
    Add(static_cast<int>(s.size()));
    Add(s.data(), s.size());
  }
  void Add(const tessaro::Rgb& c) {
    Add(c.r);
    Add(c.g);
    Add(c.b);
  }
};

std::uint64_t DrawingDigest(const RecordingSurface& surface) {
  Digest d;
  for (const RecordingSurface::Call& c : surface.Calls()) {
    d.Add(c.op);
    for (int a : c.args) d.Add(a);
    for (const tessaro::IntPoint& p : c.points) {
      d.Add(p.x);
      d.Add(p.y);
    }
    d.Add(c.text);
    d.Add(static_cast<int>(c.pen.style));
    d.Add(c.pen.width);
    d.Add(c.pen.color);
    d.Add(c.brush);
    d.Add(int{c.defaultBrush});
    d.Add(c.font.face);
    d.Add(c.font.height);
    d.Add(c.font.width);
    d.Add(c.font.weight);
    d.Add(c.textColor);
  }
  return d.h;
}

struct Session {
  tessaro::test::FakeFormWindow host;
  tessaro::test::MemorySettings settings;
  tessaro::Document doc;
  FormController eq{host, &settings};

  std::map<int, std::string> lastFields;

  // What the step left: the deferred refresh runs as the event loop would
  // run it, then the picture is drawn afresh and digested.
  void Report(const char* step) {
    if (host.timerRunning) eq.refreshTimerFired();
    host.surface.Clear();
    eq.redraw();
    Digest bytes;
    const std::vector<std::uint8_t> saved = tessaro::EncodeModel(doc.model());
    bytes.Add(saved.data(), saved.size());
    // The modified flag is left out: it now follows the undo history.
    std::printf("step %s: bytes %016llx drawing %016llx\n", step,
                static_cast<unsigned long long>(bytes.h),
                static_cast<unsigned long long>(DrawingDigest(host.surface)));
    // Only the field texts that changed since the last step.
    for (const auto& [id, text] : host.fields) {
      if (lastFields[id] != text) std::printf("  field %d: %s\n", id, text.c_str());
    }
    lastFields = host.fields;
    for (const auto& [pane, text] : host.panes) std::printf("  pane %d: %s\n", pane, text.c_str());
    for (const auto& m : host.messages) std::printf("  message: %s\n", m.text.c_str());
    host.messages.clear();
  }

  // The view pixel of the model point (x, y) at the plot's origin.
  void PixelOf(double x, double y, int& px, int& py) const {
    const tessaro::Model& m = doc.model();
    px = static_cast<int>(eq.view().OriginViewX() + (x - m.xMin) * m.xZoom);
    py = static_cast<int>(eq.view().OriginViewY() - (y - m.yMin) * m.yZoom);
  }

  void Drag(int x0, int y0, int x1, int y1) {
    eq.pointerMoved(x0, y0);
    eq.leftPressed(x0, y0);
    eq.pointerMoved((x0 + x1) / 2, (y0 + y1) / 2);
    eq.pointerMoved(x1, y1);
    eq.leftReleased();
  }

  void Type(int field, const std::string& text) {
    host.fields[field] = text;
    eq.fieldEdited(field);
  }
};

void Run(const char* path) {
  Session s;
  std::string message;
  std::printf("model %s\n", path);
  tessaro::Model model;
  if (!tessaro::LoadModelFile(path, model, message)) {
    std::printf("  not loaded: %s\n", message.c_str());
    return;
  }
  s.doc.reset(model);
  FormController& eq = s.eq;
  // The window of the recorded answers: a plot whose Auto Zoom box is 600 x
  // 250 pixels with its origin at view pixel (45, 420).
  eq.setView(tessaro::PlotViewOfSize(730, 332));
  eq.attach(s.doc);
  eq.start();
  eq.refreshTimerFired();
  s.Report("open");
  eq.run(tessaro::FormCommand::AutoMax);
  s.Report("automax");
  eq.stepButtonClicked(tessaro::ctl::LINE_PLUS[0]);
  eq.stepButtonClicked(tessaro::ctl::LINE_PLUS[0]);
  s.Report("line0plus");
  eq.stepButtonClicked(tessaro::ctl::PAYOFF_MINUS);
  s.Report("payoffminus");
  s.Type(tessaro::ctl::LINE0 + 5,
         "Extra: 1 " + s.doc.model().xLabel + " + 2 " + s.doc.model().yLabel + " <= 40");
  s.Report("typeline5");
  s.Type(tessaro::ctl::LINE0 + 5,
         "Extra: 1 " + s.doc.model().xLabel + " + 2 " + s.doc.model().yLabel + " >= ");
  s.Report("typeline5half");
  // A drag of line 0 from a point a quarter along its range.
  const tessaro::Model& m = s.doc.model();
  if (m.lines[0].b != 0.0) {
    const tessaro::Line& line = m.lines[0];
    const double x = m.xMin + (m.xMax - m.xMin) / 4;
    const double y = (line.c - line.a * x) / (line.sign * line.b);
    int px = 0, py = 0;
    s.PixelOf(x, y, px, py);
    s.Drag(px, py, px + 17, py - 11);
  }
  s.Report("dragline0");
  eq.run(tessaro::FormCommand::ToggleIntegerDots);
  s.Report("dots");
  eq.run(tessaro::FormCommand::AutoMin);
  s.Report("automin");
  eq.run(tessaro::FormCommand::ToggleTrim);
  eq.run(tessaro::FormCommand::ToggleColor);
  s.Report("trimcolor");
  eq.run(tessaro::FormCommand::ToggleGrey);
  eq.run(tessaro::FormCommand::ToggleLabels);
  s.Report("greylabel");
  eq.run(tessaro::FormCommand::AutoZoom);
  s.Report("autozoom");
  eq.stepButtonClicked(tessaro::ctl::X_ZOOM_PLUS);
  eq.stepButtonClicked(tessaro::ctl::X_MAX_MINUS);
  s.Report("zoomrange");
  eq.run(tessaro::FormCommand::Undo);
  s.Report("undo");
  eq.run(tessaro::FormCommand::Hold);
  eq.stepButtonClicked(tessaro::ctl::LINE_MINUS[1]);
  eq.run(tessaro::FormCommand::ResetEquations);
  s.Report("revert");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) Run(argv[i]);
  return 0;
}
