#include "model/equation.h"

namespace tessaro {

void CEquation::ComputeIntegerDots() {}

void CEquation::OnToggleIntegerDot() {}

}  // namespace tessaro
