#pragma once

#include "model/rgb.h"

namespace tessaro {

class SettingsStore;

// The application-wide fill colour of the feasible area in fill mode 1.
Rgb& AreaColor();

// Reads the three components from the settings store (defaults 200, 254, 200).
Rgb LoadAreaColor(const SettingsStore& store);
// Writes the three components, red, green, blue, in this order.
void StoreAreaColor(SettingsStore& store, const Rgb& color);

}  // namespace tessaro
