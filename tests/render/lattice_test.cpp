#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render_fixture.h"
#include "solver/lattice_points.h"

namespace tessaro {
namespace {

using test::RenderFixture;

constexpr const char* kTooMany = "Too many integer dots(>=1000) to draw";

std::vector<IntPoint> Dots(const FormController& eq) {
  std::vector<IntPoint> out;
  for (int k = 0; k < eq.dotCount; ++k) out.push_back({eq.dotX[k], eq.dotY[k]});
  return out;
}

TEST(ComputeIntegerDots, TwoXPlusThreeYGivesNineteenPointsInOrder) {
  RenderFixture f;
  f.SetRange(0, 10, 0, 10, 6, 6);
  f.SetLine(0, "C1", 2, 1, 3, REL_LE, 12);
  f.eq.rowA[0] = f.eq.rowB[0] = f.eq.rowC[0] = 0;  // the lines are copied into the rows
  f.eq.integerDotsOn = 1;
  f.eq.ComputeIntegerDots();
  const int columnTops[] = {4, 3, 2, 2, 1, 0, 0};
  std::vector<IntPoint> expected;
  for (int x = 0; x < 7; ++x) {
    for (int y = 0; y <= columnTops[x]; ++y) expected.push_back({x, y});
  }
  ASSERT_EQ(f.eq.dotCount, 19);
  EXPECT_EQ(Dots(f.eq), expected);
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_EQ(f.eq.integerDotsOn, 1);
}

TEST(ComputeIntegerDots, ThousandthPointKeeps999AndSwitchesOff) {
  struct Case {
    const char* name;
    bool withDocument;
  };
  for (const Case c : {Case{"WithDocument", true}, Case{"WithoutDocument", false}}) {
    RenderFixture f;
    if (!c.withDocument) f.eq.doc = nullptr;
    f.SetRange(0, 100, 0, 100, 6, 6);
    f.eq.integerDotsOn = 1;
    EditModel(f.document)->integerDots = (1) != 0;
    f.eq.ComputeIntegerDots();

    LatticeRows rows;
    rows[6] = LatticeRow{1, 0, 0, REL_GE, true};
    rows[7] = LatticeRow{0, 1, 0, REL_GE, true};
    const LatticeResult plain =
        EnumerateLatticePointsPlain(rows, PlotFrame{0, 100, 0, 100, 6, 6}, 999);
    ASSERT_EQ(f.eq.dotCount, 999) << c.name;
    EXPECT_EQ(Dots(f.eq), plain.points) << c.name;
    ASSERT_EQ(f.host.messages.size(), 1u) << c.name;
    EXPECT_EQ(f.host.messages[0].text, kTooMany);
    EXPECT_EQ(f.host.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(f.host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(f.eq.integerDotsOn, 0) << c.name;
    EXPECT_EQ(int{f.document.model().integerDots}, c.withDocument ? 0 : 1) << c.name;
  }
}

TEST(ComputeIntegerDots, FarBoundsTakeNoPart) {
  RenderFixture f;
  f.SetRange(0, 10, 0, 10, 6, 6);
  f.eq.rowC[ROW_FAR_X] = 1;  // a stale far bound would cut the columns at 1
  f.eq.rowC[ROW_FAR_Y] = 1;
  f.SetLine(0, "C1", 1, 1, 1, REL_LE, 3);
  f.eq.ComputeIntegerDots();
  EXPECT_EQ(f.eq.dotCount, 10);
}

TEST(toggleIntegerDots, SwitchesComputesAndRedraws) {
  RenderFixture f;
  f.SetRange(0, 10, 0, 10, 6, 6);
  f.SetLine(0, "C1", 2, 1, 3, REL_LE, 12);
  f.eq.run(FormCommand::ToggleIntegerDots);
  EXPECT_EQ(f.eq.integerDotsOn, 1);
  EXPECT_EQ(int{f.document.model().integerDots}, 1);
  EXPECT_TRUE(f.document.isModified());
  EXPECT_EQ(f.eq.dotCount, 19);
  EXPECT_EQ(f.host.presents, 1);
  EXPECT_EQ(f.host.surface.CallsOf("ellipse").size(), 19u);

  // Off: the list stays, but is no longer drawn.
  f.host.surface.Clear();
  f.eq.run(FormCommand::ToggleIntegerDots);
  EXPECT_EQ(f.eq.integerDotsOn, 0);
  EXPECT_EQ(int{f.document.model().integerDots}, 0);
  EXPECT_EQ(f.eq.dotCount, 19);
  EXPECT_TRUE(f.host.surface.CallsOf("ellipse").empty());
}

TEST(toggleIntegerDots, TooManyPointsShowNone) {
  RenderFixture f;
  f.eq.run(FormCommand::ToggleIntegerDots);  // the whole 0..200 by 0..120 quadrant
  EXPECT_EQ(f.host.MessageTexts(), std::vector<std::string>{kTooMany});
  EXPECT_EQ(f.eq.integerDotsOn, 0);
  EXPECT_EQ(f.eq.dotCount, 999);
  EXPECT_TRUE(f.host.surface.CallsOf("ellipse").empty());
}

}  // namespace
}  // namespace tessaro
