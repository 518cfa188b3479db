#include "editor/form_controller.h"

namespace tessaro {

namespace {

constexpr const char* MSG_REVERT =
    "You are about to revert to the disk saved or held version of the model and will lose the "
    "currently active version.\n\nClick OK to revert to the saved version of the model losing "
    "all your changes. \n\nClick Cancel to keep the current version of the model. ";

}  // namespace

void FormController::hold() {
  doc_->hold();
}

void FormController::ShowDocumentModel() {
  ShowLineTexts();
  ShowFields();
  if (doc_->model().integerDots) ComputeIntegerDots();
  redraw();
}

void FormController::undo() {
  if (fieldUndo_) {
    window_.SendEditRequest(EditRequest::Undo);
    return;
  }
  // At the start of the history there is no earlier version to go back
  // to: Undo then leaves the model alone.
  if (!doc_->undo()) return;
  ShowDocumentModel();
}

void FormController::redo() {
  fieldUndo_ = false;
  if (!doc_->redo()) return;
  ShowDocumentModel();
}

void FormController::resetEquations() {
  if (window_.ShowMessage(MSG_REVERT, MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok) return;
  BeginModelChange("Reset Equations");
  doc_->resetToHeld("Reset Equations");
  ShowDocumentModel();
}

}  // namespace tessaro
