#pragma once

#include <array>
#include <string>

#include "model/model.h"

namespace tessaro {

// The numbers of a model file record as stored, before they are turned into
// a model: signs and relations are still their stored codes.
struct StoredNumbers {
  std::array<double, kLineCount> a{}, b{}, c{}, sign{}, relation{}, labelX{}, labelY{};
  double payoffA = 0, payoffB = 0, payoffLevel = 0, payoffSign = 1;
  double payoffLabelX = 0, payoffLabelY = 0;
  double xMin = 0, xMax = 0, xZoom = 0, yMin = 0, yMax = 0, yZoom = 0;
};

// The first value a model file must not hold, as a sentence naming the
// field ("The sign of constraint 2 is 0; it must be +1 or -1."), or empty
// when every value is good: signs of +1 or -1, relation codes 0, 1 or 2,
// and finite coefficients, right-hand sides, ranges, zooms and label
// positions. (A zoom of 0 is finite: the form's own guard handles it.)
std::string FirstBadValue(const StoredNumbers& numbers);

// The message of a file refused for a value: "Unexpected file format."
// and the problem on a second line.
std::string BadValueMessage(const std::string& problem);

}  // namespace tessaro
