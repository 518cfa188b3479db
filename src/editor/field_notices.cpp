#include "editor/field_notices.h"

namespace tessaro {

bool FieldNotices::Set(int fieldId, const std::string& reason, const std::string& text) {
  auto it = notices_.find(fieldId);
  if (reason.empty()) {
    if (it == notices_.end()) return false;
    notices_.erase(it);
    return true;
  }
  const bool changed = it == notices_.end() || it->second.reason != reason;
  notices_[fieldId] = Notice{reason, text};
  return changed;
}

std::string FieldNotices::Reason(int fieldId) const {
  auto it = notices_.find(fieldId);
  return it == notices_.end() ? std::string() : it->second.reason;
}

std::string FieldNotices::Text(int fieldId) const {
  auto it = notices_.find(fieldId);
  return it == notices_.end() ? std::string() : it->second.text;
}

bool FieldNotices::Has(const std::string& reason, int except) const {
  for (const auto& [id, notice] : notices_) {
    if (id != except && notice.reason == reason) return true;
  }
  return false;
}

std::vector<int> FieldNotices::Fields() const {
  std::vector<int> ids;
  for (const auto& [id, notice] : notices_) ids.push_back(id);
  return ids;
}

}  // namespace tessaro
