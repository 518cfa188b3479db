#include "model/equation.h"

namespace tessaro {

bool CEquation::OnCreate(CVelmarDoc* document) {
  doc = document;
  return true;
}

void CEquation::OnInitialUpdate() {}

void CEquation::SyncDecimalsSpin() {}

void CEquation::OnChangeXLabel() {}

void CEquation::OnChangeYLabel() {}

void CEquation::OnChangePayoff() {}

void CEquation::OnChangeLine(int) {}

void CEquation::OnChangeRangeField() {}

}  // namespace tessaro
