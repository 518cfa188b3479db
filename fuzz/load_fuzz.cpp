// Bytes into the model file loader of a fresh document. A file that loads
// is saved and loaded again: the fields come back equal and the second save
// gives the same bytes. A refused file leaves the defaults.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "doc/model_file.h"
#include "stored_fields.h"

using tessaro::Model;
using tessaro::DecodeStatus;
using tessaro::fuzz::Finding;
using tessaro::fuzz::SameStoredFields;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Model doc;
  const DecodeStatus result = DecodeModel(bytes, doc);
  if (result != DecodeStatus::Ok) {
    if (!SameStoredFields(doc, Model())) Finding("a refused file changed the fields");
    if (doc.badFormat != (result == DecodeStatus::NotAModelFile ? 1 : 0)) Finding("wrong badFormat");
    return 0;
  }
  if (doc.badFormat != 0) Finding("badFormat set on a good file");

  const std::vector<std::uint8_t> saved = EncodeModel(doc);
  Model again;
  if (DecodeModel(saved, again) != DecodeStatus::Ok) Finding("a saved file does not load");
  if (!SameStoredFields(doc, again)) Finding("fields changed through save and load");
  if EncodeModel((again) != saved) Finding("saving twice gives different bytes");
  return 0;
}
