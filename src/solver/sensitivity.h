#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/model.h"

namespace tessaro {

enum class Direction : std::uint8_t { Maximize, Minimize };

enum class SensitivityStatus : std::uint8_t {
  Ok,
  NotACorner,  // fewer than two independent rows or axes pass through the point
  NotOptimal,  // the point breaks a row, or no basis through it proves it optimal
};

// How the optimal payoff follows one right-hand side (or one axis bound)
// moved away from its value. Each side holds the payoff change per unit and
// the right-hand side up to which that rate holds. At a corner with exactly
// two rows through it both rates are equal: the shadow price. At a
// degenerate corner they may differ, and a rate is empty when no pair of
// rows through the corner can follow that way: the model turns infeasible
// at once, or (on a tied edge) the rate belongs to another point of the edge.
struct RangeSides {
  std::optional<double> rateUp;
  double upperLimit = 0.0;  // +inf when the rate holds without end
  std::optional<double> rateDown;
  double lowerLimit = 0.0;  // -inf when the rate holds without end
};

// One rate with the interval where it holds, as a report shows it: both
// sides when they agree, otherwise the raising side (the lowering side when
// raising is infeasible), the other end then being the current value.
struct ShownRange {
  std::optional<double> rate;
  double lower = 0.0;
  double upper = 0.0;
};

struct RowSensitivity {
  int row = 0;            // index into Model::lines
  double activity = 0.0;  // a x + b y at the corner
  double slack = 0.0;     // room left: c - activity for "<=", activity - c for ">="
  bool binds = false;
  RangeSides rhs;  // the rates are shadow prices, the limits right-hand sides
};

struct VariableSensitivity {
  double value = 0.0;
  // The rates are reduced costs: the payoff change per unit the variable is
  // forced away from its axis; zero while it is off its axis.
  RangeSides bound;
  // The payoff coefficient interval over which the corner stays optimal.
  double costLower = 0.0;
  double costUpper = 0.0;
};

struct Sensitivity {
  SensitivityStatus status = SensitivityStatus::NotACorner;
  double x = 0.0;
  double y = 0.0;
  double payoff = 0.0;
  bool degenerate = false;           // more than two rows or axes pass through the corner
  bool tied = false;                 // a whole edge through the corner is optimal
  std::vector<RowSensitivity> rows;  // the present rows, in order
  std::array<VariableSensitivity, 2> variables;  // X, Y
};

// The sensitivity of the linear programme over x >= 0, y >= 0 at its
// optimal corner (x, y), from the rows and axes binding there. When the
// status is not Ok only the slacks and values are filled: no rate, and the
// payoff intervals are NaN.
[[nodiscard]] Sensitivity AnalyzeSensitivity(const Model& model, Direction direction, double x,
                                             double y);

// The best feasible corner of the linear programme that AnalyzeSensitivity
// proves optimal, analysed; NotOptimal when the programme is infeasible or
// unbounded.
[[nodiscard]] Sensitivity AnalyzeOptimum(const Model& model, Direction direction);

// The single rate and interval a report shows for `sides` around `value`.
[[nodiscard]] ShownRange ShowRange(const RangeSides& sides, double value);

}  // namespace tessaro
