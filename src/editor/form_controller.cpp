#include "editor/form_controller.h"

#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

FormController::FormController(FormWindow& host, SettingsStore* settings)
    : host_(host), settings_(settings) {
  if (settings_ != nullptr) {
    AreaColor() = LoadAreaColor(*settings_);
  }
}

void FormController::run(FormCommand command) {
  switch (command) {
    case FormCommand::AutoMax:
      return autoMax();
    case FormCommand::AutoMin:
      return autoMin();
    case FormCommand::AutoZoom:
      return autoZoom();
    case FormCommand::ToggleTrim:
      return toggleTrim();
    case FormCommand::ToggleLabels:
      return toggleLabels();
    case FormCommand::ToggleColor:
      return toggleColor();
    case FormCommand::ToggleGrey:
      return toggleGrey();
    case FormCommand::ToggleIntegerDots:
      return toggleIntegerDots();
    case FormCommand::TogglePreviewPayoff:
      return togglePreviewPayoff();
    case FormCommand::Hold:
      return hold();
    case FormCommand::ResetEquations:
      return resetEquations();
    case FormCommand::Undo:
      return undo();
    case FormCommand::Redo:
      return redo();
    case FormCommand::Cut:
      return cut();
    case FormCommand::Copy:
      return copy();
    case FormCommand::Paste:
      return paste();
    case FormCommand::ConfigureColor:
      return configureColor();
  }
}

}  // namespace tessaro
