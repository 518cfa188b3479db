#pragma once

#include <vector>

#include "model/model_state.h"

namespace tessaro {

// The optimal corners found by the last Auto Max or Auto Min, marked on the
// plot for as long as the model they were found for is unchanged. The model
// is remembered by its lines and payoff; a change of the range or the zoom
// only moves the view and keeps the marks.
struct OptimumMark {
  struct Point {
    double x = 0.0;
    double y = 0.0;
  };
  std::vector<Point> points;
  std::vector<double> modelKey;
};

// The values that make up the model the optimum belongs to: the lines, the
// payoff and whether the optimum is taken over the lattice points.
inline std::vector<double> OptimumModelKey(const ModelState& m) {
  std::vector<double> key;
  key.reserve(6 * LINE_COUNT + 4);
  for (int i = 0; i < LINE_COUNT; ++i) {
    key.insert(key.end(), {m.lineA[i], m.lineB[i], m.lineC[i], m.rowRelation[i],
                           static_cast<double>(m.rowSign[i])});
  }
  key.insert(key.end(), {m.payoffA, m.payoffB, static_cast<double>(m.payoffSign), m.payoffLevel,
                         static_cast<double>(m.integerDotsOn != 0)});
  return key;
}

// Marks the optimal points of the model as it is now.
inline OptimumMark MarkOptimum(const ModelState& m) {
  OptimumMark mark;
  const int count = m.optimalCount < MAX_OPTIMAL ? m.optimalCount : MAX_OPTIMAL;
  for (int k = 0; k < count; ++k) {
    if (m.optimalX[k] == NO_POINT || m.optimalY[k] == NO_POINT) continue;
    mark.points.push_back({m.optimalX[k], m.optimalY[k]});
  }
  mark.modelKey = OptimumModelKey(m);
  return mark;
}

// The points to mark now: none once the model has changed since the solve.
inline const std::vector<OptimumMark::Point>& MarkedPoints(const OptimumMark& mark,
                                                           const ModelState& m) {
  static const std::vector<OptimumMark::Point> none;
  if (mark.points.empty() || mark.modelKey != OptimumModelKey(m)) return none;
  return mark.points;
}

}  // namespace tessaro
