#include "model/equation.h"

namespace tessaro {

int CEquation::UpdateData(bool) {
  return 1;
}

}  // namespace tessaro
