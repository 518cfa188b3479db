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

}  // namespace tessaro
