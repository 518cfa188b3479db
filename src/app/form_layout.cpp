#include "app/form_layout.h"

#include <algorithm>
#include <cmath>

#include "model/constants.h"

namespace tessaro::app {
namespace {

int PixelsX(double du) {
  return static_cast<int>(std::lround(du * kDialogUnitX));
}

int PixelsY(double du) {
  return static_cast<int>(std::lround(du * kDialogUnitY));
}

}  // namespace

const std::vector<FormControl>& FormControls() {
  using K = ControlKind;
  namespace c = tessaro::ctl;
  static const std::vector<FormControl> controls = {
      {K::Caption, 0, "X", 7, 9, 8, 9},
      {K::Edit, c::X_LABEL, "", 15, 8, 60, 12},
      {K::Caption, 0, "Y", 79, 9, 8, 10},
      {K::Edit, c::Y_LABEL, "", 87, 8, 59, 12},
      {K::Caption, 0, "PAYOFF", 157, 8, 27, 11},
      {K::Edit, c::PAYOFF, "", 188, 8, 151, 13},
      {K::Button, c::PAYOFF_MINUS, "-", 339, 9, 9, 13},
      {K::Button, c::PAYOFF_PLUS, "+", 349, 9, 9, 13},
      {K::Edit, c::LINE0 + 0, "", 7, 25, 161, 13},
      {K::Button, c::LINE_MINUS[0], "-", 168, 26, 9, 13},
      {K::Button, c::LINE_PLUS[0], "+", 178, 26, 9, 13},
      {K::Edit, c::LINE0 + 3, "", 188, 25, 151, 13},
      {K::Button, c::LINE_MINUS[3], "-", 339, 26, 9, 13},
      {K::Button, c::LINE_PLUS[3], "+", 349, 26, 9, 13},
      {K::Edit, c::LINE0 + 1, "", 7, 38, 161, 13},
      {K::Button, c::LINE_MINUS[1], "-", 168, 39, 9, 13},
      {K::Button, c::LINE_PLUS[1], "+", 178, 39, 9, 13},
      {K::Edit, c::LINE0 + 4, "", 188, 39, 151, 13},
      {K::Button, c::LINE_MINUS[4], "-", 339, 39, 9, 13},
      {K::Button, c::LINE_PLUS[4], "+", 349, 39, 9, 13},
      {K::Edit, c::LINE0 + 2, "", 7, 52, 161, 13},
      {K::Button, c::LINE_MINUS[2], "-", 168, 53, 9, 13},
      {K::Button, c::LINE_PLUS[2], "+", 178, 53, 9, 13},
      {K::Edit, c::LINE0 + 5, "", 188, 52, 151, 13},
      {K::Button, c::LINE_MINUS[5], "-", 339, 52, 9, 13},
      {K::Button, c::LINE_PLUS[5], "+", 349, 52, 9, 13},
      {K::Caption, 0, "X Min", 360, 9, 23, 8},
      {K::Edit, c::X_MIN, "", 384, 8, 35, 13},
      {K::Button, c::X_MIN_PLUS, "+", 418, 8, 10, 6},
      {K::Button, c::X_MIN_MINUS, "-", 418, 15, 10, 6},
      {K::Caption, 0, "X Max", 360, 26, 23, 8},
      {K::Edit, c::X_MAX, "", 384, 23, 35, 13},
      {K::Button, c::X_MAX_PLUS, "+", 418, 23, 10, 6},
      {K::Button, c::X_MAX_MINUS, "-", 418, 30, 10, 6},
      {K::Caption, 0, "Y Min", 360, 42, 23, 8},
      {K::Edit, c::Y_MIN, "", 384, 39, 35, 13},
      {K::Button, c::Y_MIN_PLUS, "+", 417, 39, 10, 6},
      {K::Button, c::Y_MIN_MINUS, "-", 417, 46, 10, 6},
      {K::Caption, 0, "Y Max", 360, 57, 23, 8},
      {K::Edit, c::Y_MAX, "", 384, 55, 35, 13},
      {K::Button, c::Y_MAX_PLUS, "+", 417, 55, 10, 6},
      {K::Button, c::Y_MAX_MINUS, "-", 417, 62, 10, 6},
      {K::Caption, 0, "X Zoom", 429, 8, 26, 8},
      {K::Edit, c::X_ZOOM, "", 455, 8, 35, 13},
      {K::Button, c::X_ZOOM_PLUS, "+", 489, 8, 10, 6},
      {K::Button, c::X_ZOOM_MINUS, "-", 489, 14, 10, 7},
      {K::Caption, 0, "Y Zoom", 429, 26, 26, 8},
      {K::Edit, c::Y_ZOOM, "", 455, 24, 35, 13},
      {K::Button, c::Y_ZOOM_PLUS, "+", 489, 24, 10, 7},
      {K::Button, c::Y_ZOOM_MINUS, "-", 489, 31, 10, 7},
      {K::Caption, 0, "Decimal number", 429, 43, 26, 17},
      {K::Edit, c::DECIMALS, "", 455, 44, 35, 13},
      {K::Spin, c::DECIMALS_SPIN, "", 489, 45, 11, 14},
      {K::Plot, c::PLOT, "", 7, 71, 483, 219},
  };
  return controls;
}

QRect DialogRect(int x, int y, int width, int height) {
  int left = PixelsX(x);
  int top = PixelsY(y);
  return QRect(left, top, PixelsX(x + width) - left, PixelsY(y + height) - top);
}

QRect PlotRect() {
  for (const FormControl& control : FormControls()) {
    if (control.kind == ControlKind::Plot) {
      QRect du = DialogRect(control.x, control.y, control.width, control.height);
      return QRect(kPlotLeft, kPlotTop, du.width(), du.height());
    }
  }
  return QRect(kPlotLeft, kPlotTop, 0, 0);
}

QSize FormSize() {
  QRect plot = PlotRect();
  int width = std::max(PixelsX(kFormWidthDu), plot.right() + 1);
  int height = std::max(PixelsY(kFormHeightDu), plot.bottom() + 1);
  return QSize(width, height);
}

}  // namespace tessaro::app
