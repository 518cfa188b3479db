#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "render_fixture.h"

namespace tessaro {
namespace {

using test::RenderFixture;
using Call = RecordingSurface::Call;

// X tick numbers hang 15 units below the axis; each is (px, text).
std::vector<std::pair<int, std::string>> XTicks(const RecordingSurface& s) {
  std::vector<std::pair<int, std::string>> out;
  for (const Call& c : s.CallsOf("text")) {
    if (c.args[1] == 15) out.push_back({c.args[0], c.text});
  }
  return out;
}

// Y tick numbers start 25 units left of the axis; each is (py, text).
std::vector<std::pair<int, std::string>> YTicks(const RecordingSurface& s,
                                                const std::string& yTitle) {
  std::vector<std::pair<int, std::string>> out;
  for (const Call& c : s.CallsOf("text")) {
    if (c.args[0] == -25 && c.text != yTitle) out.push_back({c.args[1], c.text});
  }
  return out;
}

struct TickCase {
  const char* name;
  double min;
  double max;
  double zoom;
  std::vector<std::pair<int, std::string>> firstTicks;  // the first ones, in order
  std::size_t count;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const TickCase& row, std::ostream* os) {
  *os << row.name;
}

class AxisTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(AxisTicks, StepsAndStarts) {
  const TickCase& p = GetParam();
  RenderFixture f;
  f.SetRange(p.min, p.max, p.min, p.max, p.zoom, p.zoom);
  EditModel(f.document)->yLabel = "Ytitle";
  DrawAxes(f.document.model(), f.eq.view(), f.host.surface);
  const auto xs = XTicks(f.host.surface);
  ASSERT_EQ(xs.size(), p.count);
  ASSERT_GE(xs.size(), p.firstTicks.size());
  for (std::size_t k = 0; k < p.firstTicks.size(); ++k) EXPECT_EQ(xs[k], p.firstTicks[k]) << k;
  // The Y axis uses the same steps, upwards.
  const auto ys = YTicks(f.host.surface, "Ytitle");
  ASSERT_EQ(ys.size(), p.count);
  for (std::size_t k = 0; k < p.firstTicks.size(); ++k) {
    EXPECT_EQ(ys[k].first, -p.firstTicks[k].first) << k;
    EXPECT_EQ(ys[k].second, p.firstTicks[k].second) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AxisTicks,
    ::testing::Values(
        TickCase{"ZeroTo200StepsTen", 0, 200, 6, {{0, "0"}, {60, "10"}, {120, "20"}}, 21},
        TickCase{"BelowTwentyStepsOne", 0, 15, 6, {{0, "0"}, {6, "1"}}, 16},
        // 2.7 starts at 2, drawn 0.7 units left of the Y axis.
        TickCase{"FractionalStart", 2.7, 12, 6, {{-4, "2"}, {1, "3"}}, 11},
        TickCase{"NegativeFractionalStart", -2.7, 12, 6, {{4, "-2"}, {10, "-1"}}, 15},
        TickCase{"ReversedRangeNoTicks", 10, 5, 6, {}, 0}),
    [](const auto& info) { return info.param.name; });

TEST(DrawAxes, ErasesDrawsAxesAndTitles) {
  RenderFixture f;
  {
    ModelEdit m = EditModel(f.document);
    m->xLabel = "Labour";
    m->yLabel = "Capital";
  }
  DrawAxes(f.document.model(), f.eq.view(), f.host.surface);
  const auto rects = f.host.surface.CallsOf("rect");
  ASSERT_EQ(rects.size(), 1u);
  // The whole default plot of 1260 x 1020 with its origin 30 pixels from
  // the left and 32 from the bottom, and two pixels beyond.
  EXPECT_EQ(rects[0].args, (std::vector<int>{-32, -990, 1232, 34}));
  EXPECT_EQ(rects[0].pen, (Pen{PenStyle::Solid, 1, {255, 255, 255}}));
  EXPECT_TRUE(rects[0].defaultBrush);

  const auto lines = f.host.surface.CallsOf("line");
  ASSERT_GE(lines.size(), 2u);
  // The axes reach the plot's right and top edges.
  EXPECT_EQ(lines[0].args, (std::vector<int>{1230, 0}));
  EXPECT_EQ(lines[1].args, (std::vector<int>{0, -988}));
  EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 2, {0, 0, 0}}));

  // The titles: Y above the top of the range, X beyond its right end.
  const auto texts = f.host.surface.CallsOf("text");
  ASSERT_GE(texts.size(), 2u);
  const Call& yTitle = texts[texts.size() - 2];
  const Call& xTitle = texts.back();
  EXPECT_EQ(yTitle.text, "Capital");
  EXPECT_EQ(yTitle.args, (std::vector<int>{-25, -730}));
  EXPECT_EQ(xTitle.text, "Labour");
  EXPECT_EQ(xTitle.args, (std::vector<int>{1245, 10}));
  EXPECT_EQ(xTitle.font, (Font{"Arial", 12, 6, 700, false}));
}

TEST(DrawAxes, ExtremeRangesStayBounded) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* name;
    double min, max, zoom;
    std::size_t maxTicks;
  };
  const Row rows[] = {
      {"Huge", -1e300, 1e300, 1e-5, 3},   {"Infinite", -inf, inf, 1, 3},
      {"NaNMaximum", 0, nan, 6, 0},       {"NaNMinimum", nan, 100, 6, 0},
      {"BeyondIntRange", 3e9, 5e9, 1, 1},  // both ends saturate to the same int
  };
  for (const Row& r : rows) {
    RenderFixture f;
    // Straight into the model: the form's fields would not carry a NaN or
    // an infinity through.
    {
      ModelEdit m = EditModel(f.document);
      m->xMin = m->yMin = r.min;
      m->xMax = m->yMax = r.max;
      m->xZoom = m->yZoom = r.zoom;
    }
    DrawAxes(f.document.model(), f.eq.view(), f.host.surface);
    EXPECT_LE(XTicks(f.host.surface).size(), r.maxTicks) << r.name;
  }
}

TEST(Redraw, WaitsForUsableZoomAndDecimals) {
  struct Row {
    const char* name;
    double xZoom, yZoom;
    int decimals;
  };
  const Row rows[] = {
      {"XZoomZero", 0, 6, 1}, {"YZoomZero", 6, 0, 1}, {"NegativeDecimals", 6, 6, -1}};
  for (const Row& r : rows) {
    RenderFixture f;
    {
      ModelEdit m = EditModel(f.document);
      m->xZoom = r.xZoom;
      m->yZoom = r.yZoom;
      m->decimals = r.decimals;
      m->lines[0].a = 5;
    }
    f.eq.redraw();
    EXPECT_TRUE(f.host.timerRunning) << r.name;
    EXPECT_EQ(f.host.timerStarts, 1) << r.name;
    EXPECT_EQ(f.host.presents, 0) << r.name;
    EXPECT_TRUE(f.host.surface.Calls().empty()) << r.name;
  }
}

TEST(Redraw, DrawsTheDocumentsLinesAndPresents) {
  RenderFixture f;
  f.SetLine(0, "C1", 1, 1, 1, REL_LE, 10);
  EditModel(f.document)->lines[0].a = 2;  // changed since the last drawing
  f.eq.redraw();
  EXPECT_EQ(f.host.presents, 1);
  EXPECT_FALSE(f.host.timerRunning);
  // Axes first: the erasing rectangle is the first shape.
  const auto& calls = f.Calls();
  auto firstRect =
      std::find_if(calls.begin(), calls.end(), [](const Call& c) { return c.op == "rect"; });
  auto firstText =
      std::find_if(calls.begin(), calls.end(), [](const Call& c) { return c.op == "text"; });
  ASSERT_NE(firstRect, calls.end());
  EXPECT_LT(firstRect - calls.begin(), firstText - calls.begin());
  EXPECT_EQ(f.host.surface.Texts().back(), "C1:   2.0  +   1.0  =  10.0");
}

TEST(Redraw, WithoutSurfaceDrawsNothing) {
  RenderFixture f;
  f.host.offscreenCreated = false;
  f.eq.redraw();
  EXPECT_EQ(f.host.presents, 0);
  EXPECT_TRUE(f.host.surface.Calls().empty());
}

}  // namespace
}  // namespace tessaro
