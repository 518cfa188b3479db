#include "render/sensitivity_table.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace tessaro {

namespace {

std::string Cell(double value, int decimals) {
  if (std::isinf(value)) return value > 0 ? "+inf" : "-inf";
  const std::string text = FormatFixed(value, decimals, 0);
  // A value that rounds to zero prints without a sign.
  const bool zero = text.find_first_not_of("-0.") == std::string::npos;
  return zero && text.front() == '-' ? text.substr(1) : text;
}

std::string Cell(const std::optional<double>& value, int decimals) {
  return value ? Cell(*value, decimals) : std::string("-");
}

constexpr std::size_t N = 5;  // columns of each table

void AppendTable(const std::array<const char*, 5>& heading, const std::array<std::string, 5>* rows,
                 std::size_t count, std::vector<std::string>& lines) {
  std::array<std::size_t, N> width{};
  for (std::size_t c = 0; c < N; ++c) width[c] = std::string(heading[c]).size();
  for (std::size_t r = 0; r < count; ++r) {
    for (std::size_t c = 0; c < N; ++c) width[c] = std::max(width[c], rows[r][c].size());
  }
  // The name column is aligned left, the numbers right.
  const auto line = [&](auto cell) {
    std::string text;
    for (std::size_t c = 0; c < N; ++c) {
      const std::string value = cell(c);
      const std::string pad(width[c] - value.size(), ' ');
      text += c == 0 ? value + pad : "  " + pad + value;
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
  };
  lines.push_back(line([&](std::size_t c) { return std::string(heading[c]); }));
  for (std::size_t r = 0; r < count; ++r) {
    lines.push_back(line([&](std::size_t c) { return rows[r][c]; }));
  }
}

}  // namespace

SensitivityTables SensitivityCells(const Model& model, const Sensitivity& s) {
  SensitivityTables t;
  const int d = model.decimals;
  for (const RowSensitivity& r : s.rows) {
    const Line& line = model.lines[r.row];
    const ShownRange shown = ShowRange(r.rhs, line.c);
    t.constraints.push_back({line.name, Cell(r.slack, d), Cell(shown.rate, d), Cell(shown.lower, d),
                             Cell(shown.upper, d)});
  }
  for (int v = 0; v < 2; ++v) {
    const VariableSensitivity& var = s.variables[v];
    t.variables[v] = {v == 0 ? model.xLabel : model.yLabel, Cell(var.value, d),
                      Cell(ShowRange(var.bound, 0.0).rate, d), Cell(var.costLower, d),
                      Cell(var.costUpper, d)};
  }
  return t;
}

std::vector<std::string> SensitivityTableLines(const Model& model, const Sensitivity& s,
                                               bool relaxation) {
  std::vector<std::string> lines;
  if (s.status != SensitivityStatus::Ok) return lines;
  std::string note = "Sensitivity";
  if (relaxation) note += " of the linear relaxation";
  note += " at (" + Cell(s.x, model.decimals) + ", " + Cell(s.y, model.decimals) + ")";
  if (s.degenerate) note += "; degenerate corner: one-sided values";
  if (s.tied) note += "; a whole edge is optimal";
  lines.push_back(note);
  const SensitivityTables t = SensitivityCells(model, s);
  AppendTable(kConstraintColumns, t.constraints.data(), t.constraints.size(), lines);
  lines.emplace_back();
  AppendTable(kVariableColumns, t.variables.data(), t.variables.size(), lines);
  return lines;
}

}  // namespace tessaro
