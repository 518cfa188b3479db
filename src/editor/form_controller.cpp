#include "editor/form_controller.h"

#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

FormController::FormController(FormWindow& window, SettingsStore* settings)
    : window_(window), settings_(settings) {
  if (settings_ != nullptr) {
    AreaColor() = LoadAreaColor(*settings_);
  }
}

void FormController::attach(Document& document) {
  doc_ = &document;
}

void FormController::start() {
  doc_->hold();
  window_.SetSpinRange(0, DECIMALS_SPIN_MAX);
  ShowLineTexts();
  window_.CreateOffscreenSurface();
  ShowFields();
  SyncDecimalsSpin();
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

void FormController::run(FormCommand command) {
  switch (command) {
    case FormCommand::AutoMax:
      return AutoSolve(true);
    case FormCommand::AutoMin:
      return AutoSolve(false);
    case FormCommand::AutoZoom:
      return autoZoom();
    case FormCommand::ToggleTrim:
    case FormCommand::ToggleLabels:
    case FormCommand::ToggleColor:
    case FormCommand::ToggleGrey:
      return toggleDisplay(command);
    case FormCommand::ToggleIntegerDots:
      return toggleIntegerDots();
    case FormCommand::TogglePreviewPayoff:
      // Only the switch: neither the document nor the picture changes.
      previewPayoff_ = !previewPayoff_;
      return;
    case FormCommand::Hold:
      return hold();
    case FormCommand::ResetEquations:
      return resetEquations();
    case FormCommand::Undo:
      return undo();
    case FormCommand::Redo:
      return redo();
    case FormCommand::Cut:
      return editRequest(EditRequest::Cut);
    case FormCommand::Copy:
      return editRequest(EditRequest::Copy);
    case FormCommand::Paste:
      return editRequest(EditRequest::Paste);
    case FormCommand::ConfigureColor:
      return configureColor();
  }
}

const Model& FormController::Shown() const {
  if (!previewLevel_) return doc_->model();
  previewed_ = doc_->model();
  previewed_.payoff.level = *previewLevel_;
  return previewed_;
}

// --- The one road of a change ---------------------------------------------

// A change starts from the stored model: a right-button preview ends.
void FormController::BeginModelChange(const std::string& name) {
  fieldUndo_ = false;
  previewLevel_.reset();
  BeginHistoryEntry(name);
}

void FormController::BeginHistoryEntry(const std::string& name) {
  changeName_ = name;
  changeRun_.clear();
  doc_->closeEntry();
}

void FormController::ContinueModelChange(const std::string& name, const std::string& run) {
  changeName_ = name;
  changeRun_ = run;
}

void FormController::FinishModelChange(bool recomputeDots) {
  ShowFields();
  if (recomputeDots && doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

std::string FormController::LineChangeName(int i) const {
  return LineChangeName(i >= 0 && i < LINE_COUNT ? doc_->model().lines[i].name : "", i);
}

std::string FormController::LineChangeName(const std::string& name, int i) {
  return name.empty() ? "Line " + std::to_string(i + 1) : name;
}

}  // namespace tessaro
