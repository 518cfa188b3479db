// Bytes into the MPS reader. A refusal carries a message; an accepted text
// gives a well-formed model that comes back the same through both writers.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "doc/mps_format.h"
#include "linear_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tessaro::fuzz::CheckReadModel(tessaro::ReadMps(text));
  return 0;
}
