#include "model/equation.h"

namespace tessaro {

void CEquation::ProbeRightHandSide(int, int) {}

}  // namespace tessaro
