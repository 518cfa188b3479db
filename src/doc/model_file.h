#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/model.h"

namespace tessaro {

// The fixed texts of a failed load.
inline constexpr const char* MSG_NOT_KVR =
    "This file is not in KVR format.\nPlease click OK to cancel.";
inline constexpr const char* MSG_UNEXPECTED_FORMAT = "Unexpected file format.";

// The bytes of a "KVR2.5" model file.
std::vector<std::uint8_t> EncodeModel(const Model& model);

enum class DecodeStatus {
  Ok,
  NotAModelFile,  // the magic string is not "KVR2.5" or "KVR2.0"
  Damaged,        // the record ends early
  BadValue,       // a value the model must not hold (a sign of 0, an infinite coefficient)
};

// Reads a "KVR2.5" or "KVR2.0" record into model; on failure model is left
// as it was. For BadValue, problem (when given) names the field and value.
DecodeStatus DecodeModel(const std::vector<std::uint8_t>& bytes, Model& model,
                         std::string* problem = nullptr);

// The text to show for a failed decode, without any dialog instructions:
// "This file is not in KVR format.", "Unexpected file format." and, for a
// refused value, the problem on a second line.
std::string DecodeMessage(DecodeStatus status, const std::string& problem = {});

}  // namespace tessaro
