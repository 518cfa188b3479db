#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/picture_output.h"
#include "model/equation.h"

// The commands of the menus and the toolbar that the view handles.

namespace tessaro::app {
namespace {

using Handler = void (tessaro::CEquation::*)();

struct CommandHandler {
  Command id;
  Handler handler;
};

// The commands that are one core handler each.
constexpr CommandHandler kCoreCommands[] = {
    {cmd::AUTO_MAX, &tessaro::CEquation::OnAutoMax},
    {cmd::AUTO_MIN, &tessaro::CEquation::OnAutoMin},
    {cmd::AUTO_ZOOM, &tessaro::CEquation::OnAutoZoom},
    {cmd::TOGGLE_TRIM, &tessaro::CEquation::OnToggleTrim},
    {cmd::TOGGLE_LABEL, &tessaro::CEquation::OnToggleLabel},
    {cmd::TOGGLE_COLOR, &tessaro::CEquation::OnToggleColor},
    {cmd::TOGGLE_GREY, &tessaro::CEquation::OnToggleGrey},
    {cmd::TOGGLE_INTEGER_DOT, &tessaro::CEquation::OnToggleIntegerDot},
    {cmd::HOLD, &tessaro::CEquation::OnHold},
    {cmd::RESET_EQUATIONS, &tessaro::CEquation::OnRevert},
    {cmd::EDIT_UNDO, &tessaro::CEquation::OnUndo},
    {cmd::EDIT_REDO, &tessaro::CEquation::OnRedo},
    {cmd::EDIT_CUT, &tessaro::CEquation::OnEditCut},
    {cmd::EDIT_COPY, &tessaro::CEquation::OnEditCopy},
    {cmd::EDIT_PASTE, &tessaro::CEquation::OnEditPaste},
    {cmd::PREVIEW_PAYOFF, &tessaro::CEquation::OnPreviewPayoff},
    {cmd::CONFIG_COLOR, &tessaro::CEquation::OnConfigColor},
};

}  // namespace

bool FormView::RunCommand(Command commandId) {
  tessaro::CEquation& eq = *equation_;
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
