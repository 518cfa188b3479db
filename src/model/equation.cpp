#include "model/equation.h"

#include "model/settings_store.h"
#include "render/area_color.h"

namespace tessaro {

CEquation::CEquation(ViewHost& host, SettingsStore* settings) : host_(host), settings_(settings) {
  if (settings_ != nullptr) {
    AreaColor() = LoadAreaColor(*settings_);
  }
}

}  // namespace tessaro
