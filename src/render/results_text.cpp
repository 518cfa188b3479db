#include "model/equation.h"

namespace tessaro {

void CEquation::DrawResultsText(Surface&) const {}

void CEquation::DrawPicture(Surface&) {}

std::string CEquation::StatusResultsText() const {
  return {};
}

void CEquation::RefreshResultsPane() {}

}  // namespace tessaro
