#pragma once

#include <optional>

#include "model/model.h"
#include "render/surface.h"
#include "solver/sensitivity.h"

namespace tessaro {

// The fan: the payoff lines through the optimal corner at the two ends of
// the X payoff coefficient's interval (Y's when the payoff has no Y term):
// the two most turned payoffs that keep the corner optimal; an endless end
// gives the vertical (horizontal) line through the corner. With a constraint row (index into
// Model::lines), its line at the two ends of its right-hand-side interval, dotted; an endless end
// is left out. Drawn in the plot's coordinates (model units from (xMin, yMin), scaled by the zooms,
// y upwards negative), as the model's own lines are, so the picture, the PDF and the exports show
// them alike.
void DrawSensitivityRanges(const Model& model, const Sensitivity& s, std::optional<int> row,
                           Surface& surface);

// Colours of the ranges on the plot.
inline constexpr Rgb COLOR_FAN_GREEN{0, 150, 70};
inline constexpr Rgb COLOR_RANGE_ORANGE{230, 120, 0};

}  // namespace tessaro
