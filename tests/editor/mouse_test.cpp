#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "editor/pointer_mapping.h"
#include "editor/rotation.h"
#include "model/format_line.h"
#include "render/drawing_style.h"
#include "render/plot_drawing.h"
#include "render/recording_surface.h"
#include "view_harness.h"

namespace tessaro {
namespace {

using test::ViewHarness;

// Whether the form's picture shows the payoff line held by the pointer
// (dragged, turned, or its label moved): it is then drawn in the active blue.
bool PayoffDrawnHeld(const ViewHarness& h) {
  RecordingSurface picture;
  h.eq.drawPlot(picture, h.eq.view());
  for (const RecordingSurface::Call& call : picture.CallsOf("line")) {
    if (call.pen.color == COLOR_ACTIVE_BLUE) return true;
  }
  return false;
}

// The PAYOFF text the form shows for this level of the model's payoff.
std::string PayoffText(const ViewHarness& h, double level) {
  const Model& m = h.model();
  return FormatLine("", m.payoff.a, m.xLabel, m.payoff.sign, m.payoff.b, m.yLabel, REL_EQ, level,
                    m.decimals);
}

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
  // Copy sends the next Undo to the focused control; the grab takes it back.
  h.eq.run(FormCommand::Copy);
  h.LeftPress(15.5, 10);

  h.eq.pointerMoved(r.px, h.Py(10));
  EXPECT_NEAR(h.doc.model().lines[0].c, r.rhs, 1e-9);
  EXPECT_TRUE(h.doc.isModified());
  EXPECT_EQ(h.doc.undoName(), "Drag C1");
  const std::string& text = h.host.fields[ctl::LINE0];
  EXPECT_NE(text.find(r.shown), std::string::npos) << text;
  // The drawing shows the dragged line's text in pane 1.
  EXPECT_FALSE(h.host.panes[1].empty());

  h.eq.run(FormCommand::Undo);
  EXPECT_EQ(h.host.editRequests, std::vector<EditRequest>{EditRequest::Copy});
  EXPECT_EQ(h.doc.model().lines[0].c, 40.0);
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
  ASSERT_NEAR(h.doc.model().lines[0].c, 60.0, 1e-9);
  // The release let the line go.
  h.Move(30, 10);
  EXPECT_NEAR(h.doc.model().lines[0].c, 60.0, 1e-9);
  h.eq.run(FormCommand::Undo);
  EXPECT_NEAR(h.doc.model().lines[0].c, 40.0, 1e-9);
}

TEST(MouseDrag, PressOnNothingTakesNoSnapshot) {
  ViewHarness h;
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.eq.run(FormCommand::Copy);
  h.LeftPress(16, 10);
  h.Move(30, 10);
  EXPECT_NEAR(h.doc.model().lines[0].c, 40.0, 1e-9);
  EXPECT_FALSE(h.doc.isModified());
  EXPECT_EQ(h.doc.historySize(), 0u);
  // The control keeps the next Undo.
  h.eq.run(FormCommand::Undo);
  const std::vector<EditRequest> sent{EditRequest::Copy, EditRequest::Undo};
  EXPECT_EQ(h.host.editRequests, sent);
}

TEST(MouseDrag, ZeroZoomFromAFileGrabsNothing) {
  for (bool yAxis : {false, true}) {
    ViewHarness h;
    h.SetLine(0, 2, 1, 1, REL_LE, 40);
    const int px = h.Px(15.5), py = h.Py(10);
    (yAxis ? EditModel(h.doc)->yZoom : EditModel(h.doc)->xZoom) = 0;
    EXPECT_FALSE(h.eq.wouldGrab(px, py));
    h.eq.leftPressed(px, py);
    h.eq.pointerMoved(px + 30, py);
    EXPECT_EQ(h.doc.model().lines[0].c, 40.0);
    EXPECT_FALSE(h.doc.isModified());
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
    h.Move(70, 30);
    const Model& m = h.doc.model();
    const LabelPosition moved = payoffLabel ? m.payoff.label : m.lines[0].label;
    EXPECT_NEAR(moved.x, 60.0, 1e-9);
    EXPECT_NEAR(moved.y, 25.0, 1e-9);
    // Only the label pressed moves.
    EXPECT_EQ(payoffLabel ? m.lines[0].label : m.payoff.label, LabelPosition{});
    EXPECT_EQ(h.doc.undoName(), payoffLabel ? "Move Payoff Label" : "Move C1 Label");
    EXPECT_TRUE(h.doc.isModified());
  }
}

TEST(MouseDrag, DefaultLabelIsGrabbedWhereTheDrawingPutIt) {
  ViewHarness h;
  // Two lines on one another: the second label moves along the line, off
  // the first, and the drawing stores neither place.
  h.SetLine(0, 1, 1, 1, REL_LE, 50);
  h.SetLine(1, 1, 1, 1, REL_LE, 50);
  h.eq.redraw();
  EXPECT_EQ(h.doc.model().lines[1].label, LabelPosition{});
  EXPECT_FALSE(h.doc.isModified());
  // Where that drawing put the labels.
  RecordingSurface scratch;
  const ShownLabels shown =
      DrawModel(PlotScene{h.model(), h.eq.farBounds(), {}, {}, {}}, h.eq.view(), scratch).labels;
  const double lx = shown.lineX[1];
  const double ly = shown.lineY[1];
  ASSERT_GT(lx, shown.lineX[0]);
  // Ten pixels into the text, four below its top.
  h.LeftPress(lx + 10.0 / 6, ly - 4.0 / 6);
  h.Move(70, 30);
  EXPECT_EQ(h.doc.undoName(), "Move C2 Label");
  EXPECT_NEAR(h.doc.model().lines[1].label.x, 70.0, 1e-9);
  EXPECT_NEAR(h.doc.model().lines[1].label.y, 30.0, 1e-9);
  EXPECT_EQ(h.doc.model().lines[0].label, LabelPosition{});
}

TEST(MouseDrag, PayoffLineMovesParallelAndShowsItsNewText) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.LeftPress(2, 3);
  h.eq.pointerMoved(h.Px(10) + 1, h.Py(5));  // x = 10.1667: 40.5 cut to 40.5
  EXPECT_NEAR(h.doc.model().payoff.level, 40.5, 1e-9);
  EXPECT_EQ(h.doc.undoName(), "Drag Payoff");
  const std::string& text = h.host.fields[ctl::PAYOFF];
  EXPECT_NE(text.find("= 40.5 "), std::string::npos) << text;
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
  // The preview runs the line through the press, unstored and uncut (the
  // text rounds it).
  EXPECT_EQ(h.host.fields[ctl::PAYOFF], PayoffText(h, r.a * r.x + r.b * r.y));
  EXPECT_EQ(h.doc.model().payoff.level, r.level);
  EXPECT_EQ(PayoffDrawnHeld(h), r.rotate != ROTATE_NONE);
  // A rotation turns the coefficient of its mode as the pointer moves.
  h.Move(2, 2);
  EXPECT_EQ(h.doc.model().payoff.a != r.a, r.rotate == ROTATE_KEEP_Y_INTERCEPT);
  EXPECT_EQ(h.doc.model().payoff.b != r.b, r.rotate == ROTATE_KEEP_X_INTERCEPT);
  EXPECT_EQ(h.doc.undoName(), r.rotate != ROTATE_NONE ? "Turn Payoff" : "");
  h.RightRelease(r.x, r.y);
  EXPECT_EQ(h.doc.model().payoff.level, r.level);
  EXPECT_EQ(h.host.fields[ctl::PAYOFF], PayoffText(h, r.level));
  EXPECT_FALSE(PayoffDrawnHeld(h));
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
    ASSERT_TRUE(PayoffDrawnHeld(h));
    for (const Step& s : c.steps) {
      h.Move(s.x, s.y);
      EXPECT_NEAR(h.doc.model().payoff.a, s.a, 1e-9) << "at " << s.x << ", " << s.y;
      EXPECT_NEAR(h.doc.model().payoff.b, s.b, 1e-9) << "at " << s.x << ", " << s.y;
      const std::string& text = h.host.fields[ctl::PAYOFF];
      EXPECT_EQ(text.find("nan"), std::string::npos) << text;
      EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    }
    h.RightRelease(0, 0);
    EXPECT_EQ(h.doc.model().payoff.level, 12.0);
    EXPECT_EQ(h.host.fields[ctl::PAYOFF], PayoffText(h, 12.0));
  }
}

TEST(MouseRotation, ReleaseWithoutPressKeepsThePayoff) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.RightRelease(4, 0);
  EXPECT_EQ(h.doc.model().payoff.level, 12.0);
  EXPECT_EQ(h.host.fields[ctl::PAYOFF], PayoffText(h, 12.0));
}

TEST(MouseRotation, LeftGrabDuringRotationKeepsRotating) {
  ViewHarness h;
  h.SetPayoff(3, 1, 2, 12);
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.RightPress(4, 0);
  ASSERT_TRUE(PayoffDrawnHeld(h));
  h.LeftPress(15.5, 10);
  EXPECT_TRUE(PayoffDrawnHeld(h));
  h.Move(20, 10);
  EXPECT_NEAR(h.doc.model().lines[0].c, 50.0, 1e-9);  // the line grabbed follows
  h.LeftRelease(20, 10);
  EXPECT_TRUE(PayoffDrawnHeld(h));
  // Still turning about the Y intercept: only the X coefficient follows.
  h.Move(2, 2);
  EXPECT_NEAR(h.doc.model().payoff.a, 4.0, 1e-9);
  EXPECT_EQ(h.doc.model().payoff.b, 2.0);
  EXPECT_NEAR(h.doc.model().lines[0].c, 50.0, 1e-9);
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
  for (int k = 0; k < 7; ++k) h.eq.pointerMoved(far[k], far[6 - k]);
  h.eq.leftReleased();
  EXPECT_EQ(h.doc.undoName(), "Drag C1");  // the press held the line
  h.eq.rightPressed(145, 320);
  EXPECT_TRUE(PayoffDrawnHeld(h));  // turning
  for (int px : far) h.eq.pointerMoved(px, px);
  h.eq.rightReleased();
  h.eq.leftPressed(50, 425);  // inside the box of the label at the origin
  for (int px : far) h.eq.pointerMoved(px, px);
  h.eq.leftReleased();
  EXPECT_EQ(h.doc.undoName(), "Move C1 Label");  // and this one the label

  EXPECT_TRUE(AllStoredFinite(h.doc));
  const std::string& lineText = h.host.fields[ctl::LINE0];
  EXPECT_LT(lineText.size(), r.lineTextLimit) << lineText;
  for (const std::string& text : {lineText, h.host.fields[ctl::PAYOFF], h.host.panes[0]}) {
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
    pressed.Move(p.x + 5, p.y + 5);
    EXPECT_EQ(would, pressed.doc.isModified());
    grabs += would ? 1 : 0;
  }
  EXPECT_EQ(grabs, 3);
  // Probing grabbed nothing.
  probed.Move(30, 30);
  EXPECT_FALSE(probed.doc.isModified());
}

}  // namespace
}  // namespace tessaro
