#include "model/equation.h"

namespace tessaro {

void CEquation::OnEditCut() {}

void CEquation::OnEditCopy() {}

void CEquation::OnEditPaste() {}

}  // namespace tessaro
