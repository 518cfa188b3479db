// What a user feels, measured on the core with a surface that only counts
// the drawing calls: a keystroke, a drag step, the lattice points, Auto
// Max and a shadow-price probe.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"
#include "bench_model.h"
#include "bench_steps.h"
#include "editor/form_controller.h"

namespace tessaro::bench {
namespace {

// One open view of the six-constraint model.
struct OpenModel {
  CountingSurface surface;
  BenchHost host{surface};
  Document doc = SixConstraintDocument();
  FormController view{host, nullptr};

  OpenModel() { OpenView(view, doc); }

  // Integer dots off in the form and in its document, which the solver reads.
  void DotsOff() {
    view.integerDotsOn = 0;
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
  const double range = static_cast<double>(state.range(0));
  if (range > 0) {
    m.view.xMax = m.view.yMax = range;
    m.view.xZoom = m.view.yZoom = ZOOM_FIELD_MIN;
  }
  // The enumeration remembers its last few answers; cycling the first
  // right-hand side through more values than it remembers (by amounts too
  // small to move a point) makes every iteration a real enumeration.
  const double c0 = m.view.lineC[0];
  int k = 0;
  for (auto _ : state) {
    m.view.lineC[0] = c0 + 1e-9 * k;
    k = (k + 1) % 16;
    m.view.ComputeIntegerDots();
    benchmark::DoNotOptimize(m.view.dotCount);
  }
  state.counters["dots"] = m.view.dotCount;
}
BENCHMARK(BM_IntegerDots)->Arg(0)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Auto Max over the corners of the area (dots off).
void BM_SolveMax(benchmark::State& state) {
  OpenModel m;
  m.DotsOff();
  for (auto _ : state) {
    m.view.SolveMax();
    benchmark::DoNotOptimize(m.view.payoffLevel);
  }
  state.counters["optima"] = m.view.optimalCount;
}
BENCHMARK(BM_SolveMax)->Unit(benchmark::kMicrosecond);

// One shadow-price probe of the binding x <= 36 (dots off, so the solver
// works on corners).
void BM_Probe(benchmark::State& state) {
  OpenModel m;
  m.DotsOff();
  m.view.SolveMax();
  for (auto _ : state) {
    m.view.ProbeRightHandSide(0, 1);
    benchmark::DoNotOptimize(m.view.payoffLevel);
  }
}
BENCHMARK(BM_Probe)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro::bench

BENCHMARK_MAIN();
