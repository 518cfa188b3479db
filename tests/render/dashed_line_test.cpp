#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "render/plot_drawing.h"
#include "render/recording_surface.h"

namespace tessaro {
namespace {

// The dashes drawn, each {x0, y0, x1, y1}.
std::vector<std::vector<int>> Dashes(const RecordingSurface& s) {
  std::vector<std::vector<int>> out;
  const auto& calls = s.Calls();
  for (std::size_t k = 0; k + 1 < calls.size(); k += 2) {
    EXPECT_EQ(calls[k].op, "move");
    EXPECT_EQ(calls[k + 1].op, "line");
    out.push_back({calls[k].args[0], calls[k].args[1], calls[k + 1].args[0], calls[k + 1].args[1]});
  }
  return out;
}

struct DashCase {
  const char* name;
  int x0, y0, x1, y1, length;
  std::vector<std::vector<int>> expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const DashCase& row, std::ostream* os) {
  *os << row.name;
}

class DashedLine : public ::testing::TestWithParam<DashCase> {};

TEST_P(DashedLine, DashesAndGaps) {
  const DashCase& p = GetParam();
  RecordingSurface s;
  DrawDashedLine(s, p.x0, p.y0, p.x1, p.y1, p.length);
  EXPECT_EQ(Dashes(s), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DashedLine,
    ::testing::Values(
        // Dashes of 16 with gaps of 4; the last dash start on the end point
        // still draws up to it.
        DashCase{"Horizontal",
                 0,
                 0,
                 100,
                 0,
                 16,
                 {{0, 0, 16, 0},
                  {20, 0, 36, 0},
                  {40, 0, 56, 0},
                  {60, 0, 76, 0},
                  {80, 0, 96, 0},
                  {100, 0, 100, 0}}},
        DashCase{"Backwards", 50, 7, 0, 7, 16, {{50, 7, 34, 7}, {30, 7, 14, 7}, {10, 7, 0, 7}}},
        DashCase{"Upwards", 3, 0, 3, -30, 16, {{3, 0, 3, -16}, {3, -20, 3, -30}}},
        // A 3-4-5 slope: coordinates are truncated toward zero.
        DashCase{"Slanted", 0, 0, 30, 40, 16, {{0, 0, 9, 12}, {12, 16, 21, 28}, {24, 32, 30, 40}}},
        DashCase{"Coincident", 5, 5, 5, 5, 16, {}}, DashCase{"ZeroDash", 0, 0, 100, 0, 0, {}},
        DashCase{"NegativeDash", 0, 0, 100, 0, -16, {}},
        // The squared length would overflow an int.
        DashCase{"LongDashesNoOverflow",
                 INT_MIN,
                 0,
                 INT_MAX,
                 0,
                 INT_MAX,
                 {{INT_MIN, 0, -1, 0}, {536870910, 0, INT_MAX, 0}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
