#pragma once

#include <array>
#include <string>
#include <vector>

#include "solver/geometry.h"
#include "solver/rows.h"
#include "solver/solution.h"

namespace tessaro {

// One probe of a right-hand side, as the command line reports it.
struct ProbeLine {
  double change = 0.0;
  // The solver's message when the stepped model had no optimum.
  std::string note;
};

struct ConstraintReport {
  int row = 0;
  std::string name;
  std::string text;
  double slack = 0.0;
  bool binds = false;
  ProbeLine plus;
  ProbeLine minus;
};

// Room left by constraint `row` at (x, y): c - lhs for "<=", lhs - c for
// ">=", |lhs - c| for "=". Negative when the point breaks the row.
double Slack(const Rows& rows, int row, double x, double y);
// Whether the point lies on the constraint's line, within the tolerance
// that every feasibility test uses (solver/row_tolerance.h).
bool Binds(const Rows& rows, int row, double x, double y);

// For every present constraint of a solved model: its text as the form
// shows it, its slack at the optimal point `at` and the two probes of its
// right-hand side. The probes run on copies of the model.
std::vector<ConstraintReport> ReportConstraints(const Model& model, FarBounds far, PlanePoint at,
                                                const std::array<std::string, LINE_COUNT>& texts,
                                                Goal goal);

}  // namespace tessaro
