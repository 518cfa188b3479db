#include "interact/pointer_text.h"

#include <algorithm>
#include <cstdio>

namespace tessaro {

std::string PointerText(double x, double y, int decimals) {
  const int places = std::clamp(decimals, 0, POINTER_TEXT_MAX_DECIMALS);
  static constexpr const char* kFormat = " (%4.*f, %4.*f)";
  // Measure first: a large coordinate with many decimals needs thousands
  // of characters, and nothing here has a fixed size.
  const int length = std::snprintf(nullptr, 0, kFormat, places, x, places, y);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), kFormat, places, x, places, y);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace tessaro
