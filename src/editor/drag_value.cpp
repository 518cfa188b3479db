#include "editor/drag_value.h"

#include <cmath>

namespace tessaro {

bool UsableDragValue(double value) {
  return std::isfinite(value) && std::fabs(value) <= MAX_DRAG_MAGNITUDE;
}

}  // namespace tessaro
