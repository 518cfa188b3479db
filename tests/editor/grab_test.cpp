#include "editor/grab.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace tessaro {
namespace {

// Zoom 6 from (0, 0). Line 0: 2x + y <= 40; line 1: x <= 30; line 2 empty
// with its label at (50, 80); label 0 at (50, 60); payoff x + y = 300 with
// its label at (80, 100).
ModelState BaseModel() {
  ModelState m;
  m.xZoom = m.yZoom = 6;
  m.rowA[0] = 2, m.rowB[0] = 1, m.rowC[0] = 40;
  m.rowA[1] = 1, m.rowB[1] = 0, m.rowC[1] = 30;
  m.labelX[0] = 50, m.labelY[0] = 60;
  m.labelX[2] = 50, m.labelY[2] = 80;
  m.payoffA = 1, m.payoffB = 1, m.payoffLevel = 300;
  m.payoffLabelX = 80, m.payoffLabelY = 100;
  return m;
}

struct GrabRow {
  const char* name;
  std::function<void(ModelState&)> change;
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
  ModelState m = BaseModel();
  if (r.change) r.change(m);
  const GrabTargets g = FindGrabTargets(m, r.p);
  EXPECT_EQ(g.line, r.line);
  EXPECT_EQ(g.label, r.label);
  EXPECT_EQ(g.payoff, r.payoff);
  EXPECT_EQ(g.payoffLabel, r.payoffLabel);
}

const auto kTrim = [](ModelState& m) { m.trimOn = 1; };

INSTANTIATE_TEST_SUITE_P(
    Rows, GrabTest,
    testing::Values(GrabRow{"Line", nullptr, {15.5, 10}, 0, -1, false, false},
                    GrabRow{"Nothing", nullptr, {16, 10}, -1, -1, false, false},
                    GrabRow{"FirstLineWins", nullptr, {30, -20}, 0, -1, false, false},
                    GrabRow{"TrimOnLinesUngrabbable", kTrim, {15.5, 10}, -1, -1, false, false},
                    GrabRow{"TrimOnLabelStillGrabbed", kTrim, {51, 59}, -1, 0, false, false},
                    GrabRow{"HiddenLabelGrabbed",
                            [](ModelState& m) { m.labelsOn = 0; },
                            {51, 59},
                            -1,
                            0,
                            false,
                            false},
                    GrabRow{"LabelOfEmptyLineIgnored", nullptr, {51, 79}, -1, -1, false, false},
                    GrabRow{"LabelAndPayoffTogether",
                            [](ModelState& m) {
                              m.labelX[0] = 100, m.labelY[0] = 81, m.payoffLevel = 180;
                            },
                            {100.5, 79.5},
                            -1,
                            0,
                            true,
                            false},
                    GrabRow{"LineBlocksPayoff",
                            [](ModelState& m) { m.payoffLevel = 70; },
                            {-30, 100},
                            0,
                            -1,
                            false,
                            false},
                    GrabRow{"PayoffLabel", nullptr, {81, 99}, -1, -1, false, true},
                    GrabRow{"LabelBlocksPayoffLabel",
                            [](ModelState& m) { m.labelX[0] = 80, m.labelY[0] = 100; },
                            {81, 99},
                            -1,
                            0,
                            false,
                            false},
                    GrabRow{"PayoffBlocksPayoffLabel",
                            [](ModelState& m) { m.payoffLevel = 180; },
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
