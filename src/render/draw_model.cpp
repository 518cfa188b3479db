#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
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

PlotFrame FrameOf(const ModelState& eq) {
  return PlotFrame{eq.xMin, eq.xMax, eq.yMin, eq.yMax, eq.xZoom, eq.yZoom};
}

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
void DrawFeasibleArea(const ModelState& eq, Surface& s) {
  const bool trim = eq.trimOn != 0;
  if (!trim && !(eq.fillMode > 0 && eq.dragLine < 0 && eq.dragPayoff != 1 && eq.rotatePayoff < 1)) {
    return;
  }
  const PolygonWalk walk = WalkFeasiblePolygon(eq, BuildVertexList(eq));
  if (walk.points.empty()) return;
  const Rgb fill = eq.fillMode == 2 ? COLOR_GREY_FILL : AreaColor();
  if (!trim) {
    FillPolygon(s, walk.points, fill);
  } else if (eq.fillMode == 0) {
    s.Polygon(walk.points);
  } else if (eq.fillMode > 0 && walk.joins > 1) {
    FillPolygon(s, walk.points, fill);
  }
}

// Constraint line i: dotted blue while dragged, thick blue while its label
// is dragged. Coordinates are limited to 32000 from above.
void DrawConstraintLine(const ModelState& eq, Surface& s, int i) {
  LineEnds ends;
  if (!ComputeLineEnds(eq.rowA[i], eq.rowSign[i] * eq.rowB[i], eq.rowB[i], eq.rowC[i], FrameOf(eq),
                       ends)) {
    return;
  }
  bool blue = false;
  if (eq.dragLine == i) {
    s.SelectPen(Pen{PenStyle::Dotted, 1, COLOR_DRAG_BLUE});
    blue = true;
  }
  if (eq.dragLabel == i) {
    s.SelectPen(SolidPen(2, COLOR_DRAG_BLUE));
    blue = true;
  }
  auto limit = [](double v) { return SaturateToInt(std::min(v, COORD_LIMIT)); };
  s.MoveTo(limit(eq.xZoom * ends.dx1), limit(-eq.yZoom * ends.dy1));
  s.LineTo(limit(eq.xZoom * ends.dx2), limit(-eq.yZoom * ends.dy2));
  if (blue) s.SelectPen(BlackPen());
}

std::string ConstraintLabelText(const ModelState& eq, int i) {
  return LineLabelText(eq.lineName[i], eq.rowA[i], eq.xLabel, eq.rowSign[i] > 0, eq.rowB[i],
                       eq.yLabel, eq.rowC[i], eq.decimals);
}

std::string PayoffText(const ModelState& eq) {
  return PayoffLabelText(eq.payoffA, eq.xLabel, eq.payoffSign > 0, eq.payoffB, eq.yLabel,
                         eq.payoffLevel, eq.decimals);
}

// The plot's texts that line labels keep off: the tick numbers and the
// axes' names.
std::vector<TextBox> AxisTextBoxes(const ModelState& eq) {
  std::vector<TextBox> boxes;
  for (const PlacedText& t : AxisTexts(FrameOf(eq), eq.xLabel, eq.yLabel)) {
    boxes.push_back(TextBoxAt(t.at, EstimatedTextSize(t.text)));
  }
  return boxes;
}

// Where each present line's label is drawn. A label the user placed stays
// there (kept within the box); the others are laid out along their lines
// clear of each other, of the axes' texts and of the payoff label. Records
// every place for the pointer; the stored offsets of a default label are
// left as they are.
std::array<IntPoint, LINE_COUNT> PlaceConstraintLabels(
    const ModelState& eq, const PlotView& v, const std::array<std::string, LINE_COUNT>& texts,
    const std::optional<TextBox>& payoffBox, ShownLabels& shown) {
  const LabelBox box = LabelBoxOf(v);
  std::vector<LabelRequest> requests;
  std::vector<int> rows;
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (!RowIsPresent(eq, i)) continue;
    LabelRequest r;
    r.size = EstimatedTextSize(texts[i]);
    if (IsPlacedLabel(eq.labelX[i], eq.labelY[i])) {
      r.userPlaced = true;
      shown.lineX[i] = eq.labelX[i];
      shown.lineY[i] = eq.labelY[i];
      r.at = KeepInBox(shown.lineX[i], shown.lineY[i], eq.xZoom, eq.yZoom, box);
    } else {
      // Where the label goes when its line shows nowhere: a step right and
      // up from the previous line's.
      double lx = eq.labelX[i];
      double ly = eq.labelY[i];
      r.at = DefaultPlace(lx, ly, LABEL_STEP_PIXELS * i / eq.xZoom,
                          LABEL_STEP_PIXELS * i / eq.yZoom, eq.xZoom, eq.yZoom, box);
      LineEnds ends;
      if (ComputeLineEnds(eq.rowA[i], eq.rowSign[i] * eq.rowB[i], eq.rowB[i], eq.rowC[i],
                          FrameOf(eq), ends)) {
        r.line = PixelSegment{eq.xZoom * ends.dx1, -eq.yZoom * ends.dy1, eq.xZoom * ends.dx2,
                              -eq.yZoom * ends.dy2};
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
      ShowAt(places[k], eq.xZoom, eq.yZoom, shown.lineX[i], shown.lineY[i]);
  }
  return at;
}

void DrawConstraintLabel(const ModelState& eq, Surface& s, int i, IntPoint at,
                         const std::string& text, std::string& draggedText) {
  if (eq.dragLine == i || eq.dragLabel == i) {
    DrawHighlightedText(s, at, text);
  } else if (eq.labelsOn == 1) {
    s.TextOut(at.x, at.y, text);
  }
  if (eq.dragLine == i) draggedText = text;
}

void DrawLatticeDots(const ModelState& eq, Surface& s) {
  s.SelectPen(SolidPen(3, COLOR_ACTIVE_BLUE));
  const int count = std::clamp(eq.dotCount, 0, DOT_CAPACITY);
  for (int k = 0; k < count; ++k) {
    const double px = std::min((eq.dotX[k] - eq.xMin) * eq.xZoom, COORD_LIMIT);
    const double py = std::min(-(eq.dotY[k] - eq.yMin) * eq.yZoom, COORD_LIMIT);
    s.Ellipse(SaturateToInt(px - DOT_RADIUS), SaturateToInt(py + DOT_RADIUS),
              SaturateToInt(px + DOT_RADIUS), SaturateToInt(py - DOT_RADIUS));
  }
  s.SelectPen(BlackPen());
}

bool PayoffLineEnds(const ModelState& eq, LineEnds& ends) {
  return ComputeLineEnds(eq.payoffA, eq.payoffSign * eq.payoffB, eq.payoffB, eq.payoffLevel,
                         FrameOf(eq), ends);
}

// Where the payoff label is drawn: where the user put it (kept within the
// box), or else at the first end point of the line, the origin when there
// is no line. Records the place for the pointer.
IntPoint PlacePayoffLabel(const ModelState& eq, const PlotView& view, ShownLabels& shown) {
  const LabelBox box = LabelBoxOf(view);
  shown.payoffX = eq.payoffLabelX;
  shown.payoffY = eq.payoffLabelY;
  if (IsPlacedLabel(eq.payoffLabelX, eq.payoffLabelY)) {
    return KeepInBox(shown.payoffX, shown.payoffY, eq.xZoom, eq.yZoom, box);
  }
  LineEnds ends;
  const bool drawable = PayoffLineEnds(eq, ends);
  return DefaultPlace(shown.payoffX, shown.payoffY, drawable ? ends.dx1 : 0.0,
                      drawable ? ends.dy1 : 0.0, eq.xZoom, eq.yZoom, box);
}

// The payoff line, dashed, and its label at `at`, which shows whatever
// labelsOn says.
void DrawPayoff(const ModelState& eq, Surface& s, IntPoint at, const std::string& text,
                std::string& draggedText) {
  const bool moving =
      eq.dragPayoff == 1 || eq.rotatePayoff == 1 || eq.rotatePayoff == 2 || eq.dragPayoffLabel == 1;
  s.SelectPen(SolidPen(1, moving ? COLOR_ACTIVE_BLUE : COLOR_PAYOFF_RED));
  LineEnds ends;
  if (PayoffLineEnds(eq, ends)) {
    auto limit = [](double v) {
      return SaturateToRange(v, -static_cast<int>(COORD_LIMIT), static_cast<int>(COORD_LIMIT));
    };
    DrawDashedLine(s, limit(eq.xZoom * ends.dx1), limit(-eq.yZoom * ends.dy1),
                   limit(eq.xZoom * ends.dx2), limit(-eq.yZoom * ends.dy2), PAYOFF_DASH_LENGTH);
  }
  if (eq.dragPayoffLabel == 1 || eq.dragPayoff > 0 || eq.rotatePayoff > 0) {
    DrawHighlightedText(s, at, text);
  } else {
    s.TextOut(at.x, at.y, text);
  }
  if (eq.dragPayoff == 1) draggedText = text;
}

// A filled dot in the payoff line's colour on each optimal corner, as long
// as the model is the one the optimum was found for.
void DrawOptimumDots(const ModelState& eq, const OptimumMark& mark, Surface& s) {
  const auto& points = MarkedPoints(mark, eq);
  if (points.empty()) return;
  s.SelectPen(SolidPen(1, COLOR_PAYOFF_RED));
  s.SelectBrush(COLOR_PAYOFF_RED);
  for (const OptimumMark::Point& p : points) {
    const double px = std::clamp((p.x - eq.xMin) * eq.xZoom, -COORD_LIMIT, COORD_LIMIT);
    const double py = std::clamp(-(p.y - eq.yMin) * eq.yZoom, -COORD_LIMIT, COORD_LIMIT);
    const int cx = SaturateToInt(px);
    const int cy = SaturateToInt(py);
    s.Ellipse(cx - OPTIMUM_DOT_RADIUS, cy - OPTIMUM_DOT_RADIUS, cx + OPTIMUM_DOT_RADIUS + 1,
              cy + OPTIMUM_DOT_RADIUS + 1);
  }
  s.SelectDefaultBrush();
  s.SelectPen(BlackPen());
}

}  // namespace

DrawnPlot DrawModel(const ModelState& state, const PlotView& view, const OptimumMark& mark,
                    Surface& surface) {
  DrawnPlot drawn;
  surface.SelectPen(BlackPen());
  surface.SelectFont(DrawingFont(false));
  surface.SetTransparentBackground();

  // The payoff label is placed first: the line labels keep off it.
  const bool payoffShown = state.payoffA != 0.0 || state.payoffB != 0.0;
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
    if (RowIsPresent(state, i)) labelTexts[i] = ConstraintLabelText(state, i);
  }
  const std::array<IntPoint, LINE_COUNT> labelAt =
      PlaceConstraintLabels(state, view, labelTexts, payoffBox, drawn.labels);

  DrawFeasibleArea(state, surface);
  if (state.trimOn == 0) {
    for (int i = 0; i < LINE_COUNT; ++i) {
      if (RowIsPresent(state, i)) DrawConstraintLine(state, surface, i);
    }
  }
  for (int i = 0; i < LINE_COUNT; ++i) {
    if (RowIsPresent(state, i)) {
      DrawConstraintLabel(state, surface, i, labelAt[i], labelTexts[i], drawn.draggedText);
    }
  }
  if (state.integerDotsOn == 1) DrawLatticeDots(state, surface);
  if (payoffShown) DrawPayoff(state, surface, payoffAt, payoffText, drawn.draggedText);
  DrawOptimumDots(state, mark, surface);
  surface.SelectPen(BlackPen());
  return drawn;
}

}  // namespace tessaro
