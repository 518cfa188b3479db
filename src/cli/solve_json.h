#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"
#include "solver/sensitivity.h"

namespace tessaro {

enum class SolveResult { Optimal, Infeasible, Unbounded, NoOptimum, Error };

// What one `--solve` of one file found, as the reports print it.
struct SolveReport {
  SolveResult result = SolveResult::Error;
  bool maximize = true;
  std::string message;  // the program's message when there is no optimum
  double payoff = 0.0;
  std::vector<std::array<double, 2>> points;
  Model model;
  // At the optimum on a continuous model; at the linear relaxation's optimum
  // when the model is solved over its lattice points.
  Sensitivity sensitivity;
  bool relaxation = false;
};

// A number as the shortest text that reads back as the same double; a
// negative zero prints as 0.
std::string ExactNumber(double value);

// One JSON object on one line (ending in a newline). With a file name the
// object starts with a "file" key.
std::string SolveJson(const SolveReport& report, const std::string* file = nullptr);

// The object of a file that could not be read.
std::string SolveErrorJson(const std::string& message, const std::string* file = nullptr);

// The sensitivity lines added to the text report.
std::string SensitivityText(const SolveReport& report);

}  // namespace tessaro
