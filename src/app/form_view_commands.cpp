#include "app/form_view.h"
#include "app/message_seam.h"
#include "app/picture_output.h"
#include "model/constants.h"
#include "model/equation.h"

// The commands of the menus and the toolbar that the view handles.

namespace tessaro::app {

bool FormView::RunCommand(int commandId) {
  tessaro::CEquation& eq = *equation_;
  switch (commandId) {
    case cmd::AUTO_MAX:
      Dispatch([&eq] { eq.OnAutoMax(); });
      return true;
    case cmd::AUTO_MIN:
      Dispatch([&eq] { eq.OnAutoMin(); });
      return true;
    case cmd::AUTO_ZOOM:
      Dispatch([&eq] { eq.OnAutoZoom(); });
      return true;
    case cmd::TOGGLE_TRIM:
      Dispatch([&eq] { eq.OnToggleTrim(); });
      return true;
    case cmd::TOGGLE_LABEL:
      Dispatch([&eq] { eq.OnToggleLabel(); });
      return true;
    case cmd::TOGGLE_COLOR:
      Dispatch([&eq] { eq.OnToggleColor(); });
      return true;
    case cmd::TOGGLE_GREY:
      Dispatch([&eq] { eq.OnToggleGrey(); });
      return true;
    case cmd::TOGGLE_INTEGER_DOT:
      Dispatch([&eq] { eq.OnToggleIntegerDot(); });
      return true;
    case cmd::HOLD:
      Dispatch([&eq] { eq.OnHold(); });
      return true;
    case cmd::RESET_EQUATIONS:
      Dispatch([&eq] { eq.OnRevert(); });
      return true;
    case cmd::EDIT_UNDO:
      Dispatch([&eq] { eq.OnUndo(); });
      return true;
    case cmd::EDIT_CUT:
      Dispatch([&eq] { eq.OnEditCut(); });
      return true;
    case cmd::EDIT_COPY:
      Dispatch([&eq] { eq.OnEditCopy(); });
      return true;
    case cmd::EDIT_PASTE:
      Dispatch([&eq] { eq.OnEditPaste(); });
      return true;
    case cmd::PREVIEW_PAYOFF:
      Dispatch([&eq] { eq.OnPreviewPayoff(); });
      return true;
    case cmd::CONFIG_COLOR:
      Dispatch([&eq] { eq.OnConfigColor(); });
      return true;
    case cmd::COPY_PICTURE:
      Dispatch([&eq] { CopyPictureToClipboard(eq); });
      return true;
    case cmd::FILE_PRINT:
      Dispatch([this, &eq] { PrintWithDialog(this, eq); });
      return true;
    case cmd::FILE_PRINT_DIRECT:
      Dispatch([this, &eq] {
        std::string error;
        if (!PrintPage(SharedPrinter(), eq, error)) {
          ShowMessageBox(this, error, MsgButtons::Ok, MsgIcon::Exclamation);
        }
      });
      return true;
    default:
      return false;
  }
}

bool FormView::IsCommandChecked(int commandId) const {
  return commandId == cmd::PREVIEW_PAYOFF && equation_->previewPayoff == 1;
}

}  // namespace tessaro::app
