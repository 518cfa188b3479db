#include "model/field_notices.h"

namespace tessaro {

bool FieldNotices::Set(int fieldId, const std::string& reason) {
  auto it = reasons_.find(fieldId);
  if (reason.empty()) {
    if (it == reasons_.end()) return false;
    reasons_.erase(it);
    return true;
  }
  if (it != reasons_.end() && it->second == reason) return false;
  reasons_[fieldId] = reason;
  return true;
}

std::string FieldNotices::Reason(int fieldId) const {
  auto it = reasons_.find(fieldId);
  return it == reasons_.end() ? std::string() : it->second;
}

bool FieldNotices::Has(const std::string& reason) const {
  for (const auto& [id, text] : reasons_) {
    if (text == reason) return true;
  }
  return false;
}

}  // namespace tessaro
