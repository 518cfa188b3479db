#include "editor/form_controller.h"

// Cut, Copy and Paste act on the text of whichever control has the focus.
// Each one leaves editUndoFlag at 1, even Copy, so that the next Undo goes
// to that control instead of restoring a model snapshot; the next model
// snapshot clears the flag.

namespace tessaro {

void FormController::cut() {
  host_.SendEditRequest(EditRequest::Cut);
  editUndoFlag = 1;
}

void FormController::copy() {
  host_.SendEditRequest(EditRequest::Copy);
  editUndoFlag = 1;
}

void FormController::paste() {
  host_.SendEditRequest(EditRequest::Paste);
  editUndoFlag = 1;
}

}  // namespace tessaro
