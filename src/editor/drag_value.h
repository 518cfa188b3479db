#pragma once

namespace tessaro {

// The largest magnitude a drag, a rotation or the right-button preview
// writes into the model. Beyond it a double no longer holds whole units
// exactly and a line text grows past what a field shows at a glance; the
// ranges and zooms the form accepts (ranges of 1e12 with zooms down to
// 0.001) keep every ordinary drag well inside it.
inline constexpr double MAX_DRAG_MAGNITUDE = 1e15;

// Whether a value computed from the pointer may be stored: finite and not
// beyond MAX_DRAG_MAGNITUDE. A value that fails leaves the model as it was.
bool UsableDragValue(double value);

}  // namespace tessaro
