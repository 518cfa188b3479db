#include "model/equation.h"

namespace tessaro {

void CEquation::BeginModelChange() {}

void CEquation::FinishModelChange(bool) {}

void CEquation::MarkModified() {}

void CEquation::StoreLineInDoc(int) {}

void CEquation::StorePayoffInDoc() {}

void CEquation::StoreRangesInDoc() {}

void CEquation::StoreTogglesInDoc() {}

}  // namespace tessaro
