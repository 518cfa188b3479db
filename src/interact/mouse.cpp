#include "model/equation.h"

namespace tessaro {

void CEquation::OnMouseMove(int, int, int) {}

void CEquation::OnLButtonDown(int, int, int) {}

void CEquation::OnLButtonUp(int, int, int) {}

void CEquation::OnRButtonDown(int, int, int) {}

void CEquation::OnRButtonUp(int, int, int) {}

bool CEquation::WouldGrab(int, int) const {
  return false;
}

}  // namespace tessaro
