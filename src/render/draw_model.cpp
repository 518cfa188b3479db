#include "model/equation.h"

namespace tessaro {

void CEquation::DrawModel(Surface&) {}

void CEquation::BuildVertexList() {}

bool CEquation::SharesLine(double, double, double, double) const {
  return false;
}

void CEquation::DrawDashedLine(Surface&, int, int, int, int, int) {}

}  // namespace tessaro
