#pragma once

#include "model/rgb.h"
#include "render/surface.h"

namespace tessaro {

// Colours of the plot.
inline constexpr Rgb COLOR_BLACK{0, 0, 0};
inline constexpr Rgb COLOR_WHITE{255, 255, 255};
inline constexpr Rgb COLOR_DRAG_BLUE{0, 50, 250};     // a dragged constraint line
inline constexpr Rgb COLOR_PAYOFF_RED{250, 0, 0};     // the payoff line at rest
inline constexpr Rgb COLOR_ACTIVE_BLUE{0, 0, 250};    // the payoff while moved; lattice dots
inline constexpr Rgb COLOR_GREY_FILL{198, 198, 198};  // feasible area in fill mode 2
inline constexpr Rgb COLOR_HIGHLIGHT{255, 0, 0};      // text of a dragged item

// Coordinates of lines and dots are limited to this many units so that the
// drawing back end never receives values beyond its range.
inline constexpr double COORD_LIMIT = 32000.0;

// Below this magnitude a line coefficient counts as zero when the end
// points of a drawn line are chosen.
inline constexpr double LINE_COEF_EPS = 1e-5;

inline Pen SolidPen(int width, Rgb color) {
  return Pen{PenStyle::Solid, width, color};
}

inline Pen BlackPen() {
  return SolidPen(1, COLOR_BLACK);
}

// Every text of the graph: bold Arial 12 units high and 6 wide.
inline Font DrawingFont(bool italic) {
  return Font{"Arial", 12, 6, 700, italic};
}

}  // namespace tessaro
