#include "cli/solve_command.h"

#include <array>
#include <ostream>
#include <span>
#include <utility>

#include "cli/constraint_report.h"
#include "cli/headless_host.h"
#include "cli/solve_json.h"
#include "doc/document.h"
#include "doc/file_store.h"
#include "doc/model_file.h"
#include "editor/form_controller.h"
#include "model/number_text.h"

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

// A loaded file on the way a window takes: creation, initial update, the
// first deferred refresh (which sets the far bounds from the model's
// ranges), ready for the command itself.
// The model value is decoded from the same bytes.
struct LoadedView {
  Document doc;
  Model model;
  HeadlessHost host;
  FormController view{host, nullptr};

  bool Load(const std::string& path, std::string& message) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, message) || !LoadModelBytes(bytes, model, message)) {
      return false;
    }
    doc.reset(model);
    view.attach(doc);
    view.start();
    view.refreshTimerFired();
    return true;
  }
};

// The one place where the solver of the view meets the model value: the
// view finds the optimum as Auto Max or Auto Min does, and the model value
// of the same document is analysed at it. Over lattice points, or when the
// view's point is not a corner that a basis proves optimal, the analysis is
// that of the linear relaxation's own optimum.
SolveReport SolveLoaded(LoadedView& loaded, bool maximize) {
  SolveReport report;
  report.maximize = maximize;
  report.model = loaded.model;
  // The solver's answer for the form's model, then the form's own Auto Max
  // or Auto Min on it, which writes the texts the report prints.
  const Solution solution = Solve(loaded.doc.model(), loaded.view.farBounds(),
                                  maximize ? Goal::Maximize : Goal::Minimize);
  loaded.view.run(maximize ? FormCommand::AutoMax : FormCommand::AutoMin);
  if (!solution.isOptimal()) {
    report.message = solution.message;
    report.result = solution.status == SolveStatus::Infeasible  ? SolveResult::Infeasible
                    : solution.status == SolveStatus::Unbounded ? SolveResult::Unbounded
                                                                : SolveResult::NoOptimum;
    return report;
  }
  report.result = SolveResult::Optimal;
  report.payoff = solution.payoffLevel;
  for (const PlanePoint& p : solution.points) {
    if (p.x == NO_POINT) continue;
    report.points.push_back({p.x, p.y});
  }
  const Direction direction = maximize ? Direction::Maximize : Direction::Minimize;
  report.relaxation = report.model.integerDots;
  if (!report.points.empty()) {
    report.sensitivity =
        AnalyzeSensitivity(report.model, direction, report.points[0][0], report.points[0][1]);
  }
  if (report.relaxation || report.sensitivity.status != SensitivityStatus::Ok) {
    Sensitivity relaxed = AnalyzeOptimum(report.model, direction);
    // With no proved corner at all, the slacks at the view's point remain.
    if (relaxed.status == SensitivityStatus::Ok) report.sensitivity = std::move(relaxed);
  }
  return report;
}

int ExitStatus(SolveResult result) {
  return result == SolveResult::Optimal ? 0 : result == SolveResult::Error ? 1 : 2;
}

}  // namespace

int RunSolveCommand(const std::string& path, bool maximize, std::ostream& out, std::ostream& err) {
  LoadedView loaded;
  std::string message;
  if (!loaded.Load(path, message)) {
    err << "tessaro: " << CommandLineLoadMessage(path, message) << '\n';
    return 1;
  }
  const HeadlessHost& host = loaded.host;
  PrintNotes(host, out);
  loaded.host.ClearMessages();

  out << "model: " << path << '\n';
  out << "direction: " << (maximize ? "max" : "min") << '\n';
  const SolveReport report = SolveLoaded(loaded, maximize);
  if (report.result != SolveResult::Optimal) {
    out << "result: none\n";
    out << "message: " << report.message << '\n';
    return 2;
  }
  const Model& model = loaded.doc.model();
  const int decimals = model.decimals;
  out << "result: optimal\n";
  out << "payoff: " << Number(model.payoff.level, decimals) << '\n';
  out << "payoff text: " << TrimRight(host.FieldText(ctl::PAYOFF)) << '\n';
  out << "decisions: " << TrimRight(host.Pane(2)) << '\n';
  for (const auto& p : report.points) {
    out << "point: " << Number(p[0], decimals) << ' ' << Number(p[1], decimals) << '\n';
  }
  std::array<std::string, LINE_COUNT> texts;
  for (int i = 0; i < LINE_COUNT; ++i) texts[i] = host.FieldText(ctl::LINE0 + i);
  const std::span<const PlanePoint> optimum = loaded.view.optimum();
  for (const ConstraintReport& r :
       optimum.empty() ? std::vector<ConstraintReport>()
                       : ReportConstraints(model, loaded.view.farBounds(), optimum.front(), texts,
                                           maximize ? Goal::Maximize : Goal::Minimize)) {
    PrintConstraint(r, decimals, out);
  }
  out << SensitivityText(report);
  return 0;
}

int RunSolveJson(const std::vector<std::string>& paths, bool maximize, std::ostream& out) {
  const bool named = paths.size() > 1;
  int status = 0;
  for (const std::string& path : paths) {
    LoadedView loaded;
    loaded.host.SkipDrawing();
    std::string message;
    std::string line;
    SolveResult result = SolveResult::Error;
    if (!loaded.Load(path, message)) {
      line = SolveErrorJson(CommandLineLoadMessage(path, message), named ? &path : nullptr);
    } else {
      const SolveReport report = SolveLoaded(loaded, maximize);
      result = report.result;
      line = SolveJson(report, named ? &path : nullptr);
    }
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    // A file that cannot be read is worse than a model without an optimum.
    const int fileStatus = ExitStatus(result);
    if (fileStatus == 1 || (fileStatus == 2 && status == 0)) status = fileStatus;
  }
  return status;
}

}  // namespace tessaro
