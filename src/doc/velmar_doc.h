#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "doc/stored_model.h"

namespace tessaro {

class Archive;

// Outcome of reading a model file's bytes.
enum class LoadResult {
  Ok,
  BadMagic,   // "This file is not in KVR format.\nPlease click OK to cancel."
  Truncated,  // "Unexpected file format."
  BadValue,   // "Unexpected file format." and the value refused
};

// The document: a second copy of the stored fields, the modified flag and
// the file format. It knows nothing of views or windows.
class CVelmarDoc : public StoredModel {
 public:
  CVelmarDoc() = default;

  // Reads (archive loading) or writes (archive storing) the whole record.
  // Loading returns false when the archive ran out of bytes or the magic
  // string was wrong (badFormat is then 1).
  bool Serialize(Archive& archive);

  // The bytes of a "KVR2.5" file of this document.
  std::vector<std::uint8_t> SaveToBytes() const;
  // Replaces the stored fields with those read from bytes. On failure the
  // fields keep their previous values.
  LoadResult LoadFromBytes(const std::vector<std::uint8_t>& bytes);

  void SetModifiedFlag(bool modified = true) { modified_ = modified; }
  bool IsModified() const { return modified_; }

  int badFormat = 0;
  // After a load refused for a value (BadValue): the field and the value.
  std::string loadProblem;

 private:
  bool modified_ = false;
};

// The fixed texts of a failed load.
inline constexpr const char* MSG_NOT_KVR =
    "This file is not in KVR format.\nPlease click OK to cancel.";
inline constexpr const char* MSG_UNEXPECTED_FORMAT = "Unexpected file format.";

}  // namespace tessaro
