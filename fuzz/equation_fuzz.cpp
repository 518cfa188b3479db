// Bytes cut into an X label, a Y label and a line text, into the equation
// parser. When the labels are plain distinct words and the values are
// ordinary numbers, the values read are written back by the formatter and
// read again: the second reading gives the values as the text shows them,
// with the same name, relation and sign.

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/form_controller.h"
#include "stored_fields.h"
#include "support/fake_form_window.h"

using tessaro::FormController;
using tessaro::fuzz::Finding;

namespace {

bool PlainWord(const std::string& s) {
  if (s.empty() || s.size() > 30) return false;
  for (unsigned char ch : s) {
    if (!std::isalpha(ch)) return false;
  }
  return true;
}

bool Ordinary(double v) {
  return std::isfinite(v) && std::fabs(v) < 1e12;
}

// The value a number shows as with `decimals` decimals.
double AsShown(double v, int decimals) {
  int n = std::snprintf(nullptr, 0, "%.*f", decimals, v);
  std::vector<char> text(static_cast<std::size_t>(n) + 1);
  std::snprintf(text.data(), text.size(), "%.*f", decimals, v);
  return std::strtod(text.data(), nullptr);
}

void Expect(bool ok, const char* what, const std::string& text) {
  if (ok) return;
  std::fprintf(stderr, "formatted text: [%s]\n", text.c_str());
  Finding(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int decimals = data[0] & 7;
  const bool payoff = (data[0] & 8) != 0;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string parts[3];
  for (int i = 0; i < 2; ++i) {
    std::string::size_type nl = rest.find('\n');
    if (nl == std::string::npos) break;
    parts[i] = rest.substr(0, nl);
    rest.erase(0, nl + 1);
  }
  parts[2] = rest;

  tessaro::test::FakeFormWindow host;
  tessaro::test::MemorySettings settings;
  FormController eq(host, &settings);
  eq.xLabel = parts[0];
  eq.yLabel = parts[1];
  eq.decimals = decimals;

  std::string name;
  double x = 0, y = 0, relation = 0, rhs = 0;
  int sign = 1;
  if (eq.ParseEquation(parts[2], payoff ? nullptr : &name, x, sign, y, relation, rhs) != 1) {
    return 0;
  }

  const std::string& xl = eq.xLabel;
  const std::string& yl = eq.yLabel;
  if (!PlainWord(xl) || !PlainWord(yl) || xl.find(yl) != std::string::npos ||
      yl.find(xl) != std::string::npos) {
    return 0;
  }
  if (!Ordinary(x) || !Ordinary(y) || !Ordinary(rhs) || name.size() > 100 ||
      name.find('\0') != std::string::npos) {
    return 0;
  }

  const double shownRelation = payoff ? 1.0 : relation;
  std::string text;
  eq.FormatEquation(text, name, x, xl, sign, y, yl, shownRelation, rhs);

  std::string name2 = "unread";
  double x2 = NAN, y2 = NAN, relation2 = 9.0, rhs2 = NAN;
  int sign2 = 0;
  Expect(eq.ParseEquation(text, payoff ? nullptr : &name2, x2, sign2, y2, relation2, rhs2) == 1,
         "formatted text refused", text);
  if (!payoff) Expect(name2 == name, "name changed", text);
  Expect(x2 == AsShown(x, decimals), "X coefficient differs from the text", text);
  Expect(y2 == AsShown(y, decimals), "Y coefficient differs from the text", text);
  Expect(rhs2 == AsShown(rhs, decimals), "right-hand side differs from the text", text);
  Expect(sign2 == sign, "sign changed", text);
  Expect(relation2 == shownRelation, "relation changed", text);
  return 0;
}
