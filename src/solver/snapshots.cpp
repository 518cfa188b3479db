#include "model/equation.h"

namespace tessaro {

void CEquation::SaveUndoSnapshot() {}

void CEquation::OnHold() {}

void CEquation::OnUndo() {}

void CEquation::OnRevert() {}

void CEquation::LoadModelFromDoc() {}

}  // namespace tessaro
