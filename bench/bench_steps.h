#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"
#include "bench_model.h"
#include "editor/form_controller.h"
#include "model/format_line.h"

namespace tessaro::bench {

// A keystroke in constraint 3 (x + y <= 100 and 101 in turn) to the
// presented picture: parse, document copy, 999 dots, redraw.
inline void RunKeystrokes(benchmark::State& state, FormController& view, BenchHost& host) {
  std::string texts[2];
  const int line = 2;
  const std::string& name = view.document().model().lines[line].name;
  const int decimals = view.document().model().decimals;
  for (int k = 0; k < 2; ++k) {
    texts[k] = FormatLine(name, 1, "X", 1, 1, "Y", REL_LE, 100 + k, decimals);
  }
  int k = 0;
  for (auto _ : state) {
    host.fields[ctl::LINE0 + line] = texts[k];
    view.fieldEdited(ctl::LINE0 + line);
    k = 1 - k;
  }
  state.counters["dots"] = static_cast<double>(view.latticeDots().size());
}

// One pointer movement while dragging x <= 36 between x = 36 and x = 35.5.
inline void RunLineDragSteps(benchmark::State& state, FormController& view) {
  if (!view.wouldGrab(ViewPx(36), ViewPy(10))) {
    state.SkipWithError("the press would not grab the line");
    return;
  }
  view.leftPressed(ViewPx(36), ViewPy(10));
  const int px[2] = {ViewPx(35.5), ViewPx(36)};
  int k = 0;
  for (auto _ : state) {
    view.pointerMoved(px[k], ViewPy(10));
    k = 1 - k;
  }
  view.leftReleased();
  state.counters["dots"] = static_cast<double>(view.latticeDots().size());
}

}  // namespace tessaro::bench
