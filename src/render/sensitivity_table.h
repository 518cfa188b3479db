#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"
#include "solver/sensitivity.h"

namespace tessaro {

// The cells of the two sensitivity tables, as the panel and the printed
// page show them: numbers with the model's decimals, an endless limit as
// "-inf" or "+inf", and "-" where no single value holds (a degenerate
// corner where raising a right-hand side turns the model infeasible).
struct SensitivityTables {
  // name, slack, shadow price, RHS lower, RHS upper
  std::vector<std::array<std::string, 5>> constraints;
  // name, value, reduced cost, coefficient lower, coefficient upper
  std::array<std::array<std::string, 5>, 2> variables;
};

inline constexpr std::array<const char*, 5> kConstraintColumns{
    "Constraint", "Slack", "Shadow price", "RHS lower", "RHS upper"};
inline constexpr std::array<const char*, 5> kVariableColumns{"Variable", "Value", "Reduced cost",
                                                             "Coef. lower", "Coef. upper"};

[[nodiscard]] SensitivityTables SensitivityCells(const Model& model, const Sensitivity& s);

// The tables as text lines for the printed page: a note line, then each
// table with its heading row, columns padded to their widest cell. A note
// says when the corner is degenerate or on a tied edge, and when the ranges
// are those of the linear relaxation of a model solved over lattice points.
[[nodiscard]] std::vector<std::string> SensitivityTableLines(const Model& model,
                                                             const Sensitivity& s, bool relaxation);

}  // namespace tessaro
