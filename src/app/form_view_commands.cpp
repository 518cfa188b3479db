#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/picture_output.h"
#include "editor/form_controller.h"

// The commands of the menus and the toolbar that the view handles.

namespace tessaro::app {
namespace {

struct CommandHandler {
  Command id;
  tessaro::FormCommand command;
};

// The commands the form's controller carries out.
constexpr CommandHandler kCoreCommands[] = {
    {cmd::AUTO_MAX, tessaro::FormCommand::AutoMax},
    {cmd::AUTO_MIN, tessaro::FormCommand::AutoMin},
    {cmd::AUTO_ZOOM, tessaro::FormCommand::AutoZoom},
    {cmd::TOGGLE_TRIM, tessaro::FormCommand::ToggleTrim},
    {cmd::TOGGLE_LABEL, tessaro::FormCommand::ToggleLabels},
    {cmd::TOGGLE_COLOR, tessaro::FormCommand::ToggleColor},
    {cmd::TOGGLE_GREY, tessaro::FormCommand::ToggleGrey},
    {cmd::TOGGLE_INTEGER_DOT, tessaro::FormCommand::ToggleIntegerDots},
    {cmd::HOLD, tessaro::FormCommand::Hold},
    {cmd::RESET_EQUATIONS, tessaro::FormCommand::ResetEquations},
    {cmd::EDIT_UNDO, tessaro::FormCommand::Undo},
    {cmd::EDIT_REDO, tessaro::FormCommand::Redo},
    {cmd::EDIT_CUT, tessaro::FormCommand::Cut},
    {cmd::EDIT_COPY, tessaro::FormCommand::Copy},
    {cmd::EDIT_PASTE, tessaro::FormCommand::Paste},
    {cmd::PREVIEW_PAYOFF, tessaro::FormCommand::TogglePreviewPayoff},
    {cmd::CONFIG_COLOR, tessaro::FormCommand::ConfigureColor},
};

}  // namespace

bool FormView::RunCommand(Command commandId) {
  tessaro::FormController& eq = *equation_;
  for (const CommandHandler& command : kCoreCommands) {
    if (command.id == commandId) {
      Dispatch([&eq, &command] { eq.run(command.command); });
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
  return commandId == cmd::PREVIEW_PAYOFF && equation_->previewsPayoff();
}

}  // namespace tessaro::app
