#include "cli/solve_command.h"

#include <ostream>

#include "cli/constraint_report.h"
#include "cli/headless_host.h"
#include "doc/file_store.h"
#include "doc/velmar_doc.h"
#include "model/equation.h"
#include "model/number_text.h"
#include "solver/optimizer.h"

namespace tessaro {

namespace {

// A number with the model's decimals; a negative zero prints as zero.
std::string Number(double value, int decimals) {
  return FormatFixed(value == 0.0 ? 0.0 : value, decimals, 0);
}

// The texts end with a blank; the report drops trailing blanks.
std::string TrimRight(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

void PrintNotes(const HeadlessHost& host, std::ostream& out) {
  for (const HeadlessHost::Message& m : host.Messages()) out << "note: " << m.text << '\n';
}

void PrintConstraint(const ConstraintReport& r, int decimals, std::ostream& out) {
  out << "constraint: " << r.row + 1 << '\n';
  out << "name: " << r.name << '\n';
  out << "text: " << TrimRight(r.text) << '\n';
  out << "slack: " << Number(r.slack, decimals) << '\n';
  out << "binds: " << (r.binds ? "yes" : "no") << '\n';
  // The probes print as their message boxes do: two decimals.
  out << "probe+1: " << FormatFixed(r.plus.change, 2, 0) << '\n';
  if (!r.plus.note.empty()) out << "probe+1 note: " << r.plus.note << '\n';
  out << "probe-1: " << FormatFixed(r.minus.change, 2, 0) << '\n';
  if (!r.minus.note.empty()) out << "probe-1 note: " << r.minus.note << '\n';
}

}  // namespace

int RunSolveCommand(const std::string& path, bool maximize, std::ostream& out, std::ostream& err) {
  CVelmarDoc doc;
  std::string message;
  if (!LoadDocumentFile(path, doc, message)) {
    err << "tessaro: " << CommandLineLoadMessage(path, message) << '\n';
    return 1;
  }
  // The same road as a window: creation, initial update, the first deferred
  // refresh (which sets the far bounds from the model's ranges), then the
  // command itself.
  HeadlessHost host;
  CEquation view(host, nullptr);
  view.OnCreate(&doc);
  view.OnInitialUpdate();
  view.OnTimer(TIMER_REFRESH);
  PrintNotes(host, out);
  host.ClearMessages();

  out << "model: " << path << '\n';
  out << "direction: " << (maximize ? "max" : "min") << '\n';
  if (!AutoSolve(view, maximize)) {
    const auto& messages = host.Messages();
    out << "result: none\n";
    out << "message: " << (messages.empty() ? std::string() : messages.back().text) << '\n';
    return 2;
  }
  const int decimals = view.decimals;
  out << "result: optimal\n";
  out << "payoff: " << Number(view.payoffLevel, decimals) << '\n';
  out << "payoff text: " << TrimRight(view.payoffText) << '\n';
  out << "decisions: " << TrimRight(host.Pane(2)) << '\n';
  for (int k = 0; k < view.optimalCount; ++k) {
    if (view.optimalX[k] == NO_POINT) continue;
    out << "point: " << Number(view.optimalX[k], decimals) << ' '
        << Number(view.optimalY[k], decimals) << '\n';
  }
  for (const ConstraintReport& r : ReportConstraints(view, host)) PrintConstraint(r, decimals, out);
  return 0;
}

}  // namespace tessaro
