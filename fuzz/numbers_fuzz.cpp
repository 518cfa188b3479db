// Doubles from the input (NaN, infinities, huge, tiny and negative zero
// included), decimals from -5 to 10000 and long names and labels, into the
// formatter, the decimal truncation, the status-pane text, the printed
// results text and the label texts on the graph. Nothing may overflow or
// be undefined; the sanitizers watch every call.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_numbers.h"
#include "model/format_line.h"
#include "model/model.h"
#include "render/counting_surface.h"
#include "render/plot_drawing.h"
#include "solver/geometry.h"

using tessaro::LINE_COUNT;
using tessaro::MAX_OPTIMAL;
using tessaro::fuzz::AnyDouble;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  // Only counted: a recording of every dash would cost more than drawing it.
  tessaro::CountingSurface surface;
  tessaro::Model m;

  m.decimals = in.ConsumeIntegralInRange<int>(-5, 10000);
  m.xLabel = in.ConsumeRandomLengthString(400);
  m.yLabel = in.ConsumeRandomLengthString(400);

  const std::string name = in.ConsumeRandomLengthString(1000);
  const double x = AnyDouble(in), sign = AnyDouble(in), y = AnyDouble(in);
  const double relation = AnyDouble(in), rhs = AnyDouble(in);
  const std::string text =
      tessaro::FormatLine(name, x, m.xLabel, sign, y, m.yLabel, relation, rhs, m.decimals);
  static_cast<void>(text);

  double cut = AnyDouble(in);
  tessaro::TruncateDecimals(cut, in.ConsumeIntegralInRange<int>(-5, 10000));

  // Results: the optimal point list as the optimizer leaves it.
  std::vector<tessaro::PlanePoint> optimum(
      static_cast<std::size_t>(in.ConsumeIntegralInRange<int>(0, MAX_OPTIMAL)));
  for (tessaro::PlanePoint& p : optimum) {
    p.x = AnyDouble(in);
    p.y = AnyDouble(in);
  }
  m.payoff.a = AnyDouble(in);
  m.payoff.b = AnyDouble(in);
  m.payoff.level = AnyDouble(in);
  m.payoff.sign = in.ConsumeIntegralInRange<int>(-2, 2);
  const std::string status = tessaro::StatusResultsText(m, optimum);
  static_cast<void>(status);
  tessaro::DrawResultsText(m, optimum, surface);

  // Label texts on the graph, and the optimum marked on it.
  m.xMin = AnyDouble(in);
  m.yMin = AnyDouble(in);
  m.xMax = AnyDouble(in);
  m.yMax = AnyDouble(in);
  m.xZoom = AnyDouble(in);
  m.yZoom = AnyDouble(in);
  m.labels = true;
  for (int i = 0; i < LINE_COUNT; ++i) {
    tessaro::Line& line = m.lines[i];
    line.name = in.ConsumeRandomLengthString(300);
    line.a = AnyDouble(in);
    line.b = AnyDouble(in);
    line.c = AnyDouble(in);
    line.sign = in.ConsumeBool() ? 1 : -1;
    line.relation = tessaro::RelationOfCode(in.ConsumeIntegralInRange<int>(0, 2));
    line.label = tessaro::LabelPosition{AnyDouble(in), AnyDouble(in)};
  }
  m.payoff.label = tessaro::LabelPosition{AnyDouble(in), AnyDouble(in)};
  const tessaro::PlotScene scene{m, tessaro::FarBounds{}, {}, {}, optimum};
  static_cast<void>(tessaro::DrawModel(scene, tessaro::PlotView{}, surface));
  return 0;
}
