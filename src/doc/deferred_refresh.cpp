#include "model/equation.h"

namespace tessaro {

void CEquation::OnPaint() {}

void CEquation::OnTimer(int) {}

void CEquation::RecomputeFarBounds() {}

}  // namespace tessaro
