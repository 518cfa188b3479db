#include "model/equation.h"

namespace tessaro {

void CEquation::RedrawGraph() {}

void CEquation::DrawAxes(Surface&) const {}

}  // namespace tessaro
