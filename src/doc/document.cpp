#include "doc/document.h"

#include <utility>

namespace tessaro {

bool Document::apply(const std::string& name, Model changed, const std::string& run) {
  if (changed == model_) return false;
  const std::string& key = run.empty() ? name : run;
  if (entryOpen_ && position_ > 0 && position_ == entries_.size() &&
      entries_[position_ - 1].run == key && savedPosition_ != position_) {
    Entry& top = entries_[position_ - 1];
    top.name = name;
    if (changed == top.before) {
      // The entry ended where it began: nothing to undo.
      entries_.pop_back();
      --position_;
      entryOpen_ = false;
    }
    model_ = std::move(changed);
    return true;
  }
  if (savedPosition_ != kNeverSaved && savedPosition_ > position_) savedPosition_ = kNeverSaved;
  entries_.resize(position_);
  // The model before the change moves into the entry; the model after it
  // is kept there only once Undo has taken it back.
  entries_.push_back(Entry{name, key, std::move(model_), Model()});
  ++position_;
  if (entries_.size() > kHistoryLimit) {
    entries_.erase(entries_.begin());
    --position_;
    if (savedPosition_ != kNeverSaved) {
      savedPosition_ = savedPosition_ == 0 ? kNeverSaved : savedPosition_ - 1;
    }
  }
  model_ = std::move(changed);
  entryOpen_ = true;
  return true;
}

std::string Document::undoName() const {
  return canUndo() ? entries_[position_ - 1].name : std::string();
}

std::string Document::redoName() const {
  return canRedo() ? entries_[position_].name : std::string();
}

bool Document::undo() {
  entryOpen_ = false;
  if (!canUndo()) return false;
  --position_;
  Entry& entry = entries_[position_];
  entry.after = std::move(model_);
  model_ = entry.before;
  return true;
}

bool Document::redo() {
  entryOpen_ = false;
  if (!canRedo()) return false;
  model_ = std::move(entries_[position_].after);
  ++position_;
  return true;
}

void Document::reset(Model model) {
  model_ = std::move(model);
  held_ = model_;
  entries_.clear();
  position_ = 0;
  savedPosition_ = 0;
  entryOpen_ = false;
}

}  // namespace tessaro
