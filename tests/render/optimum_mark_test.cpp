// The optimum found by Auto Max or Auto Min is marked with a filled dot in
// the payoff line's colour on each optimal corner, for as long as the model
// it was found for stays as it is.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/drawing_style.h"
#include "solver/solver_fixture.h"

namespace tessaro {
namespace {

using test::Le;
using test::SolverView;

struct MarkRow {
  const char* name;
  std::function<void(SolverView&)> after;  // what happens after Auto Max
  int dots;                                // dots drawn by the next redraw
};

void PrintTo(const MarkRow& row, std::ostream* os) {
  *os << row.name;
}

class OptimumMarkTest : public testing::TestWithParam<MarkRow> {};

// x + y <= 10, x <= 6; payoff 2x + y: the optimum is the corner (6, 4).
void OpenSolved(SolverView& v) {
  v.SetRanges(20, 6, 20, 6);
  v.SetDecimals(1);
  v.SetLines({Le(1, 1, 10), Le(1, 0, 6)});
  v.SetPayoff(2, 1, 1);
  v.view.run(FormCommand::AutoMax);
}

std::vector<RecordingSurface::Call> RedDots(SolverView& v) {
  v.host.offscreenCreated = true;
  v.host.surface.Clear();
  v.view.redraw();
  std::vector<RecordingSurface::Call> dots;
  for (const auto& call : v.host.surface.CallsOf("ellipse")) {
    if (call.brush == COLOR_PAYOFF_RED && !call.defaultBrush) dots.push_back(call);
  }
  return dots;
}

TEST_P(OptimumMarkTest, DotsLastUntilTheModelChanges) {
  const MarkRow& row = GetParam();
  SolverView v;
  OpenSolved(v);
  row.after(v);
  EXPECT_EQ(RedDots(v).size(), static_cast<std::size_t>(row.dots));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, OptimumMarkTest,
    testing::Values(MarkRow{"RightAfterAutoMax", [](SolverView&) {}, 1},
                    MarkRow{"AutoZoomOnlyMovesTheView",
                            [](SolverView& v) { v.view.run(FormCommand::AutoZoom); }, 1},
                    MarkRow{"LinePlusChangesTheModel",
                            [](SolverView& v) { v.view.stepButtonClicked(ctl::LINE_PLUS[0]); }, 0},
                    MarkRow{"PayoffStepChangesTheLevel",
                            [](SolverView& v) { v.view.stepButtonClicked(ctl::PAYOFF_PLUS); }, 0},
                    MarkRow{"UndoRestoresTheUnsolvedModel",
                            [](SolverView& v) { v.view.run(FormCommand::Undo); }, 0},
                    MarkRow{"SolvedAgain",
                            [](SolverView& v) {
                              v.view.stepButtonClicked(ctl::LINE_PLUS[0]);
                              v.view.run(FormCommand::AutoMax);
                            },
                            1}),
    [](const testing::TestParamInfo<MarkRow>& info) { return std::string(info.param.name); });

TEST(OptimumMark, DotSitsOnTheCorner) {
  SolverView v;
  OpenSolved(v);
  const auto dots = RedDots(v);
  ASSERT_EQ(dots.size(), 1u);
  // (6, 4) at 6 pixels a unit: (36, -24), the dot 4 pixels around it.
  EXPECT_EQ(dots[0].args, (std::vector<int>{32, -28, 41, -19}));
  EXPECT_EQ(dots[0].pen.color, COLOR_PAYOFF_RED);
}

TEST(OptimumMark, EveryTiedCornerIsMarked) {
  // Payoff x + y lies along x + y <= 10: the corners (6, 4) and (0, 10) tie.
  SolverView v;
  v.SetRanges(20, 6, 20, 6);
  v.SetDecimals(1);
  v.SetLines({Le(1, 1, 10), Le(1, 0, 6)});
  v.SetPayoff(1, 1, 1);
  v.view.run(FormCommand::AutoMax);
  ASSERT_GE(v.view.optimum().size(), 2u);
  EXPECT_EQ(RedDots(v).size(), 2u);
}

}  // namespace
}  // namespace tessaro
