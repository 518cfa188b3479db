#include "solver/auto_zoom.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Ge;
using test::Le;
using test::Line;

struct ZoomCase {
  std::string name;
  friend void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.name; }
  std::vector<Line> lines;
  double xMin;
  double yMin;
  int decimals;
  double xMax;
  double xZoom;
  double yMax;
  double yZoom;
};

class AutoZoomTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(AutoZoomTest, FitsRangesAndZooms) {
  const ZoomCase& c = GetParam();
  test::SolverView v;
  v.SetRanges(2000, 6, 2000, 6);  // far bounds beyond every corner below
  {
    ModelEdit m = EditModel(v.doc);
    m->xMin = c.xMin;
    m->yMin = c.yMin;
    m->decimals = c.decimals;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      m->lines[i].a = c.lines[i].a;
      m->lines[i].b = c.lines[i].b;
      m->lines[i].relation = RelationOfCode(c.lines[i].relation);
      m->lines[i].c = c.lines[i].c;
    }
  }
  // A plot whose Auto Zoom box is 600 x 250 pixels.
  v.view.setView(PlotViewOfSize(730, 332));
  v.view.run(FormCommand::AutoZoom);
  EXPECT_TRUE(v.host.messages.empty());
  EXPECT_EQ(v.doc.model().xMax, c.xMax);
  EXPECT_EQ(v.doc.model().xZoom, c.xZoom);
  EXPECT_EQ(v.doc.model().yMax, c.yMax);
  EXPECT_EQ(v.doc.model().yZoom, c.yZoom);
  EXPECT_EQ(v.doc.model().xMin, c.xMin);
  EXPECT_EQ(v.doc.model().yMin, c.yMin);
  // The new ranges are stored: one step of the history.
  EXPECT_TRUE(v.doc.isModified());
  EXPECT_EQ(v.doc.undoName(), "Auto Zoom");
}

INSTANTIATE_TEST_SUITE_P(
    Areas, AutoZoomTest,
    ::testing::Values(
        ZoomCase{"Triangle", {Le(1, 1, 10)}, 0, 0, 1, 10, 60, 10, 25},
        ZoomCase{"RoundsUp", {Le(1, 0, 12.3), Le(0, 1, 5)}, 0, 0, 2, 13, 46.15, 5, 50},
        ZoomCase{"JustAboveWholeRoundsUp",
                 {Le(1, 0, 12.000002), Le(0, 1, 5)},
                 0,
                 0,
                 2,
                 13,
                 46.15,
                 5,
                 50},
        ZoomCase{
            "WithinMillionthStays", {Le(1, 0, 12.0000005), Le(0, 1, 5)}, 0, 0, 2, 12, 50, 5, 50},
        ZoomCase{"WholeNumberStays", {Le(1, 0, 12), Le(0, 1, 5)}, 0, 0, 2, 12, 50, 5, 50},
        ZoomCase{"AreaOnYAxisOnly", {Le(1, 0, 0), Le(0, 1, 5)}, 0, 0, 2, 1200, 0.5, 5, 50},
        ZoomCase{"ZoomBelowOneKeepsDigits",
                 {Le(1, 0, 1300), Le(0, 1, 5)},
                 0,
                 0,
                 2,
                 1300,
                 600.0 / 1300.0,
                 5,
                 50},
        ZoomCase{"ZoomAboveOneCut", {Le(1, 0, 70), Le(0, 1, 5)}, 0, 0, 2, 70, 8.57, 5, 50},
        ZoomCase{
            "ZoomCutToWholeWithNoDecimals", {Le(1, 0, 70), Le(0, 1, 5)}, 0, 0, 0, 70, 8, 5, 50},
        // The largest X lies below xMin: the range gets the fallback length.
        ZoomCase{"LargestBelowLowerEnd", {Le(1, 0, 10), Le(0, 1, 5)}, 20, 0, 2, 1220, 0.5, 5, 50},
        ZoomCase{"LargestBelowLowerEndInY",
                 {Le(1, 0, 10), Le(0, 1, 5)},
                 0,
                 8,
                 2,
                 10,
                 60,
                 708,
                 250.0 / 700.0},
        // A range of 0.00001 would need 6e7 pixels per unit; the form's
        // zoom fields stop at 10000.
        ZoomCase{
            "ZoomHeldAtFieldLimit", {Le(1, 0, 10), Le(0, 1, 5)}, 9.99999, 0, 6, 10, 10000, 5, 50}),
    [](const ::testing::TestParamInfo<ZoomCase>& info) { return info.param.name; });

TEST(AutoZoomTest, NoCornerShowsMessageAndKeepsRanges) {
  test::SolverView v;
  v.SetLines({Ge(1, 1, 1000)});
  // After Copy, Undo would go to the field with the focus.
  v.view.run(FormCommand::Copy);
  v.view.run(FormCommand::AutoZoom);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, MSG_NO_ZOOM_AREA);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(v.doc.model().xMax, 20.0);
  EXPECT_EQ(v.doc.model().xZoom, 6.0);
  EXPECT_FALSE(v.doc.isModified());
  // The change began before the message: Undo goes to the history again.
  v.view.run(FormCommand::Undo);
  ASSERT_EQ(v.host.editRequests.size(), 1u);
  EXPECT_EQ(v.host.editRequests[0], EditRequest::Copy);
}

TEST(AutoZoomTest, HugeLowerEndLeavesAxisAlone) {
  // 1e20 + 1200 rounds back to 1e20: no positive range can be made.
  Model m;
  m.xMin = 1e20;
  m.xMax = 5;
  m.xZoom = 3;
  m.yMax = 0;
  m.yZoom = 2;
  m.lines[0].a = 1;
  m.lines[0].b = 1;
  m.lines[0].c = 10;
  const AutoZoomResult r = ComputeAutoZoom(m, FarBounds{}, ZoomBox{600, 250});
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.xMax, 5.0);
  EXPECT_EQ(r.xZoom, 3.0);
}

// The box is the plot on screen less its margins: a larger window gives a
// larger zoom, and the lower ends stay.
struct PlotCase {
  std::string name;
  friend void PrintTo(const PlotCase& c, std::ostream* os) { *os << c.name; }
  int width;
  int height;
  double xZoom;
  double yZoom;
};

class AutoZoomPlotTest : public ::testing::TestWithParam<PlotCase> {};

TEST_P(AutoZoomPlotTest, FitsThePlotAsItIsNow) {
  const PlotCase& c = GetParam();
  test::SolverView v;
  v.SetRanges(2000, 6, 2000, 6);
  v.SetLines({Le(1, 0, 10), Le(0, 1, 20)});
  v.view.setView(PlotViewOfSize(c.width, c.height));
  v.view.run(FormCommand::AutoZoom);
  const Model& m = v.doc.model();
  EXPECT_EQ(m.xMax, 10.0);
  EXPECT_EQ(m.yMax, 20.0);
  EXPECT_EQ(m.xZoom, c.xZoom);
  EXPECT_EQ(m.yZoom, c.yZoom);
  // The fitted ranges lie inside the plot, right of and above the origin.
  EXPECT_LE(10.0 * m.xZoom, c.width - v.view.view().OriginX());
  EXPECT_LE(20.0 * m.yZoom, v.view.view().OriginY());
}

INSTANTIATE_TEST_SUITE_P(Plots, AutoZoomPlotTest,
                         ::testing::Values(
                             // 1260 - 30 - 100 = 1130 wide; 1020 - 32 - 50 = 938 high.
                             PlotCase{"DefaultPlot", 1260, 1020, 113, 46.9},
                             // 1585 x 880: the plot of a 1600 x 1000 window.
                             PlotCase{"LargeWindow", 1585, 880, 145.5, 39.9},
                             PlotCase{"SmallWindow", 700, 400, 57, 15.9},
                             // Below its margins a plot still gets a box of 50 pixels.
                             PlotCase{"TinyPlot", 100, 90, 5, 2.5}),
                         [](const ::testing::TestParamInfo<PlotCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace tessaro
