#pragma once

#include <map>
#include <string>
#include <vector>

namespace tessaro {

// Which fields of a form hold a text that is not read, and why. A field
// with a notice keeps its text; the model keeps the last line that was read.
class FieldNotices {
 public:
  // Sets the notice of a field, with the text it refuses, or clears it
  // with an empty reason; true when the reason changed.
  bool Set(int fieldId, const std::string& reason, const std::string& text = {});
  // The notice of a field; empty when it has none.
  std::string Reason(int fieldId) const;
  // The text a field's notice is about.
  std::string Text(int fieldId) const;
  // Whether any field but `except` has this reason as its notice.
  bool Has(const std::string& reason, int except) const;
  // The fields with a notice, in id order.
  std::vector<int> Fields() const;

 private:
  struct Notice {
    std::string reason;
    std::string text;
  };
  std::map<int, Notice> notices_;
};

}  // namespace tessaro
