#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "render/surface.h"

namespace tessaro {

// A surface that only counts what is drawn: benchmarks and fuzz targets run
// a drawing thousands of times a second, and a recording of every call would
// cost far more than the drawing itself. The sanitizers still see every
// argument.
class CountingSurface : public Surface {
 public:
  std::size_t calls = 0;
  std::size_t points = 0;     // polygon corners
  std::size_t textBytes = 0;  // characters of every text drawn

  void SelectPen(const Pen&) override { ++calls; }
  void SelectBrush(const Rgb&) override { ++calls; }
  void SelectDefaultBrush() override { ++calls; }
  void SelectFont(const Font&) override { ++calls; }
  void SetTextColor(const Rgb&) override { ++calls; }
  void SetBackgroundColor(const Rgb&) override { ++calls; }
  void SetTransparentBackground() override { ++calls; }
  void MoveTo(int, int) override { ++calls; }
  void LineTo(int, int) override { ++calls; }
  void Rectangle(int, int, int, int) override { ++calls; }
  void Polygon(const std::vector<IntPoint>& corners) override {
    ++calls;
    points += corners.size();
  }
  void Ellipse(int, int, int, int) override { ++calls; }
  void TextOut(int, int, const std::string& text) override {
    ++calls;
    textBytes += text.size();
  }
};

}  // namespace tessaro
