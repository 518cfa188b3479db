// Bytes into the model file loader of a fresh document. A file that loads
// is saved and loaded again: the fields come back equal and the second save
// gives the same bytes. A refused file leaves the defaults.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "doc/velmar_doc.h"
#include "stored_fields.h"

using tessaro::CVelmarDoc;
using tessaro::LoadResult;
using tessaro::fuzz::Finding;
using tessaro::fuzz::SameStoredFields;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  CVelmarDoc doc;
  const LoadResult result = doc.LoadFromBytes(bytes);
  if (result != LoadResult::Ok) {
    if (!SameStoredFields(doc, CVelmarDoc())) Finding("a refused file changed the fields");
    if (doc.badFormat != (result == LoadResult::BadMagic ? 1 : 0)) Finding("wrong badFormat");
    return 0;
  }
  if (doc.badFormat != 0) Finding("badFormat set on a good file");

  const std::vector<std::uint8_t> saved = doc.SaveToBytes();
  CVelmarDoc again;
  if (again.LoadFromBytes(saved) != LoadResult::Ok) Finding("a saved file does not load");
  if (!SameStoredFields(doc, again)) Finding("fields changed through save and load");
  if (again.SaveToBytes() != saved) Finding("saving twice gives different bytes");
  return 0;
}
