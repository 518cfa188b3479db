#include "model/equation.h"

namespace tessaro {

void CEquation::OnAutoZoom() {}

}  // namespace tessaro
