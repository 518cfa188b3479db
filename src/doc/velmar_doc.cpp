#include "doc/velmar_doc.h"

namespace tessaro {

bool CVelmarDoc::Serialize(Archive&) {
  return false;
}

std::vector<std::uint8_t> CVelmarDoc::SaveToBytes() const {
  return {};
}

LoadResult CVelmarDoc::LoadFromBytes(const std::vector<std::uint8_t>&) {
  return LoadResult::Truncated;
}

}  // namespace tessaro
