// Doubles from the input (NaN, infinities, huge, tiny and negative zero
// included), decimals from -5 to 10000 and long names and labels, into the
// formatter, the decimal truncation, the status-pane text, the printed
// results text and the label texts on the graph. Nothing may overflow or
// be undefined; the sanitizers watch every call.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/form_controller.h"
#include "fuzz_numbers.h"
#include "render/counting_surface.h"
#include "solver/geometry.h"
#include "support/fake_form_window.h"

using tessaro::FormController;
using tessaro::LINE_COUNT;
using tessaro::MAX_OPTIMAL;
using tessaro::fuzz::AnyDouble;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  tessaro::test::FakeFormWindow host;
  tessaro::test::MemorySettings settings;
  FormController eq(host, &settings);
  host.CreateOffscreenSurface();
  // Only counted: a recording of every dash would cost more than drawing it.
  tessaro::CountingSurface surface;

  eq.decimals = in.ConsumeIntegralInRange<int>(-5, 10000);
  eq.xLabel = in.ConsumeRandomLengthString(400);
  eq.yLabel = in.ConsumeRandomLengthString(400);

  std::string text;
  const std::string name = in.ConsumeRandomLengthString(1000);
  const double x = AnyDouble(in), sign = AnyDouble(in), y = AnyDouble(in);
  const double relation = AnyDouble(in), rhs = AnyDouble(in);
  eq.FormatEquation(text, name, x, eq.xLabel, sign, y, eq.yLabel, relation, rhs);

  double cut = AnyDouble(in);
  tessaro::TruncateDecimals(cut, in.ConsumeIntegralInRange<int>(-5, 10000));

  // Results: the optimal point list as the optimizer leaves it.
  eq.solveDirection = in.ConsumeIntegralInRange<int>(-1, 1);
  eq.optimalCount = in.ConsumeIntegralInRange<int>(0, MAX_OPTIMAL);
  for (int k = 0; k < MAX_OPTIMAL; ++k) {
    eq.optimalX[k] = AnyDouble(in);
    eq.optimalY[k] = AnyDouble(in);
  }
  eq.payoffA = AnyDouble(in);
  eq.payoffB = AnyDouble(in);
  eq.payoffLevel = AnyDouble(in);
  eq.payoffSign = in.ConsumeIntegralInRange<int>(-2, 2);
  const std::string status = eq.StatusResultsText();
  static_cast<void>(status);
  eq.DrawResultsText(surface);

  // Label texts on the graph.
  eq.xMin = AnyDouble(in);
  eq.yMin = AnyDouble(in);
  eq.xMax = AnyDouble(in);
  eq.yMax = AnyDouble(in);
  eq.xZoom = AnyDouble(in);
  eq.yZoom = AnyDouble(in);
  eq.labelsOn = 1;
  for (int i = 0; i < LINE_COUNT; ++i) {
    eq.lineName[i] = in.ConsumeRandomLengthString(300);
    eq.lineA[i] = eq.rowA[i] = AnyDouble(in);
    eq.lineB[i] = eq.rowB[i] = AnyDouble(in);
    eq.lineC[i] = eq.rowC[i] = AnyDouble(in);
    eq.rowSign[i] = in.ConsumeBool() ? 1 : -1;
    eq.rowRelation[i] = in.ConsumeIntegralInRange<int>(0, 2);
    eq.labelX[i] = AnyDouble(in);
    eq.labelY[i] = AnyDouble(in);
  }
  eq.payoffLabelX = AnyDouble(in);
  eq.payoffLabelY = AnyDouble(in);
  eq.DrawModel(surface);
  return 0;
}
