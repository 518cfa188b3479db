#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/model.h"

namespace tessaro {

// One model as the user edits it: the Model value, the copy held by Hold,
// the named history of changes behind Undo and Redo, and whether the model
// differs from what was last saved (the history's distance from the saved
// state). Qt-free and view-free: a controller tells it what changed.
class Document {
 public:
  // The history keeps at most this many entries; the oldest go first.
  static constexpr std::size_t kHistoryLimit = 1000;

  Document() = default;
  explicit Document(Model model) : model_(model), held_(std::move(model)) {}

  const Model& model() const { return model_; }

  // Makes changed the model. Changes of the same run (by default, under
  // the same name) that follow each other with no closeEntry between them
  // are one history entry: a drag, a run of typing in one field. The entry
  // takes the latest name. An entry that ends where it began is dropped.
  // Returns whether the model changed.
  bool apply(const std::string& name, Model changed, const std::string& run = {});
  // The next change starts a new history entry.
  void closeEntry() { entryOpen_ = false; }

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ < entries_.size(); }
  // The names of the entries Undo and Redo would take back or do again.
  std::string undoName() const;
  std::string redoName() const;
  bool undo();
  bool redo();
  std::size_t historySize() const { return entries_.size(); }

  // Hold keeps the model as it is; Reset Equations goes back to it as one
  // undoable change.
  void hold() { held_ = model_; }
  const Model& held() const { return held_; }
  bool resetToHeld(const std::string& name) { return apply(name, held_); }

  bool isModified() const { return position_ != savedPosition_; }
  // The model as it is now is the one on disk.
  void markSaved() { savedPosition_ = position_; }
  // No state of the model is on disk: a model made from another file.
  void markNeverSaved() { savedPosition_ = kNeverSaved; }
  // Replaces the model and forgets the history, as opening a file does.
  void reset(Model model);

 private:
  struct Entry {
    std::string name;
    std::string run;
    Model before;
    Model after;  // filled while the entry is undone
  };
  // No position of the history is the saved state any more.
  static constexpr std::size_t kNeverSaved = static_cast<std::size_t>(-1);

  Model model_;
  Model held_;
  std::vector<Entry> entries_;
  std::size_t position_ = 0;  // entries [0, position_) are done
  std::size_t savedPosition_ = 0;
  bool entryOpen_ = false;
};

}  // namespace tessaro
