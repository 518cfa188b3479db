#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"

namespace tessaro {

// The bytes of a "KVR2.5" model file.
std::vector<std::uint8_t> EncodeModel(const Model& model);

enum class DecodeStatus {
  Ok,
  NotAModelFile,  // the magic string is not "KVR2.5" or "KVR2.0"
  Damaged,        // the record ends early
};

// Reads a "KVR2.5" or "KVR2.0" record into model; on failure model is left
// as it was.
DecodeStatus DecodeModel(const std::vector<std::uint8_t>& bytes, Model& model);

}  // namespace tessaro
