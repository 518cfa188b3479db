#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "editor/pointer_mapping.h"
#include "editor/rotation.h"
#include "view_harness.h"

namespace tessaro {
namespace {

using test::ViewHarness;

// --- pane 0 ---------------------------------------------------------------

struct PaneRow {
  const char* name;
  PlotScale scale;
  int decimals, px, py;
  const char* text;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const PaneRow& row, std::ostream* os) {
  *os << row.name;
}

class PointerPane : public testing::TestWithParam<PaneRow> {};

TEST_P(PointerPane, ShowsPointerInModelUnits) {
  const PaneRow& r = GetParam();
  ViewHarness h;
  h.SetScale(r.scale.xMin, r.scale.yMin, r.scale.xZoom, r.scale.yZoom);
  h.SetDecimals(r.decimals);
  h.eq.pointerMoved(r.px, r.py);
  EXPECT_EQ(h.host.panes[0], r.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointerPane,
    testing::Values(PaneRow{"Zoom6", {0, 0, 6, 6}, 1, 105, 360, " (10.0, 10.0)"},
                    PaneRow{"RangeStartAndTwoZooms", {10, 20, 3, 2}, 1, 105, 360, " (30.0, 50.0)"},
                    PaneRow{"LargestPixel", {0, 0, 1, 1}, 0, INT_MAX, 420, " (2147483602,    0)"},
                    PaneRow{"TwoDecimalsNegative", {0, 0, 4, 4}, 2, 35, 430, " (-2.50, -2.50)"},
                    PaneRow{"NoDecimals", {0, 0, 10, 10}, 0, 172, 390, " (  13,    3)"},
                    PaneRow{
                        "NegativeDecimalsAsNone", {0, 0, 10, 10}, -2, 172, 390, " (  13,    3)"}),
    [](const testing::TestParamInfo<PaneRow>& info) { return info.param.name; });

TEST(PointerPaneText, SpinMaximumDecimalsAreWrittenWhole) {
  ViewHarness h;
  h.SetDecimals(DECIMALS_SPIN_MAX);
  h.eq.pointerMoved(105, 360);
  const std::string& text = h.host.panes[0];
  ASSERT_GT(text.size(), 2000u);
  EXPECT_EQ(text.rfind(" (10.000", 0), 0u);
  EXPECT_EQ(text.find_first_not_of("0", 8), text.find(", 10.0"));
  EXPECT_EQ(text.back(), ')');
}

// --- dragging a constraint line ------------------------------------------

struct LineDragRow {
  const char* name;
  int decimals;
  int px;  // the pointer moves to this pixel at y = 10
  double rhs;
  const char* shown;  // the right-hand side as the line text shows it
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LineDragRow& row, std::ostream* os) {
  *os << row.name;
}

class LineDrag : public testing::TestWithParam<LineDragRow> {};

TEST_P(LineDrag, RightHandSideFollowsThePointer) {
  const LineDragRow& r = GetParam();
  ViewHarness h;
  h.SetDecimals(r.decimals);
  h.SetLine(0, 2, 1, 1, REL_LE, 40);  // 2x + 1y <= 40
  h.eq.editUndoFlag = 1;
  h.LeftPress(15.5, 10);
  ASSERT_EQ(h.eq.dragLine, 0);
  EXPECT_EQ(h.eq.editUndoFlag, 0);

  h.eq.pointerMoved(r.px, h.Py(10));
  EXPECT_NEAR(h.eq.lineC[0], r.rhs, 1e-9);
  EXPECT_NEAR(h.eq.rowC[0], r.rhs, 1e-9);
  EXPECT_NEAR(h.doc.model().lines[0].c, r.rhs, 1e-9);
  EXPECT_TRUE(h.doc.isModified());
  EXPECT_NE(h.eq.lineText[0].find(r.shown), std::string::npos) << h.eq.lineText[0];
  EXPECT_EQ(h.host.fields[ctl::LINE0], h.eq.lineText[0]);
  // The drawing shows the dragged line's text in pane 1.
  EXPECT_FALSE(h.host.panes[1].empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, LineDrag,
                         testing::Values(LineDragRow{"ThroughTwentyTen", 1, 165, 50.0, "<= 50.0 "},
                                         // x = 20.333: 50.667 is cut, not rounded.
                                         LineDragRow{"CutToOneDecimal", 1, 167, 50.6, "<= 50.6 "},
                                         LineDragRow{"CutToWholeUnits", 0, 167, 50.0, "<=   50 "}),
                         [](const testing::TestParamInfo<LineDragRow>& info) {
                           return info.param.name;
                         });

TEST(MouseDrag, OneUndoRevertsAWholeDrag) {
  ViewHarness h;
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.LeftPress(15.5, 10);
  for (double x : {18.0, 20.0, 25.0}) h.Move(x, 10);
  h.LeftRelease(25, 10);
  EXPECT_EQ(h.eq.dragLine, -1);
  ASSERT_NEAR(h.eq.lineC[0], 60.0, 1e-9);
  h.eq.run(FormCommand::Undo);
  EXPECT_NEAR(h.eq.lineC[0], 40.0, 1e-9);
  EXPECT_NEAR(h.doc.model().lines[0].c, 40.0, 1e-9);
}

TEST(MouseDrag, PressOnNothingTakesNoSnapshot) {
  ViewHarness h;
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.eq.editUndoFlag = 1;
  h.LeftPress(16, 10);
  EXPECT_EQ(h.eq.dragLine, -1);
  EXPECT_EQ(h.eq.editUndoFlag, 1);
  EXPECT_TRUE(h.eq.ChangeName().empty());
  h.Move(30, 10);
  EXPECT_NEAR(h.eq.lineC[0], 40.0, 1e-9);
  EXPECT_FALSE(h.doc.isModified());
}

TEST(MouseDrag, ZeroZoomFromAFileGrabsNothing) {
  for (bool yAxis : {false, true}) {
    ViewHarness h;
    h.SetLine(0, 2, 1, 1, REL_LE, 40);
    const int px = h.Px(15.5), py = h.Py(10);
    (yAxis ? h.eq.yZoom : h.eq.xZoom) = 0;
    (yAxis ? EditModel(h.doc)->yZoom : EditModel(h.doc)->xZoom) = 0;
    EXPECT_FALSE(h.eq.wouldGrab(px, py));
    h.eq.leftPressed(px, py);
    h.eq.pointerMoved(px + 30, py);
    EXPECT_EQ(h.eq.dragLine, -1);
    EXPECT_EQ(h.eq.lineC[0], 40.0);
  }
}

// --- labels and the payoff line ------------------------------------------

TEST(MouseDrag, LabelsFollowThePointerFromTheRangeStart) {
  for (bool payoffLabel : {false, true}) {
    SCOPED_TRACE(payoffLabel ? "payoff label" : "line label");
    ViewHarness h;
    h.SetScale(10, 5, 6, 6);
    h.SetLine(0, 2, 1, 1, REL_LE, 400);
    h.SetPayoff(1, 1, 1, 500);
    if (payoffLabel) {
      h.SetPayoffLabel(40, 50);
    } else {
      h.SetLabel(0, 40, 50);
    }
    h.LeftPress(51, 54);
    EXPECT_EQ(h.eq.dragLabel, payoffLabel ? -1 : 0);
    EXPECT_EQ(h.eq.dragPayoffLabel, payoffLabel ? 1 : -1);
    h.Move(70, 30);
    const double lx = payoffLabel ? h.eq.payoffLabelX : h.eq.labelX[0];
    const double ly = payoffLabel ? h.eq.payoffLabelY : h.eq.labelY[0];
    EXPECT_NEAR(lx, 60.0, 1e-9);
    EXPECT_NEAR(ly, 25.0, 1e-9);
    EXPECT_EQ(payoffLabel ? h.doc.model().payoff.label.x : h.doc.model().lines[0].label.x, lx);
    EXPECT_EQ(payoffLabel ? h.doc.model().payoff.label.y : h.doc.model().lines[0].label.y, ly);
    EXPECT_TRUE(h.doc.isModified());
  }
}

TEST(MouseDrag, DefaultLabelIsGrabbedWhereTheDrawingPutIt) {
  ViewHarness h;
  // Two lines on one another: the second label moves along the line, off
  // the first, and the drawing stores neither place.
  h.SetLine(0, 1, 1, 1, REL_LE, 50);
  h.SetLine(1, 1, 1, 1, REL_LE, 50);
  h.eq.RedrawGraph();
  EXPECT_EQ(h.doc.model().lines[1].label, LabelPosition{});
  EXPECT_FALSE(h.doc.isModified());
  const double lx = h.eq.shownLabelX[1];
  const double ly = h.eq.shownLabelY[1];
  ASSERT_GT(lx, h.eq.shownLabelX[0]);
  // Ten pixels into the text, four below its top.
  h.LeftPress(lx + 10.0 / 6, ly - 4.0 / 6);
  EXPECT_EQ(h.eq.dragLabel, 1);
  h.Move(70, 30);
  EXPECT_NEAR(h.doc.model().lines[1].label.x, 70.0, 1e-9);
  EXPECT_NEAR(h.doc.model().lines[1].label.y, 30.0, 1e-9);
  EXPECT_EQ(h.doc.model().lines[0].label, LabelPosition{});
}

TEST(MouseDrag, PayoffLineMovesParallelAndShowsItsNewText) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.LeftPress(2, 3);
  ASSERT_EQ(h.eq.dragPayoff, 1);
  h.eq.pointerMoved(h.Px(10) + 1, h.Py(5));  // x = 10.1667: 40.5 cut to 40.5
  EXPECT_NEAR(h.eq.payoffLevel, 40.5, 1e-9);
  EXPECT_EQ(h.doc.model().payoff.level, h.eq.payoffLevel);
  EXPECT_NE(h.eq.payoffText.find("= 40.5 "), std::string::npos) << h.eq.payoffText;
  EXPECT_EQ(h.host.fields[ctl::PAYOFF], h.eq.payoffText);
  // Pane 1 shows this step's level, not the previous one.
  EXPECT_NE(h.host.panes[1].find("40.5"), std::string::npos) << h.host.panes[1];
}

// --- right button: preview and rotation ----------------------------------

struct RightPressRow {
  const char* name;
  double a, b, level, x, y;
  int rotate;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RightPressRow& row, std::ostream* os) {
  *os << row.name;
}

class RightPress : public testing::TestWithParam<RightPressRow> {};

TEST_P(RightPress, PreviewsAndStartsRotationOnTheLine) {
  const RightPressRow& r = GetParam();
  ViewHarness h;
  h.SetPayoff(r.a, 1, r.b, r.level);
  h.RightPress(r.x, r.y);
  EXPECT_EQ(h.eq.rotatePayoff, r.rotate);
  EXPECT_EQ(!h.eq.ChangeName().empty(), r.rotate != ROTATE_NONE);
  // The preview runs the line through the press, unstored and uncut.
  EXPECT_NEAR(h.eq.payoffLevel, r.a * r.x + r.b * r.y, 1e-9);
  EXPECT_EQ(h.doc.model().payoff.level, r.level);
  h.RightRelease(r.x, r.y);
  EXPECT_EQ(h.eq.payoffLevel, r.level);
  EXPECT_EQ(h.eq.rotatePayoff, ROTATE_NONE);
  EXPECT_EQ(h.host.fields[ctl::PAYOFF], h.eq.payoffText);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RightPress,
    // One pixel is 1/6 unit.
    testing::Values(RightPressRow{"OnLineBelowDiagonal", 3, 2, 12, 4, 0, ROTATE_KEEP_Y_INTERCEPT},
                    RightPressRow{"OnLineAboveDiagonal", 3, 2, 12, 0, 6, ROTATE_KEEP_X_INTERCEPT},
                    RightPressRow{"OffTheLine", 3, 2, 12, 10, 10, ROTATE_NONE},
                    RightPressRow{"BandAroundOriginLine", 1, 1, 0, 1.0 / 6, 0,
                                  ROTATE_KEEP_Y_INTERCEPT},
                    RightPressRow{"OutsideOriginBand", 1, 1, 0, 2.0 / 6, 0, ROTATE_NONE}),
    [](const testing::TestParamInfo<RightPressRow>& info) { return info.param.name; });

TEST(MouseRotation, UndefinedStepsLeaveTheCoefficientsAndRotationGoesOn) {
  struct Step {
    double x, y, a, b;
  };
  struct Case {
    const char* name;
    double a, b, pressX, pressY;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"KeepYInterceptOverTheYAxis", 3, 2, 4, 0, {{2, 2, 4, 2}, {0, 2, 4, 2}, {1, 3, 6, 2}}},
      {"KeepXInterceptOverTheXAxis", 3, 2, 0, 6, {{2, 6, 3, 1}, {2, 0, 3, 1}, {2, 3, 3, 2}}},
      {"ZeroPayoffA", 0, 2, 0, 6, {{2, 6, 0, 2}, {3, 3, 0, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ViewHarness h;
    h.SetPayoff(c.a, 1, c.b, 12);
    h.RightPress(c.pressX, c.pressY);
    ASSERT_NE(h.eq.rotatePayoff, ROTATE_NONE);
    for (const Step& s : c.steps) {
      h.Move(s.x, s.y);
      EXPECT_NEAR(h.eq.payoffA, s.a, 1e-9) << "at " << s.x << ", " << s.y;
      EXPECT_NEAR(h.eq.payoffB, s.b, 1e-9) << "at " << s.x << ", " << s.y;
      EXPECT_EQ(h.doc.model().payoff.a, h.eq.payoffA);
      EXPECT_EQ(h.doc.model().payoff.b, h.eq.payoffB);
      EXPECT_EQ(h.eq.payoffText.find("nan"), std::string::npos) << h.eq.payoffText;
      EXPECT_EQ(h.eq.payoffText.find("inf"), std::string::npos) << h.eq.payoffText;
    }
    h.RightRelease(0, 0);
    EXPECT_EQ(h.eq.payoffLevel, 12.0);
  }
}

TEST(MouseRotation, ReleaseWithoutPressKeepsThePayoff) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.RightRelease(4, 0);
  EXPECT_EQ(h.eq.payoffLevel, 12.0);
}

TEST(MouseRotation, LeftGrabDuringRotationKeepsRotating) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.RightPress(4, 0);
  ASSERT_EQ(h.eq.rotatePayoff, ROTATE_KEEP_Y_INTERCEPT);
  h.LeftPress(15.5, 10);
  EXPECT_EQ(h.eq.dragLine, 0);
  EXPECT_EQ(h.eq.rotatePayoff, ROTATE_KEEP_Y_INTERCEPT);
  h.LeftRelease(15.5, 10);
  EXPECT_EQ(h.eq.rotatePayoff, ROTATE_KEEP_Y_INTERCEPT);
}

// --- extreme zooms and ranges --------------------------------------------

bool AllStoredFinite(const Document& d) {
  const Model& s = d.model();
  for (const Line& l : s.lines) {
    for (double v : {l.a, l.b, l.c, l.label.x, l.label.y}) {
      if (!std::isfinite(v)) return false;
    }
  }
  const Payoff& p = s.payoff;
  for (double v : {p.a, p.b, p.level, p.label.x, p.label.y}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

struct ExtremeRow {
  const char* name;
  double zoom, rangeStart, coefficient;
  std::size_t lineTextLimit;  // a typed coefficient of 1e300 is long as text already
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ExtremeRow& row, std::ostream* os) {
  *os << row.name;
}

class ExtremeDrag : public testing::TestWithParam<ExtremeRow> {};

TEST_P(ExtremeDrag, EveryStoredNumberStaysFiniteAndReadable) {
  const ExtremeRow& r = GetParam();
  ViewHarness h;
  h.SetScale(r.rangeStart, r.rangeStart, r.zoom, r.zoom);
  // A line and the payoff through the point 100 pixels right of and above
  // the origin, i.e. view pixel (145, 320).
  const double at = r.rangeStart + 100.0 / r.zoom;
  h.SetLine(0, r.coefficient, 1, 1, REL_LE, (r.coefficient + 1) * at);
  h.SetPayoff(1, 1, 1, 2 * at);
  h.SetLabel(0, 0, 0);
  const int far[] = {INT_MIN, -100000, 0, 45, 1279, 100000, INT_MAX};

  h.eq.leftPressed(145, 320);
  EXPECT_EQ(h.eq.dragLine, 0);
  for (int k = 0; k < 7; ++k) h.eq.pointerMoved(far[k], far[6 - k]);
  h.eq.leftReleased();
  h.eq.rightPressed(145, 320);
  EXPECT_NE(h.eq.rotatePayoff, ROTATE_NONE);
  for (int px : far) h.eq.pointerMoved(px, px);
  h.eq.rightReleased();
  h.eq.leftPressed(50, 425);  // inside the box of the label at the origin
  EXPECT_EQ(h.eq.dragLabel, 0);
  for (int px : far) h.eq.pointerMoved(px, px);
  h.eq.leftReleased();

  EXPECT_TRUE(AllStoredFinite(h.doc));
  EXPECT_TRUE(std::isfinite(h.eq.payoffLevel));
  EXPECT_LT(h.eq.lineText[0].size(), r.lineTextLimit) << h.eq.lineText[0];
  for (const std::string& text : {h.eq.lineText[0], h.eq.payoffText, h.host.panes[0]}) {
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExtremeDrag,
    testing::Values(ExtremeRow{"SmallestZoom", 0.001, 0, 1, 80},
                    ExtremeRow{"LargestZoom", 10000, 0, 1, 80},
                    ExtremeRow{"SmallestZoomFarRange", 0.001, 1e12, 1, 80},
                    ExtremeRow{"LargestZoomFarRange", 10000, 1e12, 1, 80},
                    ExtremeRow{"SmallestZoomNegativeRange", 0.001, -1e12, 1, 80},
                    // The line's value at the far pointer overflows.
                    ExtremeRow{"HugeCoefficient", 0.001, 0, 1e300, 1000}),
    [](const testing::TestParamInfo<ExtremeRow>& info) { return info.param.name; });

// --- the hand cursor -----------------------------------------------------

void SetUpGrabModel(ViewHarness& h) {
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.SetLine(1, 1, 1, 1, REL_LE, 300);
  h.SetPayoff(3, 1, 2, 12);
  h.SetLabel(1, 0, 0);
}

TEST(wouldGrab, AgreesWithThePressAndChangesNothing) {
  // A line, nothing, the payoff line, a label, nothing.
  const ModelPoint points[] = {{15.5, 10}, {16, 10}, {2, 3}, {1, -1}, {60, 60}};
  ViewHarness probed;
  SetUpGrabModel(probed);
  int grabs = 0;
  for (const ModelPoint& p : points) {
    SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
    const bool would = probed.eq.wouldGrab(probed.Px(p.x), probed.Py(p.y));
    ViewHarness pressed;
    SetUpGrabModel(pressed);
    pressed.LeftPress(p.x, p.y);
    EXPECT_EQ(would, !pressed.eq.ChangeName().empty());
    grabs += would ? 1 : 0;
  }
  EXPECT_EQ(grabs, 3);
  EXPECT_TRUE(probed.eq.ChangeName().empty());
}

}  // namespace
}  // namespace tessaro
