#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/picture_output.h"
#include "editor/form_controller.h"

// The commands of the menus and the toolbar that the view handles.

namespace tessaro::app {
namespace {

using Handler = void (tessaro::FormController::*)();

struct CommandHandler {
  Command id;
  Handler handler;
};

// The commands that are one core handler each.
constexpr CommandHandler kCoreCommands[] = {
    {cmd::AUTO_MAX, &tessaro::FormController::OnAutoMax},
    {cmd::AUTO_MIN, &tessaro::FormController::OnAutoMin},
    {cmd::AUTO_ZOOM, &tessaro::FormController::OnAutoZoom},
    {cmd::TOGGLE_TRIM, &tessaro::FormController::OnToggleTrim},
    {cmd::TOGGLE_LABEL, &tessaro::FormController::OnToggleLabel},
    {cmd::TOGGLE_COLOR, &tessaro::FormController::OnToggleColor},
    {cmd::TOGGLE_GREY, &tessaro::FormController::OnToggleGrey},
    {cmd::TOGGLE_INTEGER_DOT, &tessaro::FormController::OnToggleIntegerDot},
    {cmd::HOLD, &tessaro::FormController::OnHold},
    {cmd::RESET_EQUATIONS, &tessaro::FormController::OnRevert},
    {cmd::EDIT_UNDO, &tessaro::FormController::OnUndo},
    {cmd::EDIT_REDO, &tessaro::FormController::OnRedo},
    {cmd::EDIT_CUT, &tessaro::FormController::OnEditCut},
    {cmd::EDIT_COPY, &tessaro::FormController::OnEditCopy},
    {cmd::EDIT_PASTE, &tessaro::FormController::OnEditPaste},
    {cmd::PREVIEW_PAYOFF, &tessaro::FormController::OnPreviewPayoff},
    {cmd::CONFIG_COLOR, &tessaro::FormController::OnConfigColor},
};

}  // namespace

bool FormView::RunCommand(Command commandId) {
  tessaro::FormController& eq = *equation_;
  for (const CommandHandler& command : kCoreCommands) {
    if (command.id == commandId) {
      Dispatch([&eq, &command] { (eq.*command.handler)(); });
      if (commandId == cmd::AUTO_MAX || commandId == cmd::AUTO_MIN) ShowSolvedSensitivity();
      return true;
    }
  }
  switch (commandId) {
    case cmd::COPY_PICTURE:
      Dispatch([this, &eq] { CopyPictureToClipboard(eq, Extras()); });
      return true;
    case cmd::FILE_PRINT:
      Dispatch([this, &eq] { PrintWithDialog(this, eq, Extras()); });
      return true;
    case cmd::FILE_PRINT_DIRECT:
      Dispatch([this, &eq] {
        std::string error;
        if (!PrintPage(SharedPrinter(), eq, error, QString(), Extras())) {
          ShowMessageBox(this, error, MsgButtons::Ok, MsgIcon::Exclamation);
        }
      });
      return true;
    default:
      return false;
  }
}

bool FormView::IsCommandChecked(Command commandId) const {
  return commandId == cmd::PREVIEW_PAYOFF && equation_->previewPayoff == 1;
}

}  // namespace tessaro::app
