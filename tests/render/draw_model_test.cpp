#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "doc/file_store.h"
#include "render/area_color.h"
#include "render/feasible_polygon.h"
#include "render/label_layout.h"
#include "render_fixture.h"

namespace tessaro {
namespace {

using test::PlotPoint;
using test::RenderFixture;
using Call = RecordingSurface::Call;

const Rgb kAreaColor{200, 254, 200};
const Rgb kGrey{198, 198, 198};
const Pen kBlack{PenStyle::Solid, 1, {0, 0, 0}};

std::vector<Call> Polygons(const RenderFixture& f) {
  return f.host.surface.CallsOf("polygon");
}

// Segments drawn as move-to then line-to, each {x0, y0, x1, y1}, with the pen in force.
struct Segment {
  std::vector<int> ends;
  Pen pen;
};
std::vector<Segment> Segments(const RecordingSurface& s) {
  std::vector<Segment> out;
  const auto& calls = s.Calls();
  for (std::size_t k = 1; k < calls.size(); ++k) {
    if (calls[k].op == "line" && calls[k - 1].op == "move") {
      out.push_back(
          {{calls[k - 1].args[0], calls[k - 1].args[1], calls[k].args[0], calls[k].args[1]},
           calls[k].pen});
    }
  }
  return out;
}

// The document's model drawn as the form draws it, with the pointer
// gesture and the lattice points given.
DrawnPlot Draw(RenderFixture& f, const PointerGesture& gesture = {},
               std::span<const IntPoint> dots = {}) {
  return DrawModel(PlotScene{f.document.model(), f.eq.farBounds(), gesture, dots, {}}, f.eq.view(),
                   f.host.surface);
}

Rows RowsOfForm(const RenderFixture& f) {
  return RowsOf(f.document.model(), f.eq.farBounds());
}

const Call* FindText(const RenderFixture& f, const std::string& prefix) {
  for (const Call& c : f.Calls()) {
    if (c.op == "text" && c.text.rfind(prefix, 0) == 0) return &c;
  }
  return nullptr;
}

TEST(FeasiblePolygon, EmptyModelIsTheFarRectangle) {
  RenderFixture f;
  AreaColor() = kAreaColor;
  EditModel(f.document)->fill = FillMode::Color;
  (void)Draw(f);
  const double right = f.eq.farBounds().x;
  const double top = f.eq.farBounds().y;
  const Model& m = f.document.model();
  const std::vector<IntPoint> expected{PlotPoint(m, 0, 0), PlotPoint(m, 0, top),
                                       PlotPoint(m, right, top), PlotPoint(m, right, 0),
                                       PlotPoint(m, 0, 0)};
  const auto polygons = Polygons(f);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].points, expected);
  EXPECT_EQ(polygons[0].brush, kAreaColor);
  EXPECT_EQ(polygons[0].pen, kBlack);
  // The brush is put back right after the polygon.
  EXPECT_TRUE(f.host.surface.CallsOf("brush").back().defaultBrush);
}

TEST(FeasiblePolygon, CornerSharedByThreeRowsIsOneVertex) {
  RenderFixture f;
  EditModel(f.document)->fill = FillMode::Grey;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  f.SetLine(1, "B", 1, -1, 1, REL_LE, 10);  // meets A and y = 0 at (10, 0)
  (void)Draw(f);
  const auto polygons = Polygons(f);
  ASSERT_EQ(polygons.size(), 1u);
  const Model& m = f.document.model();
  const std::vector<IntPoint> expected{PlotPoint(m, 10, 0), PlotPoint(m, 0, 10), PlotPoint(m, 0, 0),
                                       PlotPoint(m, 10, 0)};
  EXPECT_EQ(polygons[0].points, expected);
  EXPECT_EQ(polygons[0].brush, kGrey);
  EXPECT_EQ(BuildVertexList(RowsOfForm(f)).count,
            15);  // one entry per pair of the six present rows
}

TEST(FeasiblePolygon, SharesLineNeedsOneCommonRow) {
  RenderFixture f;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  struct Row {
    const char* name;
    double x1, y1, x2, y2;
    bool expected;
  };
  const Row rows[] = {
      {"BothOnA", 10, 0, 0, 10, true},
      {"BothOnXAxis", 3, 0, 7, 0, true},
      {"NoCommonRow", 10, 0, 0, 5, false},
      // On a row within 1e-9 of its size: 2e-8 for x + y = 10 at (10, 0).
      {"WithinOnLineTolerance", 10.00000001, 0, 0, 10, true},
      {"BeyondOnLineTolerance", 10.0000005, 0, 0, 10, false},
  };
  const Rows formRows = RowsOfForm(f);
  for (const Row& r : rows) {
    EXPECT_EQ(SharesLine(formRows, r.x1, r.y1, r.x2, r.y2), r.expected) << r.name;
  }
}

struct FillCase {
  const char* name;
  int trimOn;
  int fillMode;
  int dragLine;
  int rotatePayoff;
  bool degenerate;  // the feasible area is the single corner (0, 0)
  bool polygonExpected;
  bool defaultBrushExpected;
  bool linesExpected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FillCase& row, std::ostream* os) {
  *os << row.name;
}

class FillModes : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillModes, DrawTheAreaAsTheModeSays) {
  const FillCase& p = GetParam();
  RenderFixture f;
  AreaColor() = kAreaColor;
  {
    ModelEdit m = EditModel(f.document);
    m->trim = p.trimOn != 0;
    m->fill = static_cast<FillMode>(p.fillMode);
  }
  PointerGesture gesture;
  gesture.line = p.dragLine;
  gesture.rotate = p.rotatePayoff;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, p.degenerate ? 0 : 10);
  (void)Draw(f, gesture);
  const auto polygons = Polygons(f);
  ASSERT_EQ(polygons.size(), p.polygonExpected ? 1u : 0u);
  if (p.polygonExpected) {
    EXPECT_EQ(polygons[0].defaultBrush, p.defaultBrushExpected);
    if (!p.defaultBrushExpected) {
      EXPECT_EQ(polygons[0].brush, p.fillMode == 2 ? kGrey : kAreaColor);
    }
  }
  // With trim no constraint line is drawn: the outline shows the lines.
  EXPECT_EQ(!Segments(f.host.surface).empty(), p.linesExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FillModes,
    ::testing::Values(FillCase{"NoFill", 0, 0, -1, -1, false, false, false, true},
                      FillCase{"Colour", 0, 1, -1, -1, false, true, false, true},
                      FillCase{"Grey", 0, 2, -1, -1, false, true, false, true},
                      FillCase{"NotWhileDragging", 0, 1, 0, -1, false, false, false, true},
                      FillCase{"NotWhileRotating", 0, 1, -1, 1, false, false, false, true},
                      FillCase{"DegenerateStillFilled", 0, 1, -1, -1, true, true, false, true},
                      FillCase{"TrimPaintsWhite", 1, 0, -1, -1, false, true, true, false},
                      FillCase{"TrimColour", 1, 1, -1, -1, false, true, false, false},
                      FillCase{"TrimWhileDragging", 1, 2, 0, -1, false, true, false, false},
                      FillCase{"TrimDegenerateFilledNothing", 1, 1, -1, -1, true, false, false,
                               false},
                      FillCase{"TrimDegenerateWhite", 1, 0, -1, -1, true, true, true, false}),
    [](const auto& info) { return info.param.name; });

TEST(ConstraintLines, EndPointsAndPens) {
  RenderFixture f;
  f.SetLine(0, "A", 1, -1, 1, REL_LE, 2);  // x - y <= 2
  f.SetLine(1, "B", 1, 1, 0, REL_LE, 50);  // x <= 50
  f.SetLine(2, "C", 0, 1, 2, REL_GE, 40);  // y >= 20
  PointerGesture gesture;
  gesture.line = 1;
  gesture.label = 2;
  (void)Draw(f, gesture);
  const auto segments = Segments(f.host.surface);
  ASSERT_EQ(segments.size(), 3u);
  // From 150 pixels right of the range (225, 223) down to the X-axis crossing (2, 0).
  EXPECT_EQ(segments[0].ends, (std::vector<int>{1350, -1338, 12, 0}));
  EXPECT_EQ(segments[0].pen, kBlack);
  EXPECT_EQ(segments[1].ends, (std::vector<int>{300, 0, 300, -870}));
  EXPECT_EQ(segments[1].pen, (Pen{PenStyle::Dotted, 1, {0, 50, 250}}));
  EXPECT_EQ(segments[2].ends, (std::vector<int>{0, -120, 1350, -120}));
  EXPECT_EQ(segments[2].pen, (Pen{PenStyle::Solid, 2, {0, 50, 250}}));
  EXPECT_EQ(f.host.surface.CallsOf("pen").back().pen, kBlack);
}

TEST(ConstraintLines, LimitedTo32000FromAbove) {
  RenderFixture f;
  f.SetRange(0, 200, 0, 120, 600, 600);
  f.SetLine(0, "A", 1, 1, 0, REL_LE, 150);              // x <= 150 at 600 pixels per unit
  f.SetLine(1, "T", 0.000001, 1, 0.000001, REL_LE, 1);  // both coefficients tiny: not drawn
  (void)Draw(f);
  const auto segments = Segments(f.host.surface);
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].ends, (std::vector<int>{32000, 0, 32000, -72150}));
  EXPECT_NE(FindText(f, "T:"), nullptr) << "the label of a line too small to draw stays";
}

TEST(ConstraintLabels, DefaultsAndClamping) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    int line;
    double xZoom, yZoom;
    double labelX, labelY;
    IntPoint drawnAt;
  };
  const Row rows[] = {
      // x + y <= 10 enters the plot on the Y axis at 10: the label sits just
      // above that point. A placed label beyond the box is drawn at its edge.
      {"UnplacedFourthLine", 3, 6, 6, NO_POINT, NO_POINT, {2, -76}},
      {"UnplacedOtherZooms", 3, 4, 3, NO_POINT, NO_POINT, {2, -46}},
      {"UnplacedFirstLine", 0, 6, 6, NO_POINT, NO_POINT, {2, -76}},
      {"NaNIsNotAPlace", 2, 6, 6, nan, 1, {2, -76}},
      {"FarRight", 1, 6, 6, 1000, 5, {600, -30}},
      {"FarLeft", 1, 6, 6, -10, 5, {-20, -30}},
      {"FarUp", 1, 6, 6, 5, 1000, {30, -300}},
      {"FarDown", 1, 6, 6, 5, -10, {30, 35}},
  };
  for (const Row& r : rows) {
    RenderFixture f;
    // A plot whose label box is 600 pixels right of and 300 above the origin.
    f.eq.setView(PlotViewOfSize(730, 332));
    f.SetRange(0, 200, 0, 120, r.xZoom, r.yZoom);
    f.SetLine(r.line, "L", 1, 1, 1, REL_LE, 10);
    EditModel(f.document)->lines[r.line].label = LabelPosition{r.labelX, r.labelY};
    const DrawnPlot drawn = Draw(f);
    // The drawing never writes the model: the offsets stay as they were.
    const LabelPosition& kept = f.document.model().lines[r.line].label;
    if (std::isnan(r.labelX)) {
      EXPECT_TRUE(std::isnan(kept.x)) << r.name;
    } else {
      EXPECT_EQ(kept.x, r.labelX) << r.name;
    }
    EXPECT_EQ(kept.y, r.labelY) << r.name;
    const Call* text = FindText(f, "L:");
    ASSERT_NE(text, nullptr) << r.name;
    EXPECT_EQ(text->args, (std::vector<int>{r.drawnAt.x, r.drawnAt.y})) << r.name;
    // The pointer finds the label where it was drawn.
    EXPECT_NEAR(drawn.labels.lineX[r.line] * r.xZoom, r.drawnAt.x, 1e-9) << r.name;
    EXPECT_NEAR(-drawn.labels.lineY[r.line] * r.yZoom, r.drawnAt.y, 1e-9) << r.name;
  }
}

TEST(ConstraintLabels, LargerPlotWidensTheBox) {
  // 1260 x 1020: right as far as Auto Zoom's box (1130 pixels), up to 14
  // pixels below the top (974 pixels above the origin).
  RenderFixture f;
  f.SetRange(0, 200, 0, 120, 6, 6);
  f.SetLine(1, "L", 1, 1, 1, REL_LE, 10);
  EditModel(f.document)->lines[1].label = LabelPosition{1000, 1000};
  const DrawnPlot drawn = Draw(f);
  EXPECT_NEAR(drawn.labels.lineX[1], 1130.0 / 6, 1e-12);
  EXPECT_NEAR(drawn.labels.lineY[1], 974.0 / 6, 1e-12);
}

TEST(ConstraintLabels, HiddenAndHighlighted) {
  RenderFixture f;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  f.SetLine(1, "B", 1, 1, 2, REL_LE, 30);
  {
    ModelEdit m = EditModel(f.document);
    m->labels = false;
    m->payoff.a = 3;
    m->payoff.b = 2;
  }
  PointerGesture gesture;
  gesture.line = 1;
  const DrawnPlot drawn = Draw(f, gesture);
  EXPECT_EQ(FindText(f, "A:"), nullptr);
  const Call* b = FindText(f, "B:");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->textColor, (Rgb{255, 0, 0}));
  EXPECT_TRUE(b->font.italic);
  // The text of the dragged line, for the status strip.
  EXPECT_EQ(drawn.draggedText, b->text);
  // The payoff label does not depend on the label switch.
  const Call* payoff = FindText(f, "Payoff:");
  ASSERT_NE(payoff, nullptr);
  EXPECT_EQ(payoff->textColor, (Rgb{0, 0, 0}));
  EXPECT_FALSE(payoff->font.italic);
}

TEST(ConstraintLabels, DraggedLabelHighlightedWithoutStatusText) {
  RenderFixture f;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  PointerGesture gesture;
  gesture.label = 0;
  const DrawnPlot drawn = Draw(f, gesture);
  const Call* a = FindText(f, "A:");
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(a->font.italic);
  EXPECT_EQ(drawn.draggedText, "");
}

TEST(Payoff, ZeroCoefficientsDrawNothing) {
  RenderFixture f;
  EditModel(f.document)->payoff.level = 30;
  (void)Draw(f);
  EXPECT_EQ(FindText(f, "Payoff:"), nullptr);
  EXPECT_TRUE(Segments(f.host.surface).empty());
  EXPECT_EQ(f.document.model().payoff.label.x, NO_POINT);
}

TEST(Payoff, DashedLineAndLabelAtItsFirstEnd) {
  struct Row {
    const char* name;
    bool dragPayoff;
    int rotatePayoff;
    bool dragPayoffLabel;
    Rgb pen;
    bool highlighted;
    bool statusText;
  };
  const Row rows[] = {
      {"AtRest", false, -1, false, {250, 0, 0}, false, false},
      {"Dragged", true, -1, false, {0, 0, 250}, true, true},
      {"Rotated", false, 2, false, {0, 0, 250}, true, false},
      {"LabelDragged", false, -1, true, {0, 0, 250}, true, false},
  };
  for (const Row& r : rows) {
    RenderFixture f;
    {
      ModelEdit m = EditModel(f.document);
      m->payoff.a = 3;
      m->payoff.b = 2;
      m->payoff.level = 36;  // 3x + 2y = 36: from (0, 18) to (12, 0)
    }
    PointerGesture gesture;
    gesture.payoff = r.dragPayoff;
    gesture.rotate = r.rotatePayoff;
    gesture.payoffLabel = r.dragPayoffLabel;
    const DrawnPlot drawn = Draw(f, gesture);
    const auto segments = Segments(f.host.surface);
    ASSERT_GT(segments.size(), 5u) << r.name;
    EXPECT_EQ(segments.front().ends[0], 0) << r.name;
    EXPECT_EQ(segments.front().ends[1], -108) << r.name;
    EXPECT_EQ(segments.back().ends[2], 72) << r.name;
    EXPECT_EQ(segments.back().ends[3], 0) << r.name;
    EXPECT_EQ(segments.front().pen, (Pen{PenStyle::Solid, 1, r.pen})) << r.name;
    // Drawn at the line's first end, where the pointer finds it; the
    // stored offsets stay unplaced.
    EXPECT_EQ(drawn.labels.payoffX, 0) << r.name;
    EXPECT_EQ(drawn.labels.payoffY, 18) << r.name;
    EXPECT_EQ(f.document.model().payoff.label.x, NO_POINT) << r.name;
    EXPECT_EQ(f.document.model().payoff.label.y, NO_POINT) << r.name;
    const Call* label = FindText(f, "Payoff:");
    ASSERT_NE(label, nullptr) << r.name;
    EXPECT_EQ(label->text, "Payoff:   3.0  +   2.0  =  36.0") << r.name;
    EXPECT_EQ(label->args, (std::vector<int>{0, -108})) << r.name;
    EXPECT_EQ(label->font.italic, r.highlighted) << r.name;
    EXPECT_EQ(!drawn.draggedText.empty(), r.statusText) << r.name;
  }
}

TEST(Payoff, MinusFamilyAndLabelClamped) {
  RenderFixture f;
  {
    ModelEdit m = EditModel(f.document);
    m->payoff.a = 1;
    m->payoff.b = 1;
    m->payoff.sign = -1;
    m->payoff.level = 0;
    m->payoff.label = LabelPosition{500, 2};  // beyond 600 pixels
    m->decimals = 0;
  }
  f.eq.setView(PlotViewOfSize(730, 332));
  const DrawnPlot drawn = Draw(f);
  EXPECT_EQ(drawn.labels.payoffX, 100);               // drawn at the box edge
  EXPECT_EQ(f.document.model().payoff.label.x, 500);  // the model keeps its offsets
  const Call* label = FindText(f, "Payoff:");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text, "Payoff:     1  -     1  =     0");
}

TEST(LatticeDots, SmallBlueCircles) {
  RenderFixture f;
  EditModel(f.document)->integerDots = true;
  const std::vector<IntPoint> dots{{0, 0}, {3, 2}};
  (void)Draw(f, {}, dots);
  const auto ellipses = f.host.surface.CallsOf("ellipse");
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(ellipses[0].args, (std::vector<int>{-2, 2, 2, -2}));
  EXPECT_EQ(ellipses[1].args, (std::vector<int>{16, -10, 20, -14}));
  EXPECT_EQ(ellipses[0].pen, (Pen{PenStyle::Solid, 3, {0, 0, 250}}));
  EXPECT_EQ(f.host.surface.CallsOf("pen").back().pen, kBlack);
}

TEST(DrawModelRobustness, ExtremeValuesFinish) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* name;
    double range, zoom, coefficient, rhs;
  };
  const Row rows[] = {
      {"TinyZoomHugeRange", 1e300, 1e-5, 1, 1e300},
      {"HugeZoom", 1, 1e300, 1e-3, 1},
      {"NaNRightHandSide", 200, 6, 1, nan},
      {"HugeCoefficients", 200, 6, 1e300, 1e-300},
  };
  for (const Row& r : rows) {
    RenderFixture f;
    f.SetRange(-r.range, r.range, -r.range, r.range, r.zoom, r.zoom);
    f.SetLine(0, "A", r.coefficient, 1, 1, REL_LE, r.rhs);
    {
      ModelEdit m = EditModel(f.document);
      m->payoff.a = r.coefficient;
      m->payoff.b = 1;
      m->payoff.level = r.rhs;
      m->fill = FillMode::Color;
      m->integerDots = true;
    }
    // The axes and the model with one lattice point at the origin, as the
    // form's picture draws them.
    const std::vector<IntPoint> dot{{0, 0}};
    DrawAxes(f.document.model(), f.eq.view(), f.host.surface);
    (void)Draw(f, {}, dot);
    // Dashes are bounded by the +-32000 limit of the payoff line.
    EXPECT_LT(f.host.surface.Calls().size(), 20000u) << r.name;
    for (const Segment& s : Segments(f.host.surface)) {
      EXPECT_LE(s.ends[0], 32000) << r.name;
      EXPECT_LE(s.ends[2], 32000) << r.name;
    }
    // The form draws the same model and presents it.
    f.eq.redraw();
    EXPECT_EQ(f.host.presents, 1) << r.name;
  }
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

// The examples as a window shows them after Auto Zoom and Auto Max, in a
// large and in a small plot: no label covers another, the payoff label or a
// text of the axes, and each lies on the plot.
struct ExampleCase {
  const char* file;
  int width, height;
};

class ExampleLabels : public testing::TestWithParam<ExampleCase> {};

std::vector<TextBox> TextBoxes(const RecordingSurface& s) {
  std::vector<TextBox> boxes;
  for (const Call& c : s.CallsOf("text")) {
    boxes.push_back(TextBoxAt({c.args[0], c.args[1]}, EstimatedTextSize(c.text)));
  }
  return boxes;
}

TEST_P(ExampleLabels, NoneOverlap) {
  const ExampleCase& c = GetParam();
  test::FakeFormWindow host;
  host.offscreenCreated = true;
  test::MemorySettings settings;
  Document doc;
  Model model;
  std::string message;
  ASSERT_TRUE(
      LoadModelFile(std::string(TESSARO_SOURCE_DIR) + "/examples/" + c.file, model, message))
      << message;
  doc.reset(model);
  FormController eq{host, &settings};
  eq.setView(PlotViewOfSize(c.width, c.height));
  eq.attach(doc);
  eq.start();
  eq.refreshTimerFired();
  eq.run(FormCommand::AutoZoom);
  eq.run(FormCommand::AutoMax);
  if (host.timerRunning) eq.refreshTimerFired();

  RecordingSurface labels;
  (void)DrawModel(PlotScene{doc.model(), eq.farBounds(), {}, eq.latticeDots(), eq.optimum()},
                  eq.view(), labels);
  RecordingSurface axes;
  DrawAxes(doc.model(), eq.view(), axes);
  const std::vector<TextBox> boxes = TextBoxes(labels);
  const std::vector<TextBox> axisBoxes = TextBoxes(axes);
  int lines = 0;
  for (const Line& line : model.lines) lines += line.isPresent() ? 1 : 0;
  ASSERT_EQ(static_cast<int>(boxes.size()), lines + 1) << "every line's label and the payoff's";

  const PlotView& v = eq.view();
  const TextBox plot{-v.OriginX(), -v.OriginY(), v.width - v.OriginX(), v.height - v.OriginY()};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_TRUE(plot.Contains(boxes[i])) << "label " << i;
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << "labels " << i << " and " << j;
    }
    for (std::size_t k = 0; k < axisBoxes.size(); ++k) {
      EXPECT_FALSE(boxes[i].Overlaps(axisBoxes[k])) << "label " << i << ", axis text " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleLabels,
                         testing::Values(ExampleCase{"production.kvr", 1570, 860},
                                         ExampleCase{"production.kvr", 770, 460},
                                         ExampleCase{"diet.kvr", 1570, 860},
                                         ExampleCase{"diet.kvr", 770, 460},
                                         ExampleCase{"fleet.kvr", 770, 460}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.find('.'));
                           return name + std::to_string(info.param.width);
                         });

}  // namespace
}  // namespace tessaro
