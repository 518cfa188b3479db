#pragma once

#include <string>

#include "doc/linear_program.h"

namespace tessaro::test {

// A read model in one line: "max x y | 3 2 | c1: 1 1 <= 4 | integer", or
// "refused: " and the message.
inline std::string Summary(const ImportResult& r) {
  if (!r.ok) return "refused: " + r.message;
  const Model& m = r.model;
  std::string s = (r.sense == Sense::Maximize ? "max " : "min ") + m.xLabel + " " + m.yLabel +
                  " | " + FormatNumber(m.payoff.a) + " " + FormatNumber(m.payoff.yCoefficient());
  for (const Line& l : m.lines) {
    if (!l.isPresent()) continue;
    const char* relation = l.relation == Relation::LessEqual      ? "<="
                           : l.relation == Relation::GreaterEqual ? ">="
                                                                  : "=";
    s += " | " + l.name + ": " + FormatNumber(l.a) + " " + FormatNumber(l.yCoefficient()) + " " +
         relation + " " + FormatNumber(l.c);
  }
  if (m.integerDots) s += " | integer";
  return s;
}

}  // namespace tessaro::test
