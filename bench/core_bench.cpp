// What a user feels, measured on the core with a surface that only counts
// the drawing calls: a keystroke, a drag step, the lattice points, Auto
// Max and a shadow-price probe.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"
#include "bench_model.h"
#include "bench_steps.h"
#include "editor/form_controller.h"
#include "solver/solution.h"

namespace tessaro::bench {
namespace {

// One open view of the six-constraint model.
struct OpenModel {
  CountingSurface surface;
  BenchHost host{surface};
  Document doc = SixConstraintDocument();
  FormController view{host, nullptr};

  OpenModel() { OpenView(view, doc); }

  // Integer dots off in the document, which the solver reads.
  void DotsOff() {
    Model model = doc.model();
    model.integerDots = false;
    doc.reset(model);
  }
};

void BM_KeystrokeToPicture(benchmark::State& state) {
  OpenModel m;
  RunKeystrokes(state, m.view, m.host);
  benchmark::DoNotOptimize(m.surface.calls);
}
BENCHMARK(BM_KeystrokeToPicture)->Unit(benchmark::kMicrosecond);

void BM_LineDragStep(benchmark::State& state) {
  OpenModel m;
  RunLineDragSteps(state, m.view);
  benchmark::DoNotOptimize(m.surface.calls);
}
BENCHMARK(BM_LineDragStep)->Unit(benchmark::kMicrosecond);

// The lattice points on the default range, and on 0..1,000,000 both ways.
void BM_IntegerDots(benchmark::State& state) {
  OpenModel m;
  Model model = m.doc.model();
  const double range = static_cast<double>(state.range(0));
  if (range > 0) {
    model.xMax = model.yMax = range;
    model.xZoom = model.yZoom = ZOOM_FIELD_MIN;
  }
  const PlotFrame frame{model.xMin, model.xMax, model.yMin, model.yMax, model.xZoom, model.yZoom};
  // The enumeration remembers its last few answers; cycling the first
  // right-hand side through more values than it remembers (by amounts too
  // small to move a point) makes every iteration a real enumeration.
  const double c0 = model.lines[0].c;
  int k = 0;
  std::size_t dots = 0;
  for (auto _ : state) {
    model.lines[0].c = c0 + 1e-9 * k;
    k = (k + 1) % 16;
    dots = LatticeDotsOf(RowsOf(model, m.view.farBounds()), frame).points.size();
    benchmark::DoNotOptimize(dots);
  }
  state.counters["dots"] = static_cast<double>(dots);
}
BENCHMARK(BM_IntegerDots)->Arg(0)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Auto Max over the corners of the area (dots off).
void BM_SolveMax(benchmark::State& state) {
  OpenModel m;
  m.DotsOff();
  for (auto _ : state) {
    m.view.run(FormCommand::AutoMax);
    benchmark::DoNotOptimize(m.doc.model().payoff.level);
  }
  state.counters["optima"] = static_cast<double>(m.view.optimum().size());
}
BENCHMARK(BM_SolveMax)->Unit(benchmark::kMicrosecond);

// One shadow-price probe of the binding x <= 36 (dots off, so the solver
// works on corners).
void BM_Probe(benchmark::State& state) {
  OpenModel m;
  m.DotsOff();
  m.view.run(FormCommand::AutoMax);
  m.view.run(FormCommand::TogglePreviewPayoff);
  for (auto _ : state) {
    m.view.stepButtonClicked(ctl::LINE_PLUS[0]);
    benchmark::DoNotOptimize(m.doc.model().payoff.level);
  }
}
BENCHMARK(BM_Probe)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro::bench

BENCHMARK_MAIN();
