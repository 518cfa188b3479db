#include "render/label_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/saturate.h"

namespace tessaro {

namespace {

// A label keeps this many pixels off its line and off other texts.
constexpr int LABEL_GAP = 2;
// A default label moves along its line in steps of this many pixels.
constexpr double SLIDE_STEP = 4.0;
// A line shows on the plot when at least this many pixels of it lie there.
constexpr double MIN_STRETCH = 1.0;

// Cuts s to the box [xLow, xHigh] x [yLow, yHigh] (Liang-Barsky); false
// when nothing of it lies inside.
bool ClipToBox(PixelSegment& s, double xLow, double xHigh, double yLow, double yHigh) {
  const double dx = s.x2 - s.x1;
  const double dy = s.y2 - s.y1;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - xLow, xHigh - s.x1, s.y1 - yLow, yHigh - s.y1};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0.0) {
      if (q[k] < 0.0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) return false;
  s = {s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy};
  return true;
}

// The part of a line where its label may sit, running left to right (a
// vertical line upwards).
std::optional<PixelSegment> LabelStretch(PixelSegment s, const TextBox& bounds) {
  if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
      !std::isfinite(s.y2)) {
    return std::nullopt;
  }
  const double xLow = std::max(0, bounds.left);
  const double yHigh = std::min(0, bounds.bottom);
  if (!ClipToBox(s, xLow, bounds.right, bounds.top, yHigh)) return std::nullopt;
  // A line that only touches the plot area (through its corner at the
  // origin, say) shows no stretch to put a label on.
  if (std::hypot(s.x2 - s.x1, s.y2 - s.y1) < MIN_STRETCH) return std::nullopt;
  if (s.x2 < s.x1 || (s.x2 == s.x1 && s.y2 > s.y1)) {
    s = {s.x2, s.y2, s.x1, s.y1};
  }
  return s;
}

// The top-left corner of a label of the given size on the point (x, y) of
// a line running along s: above the line and to the right of the point, or
// below it where the line rises to the right, so that the text stays clear
// of its own line. The other side is the mirror image through the point
// (below and left, or above and left), also clear of the line.
inline IntPoint CornerOnLine(const PixelSegment& s, double x, double y, TextSize size,
                             bool otherSide) {
  const bool rising = s.x2 > s.x1 && s.y2 < s.y1;
  const bool below = rising != otherSide;
  const double left = otherSide ? x - LABEL_GAP - size.width : x + LABEL_GAP;
  const double top = below ? y + LABEL_GAP : y - LABEL_GAP - size.height;
  return {SaturateToInt(std::floor(left)), SaturateToInt(std::floor(top))};
}

TextBox Widened(const TextBox& b) {
  return {b.left - LABEL_GAP, b.top - LABEL_GAP, b.right + LABEL_GAP, b.bottom + LABEL_GAP};
}

// The first text in the way of a label at box, or none. An empty text (an
// axis without a name) is in nobody's way.
const TextBox* FirstInTheWay(const TextBox& box, const std::vector<TextBox>& taken) {
  const TextBox wide = Widened(box);
  const auto it = std::find_if(taken.begin(), taken.end(), [&](const TextBox& other) {
    return other.right > other.left && other.bottom > other.top && wide.Overlaps(other);
  });
  return it == taken.end() ? nullptr : &*it;
}

// How many of the next steps along the stretch surely leave the label at box
// in the way of other, the label moving (dx, dy) pixels a step. Its corner
// is rounded down, so it moves at most one pixel more than that: a step is
// skipped only when even then it could not clear other.
int StepsStillInTheWay(const TextBox& box, const TextBox& other, double dx, double dy) {
  const TextBox wide = Widened(box);
  double steps = std::numeric_limits<double>::infinity();
  if (dx > 0.0) steps = std::min(steps, (other.right - wide.left - 2.0) / dx);
  if (dy > 0.0) steps = std::min(steps, (other.bottom - wide.top - 2.0) / dy);
  if (dy < 0.0) steps = std::min(steps, (wide.bottom - other.top - 2.0) / -dy);
  if (!(steps >= 1.0)) return 0;
  return steps >= 1e6 ? 1000000 : static_cast<int>(std::floor(steps));
}

// The first place along the stretch on the label's own side of the line,
// or else on the other side, where the label lies in bounds and clear of
// everything taken. With none, the first place in bounds; with none of
// those either, the stretch's start. near is room for the texts near the
// stretch, kept by the caller from one label to the next. With skip, the
// places surely still in the way of the text met are not tried.
IntPoint SlideAlong(const PixelSegment& s, TextSize size, const std::vector<TextBox>& allTaken,
                    const TextBox& bounds, std::vector<TextBox>& near, bool skip) {
  // Only the texts near the stretch can be in the way: every place tried
  // lies within a label's size and two gaps of the stretch (one more pixel
  // for the rounding down of a corner).
  const double reachX = size.width + 2.0 * LABEL_GAP + 1.0;
  const double reachY = size.height + 2.0 * LABEL_GAP + 1.0;
  const double sweepLeft = std::min(s.x1, s.x2) - reachX;
  const double sweepRight = std::max(s.x1, s.x2) + reachX;
  const double sweepTop = std::min(s.y1, s.y2) - reachY;
  const double sweepBottom = std::max(s.y1, s.y2) + reachY;
  near.clear();
  for (const TextBox& t : allTaken) {
    if (t.right >= sweepLeft && t.left <= sweepRight && t.bottom >= sweepTop &&
        t.top <= sweepBottom) {
      near.push_back(t);
    }
  }
  const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
  const int steps = static_cast<int>(length / SLIDE_STEP);
  std::optional<IntPoint> firstInBounds;
  const double dx = length > 0.0 ? SLIDE_STEP * (s.x2 - s.x1) / length : 0.0;
  const double dy = length > 0.0 ? SLIDE_STEP * (s.y2 - s.y1) / length : 0.0;
  for (const bool otherSide : {false, true}) {
    for (int k = 0; k <= steps + 1; ++k) {
      const double t = length > 0.0 ? std::min(k * SLIDE_STEP / length, 1.0) : 0.0;
      const IntPoint at =
          CornerOnLine(s, s.x1 + t * (s.x2 - s.x1), s.y1 + t * (s.y2 - s.y1), size, otherSide);
      const TextBox box = TextBoxAt(at, size);
      if (!bounds.Contains(box)) continue;
      const TextBox* blocker = FirstInTheWay(box, near);
      if (blocker == nullptr) return at;
      if (!firstInBounds) firstInBounds = at;
      // The places the label would surely still share with that text are
      // not tried one by one.
      if (skip) k += std::min(StepsStillInTheWay(box, *blocker, dx, dy), steps + 1 - k);
    }
  }
  return firstInBounds.value_or(CornerOnLine(s, s.x1, s.y1, size, false));
}

}  // namespace

TextSize EstimatedTextSize(const std::string& text) {
  // Characters, not bytes: a UTF-8 continuation byte starts no character.
  // Spaces and the thin punctuation of the numbers take half the width.
  int width = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    const bool thin = c == ' ' || c == '.' || c == ',' || c == ':';
    width += thin ? TEXT_THIN_CHAR_WIDTH : TEXT_CHAR_WIDTH;
    if (width > TEXT_MAX_WIDTH) return {TEXT_MAX_WIDTH, TEXT_LINE_HEIGHT};
  }
  return {width, TEXT_LINE_HEIGHT};
}

namespace {

std::vector<IntPoint> LayOut(const std::vector<LabelRequest>& labels,
                             const std::vector<TextBox>& fixed, const TextBox& bounds, bool skip) {
  std::vector<IntPoint> places(labels.size());
  std::vector<TextBox> taken;
  taken.reserve(fixed.size() + labels.size());
  taken.insert(taken.end(), fixed.begin(), fixed.end());
  std::vector<std::optional<PixelSegment>> stretches(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const LabelRequest& label = labels[i];
    places[i] = label.at;
    if (!label.userPlaced && label.line) stretches[i] = LabelStretch(*label.line, bounds);
    // A label that will not move is in the way of those that will.
    if (!stretches[i]) taken.push_back(TextBoxAt(label.at, label.size));
  }
  std::vector<TextBox> near;
  near.reserve(taken.capacity());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (!stretches[i]) continue;
    places[i] = SlideAlong(*stretches[i], labels[i].size, taken, bounds, near, skip);
    taken.push_back(TextBoxAt(places[i], labels[i].size));
  }
  return places;
}

}  // namespace

std::vector<IntPoint> LayOutLabels(const std::vector<LabelRequest>& labels,
                                   const std::vector<TextBox>& fixed, const TextBox& bounds) {
  return LayOut(labels, fixed, bounds, true);
}

std::vector<IntPoint> LayOutLabelsStepByStep(const std::vector<LabelRequest>& labels,
                                             const std::vector<TextBox>& fixed,
                                             const TextBox& bounds) {
  return LayOut(labels, fixed, bounds, false);
}

}  // namespace tessaro
