#include "render/recording_surface.h"

#include <utility>

namespace tessaro {

RecordingSurface::Call& RecordingSurface::Add(const std::string& op, std::vector<int> args) {
  Call call;
  call.op = op;
  call.args = std::move(args);
  call.pen = pen_;
  call.brush = brush_;
  call.defaultBrush = defaultBrush_;
  call.font = font_;
  call.textColor = textColor_;
  calls_.push_back(std::move(call));
  return calls_.back();
}

void RecordingSurface::SelectPen(const Pen& pen) {
  pen_ = pen;
  Add("pen", {static_cast<int>(pen.style), pen.width, pen.color.r, pen.color.g, pen.color.b});
}

void RecordingSurface::SelectBrush(const Rgb& color) {
  brush_ = color;
  defaultBrush_ = false;
  Add("brush", {color.r, color.g, color.b});
}

void RecordingSurface::SelectDefaultBrush() {
  brush_ = Rgb{255, 255, 255};
  defaultBrush_ = true;
  Add("brush", {255, 255, 255});
}

void RecordingSurface::SelectFont(const Font& font) {
  font_ = font;
  Add("font", {font.height, font.width, font.weight, font.italic ? 1 : 0}).text = font.face;
}

void RecordingSurface::SetTextColor(const Rgb& color) {
  textColor_ = color;
  Add("textcolor", {color.r, color.g, color.b});
}

void RecordingSurface::SetBackgroundColor(const Rgb& color) {
  Add("bkcolor", {color.r, color.g, color.b});
}

void RecordingSurface::SetTransparentBackground() {
  Add("transparent", {});
}

void RecordingSurface::MoveTo(int x, int y) {
  Add("move", {x, y});
}

void RecordingSurface::LineTo(int x, int y) {
  Add("line", {x, y});
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
  Add("rect", {left, top, right, bottom});
}

void RecordingSurface::Polygon(const std::vector<IntPoint>& points) {
  Add("polygon", {static_cast<int>(points.size())}).points = points;
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
  Add("ellipse", {left, top, right, bottom});
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
  Add("text", {x, y}).text = text;
}

std::vector<RecordingSurface::Call> RecordingSurface::CallsOf(const std::string& op) const {
  std::vector<Call> out;
  for (const Call& call : calls_) {
    if (call.op == op) out.push_back(call);
  }
  return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> out;
  for (const Call& call : calls_) {
    if (call.op == "text") out.push_back(call.text);
  }
  return out;
}

}  // namespace tessaro
