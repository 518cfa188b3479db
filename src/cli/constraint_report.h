#pragma once

#include <string>
#include <vector>

#include "solver/rows.h"
#include "solver/solution.h"

namespace tessaro {

class FormController;

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

// For every present constraint of a solved view: its slack at the first
// optimal point and the two probes of its right-hand side. The probes run
// on copies of the document's model.
std::vector<ConstraintReport> ReportConstraints(const FormController& view, Goal goal);

}  // namespace tessaro
