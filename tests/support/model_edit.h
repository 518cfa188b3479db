#pragma once

#include <utility>

#include "doc/document.h"
#include "model/model.h"

namespace tessaro {

// A test's set-up writes into a document's model directly:
// EditModel(doc)->lines[0].c = 40; replaces the document's model when the
// statement ends, outside the history.
class ModelEdit {
 public:
  explicit ModelEdit(Document& doc) : doc_(doc), model_(doc.model()) {}
  ModelEdit(const ModelEdit&) = delete;
  ModelEdit& operator=(const ModelEdit&) = delete;
  ~ModelEdit() { doc_.reset(std::move(model_)); }
  Model* operator->() { return &model_; }

 private:
  Document& doc_;
  Model model_;
};

inline ModelEdit EditModel(Document& doc) {
  return ModelEdit(doc);
}
inline ModelEdit EditModel(Document* doc) {
  return ModelEdit(*doc);
}

}  // namespace tessaro
