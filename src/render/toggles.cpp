#include "model/equation.h"

namespace tessaro {

void CEquation::OnToggleTrim() {}

void CEquation::OnToggleLabel() {}

void CEquation::OnToggleColor() {}

void CEquation::OnToggleGrey() {}

void CEquation::OnPreviewPayoff() {}

void CEquation::OnDecimalsSpinKillFocus() {}

void CEquation::OnConfigColor() {}

}  // namespace tessaro
