#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/model.h"
#include "solver/geometry.h"
#include "solver/lattice_points.h"
#include "solver/rows.h"

namespace tessaro {

inline constexpr const char* MSG_NO_PAYOFF = "Please specify the payoff coefficents!";
inline constexpr const char* MSG_INFEASIBLE = "Infeasible Solution!";
inline constexpr const char* MSG_UNBOUNDED = "Unbounded Constraints!";
inline constexpr const char* MSG_TOO_MANY_DOTS = "Too many integer dots(>=1000) to draw";

enum class Goal { Maximize, Minimize };

enum class SolveStatus {
  Optimal,
  NoPayoff,    // both payoff coefficients are zero
  Infeasible,  // no candidate was accepted
  Unbounded,   // the optimum runs to a far bound
};

// What Auto Max or Auto Min finds for a model.
struct Solution {
  SolveStatus status = SolveStatus::NoPayoff;
  // The optimal point list (at most MAX_OPTIMAL entries) in the order the
  // points were found; a point equal to an earlier one is kept as a
  // NO_POINT entry. An unbounded model lists the points gathered too.
  std::vector<PlanePoint> points;
  // The best payoff as found, and as the model keeps it: cut to the
  // model's decimals. Meaningful when Optimal.
  double best = 0.0;
  double payoffLevel = 0.0;
  // The message box text when there is no optimum, empty otherwise.
  std::string message;
  // The results line "Optimal Decisions(X,Y): (x, y) ..." of an optimum.
  std::string resultsLine;

  bool isOptimal() const { return status == SolveStatus::Optimal; }
};

// The lattice points of the model's plot, as the integer dots show them:
// those of the first DOT_LIMIT - 1 when the enumeration reached DOT_LIMIT
// (limitReached tells the caller to switch the dots off).
// The points are those of the lattice memory (solver/lattice_cache.h):
// read them before the next lattice computation on this thread.
struct LatticeDots {
  std::span<const IntPoint> points;
  bool limitReached = false;
};
[[nodiscard]] LatticeDots LatticeDotsOf(const Rows& rows, const PlotFrame& frame);
[[nodiscard]] LatticeDots LatticeDotsOf(const Model& model, FarBounds far);

// The optimum over the given lattice points, as Solve finds it when the
// model shows integer dots.
[[nodiscard]] Solution SolveOverLattice(const Model& model, std::span<const IntPoint> dots,
                                        Goal goal);

// Auto Max or Auto Min: over the corners of the rows, or over the lattice
// points when the model shows integer dots.
[[nodiscard]] Solution Solve(const Model& model, FarBounds far, Goal goal);

// The results line of an optimal point list: the head "Optimal
// Decisions(X,Y):" and one piece per listed point. Maximizing, a point on
// the plot's outer mark is written " (##,##)".
[[nodiscard]] std::string OptimizerResultsLine(const Model& model,
                                               const std::vector<PlanePoint>& points, Goal goal);

}  // namespace tessaro
