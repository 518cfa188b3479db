#include "render/axis_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/saturate.h"
#include "render/drawing_style.h"

namespace tessaro {

namespace {

// About twenty ticks along each axis.
constexpr double TICK_STEP_FRACTION = 0.05;
// The axes' names sit this far beyond the ranges' ends.
constexpr double Y_NAME_ABOVE = 10.0;
constexpr double X_NAME_RIGHT = 45.0;
constexpr int X_NAME_BELOW = 10;

// Ticks every step whole units from trunc(low) to trunc(high), step being a
// twentieth of the range and at least 1; pixel gives each tick's place. The
// conversions saturate and the counter is 64 bits wide, so even a range of
// 1e300 gives a handful of ticks; the count never exceeds about 41. A range
// that is not a number gives no ticks.
template <typename PixelOf>
std::vector<AxisTick> Ticks(double low, double high, PixelOf pixel) {
  std::vector<AxisTick> ticks;
  if (std::isnan(low) || std::isnan(high)) return ticks;
  std::int64_t step = SaturateToInt((high - low) * TICK_STEP_FRACTION);
  if (step < 1) step = 1;
  const std::int64_t first = SaturateToInt(low);
  const std::int64_t last = SaturateToInt(high);
  if (first <= last) {
    ticks.reserve(static_cast<std::size_t>(std::min<std::int64_t>((last - first) / step + 1, 64)));
  }
  const int limit = static_cast<int>(COORD_LIMIT);
  for (std::int64_t t = first; t <= last; t += step) {
    const int value = static_cast<int>(t);
    const int px = SaturateToInt(pixel(value));
    if (px > limit || px < -limit) continue;
    ticks.push_back({px, value});
  }
  return ticks;
}

}  // namespace

std::vector<AxisTick> XAxisTicks(const PlotFrame& f) {
  return Ticks(f.xMin, f.xMax, [&](int t) { return (t - f.xMin) * f.xZoom; });
}

std::vector<AxisTick> YAxisTicks(const PlotFrame& f) {
  return Ticks(f.yMin, f.yMax, [&](int t) { return -(t - f.yMin) * f.yZoom; });
}

IntPoint YAxisNameAt(const PlotFrame& f) {
  const int limit = static_cast<int>(COORD_LIMIT);
  return {Y_TICK_TEXT_X,
          SaturateToRange(-(f.yMax - f.yMin) * f.yZoom - Y_NAME_ABOVE, -limit, limit)};
}

IntPoint XAxisNameAt(const PlotFrame& f) {
  const int limit = static_cast<int>(COORD_LIMIT);
  return {SaturateToRange((f.xMax - f.xMin) * f.xZoom + X_NAME_RIGHT, -limit, limit), X_NAME_BELOW};
}

std::vector<TextBox> AxisTextBoxes(const PlotFrame& frame, const std::string& xName,
                                   const std::string& yName) {
  // A tick number is written in digits and a minus sign, all of full width.
  const auto numberBox = [](IntPoint at, int value) {
    int characters = value < 0 ? 2 : 1;
    for (long long v = value < 0 ? -static_cast<long long>(value) : value; v >= 10; v /= 10) {
      ++characters;
    }
    return TextBoxAt(at, TextSize{characters * TEXT_CHAR_WIDTH, TEXT_LINE_HEIGHT});
  };
  const std::vector<AxisTick> xTicks = XAxisTicks(frame);
  const std::vector<AxisTick> yTicks = YAxisTicks(frame);
  std::vector<TextBox> boxes;
  // Room for the axis line and the payoff label that the caller adds.
  boxes.reserve(xTicks.size() + yTicks.size() + 4);
  for (const AxisTick& t : xTicks) boxes.push_back(numberBox({t.pixel, X_TICK_TEXT_Y}, t.value));
  for (const AxisTick& t : yTicks) boxes.push_back(numberBox({Y_TICK_TEXT_X, t.pixel}, t.value));
  boxes.push_back(TextBoxAt(YAxisNameAt(frame), EstimatedTextSize(yName)));
  boxes.push_back(TextBoxAt(XAxisNameAt(frame), EstimatedTextSize(xName)));
  return boxes;
}

}  // namespace tessaro
