#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "doc/stored_model.h"

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
void ForEachStoredField(const Model& a, const Model& b, DoubleVisit number,
                        StringVisit text) {
  for (int i = 0; i < LINE_COUNT; ++i) {
    number("lineSign", a.lineSign[i], b.lineSign[i]);
    number("lineRelation", a.lineRelation[i], b.lineRelation[i]);
    number("labelX", a.labelX[i], b.labelX[i]);
    number("labelY", a.labelY[i], b.labelY[i]);
    number("lineA", a.lineA[i], b.lineA[i]);
    number("lineB", a.lineB[i], b.lineB[i]);
    number("lineC", a.lineC[i], b.lineC[i]);
    text("lineName", a.lineName[i], b.lineName[i]);
  }
  number("payoffLabelX", a.payoffLabelX, b.payoffLabelX);
  number("payoffLabelY", a.payoffLabelY, b.payoffLabelY);
  number("payoffSign", a.payoffSign, b.payoffSign);
  text("xLabel", a.xLabel, b.xLabel);
  text("yLabel", a.yLabel, b.yLabel);
  number("xMax", a.xMax, b.xMax);
  number("xMin", a.xMin, b.xMin);
  number("xZoom", a.xZoom, b.xZoom);
  number("yMax", a.yMax, b.yMax);
  number("yMin", a.yMin, b.yMin);
  number("yZoom", a.yZoom, b.yZoom);
  number("decimals", a.decimals, b.decimals);
  number("payoffA", a.payoffA, b.payoffA);
  number("payoffB", a.payoffB, b.payoffB);
  number("payoffLevel", a.payoffLevel, b.payoffLevel);
  number("trimOn", a.trimOn, b.trimOn);
  number("labelsOn", a.labelsOn, b.labelsOn);
  number("integerDotsOn", a.integerDotsOn, b.integerDotsOn);
  number("fillMode", a.fillMode, b.fillMode);
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
