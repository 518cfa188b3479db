#pragma once

#include <string>
#include <vector>

#include "render/surface.h"

namespace tessaro {

// A surface that records every call as one line of text, with the state in
// force when a shape or text was drawn. Used by tests, benchmarks and the
// headless checks, where what was drawn matters more than pixels.
class RecordingSurface : public Surface {
 public:
  struct Call {
    std::string op;  // "pen", "brush", "font", "textcolor", "bkcolor", "transparent",
                     // "move", "line", "rect", "polygon", "ellipse", "text"
    std::vector<int> args;
    std::vector<IntPoint> points;  // polygon corners
    std::string text;              // text of "text", face of "font"
    Pen pen;                       // pen in force
    Rgb brush;                     // brush colour in force
    bool defaultBrush = true;      // the default (white) brush is in force
    Font font;                     // font in force
    Rgb textColor;                 // text colour in force
  };

  void SelectPen(const Pen& pen) override;
  void SelectBrush(const Rgb& color) override;
  void SelectDefaultBrush() override;
  void SelectFont(const Font& font) override;
  void SetTextColor(const Rgb& color) override;
  void SetBackgroundColor(const Rgb& color) override;
  void SetTransparentBackground() override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Polygon(const std::vector<IntPoint>& points) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, const std::string& text) override;

  const std::vector<Call>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<Call> CallsOf(const std::string& op) const;
  // The texts written, in order.
  std::vector<std::string> Texts() const;
  void Clear() { calls_.clear(); }

 private:
  Call& Add(const std::string& op, std::vector<int> args);

  std::vector<Call> calls_;
  Pen pen_;
  Rgb brush_{255, 255, 255};
  bool defaultBrush_ = true;
  Font font_;
  Rgb textColor_;
};

}  // namespace tessaro
