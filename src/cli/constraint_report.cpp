#include "cli/constraint_report.h"

#include <algorithm>
#include <cmath>

#include "cli/headless_host.h"
#include "doc/document.h"
#include "model/equation.h"
#include "model/saturate.h"
#include "solver/geometry.h"
#include "solver/probe.h"
#include "solver/row_tolerance.h"

namespace tessaro {

namespace {

// Runs one probe and restores the view, its document and its modified flag.
ProbeLine ProbeOnCopy(CEquation& view, HeadlessHost& host, int row, int step) {
  const ModelState savedModel = view;
  const Document savedDoc = *view.doc;
  host.ClearMessages();
  const ProbeOutcome outcome = RunRightHandSideProbe(view, row, step);
  ProbeLine line;
  line.change = outcome.change;
  if (!outcome.steppedSolved) {
    // The stepped solve's own message comes just before the report.
    const auto& messages = host.Messages();
    if (messages.size() >= 2) line.note = messages[messages.size() - 2].text;
  }
  static_cast<ModelState&>(view) = savedModel;
  *view.doc = savedDoc;
  return line;
}

}  // namespace

double Slack(const GeometryRows& rows, int row, double x, double y) {
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

bool Binds(const GeometryRows& rows, int row, double x, double y) {
  return SideOfRow(rows.rowA[row], rows.rowSign[row] * rows.rowB[row], rows.rowC[row], x, y) ==
         RowSide::On;
}

std::vector<ConstraintReport> ReportConstraints(CEquation& view, HeadlessHost& host) {
  std::vector<ConstraintReport> reports;
  if (view.optimalCount <= 0 || view.doc == nullptr) return reports;
  const double x = view.optimalX[0];
  const double y = view.optimalY[0];
  for (int row = 0; row < LINE_COUNT; ++row) {
    if (IsRowEmpty(view, row)) continue;
    ConstraintReport report;
    report.row = row;
    report.name = view.lineName[row];
    report.text = view.lineText[row];
    report.slack = Slack(view, row, x, y);
    report.binds = Binds(view, row, x, y);
    report.plus = ProbeOnCopy(view, host, row, 1);
    report.minus = ProbeOnCopy(view, host, row, -1);
    reports.push_back(report);
  }
  return reports;
}

}  // namespace tessaro
