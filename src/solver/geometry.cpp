#include "model/equation.h"

namespace tessaro {

void CEquation::FeasibleIntersection(double, double, double, double, double, double, double& x,
                                     double& y) const {
  x = y = NO_POINT;
}

void CEquation::TruncateDecimals(double&, int) {}

}  // namespace tessaro
