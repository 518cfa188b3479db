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

#include "model/format_line.h"
#include "model/parse_line.h"
#include "stored_fields.h"

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

  const std::string& xl = parts[0];
  const std::string& yl = parts[1];
  const tessaro::LineKind kind = payoff ? tessaro::LineKind::Payoff : tessaro::LineKind::Constraint;
  const tessaro::ParsedLine read = tessaro::ParseLineText(parts[2], xl, yl, kind);
  if (read.outcome != tessaro::ParseOutcome::Read) return 0;
  const std::string& name = read.name;
  const double x = read.xCoef, y = read.yCoef, rhs = read.rhs;
  const int sign = read.sign;
  // A line without a relation keeps the one it had: "<=" for a new line.
  const double relation = read.relationFound ? read.relation : 0.0;

  if (!PlainWord(xl) || !PlainWord(yl) || xl.find(yl) != std::string::npos ||
      yl.find(xl) != std::string::npos) {
    return 0;
  }
  if (!Ordinary(x) || !Ordinary(y) || !Ordinary(rhs) || name.size() > 100 ||
      name.find('\0') != std::string::npos) {
    return 0;
  }

  const double shownRelation = payoff ? 1.0 : relation;
  const std::string text = tessaro::FormatLine(payoff ? std::string() : name, x, xl, sign, y, yl,
                                               shownRelation, rhs, decimals);

  const tessaro::ParsedLine again = tessaro::ParseLineText(text, xl, yl, kind);
  Expect(again.outcome == tessaro::ParseOutcome::Read, "formatted text refused", text);
  if (!payoff) Expect(again.name == name, "name changed", text);
  Expect(again.xCoef == AsShown(x, decimals), "X coefficient differs from the text", text);
  Expect(again.yCoef == AsShown(y, decimals), "Y coefficient differs from the text", text);
  Expect(again.rhs == AsShown(rhs, decimals), "right-hand side differs from the text", text);
  Expect(again.sign == sign, "sign changed", text);
  Expect((again.relationFound ? again.relation : 0.0) == shownRelation, "relation changed", text);
  return 0;
}
