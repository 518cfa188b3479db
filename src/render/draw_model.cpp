#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/saturate.h"
#include "render/area_color.h"
#include "render/axis_texts.h"
#include "render/drawing_style.h"
#include "render/feasible_polygon.h"
#include "render/label_layout.h"
#include "render/label_text.h"
#include "render/line_ends.h"
#include "render/plot_drawing.h"
#include "solver/rows.h"

namespace tessaro {

namespace {

// A default label whose line shows nowhere on the plot steps this many
// pixels right and up per line.
constexpr double LABEL_STEP_PIXELS = 26.0;
// A label stays between these pixel offsets from the origin; a larger plot
// lets it go further right and up, as far as the plot shows.
constexpr double LABEL_MAX_RIGHT = 600.0;
constexpr double LABEL_MAX_LEFT = 20.0;
constexpr double LABEL_MAX_UP = 300.0;
constexpr double LABEL_MAX_DOWN = 35.0;
// Room kept above a label at the plot's top for its own text.
constexpr double LABEL_TEXT_HEIGHT = 14.0;
// The filled dot on each optimal corner: half its side, in pixels.
constexpr int OPTIMUM_DOT_RADIUS = 4;

// The box a label is kept in, in pixels from the origin.
struct LabelBox {
  double right = LABEL_MAX_RIGHT;
  double up = LABEL_MAX_UP;
};

LabelBox LabelBoxOf(const PlotView& view) {
  return {std::max(LABEL_MAX_RIGHT, static_cast<double>(view.FitWidth())),
          std::max(LABEL_MAX_UP, view.OriginY() - LABEL_TEXT_HEIGHT)};
}
constexpr int PAYOFF_DASH_LENGTH = 16;
// Half the side of the box of a lattice dot.
constexpr double DOT_RADIUS = 2.0;

PlotFrame FrameOf(const Model& m) {
  return PlotFrame{m.xMin, m.xMax, m.yMin, m.yMax, m.xZoom, m.yZoom};
}

// One drawing's inputs, with the model's rows worked out once.
struct Scene {
  const Model& m;
  Rows rows;
  const PointerGesture& g;
  std::span<const IntPoint> dots;
  std::span<const PlanePoint> optimum;
};

// Keeps a label's offsets within the allowed box; returns where it is drawn.
IntPoint KeepInBox(double& lx, double& ly, double xZoom, double yZoom, const LabelBox& box) {
  if (lx > box.right / xZoom) lx = box.right / xZoom;
  if (lx < -LABEL_MAX_LEFT / xZoom) lx = -LABEL_MAX_LEFT / xZoom;
  if (ly > box.up / yZoom) ly = box.up / yZoom;
  if (ly < -LABEL_MAX_DOWN / yZoom) ly = -LABEL_MAX_DOWN / yZoom;
  return {SaturateToInt(lx * xZoom), SaturateToInt(-ly * yZoom)};
}

// Where a label is drawn when its stored offsets are not a place: the
// default offsets, kept within the box, which lx and ly are set to. A
// default that is not a finite number (a zero zoom) leaves the offset as
// it was.
IntPoint DefaultPlace(double& lx, double& ly, double defaultX, double defaultY, double xZoom,
                      double yZoom, const LabelBox& box) {
  if (std::isfinite(defaultX)) lx = defaultX;
  if (std::isfinite(defaultY)) ly = defaultY;
  return KeepInBox(lx, ly, xZoom, yZoom, box);
}

// The offsets of a pixel place, as the pointer's hit test reads them.
void ShowAt(IntPoint at, double xZoom, double yZoom, double& shownX, double& shownY) {
  shownX = at.x / xZoom;
  shownY = -at.y / yZoom;
}

// Red italic text; the normal black upright text is restored afterwards.
void DrawHighlightedText(Surface& s, IntPoint at, const std::string& text) {
  s.SetTransparentBackground();
  s.SetTextColor(COLOR_HIGHLIGHT);
  s.SetBackgroundColor(COLOR_BLACK);
  s.SelectFont(DrawingFont(true));
  s.TextOut(at.x, at.y, text);
  s.SelectFont(DrawingFont(false));
  s.SetTextColor(COLOR_BLACK);
  s.SetBackgroundColor(COLOR_WHITE);
}

void FillPolygon(Surface& s, const std::vector<IntPoint>& points, const Rgb& color) {
  s.SelectBrush(color);
  s.Polygon(points);
  s.SelectDefaultBrush();
}

// The feasible area. Without trim it is drawn only with a fill and not
// while a line or the payoff moves; with trim it is always built, painted
// white without a fill, and filled only when the walk joined more than one
// pair of corners.
void DrawFeasibleArea(const Scene& eq, Surface& s) {
  const bool trim = eq.m.trim;
  if (!trim && !(eq.m.fill != FillMode::None && eq.g.line < 0 && !eq.g.payoff && !eq.g.turning())) {
    return;
  }
  const PolygonWalk walk = WalkFeasiblePolygon(eq.rows, eq.m, BuildVertexList(eq.rows));
  if (walk.points.empty()) return;
  const Rgb fill = eq.m.fill == FillMode::Grey ? COLOR_GREY_FILL : AreaColor();
  if (!trim) {
    FillPolygon(s, walk.points, fill);
  } else if (eq.m.fill == FillMode::None) {
    s.Polygon(walk.points);
  } else if (eq.m.fill != FillMode::None && walk.joins > 1) {
    FillPolygon(s, walk.points, fill);
  }
}

// Constraint line i: dotted blue while dragged, thick blue while its label
// is dragged. Coordinates are limited to 32000 from above.
void DrawConstraintLine(const Scene& eq, Surface& s, int i) {
  LineEnds ends;
  if (!ComputeLineEnds(eq.rows.rowA[i], eq.rows.rowSign[i] * eq.rows.rowB[i], eq.rows.rowB[i],
                       eq.rows.rowC[i], FrameOf(eq.m), ends)) {
    return;
  }
  bool blue = false;
  if (eq.g.line == i) {
    s.SelectPen(Pen{PenStyle::Dotted, 1, COLOR_DRAG_BLUE});
    blue = true;
  }
  if (eq.g.label == i) {
    s.SelectPen(SolidPen(2, COLOR_DRAG_BLUE));
    blue = true;
  }
  auto limit = [](double v) { return SaturateToInt(std::min(v, COORD_LIMIT)); };
  s.MoveTo(limit(eq.m.xZoom * ends.dx1), limit(-eq.m.yZoom * ends.dy1));
  s.LineTo(limit(eq.m.xZoom * ends.dx2), limit(-eq.m.yZoom * ends.dy2));
  if (blue) s.SelectPen(BlackPen());
}

std::string ConstraintLabelText(const Scene& eq, int i) {
  return LineLabelText(eq.m.lines[i].name, eq.rows.rowA[i], eq.m.xLabel, eq.rows.rowSign[i] > 0,
                       eq.rows.rowB[i], eq.m.yLabel, eq.rows.rowC[i], eq.m.decimals);
}

std::string PayoffText(const Scene& eq) {
  return PayoffLabelText(eq.m.payoff.a, eq.m.xLabel, eq.m.payoff.sign > 0, eq.m.payoff.b,
                         eq.m.yLabel, eq.m.payoff.level, eq.m.decimals);
}

// The plot's texts that line labels keep off: the tick numbers and the
// axes' names.
std::vector<TextBox> AxisTextBoxes(const Scene& eq) {
  return AxisTextBoxes(FrameOf(eq.m), eq.m.xLabel, eq.m.yLabel);
}

// Where each present line's label is drawn. A label the user placed stays
// there (kept within the box); the others are laid out along their lines
// clear of each other, of the axes' texts and of the payoff label. Records
// every place for the pointer; the stored offsets of a default label are
// left as they are.
std::array<IntPoint, LINE_COUNT> PlaceConstraintLabels(
    const Scene& eq, const PlotView& v, const std::array<std::string, LINE_COUNT>& texts,
    const std::optional<TextBox>& payoffBox, ShownLabels& shown) {
  const LabelBox box = LabelBoxOf(v);
  std::vector<LabelRequest> requests;
  std::vector<int> rows;
  requests.reserve(LINE_COUNT);
  rows.reserve(LINE_COUNT);
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (!RowIsPresent(eq.rows, i)) continue;
    LabelRequest r;
    r.size = EstimatedTextSize(texts[i]);
    if (IsPlacedLabel(eq.m.lines[i].label.x, eq.m.lines[i].label.y)) {
      r.userPlaced = true;
      shown.lineX[i] = eq.m.lines[i].label.x;
      shown.lineY[i] = eq.m.lines[i].label.y;
      r.at = KeepInBox(shown.lineX[i], shown.lineY[i], eq.m.xZoom, eq.m.yZoom, box);
    } else {
      // Where the label goes when its line shows nowhere: a step right and
      // up from the previous line's.
      double lx = eq.m.lines[i].label.x;
      double ly = eq.m.lines[i].label.y;
      r.at = DefaultPlace(lx, ly, LABEL_STEP_PIXELS * i / eq.m.xZoom,
                          LABEL_STEP_PIXELS * i / eq.m.yZoom, eq.m.xZoom, eq.m.yZoom, box);
      LineEnds ends;
      if (ComputeLineEnds(eq.rows.rowA[i], eq.rows.rowSign[i] * eq.rows.rowB[i], eq.rows.rowB[i],
                          eq.rows.rowC[i], FrameOf(eq.m), ends)) {
        r.line = PixelSegment{eq.m.xZoom * ends.dx1, -eq.m.yZoom * ends.dy1, eq.m.xZoom * ends.dx2,
                              -eq.m.yZoom * ends.dy2};
      }
    }
    requests.push_back(r);
    rows.push_back(i);
  }
  const TextBox plot{-v.OriginX(), -v.OriginY(), v.width - v.OriginX(), v.height - v.OriginY()};
  std::vector<TextBox> fixed = AxisTextBoxes(eq);
  if (payoffBox) fixed.push_back(*payoffBox);
  // The X axis itself (drawn 2 pixels wide), so that no label stands on it.
  fixed.push_back({0, -1, plot.right, 1});
  const std::vector<IntPoint> places = LayOutLabels(requests, fixed, plot);

  std::array<IntPoint, LINE_COUNT> at{};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int i = rows[k];
    at[i] = places[k];
    if (!requests[k].userPlaced)
      ShowAt(places[k], eq.m.xZoom, eq.m.yZoom, shown.lineX[i], shown.lineY[i]);
  }
  return at;
}

void DrawConstraintLabel(const Scene& eq, Surface& s, int i, IntPoint at, const std::string& text,
                         std::string& draggedText) {
  if (eq.g.line == i || eq.g.label == i) {
    DrawHighlightedText(s, at, text);
  } else if (eq.m.labels) {
    s.TextOut(at.x, at.y, text);
  }
  if (eq.g.line == i) draggedText = text;
}

void DrawLatticeDots(const Scene& eq, Surface& s) {
  s.SelectPen(SolidPen(3, COLOR_ACTIVE_BLUE));
  // Both coordinates are at most COORD_LIMIT; a dot whose corners all
  // lie within the int range (nearly every one) is converted directly.
  constexpr double kSafe = -2.0e9;
  for (const IntPoint& dot : eq.dots) {
    const double px = std::min((dot.x - eq.m.xMin) * eq.m.xZoom, COORD_LIMIT);
    const double py = std::min(-(dot.y - eq.m.yMin) * eq.m.yZoom, COORD_LIMIT);
    if (px > kSafe && py > kSafe) {
      s.Ellipse(static_cast<int>(px - DOT_RADIUS), static_cast<int>(py + DOT_RADIUS),
                static_cast<int>(px + DOT_RADIUS), static_cast<int>(py - DOT_RADIUS));
    } else {
      s.Ellipse(SaturateToInt(px - DOT_RADIUS), SaturateToInt(py + DOT_RADIUS),
                SaturateToInt(px + DOT_RADIUS), SaturateToInt(py - DOT_RADIUS));
    }
  }
  s.SelectPen(BlackPen());
}

bool PayoffLineEnds(const Scene& eq, LineEnds& ends) {
  return ComputeLineEnds(eq.m.payoff.a, eq.m.payoff.sign * eq.m.payoff.b, eq.m.payoff.b,
                         eq.m.payoff.level, FrameOf(eq.m), ends);
}

// Where the payoff label is drawn: where the user put it (kept within the
// box), or else at the first end point of the line, the origin when there
// is no line. Records the place for the pointer.
IntPoint PlacePayoffLabel(const Scene& eq, const PlotView& view, ShownLabels& shown) {
  const LabelBox box = LabelBoxOf(view);
  shown.payoffX = eq.m.payoff.label.x;
  shown.payoffY = eq.m.payoff.label.y;
  if (IsPlacedLabel(eq.m.payoff.label.x, eq.m.payoff.label.y)) {
    return KeepInBox(shown.payoffX, shown.payoffY, eq.m.xZoom, eq.m.yZoom, box);
  }
  LineEnds ends;
  const bool drawable = PayoffLineEnds(eq, ends);
  return DefaultPlace(shown.payoffX, shown.payoffY, drawable ? ends.dx1 : 0.0,
                      drawable ? ends.dy1 : 0.0, eq.m.xZoom, eq.m.yZoom, box);
}

// The payoff line, dashed, and its label at `at`, which shows whatever
// labelsOn says.
void DrawPayoff(const Scene& eq, Surface& s, IntPoint at, const std::string& text,
                std::string& draggedText) {
  const bool moving = eq.g.payoff || eq.g.turning() || eq.g.payoffLabel;
  s.SelectPen(SolidPen(1, moving ? COLOR_ACTIVE_BLUE : COLOR_PAYOFF_RED));
  LineEnds ends;
  if (PayoffLineEnds(eq, ends)) {
    auto limit = [](double v) {
      return SaturateToRange(v, -static_cast<int>(COORD_LIMIT), static_cast<int>(COORD_LIMIT));
    };
    DrawDashedLine(s, limit(eq.m.xZoom * ends.dx1), limit(-eq.m.yZoom * ends.dy1),
                   limit(eq.m.xZoom * ends.dx2), limit(-eq.m.yZoom * ends.dy2), PAYOFF_DASH_LENGTH);
  }
  if (eq.g.payoffLabel || eq.g.payoff || eq.g.turning()) {
    DrawHighlightedText(s, at, text);
  } else {
    s.TextOut(at.x, at.y, text);
  }
  if (eq.g.payoff) draggedText = text;
}

// A filled dot in the payoff line's colour on each optimal corner marked;
// entries marked NO_POINT are left out.
void DrawOptimumDots(const Scene& eq, Surface& s) {
  if (eq.optimum.empty()) return;
  s.SelectPen(SolidPen(1, COLOR_PAYOFF_RED));
  s.SelectBrush(COLOR_PAYOFF_RED);
  for (const PlanePoint& p : eq.optimum) {
    if (p.x == NO_POINT || p.y == NO_POINT) continue;
    const double px = std::clamp((p.x - eq.m.xMin) * eq.m.xZoom, -COORD_LIMIT, COORD_LIMIT);
    const double py = std::clamp(-(p.y - eq.m.yMin) * eq.m.yZoom, -COORD_LIMIT, COORD_LIMIT);
    const int cx = SaturateToInt(px);
    const int cy = SaturateToInt(py);
    s.Ellipse(cx - OPTIMUM_DOT_RADIUS, cy - OPTIMUM_DOT_RADIUS, cx + OPTIMUM_DOT_RADIUS + 1,
              cy + OPTIMUM_DOT_RADIUS + 1);
  }
  s.SelectDefaultBrush();
  s.SelectPen(BlackPen());
}

}  // namespace

DrawnPlot DrawModel(const PlotScene& scene, const PlotView& view, Surface& surface) {
  const Scene state{scene.model, RowsOf(scene.model, scene.far), scene.gesture, scene.dots,
                    scene.optimum};
  DrawnPlot drawn;
  surface.SelectPen(BlackPen());
  surface.SelectFont(DrawingFont(false));
  surface.SetTransparentBackground();

  // The payoff label is placed first: the line labels keep off it.
  const bool payoffShown = state.m.payoff.a != 0.0 || state.m.payoff.b != 0.0;
  std::string payoffText;
  IntPoint payoffAt;
  std::optional<TextBox> payoffBox;
  if (payoffShown) {
    payoffText = PayoffText(state);
    payoffAt = PlacePayoffLabel(state, view, drawn.labels);
    payoffBox = TextBoxAt(payoffAt, EstimatedTextSize(payoffText));
  }
  std::array<std::string, LINE_COUNT> labelTexts;
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (RowIsPresent(state.rows, i)) labelTexts[i] = ConstraintLabelText(state, i);
  }
  const std::array<IntPoint, LINE_COUNT> labelAt =
      PlaceConstraintLabels(state, view, labelTexts, payoffBox, drawn.labels);

  DrawFeasibleArea(state, surface);
  if (!state.m.trim) {
    for (int i = 0; i < LINE_COUNT; ++i) {
      if (RowIsPresent(state.rows, i)) DrawConstraintLine(state, surface, i);
    }
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (RowIsPresent(state.rows, i)) {
      DrawConstraintLabel(state, surface, i, labelAt[i], labelTexts[i], drawn.draggedText);
    }
  }
  if (state.m.integerDots) DrawLatticeDots(state, surface);
  if (payoffShown) DrawPayoff(state, surface, payoffAt, payoffText, drawn.draggedText);
  DrawOptimumDots(state, surface);
  surface.SelectPen(BlackPen());
  return drawn;
}

}  // namespace tessaro
