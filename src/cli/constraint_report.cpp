#include "cli/constraint_report.h"

#include <algorithm>
#include <cmath>

#include "doc/document.h"
#include "model/saturate.h"
#include "solver/geometry.h"
#include "solver/probe.h"
#include "solver/row_tolerance.h"

namespace tessaro {

namespace {

ProbeLine ProbeLineOf(const Model& model, FarBounds far, int row, int step, Goal goal) {
  const ProbeResult probe = ProbeRightHandSide(model, far, row, step, goal);
  ProbeLine line;
  line.change = probe.change;
  // When the stepped model has no optimum, the note is the box shown just
  // before the last one: the stepped solve's own message, or the report
  // when the restored model then fails too (its dots switched off).
  if (probe.reported && !probe.stepped.isOptimal()) {
    const std::vector<std::string> boxes = probe.notices();
    line.note = boxes[boxes.size() - 2];
  }
  return line;
}

}  // namespace

double Slack(const Rows& rows, int row, double x, double y) {
  const double lhs = RowLeftSide(rows, row, x, y);
  const double c = rows.rowC[row];
  switch (SaturateToInt(rows.rowRelation[row])) {
    case 1:
      return std::fabs(lhs - c);
    case 2:
      return lhs - c;
    default:
      return c - lhs;
  }
}

bool Binds(const Rows& rows, int row, double x, double y) {
  return SideOfRow(rows.rowA[row], rows.rowSign[row] * rows.rowB[row], rows.rowC[row], x, y) ==
         RowSide::On;
}

std::vector<ConstraintReport> ReportConstraints(const Model& model, FarBounds far, PlanePoint at,
                                                const std::array<std::string, LINE_COUNT>& texts,
                                                Goal goal) {
  std::vector<ConstraintReport> reports;
  const Rows rows = RowsOf(model, far);
  const double x = at.x;
  const double y = at.y;
  for (int row = 0; row < LINE_COUNT; ++row) {
    if (IsRowEmpty(rows, row)) continue;
    ConstraintReport report;
    report.row = row;
    report.name = model.lines[row].name;
    report.text = texts[row];
    report.slack = Slack(rows, row, x, y);
    report.binds = Binds(rows, row, x, y);
    report.plus = ProbeLineOf(model, far, row, 1, goal);
    report.minus = ProbeLineOf(model, far, row, -1, goal);
    reports.push_back(report);
  }
  return reports;
}

}  // namespace tessaro
