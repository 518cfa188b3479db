#include "model/equation.h"

namespace tessaro {

void CEquation::FormatEquation(std::string&, std::string, double, std::string, double, double,
                               std::string, double, double) const {}

void CEquation::RefreshEquationTexts() {}

}  // namespace tessaro
