// The same paths drawn with the Qt painter, anti-aliased, into a plot of
// 1600 x 1000 pixels, as the window's offscreen picture is: a redraw, a
// keystroke and a drag step.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <string>

#include "app/form_view.h"
#include "app/painter_surface.h"
#include "bench_host.h"
#include "bench_model.h"
#include "bench_steps.h"
#include "editor/form_controller.h"

namespace tessaro::bench {
namespace {

constexpr int kPlotWidth = 1600;
constexpr int kPlotHeight = 1000;

// Paints into an image of the plot's size with the window's transform; the
// painter is opened on the first drawing call of a redraw and closed by
// the present.
class ImageHost : public BenchHost {
 public:
  ImageHost() : BenchHost(surface_), image_(kPlotWidth, kPlotHeight, QImage::Format_RGB32) {
    image_.fill(Qt::white);
  }
  ~ImageHost() override { End(); }

  void CreateOffscreenSurface() override { BenchHost::CreateOffscreenSurface(); }
  Surface* OffscreenSurface() override {
    if (!painter_.isActive()) {
      painter_.begin(&image_);
      painter_.setTransform(app::PlotTransform(PlotViewOfSize(kPlotWidth, kPlotHeight), 1.0));
      surface_.Begin(&painter_);
    }
    return &surface_;
  }
  void PresentPicture() override {
    End();
    BenchHost::PresentPicture();
  }
  const QImage& Image() const { return image_; }

 private:
  void End() {
    if (!painter_.isActive()) return;
    surface_.End();
    painter_.end();
  }

  app::PainterSurface surface_;
  QImage image_;
  QPainter painter_;
};

struct OpenPaintedModel {
  ImageHost host;
  Document doc = SixConstraintDocument();
  FormController view{host, nullptr};

  OpenPaintedModel() {
    view.setView(PlotViewOfSize(kPlotWidth, kPlotHeight));
    OpenView(view, doc);
  }
};

void BM_PainterRedraw(benchmark::State& state) {
  OpenPaintedModel m;
  for (auto _ : state) m.view.redraw();
  benchmark::DoNotOptimize(m.host.Image().constBits());
}
BENCHMARK(BM_PainterRedraw)->Unit(benchmark::kMicrosecond);

void BM_PainterKeystrokeToPicture(benchmark::State& state) {
  OpenPaintedModel m;
  RunKeystrokes(state, m.view, m.host);
}
BENCHMARK(BM_PainterKeystrokeToPicture)->Unit(benchmark::kMicrosecond);

void BM_PainterLineDragStep(benchmark::State& state) {
  OpenPaintedModel m;
  RunLineDragSteps(state, m.view);
}
BENCHMARK(BM_PainterLineDragStep)->Unit(benchmark::kMicrosecond);

// One Auto Max click: snapshot, solve, report, push and the presented picture.
void BM_PainterAutoMaxClick(benchmark::State& state) {
  OpenPaintedModel m;
  for (auto _ : state) {
    m.view.run(FormCommand::AutoMax);
  }
  state.counters["optimal"] = static_cast<double>(m.view.optimum().size());
}
BENCHMARK(BM_PainterAutoMaxClick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro::bench

int main(int argc, char** argv) {
  // Text needs a font database, which needs a GUI application; no window
  // is shown.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
