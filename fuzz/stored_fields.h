#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/model.h"

namespace tessaro::fuzz {

// Stops the run with a finding that names what went wrong.
[[noreturn]] inline void Finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// Equal values, a NaN matching any NaN.
inline bool Same(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

// Calls visit(name, a, b) for every stored field of two models, doubles
// and ints as doubles, strings as themselves.
template <typename DoubleVisit, typename StringVisit>
void ForEachStoredField(const Model& a, const Model& b, DoubleVisit number, StringVisit text) {
  for (int i = 0; i < kLineCount; ++i) {
    const Line& p = a.lines[i];
    const Line& q = b.lines[i];
    number("lineSign", p.sign, q.sign);
    number("lineRelation", RelationCode(p.relation), RelationCode(q.relation));
    number("labelX", p.label.x, q.label.x);
    number("labelY", p.label.y, q.label.y);
    number("lineA", p.a, q.a);
    number("lineB", p.b, q.b);
    number("lineC", p.c, q.c);
    text("lineName", p.name, q.name);
  }
  number("payoffLabelX", a.payoff.label.x, b.payoff.label.x);
  number("payoffLabelY", a.payoff.label.y, b.payoff.label.y);
  number("payoffSign", a.payoff.sign, b.payoff.sign);
  text("xLabel", a.xLabel, b.xLabel);
  text("yLabel", a.yLabel, b.yLabel);
  number("xMax", a.xMax, b.xMax);
  number("xMin", a.xMin, b.xMin);
  number("xZoom", a.xZoom, b.xZoom);
  number("yMax", a.yMax, b.yMax);
  number("yMin", a.yMin, b.yMin);
  number("yZoom", a.yZoom, b.yZoom);
  number("decimals", a.decimals, b.decimals);
  number("payoffA", a.payoff.a, b.payoff.a);
  number("payoffB", a.payoff.b, b.payoff.b);
  number("payoffLevel", a.payoff.level, b.payoff.level);
  number("trimOn", a.trim, b.trim);
  number("labelsOn", a.labels, b.labels);
  number("integerDotsOn", a.integerDots, b.integerDots);
  number("fillMode", static_cast<int>(a.fill), static_cast<int>(b.fill));
}

inline bool SameStoredFields(const Model& a, const Model& b) {
  bool same = true;
  ForEachStoredField(
      a, b,
      [&same](const char* name, double x, double y) {
        if (!Same(x, y)) {
          std::fprintf(stderr, "field %s differs: %.17g vs %.17g\n", name, x, y);
          same = false;
        }
      },
      [&same](const char* name, const std::string& x, const std::string& y) {
        if (x != y) {
          std::fprintf(stderr, "field %s differs\n", name);
          same = false;
        }
      });
  return same;
}

}  // namespace tessaro::fuzz
