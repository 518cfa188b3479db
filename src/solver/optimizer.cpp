#include "solver/optimizer.h"

#include <cmath>

#include "model/equation.h"
#include "render/label_text.h"
#include "solver/corner_solver.h"

namespace tessaro {

namespace {

// Pixels beyond the range where the report's outer mark lies.
constexpr double MARK_PIXELS_X = 250.0;
constexpr double MARK_PIXELS_Y = 200.0;

void CopyList(const SolveResult& result, ModelState& model) {
  model.optimalCount = result.count;
  for (int k = 0; k < result.count; ++k) {
    model.optimalX[k] = result.x[k];
    model.optimalY[k] = result.y[k];
  }
}

}  // namespace

std::string OptimizerResultsLine(const ModelState& model, bool maximize) {
  std::string line = "Optimal Decisions(" + model.xLabel + "," + model.yLabel + "):";
  const double markX = std::trunc(model.xMax + MARK_PIXELS_X / model.xZoom);
  const double markY = std::trunc(model.yMax + MARK_PIXELS_Y / model.yZoom);
  const int count = model.optimalCount < MAX_OPTIMAL ? model.optimalCount : MAX_OPTIMAL;
  for (int k = 0; k < count; ++k) {
    const double x = model.optimalX[k];
    const double y = model.optimalY[k];
    if (maximize && (x == markX || y == markY)) {
      line += " (##,##)";
    } else if (x != NO_POINT) {
      line += OptimalPointPiece(x, y, model.decimals);
    }
  }
  return line;
}

bool SolveAndReport(CEquation& view, bool maximize) {
  ViewHost& host = view.Host();
  // The previous optimum goes before anything is said about this model.
  view.optimalCount = 0;
  view.optimumMark = OptimumMark();
  host.SetStatusPane(2, std::string());
  const SolveResult result = SolveModel(view, maximize);
  switch (result.verdict) {
    case SolveVerdict::NoPayoff:
      host.ShowMessage(MSG_NO_PAYOFF, MsgButtons::Ok, MsgIcon::None);
      return false;
    case SolveVerdict::Infeasible:
      host.ShowMessage(MSG_INFEASIBLE, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
    case SolveVerdict::Unbounded:
      // The gathered points stay listed; the payoff level is not touched.
      CopyList(result, view);
      host.ShowMessage(MSG_UNBOUNDED, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
    case SolveVerdict::Optimal:
      break;
  }
  CopyList(result, view);
  view.payoffLevel = result.best;
  TruncateDecimals(view.payoffLevel, view.decimals);
  view.StoreInDoc([&](Model& m) { m.payoff.level = view.payoffLevel; });
  view.optimumMark = MarkOptimum(view);
  host.SetStatusPane(2, OptimizerResultsLine(view, maximize));
  view.FormatEquation(view.payoffText, "", view.payoffA, view.xLabel, view.payoffSign, view.payoffB,
                      view.yLabel, REL_EQ, view.payoffLevel);
  view.UpdateData(false);
  view.SyncDecimalsSpin();
  view.RedrawGraph();
  return true;
}

bool AutoSolve(CEquation& view, bool maximize) {
  view.BeginModelChange(maximize ? "Auto Max" : "Auto Min");
  view.solveDirection = maximize ? 1 : -1;
  return SolveAndReport(view, maximize);
}

void CEquation::OnAutoMax() {
  AutoSolve(*this, true);
}

void CEquation::OnAutoMin() {
  AutoSolve(*this, false);
}

void CEquation::SolveMax() {
  SolveAndReport(*this, true);
}

void CEquation::SolveMin() {
  SolveAndReport(*this, false);
}

}  // namespace tessaro
