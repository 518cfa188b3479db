#pragma once

#include <map>
#include <string>

namespace tessaro {

// Which fields of a form hold a text that is not read, and why. A field
// with a notice keeps its text; the model keeps the last line that was read.
class FieldNotices {
 public:
  // Sets the notice of a field, or clears it with an empty reason; true
  // when the notice changed.
  bool Set(int fieldId, const std::string& reason);
  // The notice of a field; empty when it has none.
  std::string Reason(int fieldId) const;
  // Whether any field's notice is this reason.
  bool Has(const std::string& reason) const;
  // The fields with a notice, in id order.
  const std::map<int, std::string>& All() const { return reasons_; }

 private:
  std::map<int, std::string> reasons_;
};

}  // namespace tessaro
