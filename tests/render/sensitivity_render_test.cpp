#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/recording_surface.h"
#include "render/sensitivity_drawing.h"
#include "render/sensitivity_table.h"

namespace tessaro {
namespace {

// Maximize 30 chairs + 50 tables; Wood 4x + 3y <= 120, Labour 2x + 4y <= 80,
// Market x <= 25: optimal at (24, 8).
Model Production() {
  Model m;
  m.xLabel = "chairs";
  m.yLabel = "tables";
  m.payoff.a = 30;
  m.payoff.b = 50;
  m.lines[0] = {"Wood", 4, 3, 120, 1, Relation::LessEqual, {}};
  m.lines[1] = {"Labour", 2, 4, 80, 1, Relation::LessEqual, {}};
  m.lines[3] = {"Market", 1, 0, 25, 1, Relation::LessEqual, {}};
  m.xMax = 60;
  m.yMax = 50;
  m.xZoom = 10;
  m.yZoom = 8;
  return m;
}

TEST(SensitivityTableTest, PrintedLines) {
  const Model m = Production();
  const std::vector<std::string> lines =
      SensitivityTableLines(m, AnalyzeSensitivity(m, Direction::Maximize, 24, 8), false);
  const std::vector<std::string> expected{
      "Sensitivity at (24.0, 8.0)",
      "Constraint  Slack  Shadow price  RHS lower  RHS upper",
      "Wood          0.0           2.0       60.0      122.5",
      "Labour        0.0          11.0       76.7      160.0",
      "Market        1.0           0.0       24.0       +inf",
      "",
      "Variable  Value  Reduced cost  Coef. lower  Coef. upper",
      "chairs     24.0           0.0         25.0         66.7",
      "tables      8.0           0.0         22.5         60.0",
  };
  EXPECT_EQ(lines, expected);
}

TEST(SensitivityTableTest, NoValueAndNotesOfSpecialCorners) {
  Model m = Production();
  Sensitivity s = AnalyzeSensitivity(m, Direction::Maximize, 24, 8);
  s.degenerate = true;
  s.tied = true;
  s.rows[0].rhs.rateUp.reset();
  s.rows[0].rhs.rateDown.reset();
  const std::vector<std::string> lines = SensitivityTableLines(m, s, true);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Sensitivity of the linear relaxation at (24.0, 8.0); degenerate corner: one-sided "
            "values; a whole edge is optimal");
  EXPECT_EQ(lines[2], "Wood          0.0             -      120.0      120.0");
  EXPECT_TRUE(SensitivityTableLines(m, Sensitivity{}, false).empty());
}

// A drawn segment, back in model units.
struct Segment {
  double x1, y1, x2, y2;
};

std::vector<Segment> Segments(const RecordingSurface& surface, const Model& m, PenStyle style) {
  std::vector<Segment> out;
  IntPoint from;
  for (const RecordingSurface::Call& c : surface.Calls()) {
    if (c.op == "move") from = {c.args[0], c.args[1]};
    if (c.op != "line" || c.pen.style != style) continue;
    out.push_back({m.xMin + from.x / m.xZoom, m.yMin - from.y / m.yZoom,
                   m.xMin + c.args[0] / m.xZoom, m.yMin - c.args[1] / m.yZoom});
  }
  return out;
}

// Whether both ends lie on a x + b y = c to within a pixel.
bool OnLine(const Segment& s, const Model& m, double a, double b, double c) {
  const double pixel = std::fabs(a) / m.xZoom + std::fabs(b) / m.yZoom;
  return std::fabs(a * s.x1 + b * s.y1 - c) <= pixel && std::fabs(a * s.x2 + b * s.y2 - c) <= pixel;
}

struct RangeCase {
  const char* name;
  int row;
  std::vector<double> limits;  // the right-hand sides of the dotted lines
};

class SensitivityDrawingTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SensitivityDrawingTest, FanThroughTheCornerAndTheRowAtItsLimits) {
  const Model m = Production();
  const Sensitivity s = AnalyzeSensitivity(m, Direction::Maximize, 24, 8);
  RecordingSurface surface;
  DrawSensitivityRanges(m, s, GetParam().row, surface);
  // The fan's ends are the payoffs parallel to Wood (x coefficient 66.7)
  // and to Labour (25), through (24, 8).
  const std::vector<Segment> fan = Segments(surface, m, PenStyle::Solid);
  ASSERT_EQ(fan.size(), 2u);
  EXPECT_TRUE(OnLine(fan[0], m, 25, 50, 25 * 24 + 50 * 8));
  EXPECT_TRUE(OnLine(fan[1], m, 200.0 / 3, 50, 200.0 / 3 * 24 + 50 * 8));
  const std::vector<Segment> ranges = Segments(surface, m, PenStyle::Dotted);
  const Line& line = m.lines[GetParam().row];
  ASSERT_EQ(ranges.size(), GetParam().limits.size());
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    EXPECT_TRUE(OnLine(ranges[i], m, line.a, line.yCoefficient(), GetParam().limits[i])) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SensitivityDrawingTest,
                         ::testing::Values(RangeCase{"Wood", 0, {60, 122.5}},
                                           RangeCase{"Labour", 1, {230.0 / 3, 160}},
                                           RangeCase{"MarketEndless", 3, {24}},
                                           RangeCase{"EmptySlot", 2, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
