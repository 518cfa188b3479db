#include "render/area_color.h"

#include <cctype>
#include <string>

#include "model/settings_store.h"

namespace tessaro {

namespace {

struct ColorKey {
  const char* section;
  const char* key;
  const char* fallback;
};

constexpr ColorKey RED_KEY{"KVR1Configuration", "fcolorR", "200"};
constexpr ColorKey GREEN_KEY{"KVR2Configuration", "fcolorG", "254"};
constexpr ColorKey BLUE_KEY{"KVR3Configuration", "fcolorB", "200"};

// A stored component is read as at most this many characters.
constexpr std::size_t COMPONENT_CHARS = 3;

// Decimal conversion of the first three characters: leading blanks
// skipped, a sign allowed, stopping at the first other character; no
// digits give 0. The low 8 bits make the component.
std::uint8_t ParseComponent(const std::string& stored) {
  const std::string text = stored.substr(0, COMPONENT_CHARS);
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i] - '0');
    ++i;
  }
  if (negative) value = -value;
  return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t ReadComponent(const SettingsStore& store, const ColorKey& k) {
  return ParseComponent(store.Read(k.section, k.key, k.fallback));
}

}  // namespace

Rgb& AreaColor() {
  static Rgb color;
  return color;
}

Rgb LoadAreaColor(const SettingsStore& store) {
  return Rgb{ReadComponent(store, RED_KEY), ReadComponent(store, GREEN_KEY),
             ReadComponent(store, BLUE_KEY)};
}

void StoreAreaColor(SettingsStore& store, const Rgb& color) {
  store.Write(RED_KEY.section, RED_KEY.key, std::to_string(color.r));
  store.Write(GREEN_KEY.section, GREEN_KEY.key, std::to_string(color.g));
  store.Write(BLUE_KEY.section, BLUE_KEY.key, std::to_string(color.b));
}

}  // namespace tessaro
