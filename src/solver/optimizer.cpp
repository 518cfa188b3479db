#include "model/equation.h"

namespace tessaro {

void CEquation::OnAutoMax() {}

void CEquation::OnAutoMin() {}

void CEquation::SolveMax() {}

void CEquation::SolveMin() {}

}  // namespace tessaro
