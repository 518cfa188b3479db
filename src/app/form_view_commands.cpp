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
    {cmd::AUTO_MAX, &tessaro::FormController::autoMax},
    {cmd::AUTO_MIN, &tessaro::FormController::autoMin},
    {cmd::AUTO_ZOOM, &tessaro::FormController::autoZoom},
    {cmd::TOGGLE_TRIM, &tessaro::FormController::toggleTrim},
    {cmd::TOGGLE_LABEL, &tessaro::FormController::toggleLabels},
    {cmd::TOGGLE_COLOR, &tessaro::FormController::toggleColor},
    {cmd::TOGGLE_GREY, &tessaro::FormController::toggleGrey},
    {cmd::TOGGLE_INTEGER_DOT, &tessaro::FormController::toggleIntegerDots},
    {cmd::HOLD, &tessaro::FormController::hold},
    {cmd::RESET_EQUATIONS, &tessaro::FormController::resetEquations},
    {cmd::EDIT_UNDO, &tessaro::FormController::undo},
    {cmd::EDIT_REDO, &tessaro::FormController::redo},
    {cmd::EDIT_CUT, &tessaro::FormController::cut},
    {cmd::EDIT_COPY, &tessaro::FormController::copy},
    {cmd::EDIT_PASTE, &tessaro::FormController::paste},
    {cmd::PREVIEW_PAYOFF, &tessaro::FormController::togglePreviewPayoff},
    {cmd::CONFIG_COLOR, &tessaro::FormController::configureColor},
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
