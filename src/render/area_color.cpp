#include "render/area_color.h"

#include "model/settings_store.h"

namespace tessaro {

Rgb& AreaColor() {
  static Rgb color;
  return color;
}

Rgb LoadAreaColor(const SettingsStore&) {
  return Rgb{200, 254, 200};
}

void StoreAreaColor(SettingsStore&, const Rgb&) {}

}  // namespace tessaro
