#include "model/equation.h"

namespace tessaro {

int CEquation::ParseEquation(std::string, std::string*, double&, int&, double&, double&, double&) {
  return 0;
}

}  // namespace tessaro
