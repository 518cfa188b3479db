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
  return {eq.latticeDots().begin(), eq.latticeDots().end()};
}

// Opening a model that shows integer dots computes them.
TEST(ComputeIntegerDots, TwoXPlusThreeYGivesNineteenPointsInOrder) {
  RenderFixture f;
  f.SetRange(0, 10, 0, 10, 6, 6);
  f.SetLine(0, "C1", 2, 1, 3, REL_LE, 12);
  EditModel(f.document)->integerDots = true;
  f.eq.start();
  const int columnTops[] = {4, 3, 2, 2, 1, 0, 0};
  std::vector<IntPoint> expected;
  for (int x = 0; x < 7; ++x) {
    for (int y = 0; y <= columnTops[x]; ++y) expected.push_back({x, y});
  }
  ASSERT_EQ(f.eq.latticeDots().size(), 19u);
  EXPECT_EQ(Dots(f.eq), expected);
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_TRUE(f.document.model().integerDots);
}

// The points of the quadrant of a frame, as far as the first 999.
std::vector<IntPoint> First999(const Model& m) {
  LatticeRows rows;
  rows[6] = LatticeRow{1, 0, 0, REL_GE, true};
  rows[7] = LatticeRow{0, 1, 0, REL_GE, true};
  return EnumerateLatticePointsPlain(
             rows, PlotFrame{m.xMin, m.xMax, m.yMin, m.yMax, m.xZoom, m.yZoom}, 999)
      .points;
}

void ExpectTooManyShown(const test::FakeFormWindow& host, const char* name) {
  ASSERT_EQ(host.messages.size(), 1u) << name;
  EXPECT_EQ(host.messages[0].text, kTooMany) << name;
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok) << name;
  EXPECT_EQ(host.messages[0].icon, MsgIcon::None) << name;
}

TEST(ComputeIntegerDots, ThousandthPointKeeps999AndSwitchesOff) {
  {
    RenderFixture f;
    f.SetRange(0, 100, 0, 100, 6, 6);
    EditModel(f.document)->integerDots = true;
    f.eq.start();
    ASSERT_EQ(f.eq.latticeDots().size(), 999u);
    EXPECT_EQ(Dots(f.eq), First999(f.document.model()));
    ExpectTooManyShown(f.host, "WithDocument");
    EXPECT_FALSE(f.document.model().integerDots);
  }
  {
    // A form never given a document switches its own model's dots off.
    test::FakeFormWindow host;
    host.offscreenCreated = true;
    FormController eq(host, nullptr);
    eq.run(FormCommand::ToggleIntegerDots);
    ASSERT_EQ(eq.latticeDots().size(), 999u);
    EXPECT_EQ(Dots(eq), First999(eq.document().model()));
    ExpectTooManyShown(host, "WithoutDocument");
    EXPECT_FALSE(eq.document().model().integerDots);
  }
}

TEST(ComputeIntegerDots, FarBoundsTakeNoPart) {
  RenderFixture f;
  // Far bounds at x = 1 and y = 1, 500 pixels beyond maxima of 0 at 500
  // pixels a unit; the model then gets other ranges that no refresh has
  // read, so the bounds stay where they would cut the columns at 1.
  f.SetRange(-10, 0, -10, 0, 500, 500);
  ASSERT_EQ(f.eq.farBounds().x, 1.0);
  ASSERT_EQ(f.eq.farBounds().y, 1.0);
  {
    ModelEdit m = EditModel(f.document);
    m->xMin = 0;
    m->xMax = 10;
    m->yMin = 0;
    m->yMax = 10;
    m->xZoom = 6;
    m->yZoom = 6;
    m->integerDots = true;
  }
  f.SetLine(0, "C1", 1, 1, 1, REL_LE, 3);
  f.eq.start();
  EXPECT_EQ(f.eq.latticeDots().size(), 10u);
}

TEST(toggleIntegerDots, SwitchesComputesAndRedraws) {
  RenderFixture f;
  f.SetRange(0, 10, 0, 10, 6, 6);
  f.SetLine(0, "C1", 2, 1, 3, REL_LE, 12);
  f.eq.run(FormCommand::ToggleIntegerDots);
  EXPECT_TRUE(f.document.model().integerDots);
  EXPECT_TRUE(f.document.isModified());
  EXPECT_EQ(f.eq.latticeDots().size(), 19u);
  EXPECT_EQ(f.host.presents, 1);
  EXPECT_EQ(f.host.surface.CallsOf("ellipse").size(), 19u);

  // Off: the list stays, but is no longer drawn.
  f.host.surface.Clear();
  f.eq.run(FormCommand::ToggleIntegerDots);
  EXPECT_FALSE(f.document.model().integerDots);
  EXPECT_EQ(f.eq.latticeDots().size(), 19u);
  EXPECT_TRUE(f.host.surface.CallsOf("ellipse").empty());
}

TEST(toggleIntegerDots, TooManyPointsShowNone) {
  RenderFixture f;
  f.eq.run(FormCommand::ToggleIntegerDots);  // the whole 0..200 by 0..120 quadrant
  EXPECT_EQ(f.host.MessageTexts(), std::vector<std::string>{kTooMany});
  EXPECT_FALSE(f.document.model().integerDots);
  EXPECT_EQ(f.eq.latticeDots().size(), 999u);
  EXPECT_TRUE(f.host.surface.CallsOf("ellipse").empty());
}

}  // namespace
}  // namespace tessaro
