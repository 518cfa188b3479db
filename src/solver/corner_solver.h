#pragma once

#include <array>

#include "model/model.h"
#include "solver/geometry.h"

namespace tessaro {

// Tolerances and starting scores of the optimizer.
inline constexpr double MAX_START_SCORE = -999999999.0;
inline constexpr double MIN_START_SCORE = 99999999.0;
// Maximizing, a point scoring this close to the best so far ties with it.
inline constexpr double MAX_TIE_TOLERANCE = 0.00001;
// Maximizing, only a point better by more than this empties the list.
inline constexpr double MAX_REPLACE_MARGIN = 0.01;
// A point this close to a far bound lies on it.
inline constexpr double FAR_BOUND_TOLERANCE = 0.001;
// Pairs of ten rows: the most corners one enumeration can produce.
inline constexpr int MAX_CORNERS = 45;

// Candidate points in enumeration order; NO_POINT entries keep the places of
// parallel or infeasible pairs.
struct CornerList {
  std::array<PlanePoint, MAX_CORNERS> points{};
  int count = 0;
};

// Every point the selection accepted, in the order found, duplicates marked
// with NO_POINT. Large enough for a whole lattice point list.
struct OptimalSet {
  std::array<PlanePoint, DOT_CAPACITY> points{};
  int count = 0;
  double best = 0.0;
};

// px·X + ps·py·Y.
[[nodiscard]] double PayoffAt(const Payoff& payoff, double x, double y);

// Feasible crossings of every pair of non-empty rows i < j <= lastRow.
[[nodiscard]] CornerList EnumerateCorners(const Rows& rows, int lastRow);

// Scores the points in order and keeps the best and the ties, as Auto Max
// (maximize) or Auto Min does. Points holding NO_POINT are skipped.
[[nodiscard]] OptimalSet SelectOptimal(const Payoff& payoff, const PlanePoint* points, int count,
                                       bool maximize);

// Marks every entry equal to an earlier one by setting it to NO_POINT.
void MarkDuplicates(OptimalSet& set);

}  // namespace tessaro
