#pragma once

#include <string>
#include <vector>

#include "model/rgb.h"
#include "solver/plane.h"

namespace tessaro {

enum class PenStyle { Solid, Dotted };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Rgb color;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Font {
  std::string face;
  int height = 0;
  int width = 0;
  int weight = 400;
  bool italic = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Drawing in integer logical units, Y growing downwards, in the manner of a
// classic device context: the selected pen, brush and font stay in force
// until the next selection. One implementation paints with QPainter; tests
// record the calls.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual void SelectPen(const Pen& pen) = 0;
  virtual void SelectBrush(const Rgb& color) = 0;
  // The surface's own default brush (solid white).
  virtual void SelectDefaultBrush() = 0;
  virtual void SelectFont(const Font& font) = 0;
  virtual void SetTextColor(const Rgb& color) = 0;
  virtual void SetBackgroundColor(const Rgb& color) = 0;
  virtual void SetTransparentBackground() = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Polygon(const std::vector<IntPoint>& points) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // Text with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

}  // namespace tessaro
