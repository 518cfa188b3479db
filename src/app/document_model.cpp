#include "app/document_model.h"

#include "doc/model_file.h"
#include "doc/velmar_doc.h"

namespace tessaro::app {

std::optional<tessaro::Model> ModelOfDocument(const tessaro::CVelmarDoc& document) {
  tessaro::Model model;
  if (tessaro::DecodeModel(document.SaveToBytes(), model) != tessaro::DecodeStatus::Ok) {
    return std::nullopt;
  }
  return model;
}

}  // namespace tessaro::app
