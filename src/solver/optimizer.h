#pragma once

#include <string>

#include "model/model_state.h"

namespace tessaro {

class CEquation;

inline constexpr const char* MSG_NO_PAYOFF = "Please specify the payoff coefficents!";
inline constexpr const char* MSG_INFEASIBLE = "Infeasible Solution!";
inline constexpr const char* MSG_UNBOUNDED = "Unbounded Constraints!";

// SolveMax (maximize) or SolveMin: marks the document modified, solves,
// shows the failure messages, fills the optimal point list and, on
// success, writes the report (payoff level, document copy, results pane,
// PAYOFF text, form push, spin position, redraw). True when an optimum was
// reported.
bool SolveAndReport(CEquation& view, bool maximize);

// Auto Max or Auto Min: clears the edit-undo flag, takes the undo snapshot,
// sets the solving direction and solves.
bool AutoSolve(CEquation& view, bool maximize);

// The results line of the report: the head "Optimal Decisions(X,Y):" and one
// piece per listed point. Maximizing, a point on the plot's outer mark is
// written " (##,##)".
std::string OptimizerResultsLine(const ModelState& model, bool maximize);

}  // namespace tessaro
