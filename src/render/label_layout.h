#pragma once

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "render/surface.h"

namespace tessaro {

// A box on the plot in pixels from the origin, Y growing downwards,
// covering [left, right) x [top, bottom).
struct TextBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Overlaps(const TextBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool Contains(const TextBox& inner) const {
    return left <= inner.left && inner.right <= right && top <= inner.top && inner.bottom <= bottom;
  }
  friend bool operator==(const TextBox&, const TextBox&) = default;
};

// The plot's font is 12 pixels high, stretched so that a character is 6
// pixels wide on average. The layout estimates a text's box from its
// characters rather than asking the surface, so that it comes out the same
// on every machine, in the tests and in the recorded pictures: 6 pixels a
// character, 3 for a space and the thin punctuation, which errs on the wide
// side of the drawn text (a label of 41 characters estimated at 201 pixels
// is drawn 185 wide).
inline constexpr int TEXT_CHAR_WIDTH = 6;
inline constexpr int TEXT_THIN_CHAR_WIDTH = 3;
inline constexpr int TEXT_LINE_HEIGHT = 14;
// No text is taken as wider than this, whatever its length.
inline constexpr int TEXT_MAX_WIDTH = 60000;

struct TextSize {
  int width = 0;
  int height = 0;
};
TextSize EstimatedTextSize(const std::string& text);

// The box of a text of the given size at topLeft. The sums saturate at the
// int range: a label may be clamped far out at the coordinate limit.
inline TextBox TextBoxAt(IntPoint topLeft, TextSize size) {
  const auto add = [](int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(std::clamp<long long>(sum, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
  };
  return {topLeft.x, topLeft.y, add(topLeft.x, size.width), add(topLeft.y, size.height)};
}

// A stretch of a drawn line in pixels from the origin, Y growing downwards.
struct PixelSegment {
  double x1 = 0.0;
  double y1 = 0.0;
  double x2 = 0.0;
  double y2 = 0.0;
};

// One line's label as the layout sees it.
struct LabelRequest {
  TextSize size;
  // Placed by the user: it stays at `at`, and other labels keep off it.
  bool userPlaced = false;
  // The top-left corner of a user-placed label; for a default one, where
  // it goes when its line shows nowhere on the plot.
  IntPoint at;
  // The label's line as drawn; none when the line is not drawn.
  std::optional<PixelSegment> line;
};

// The top-left corner of every label, in the order given. A label the user
// placed stays where it is. A default label sits on its line, just above it
// (below it when the line rises to the right), starting where the line enters
// the plot area (right of the Y axis, above the X axis, within `bounds`);
// it moves along the line to the first place where its whole box lies in
// `bounds` and clear of the boxes in `fixed`, of the user-placed labels and
// of the default labels laid out before it, trying the line's other side
// at each place too. With no such place it stays at its start (the first
// place where it lies in `bounds`).
std::vector<IntPoint> LayOutLabels(const std::vector<LabelRequest>& labels,
                                   const std::vector<TextBox>& fixed, const TextBox& bounds);

// The same places found by trying every place along each line in turn,
// without skipping those still in another text's way; for checking only.
std::vector<IntPoint> LayOutLabelsStepByStep(const std::vector<LabelRequest>& labels,
                                             const std::vector<TextBox>& fixed,
                                             const TextBox& bounds);

}  // namespace tessaro
