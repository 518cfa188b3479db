#include "model/equation.h"

namespace tessaro {

void CEquation::OnPayoffPlus() {}

void CEquation::OnPayoffMinus() {}

void CEquation::OnLinePlus(int) {}

void CEquation::OnLineMinus(int) {}

void CEquation::OnZoomPlus(bool) {}

void CEquation::OnZoomMinus(bool) {}

void CEquation::OnRangePlus(int) {}

void CEquation::OnRangeMinus(int) {}

bool CEquation::OnButtonClicked(int) {
  return false;
}

}  // namespace tessaro
