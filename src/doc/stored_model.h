#pragma once

#include <array>
#include <string>

#include "model/constants.h"

namespace tessaro {

// Exactly the fields a model file stores, with the defaults of a new
// document. The document holds one; the undo and held snapshots are copies.
struct StoredModel {
  std::array<double, LINE_COUNT> lineSign{1, 1, 1, 1, 1, 1};
  std::array<double, LINE_COUNT> lineRelation{0, 0, 0, 0, 0, 0};
  std::array<double, LINE_COUNT> labelX{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  std::array<double, LINE_COUNT> labelY{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  double payoffLabelX = NO_POINT;
  double payoffLabelY = NO_POINT;
  double payoffSign = 1.0;
  std::string xLabel;
  std::array<double, LINE_COUNT> lineA{};
  std::string yLabel;
  std::array<double, LINE_COUNT> lineB{};
  std::array<double, LINE_COUNT> lineC{};
  double xMax = 200.0;
  double xMin = 0.0;
  double xZoom = 6.0;
  double yMax = 120.0;
  double yMin = 0.0;
  double yZoom = 6.0;
  int decimals = 1;
  double payoffA = 0.0;
  double payoffB = 0.0;
  double payoffLevel = 0.0;
  std::array<std::string, LINE_COUNT> lineName;
  int trimOn = 0;
  int labelsOn = 1;
  int integerDotsOn = 0;
  int fillMode = 0;
};

}  // namespace tessaro
