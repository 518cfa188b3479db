#pragma once

#include <QRect>
#include <vector>

namespace tessaro::app {

// The fixed layout of the form: every control with its id, caption and
// place in dialog units, converted to view pixels at 1.5 px per horizontal
// and 1.625 px per vertical unit.

enum class ControlKind { Caption, Edit, Button, Spin, Plot };

struct FormControl {
  ControlKind kind;
  int id;                   // control id; 0 for captions
  const char* caption;      // caption text, "+" or "-" for buttons
  int x, y, width, height;  // dialog units
};

// Pixels per dialog unit.
inline constexpr double kDialogUnitX = 1.5;
inline constexpr double kDialogUnitY = 1.625;

// The form's size in dialog units.
inline constexpr int kFormWidthDu = 504;
inline constexpr int kFormHeightDu = 290;

// The plot area's top-left corner in view pixels: the offscreen origin
// (30, 300) inside it then lies at view pixel (45, 420), the point the
// pointer handlers take as the plot origin.
inline constexpr int kPlotLeft = 15;
inline constexpr int kPlotTop = 120;

// Every control of the form, in creation (and tab) order.
const std::vector<FormControl>& FormControls();

// A place in dialog units as view pixels (each edge rounded to the nearest pixel).
QRect DialogRect(int x, int y, int width, int height);

// The plot area at its minimum size (it grows with the view).
QRect PlotRect();

// The view's minimum size: the whole form.
QSize FormSize();

}  // namespace tessaro::app
