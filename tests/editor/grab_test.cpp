#include "editor/grab.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace tessaro {
namespace {

// Zoom 6 from (0, 0). Line 0: 2x + y <= 40; line 1: x <= 30; line 2 empty
// with its label at (50, 80); label 0 at (50, 60); payoff x + y = 300 with
// its label at (80, 100).
// No drawing has placed a label yet, so each is where its offsets say.
Model BaseModel() {
  Model m;
  m.xZoom = m.yZoom = 6;
  m.lines[0].a = 2, m.lines[0].b = 1, m.lines[0].c = 40;
  m.lines[1].a = 1, m.lines[1].b = 0, m.lines[1].c = 30;
  m.lines[0].label = {50, 60};
  m.lines[2].label = {50, 80};
  m.payoff.a = 1, m.payoff.b = 1, m.payoff.level = 300;
  m.payoff.label = {80, 100};
  return m;
}

struct GrabRow {
  const char* name;
  std::function<void(Model&)> change;
  ModelPoint p;
  int line, label;
  bool payoff, payoffLabel;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const GrabRow& row, std::ostream* os) {
  *os << row.name;
}

class GrabTest : public testing::TestWithParam<GrabRow> {};

TEST_P(GrabTest, Targets) {
  const GrabRow& r = GetParam();
  Model m = BaseModel();
  if (r.change) r.change(m);
  const GrabTargets g = FindGrabTargets(m, ShownLabels{}, r.p);
  EXPECT_EQ(g.line, r.line);
  EXPECT_EQ(g.label, r.label);
  EXPECT_EQ(g.payoff, r.payoff);
  EXPECT_EQ(g.payoffLabel, r.payoffLabel);
}

const auto kTrim = [](Model& m) { m.trim = true; };

INSTANTIATE_TEST_SUITE_P(
    Rows, GrabTest,
    testing::Values(GrabRow{"Line", nullptr, {15.5, 10}, 0, -1, false, false},
                    GrabRow{"Nothing", nullptr, {16, 10}, -1, -1, false, false},
                    GrabRow{"FirstLineWins", nullptr, {30, -20}, 0, -1, false, false},
                    GrabRow{"TrimOnLinesUngrabbable", kTrim, {15.5, 10}, -1, -1, false, false},
                    GrabRow{"TrimOnLabelStillGrabbed", kTrim, {51, 59}, -1, 0, false, false},
                    GrabRow{"HiddenLabelGrabbed",
                            [](Model& m) { m.labels = false; },
                            {51, 59},
                            -1,
                            0,
                            false,
                            false},
                    GrabRow{"LabelOfEmptyLineIgnored", nullptr, {51, 79}, -1, -1, false, false},
                    GrabRow{"LabelAndPayoffTogether",
                            [](Model& m) {
                              m.lines[0].label = {100, 81};
                              m.payoff.level = 180;
                            },
                            {100.5, 79.5},
                            -1,
                            0,
                            true,
                            false},
                    GrabRow{"LineBlocksPayoff",
                            [](Model& m) { m.payoff.level = 70; },
                            {-30, 100},
                            0,
                            -1,
                            false,
                            false},
                    GrabRow{"PayoffLabel", nullptr, {81, 99}, -1, -1, false, true},
                    GrabRow{"LabelBlocksPayoffLabel",
                            [](Model& m) {
                              m.lines[0].label = {80, 100};
                            },
                            {81, 99},
                            -1,
                            0,
                            false,
                            false},
                    GrabRow{"PayoffBlocksPayoffLabel",
                            [](Model& m) { m.payoff.level = 180; },
                            {81, 99},
                            -1,
                            -1,
                            true,
                            false},
                    GrabRow{"NonFinitePoint",
                            nullptr,
                            {std::numeric_limits<double>::quiet_NaN(), 10},
                            -1,
                            -1,
                            false,
                            false}),
    [](const testing::TestParamInfo<GrabRow>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
