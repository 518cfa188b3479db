#include "cli/solve_json.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace tessaro {

namespace {

void AppendCodePoint(unsigned code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The length of a well-formed UTF-8 sequence at text[i], 0 when there is none.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned lead = byte(i);
  std::size_t length = 0;
  unsigned low = 0x80;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
  } else {
    return 0;
  }
  const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned b = byte(i + k);
    if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

// A JSON string. Names of older files may hold single-byte text; a byte
// that does not start well-formed UTF-8 is read as Latin-1.
void AppendString(const std::string& text, std::string& out) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else if (c >= 0x80) {
      const std::size_t length = Utf8Length(text, i);
      if (length == 0) {
        AppendCodePoint(c, out);
        ++i;
      } else {
        out.append(text, i, length);
        i += length;
      }
      continue;
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  out += '"';
}

// A finite number, or null for an infinite limit or a missing rate.
void AppendNumber(double value, std::string& out) {
  if (!std::isfinite(value)) {
    out += "null";
  } else {
    out += ExactNumber(value);
  }
}

void AppendNumber(const std::optional<double>& value, std::string& out) {
  if (value) {
    AppendNumber(*value, out);
  } else {
    out += "null";
  }
}

void AppendKey(const char* key, std::string& out) {
  out += '"';
  out += key;
  out += "\":";
}

// One field and its comma; Close turns the last comma into the bracket
// that ends the object or array.
template <class Number>
void NumberField(const char* key, const Number& value, std::string& out) {
  AppendKey(key, out);
  AppendNumber(value, out);
  out += ',';
}

void TextField(const char* key, const std::string& value, std::string& out) {
  AppendKey(key, out);
  AppendString(value, out);
  out += ',';
}

void RawField(const char* key, std::string_view raw, std::string& out) {
  AppendKey(key, out);
  out += raw;
  out += ',';
}

void Close(char bracket, std::string& out) {
  if (!out.empty() && out.back() == ',') {
    out.back() = bracket;
  } else {
    out += bracket;
  }
}

const char* RelationText(Relation relation) {
  return relation == Relation::LessEqual ? "<=" : relation == Relation::Equal ? "=" : ">=";
}

const char* ResultText(SolveResult result) {
  switch (result) {
    case SolveResult::Optimal:
      return "optimal";
    case SolveResult::Infeasible:
      return "infeasible";
    case SolveResult::Unbounded:
      return "unbounded";
    case SolveResult::NoOptimum:
      return "none";
    case SolveResult::Error:
      break;
  }
  return "error";
}

void AppendHead(const std::string* file, std::string& out) {
  out += '{';
  if (file) TextField("file", *file, out);
}

void AppendVariable(const char* key, const std::string& name, const VariableSensitivity& v,
                    std::string& out) {
  const ShownRange bound = ShowRange(v.bound, 0.0);
  AppendKey(key, out);
  out += '{';
  TextField("name", name, out);
  NumberField("value", v.value, out);
  NumberField("reduced_cost", bound.rate, out);
  NumberField("cost_lower", v.costLower, out);
  NumberField("cost_upper", v.costUpper, out);
  Close('}', out);
}

std::string LimitText(double value) {
  if (std::isinf(value)) return value > 0 ? "+inf" : "-inf";
  return ExactNumber(value);
}

std::string RateText(const std::optional<double>& rate) {
  return rate ? ExactNumber(*rate) : std::string("none");
}

}  // namespace

std::string ExactNumber(double value) {
  if (value == 0.0) return "0";
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string SolveErrorJson(const std::string& message, const std::string* file) {
  std::string out;
  AppendHead(file, out);
  RawField("result", "\"error\"", out);
  TextField("message", message, out);
  Close('}', out);
  out += '\n';
  return out;
}

std::string SolveJson(const SolveReport& report, const std::string* file) {
  if (report.result == SolveResult::Error) return SolveErrorJson(report.message, file);
  std::string out;
  out.reserve(1024);
  AppendHead(file, out);
  TextField("result", ResultText(report.result), out);
  TextField("direction", report.maximize ? "max" : "min", out);
  if (report.result != SolveResult::Optimal) {
    TextField("message", report.message, out);
    Close('}', out);
    out += '\n';
    return out;
  }
  const Sensitivity& s = report.sensitivity;
  const bool analysed = s.status == SensitivityStatus::Ok;
  NumberField("payoff", report.payoff, out);
  AppendKey("points", out);
  out += '[';
  for (std::size_t i = 0; i < report.points.size(); ++i) {
    if (i > 0) out += ',';
    out += '[';
    AppendNumber(report.points[i][0], out);
    out += ',';
    AppendNumber(report.points[i][1], out);
    out += ']';
  }
  out += "],";
  RawField("degenerate", analysed && s.degenerate ? "true" : "false", out);
  AppendKey("constraints", out);
  out += '[';
  for (std::size_t i = 0; i < s.rows.size(); ++i) {
    const RowSensitivity& r = s.rows[i];
    const Line& line = report.model.lines[r.row];
    const ShownRange shown = ShowRange(r.rhs, line.c);
    if (i > 0) out += ',';
    out += '{';
    RawField("row", std::to_string(r.row + 1), out);
    TextField("name", line.name, out);
    TextField("relation", RelationText(line.relation), out);
    NumberField("rhs", line.c, out);
    NumberField("slack", r.slack, out);
    RawField("binds", r.binds ? "true" : "false", out);
    NumberField("shadow_price", shown.rate, out);
    NumberField("rhs_lower", shown.lower, out);
    NumberField("rhs_upper", shown.upper, out);
    Close('}', out);
  }
  out += "],";
  AppendKey("variables", out);
  out += '{';
  AppendVariable("x", report.model.xLabel, s.variables[0], out);
  out += ',';
  AppendVariable("y", report.model.yLabel, s.variables[1], out);
  out += "}}\n";
  return out;
}

std::string SensitivityText(const SolveReport& report) {
  const Sensitivity& s = report.sensitivity;
  std::string out;
  if (s.status != SensitivityStatus::Ok) {
    out += "sensitivity: none\n";
    return out;
  }
  out += "sensitivity: ";
  out += report.relaxation ? "linear relaxation at " : "at ";
  out += ExactNumber(s.x) + " " + ExactNumber(s.y) + "\n";
  out += std::string("degenerate: ") + (s.degenerate ? "yes" : "no") + "\n";
  out += std::string("tied: ") + (s.tied ? "yes" : "no") + "\n";
  const auto sides = [&out](const char* what, const RangeSides& r) {
    out += std::string(what) + " raising: " + RateText(r.rateUp) + " up to " +
           LimitText(r.upperLimit) + "\n";
    out += std::string(what) + " lowering: " + RateText(r.rateDown) + " down to " +
           LimitText(r.lowerLimit) + "\n";
  };
  for (const RowSensitivity& r : s.rows) {
    const Line& line = report.model.lines[r.row];
    const ShownRange shown = ShowRange(r.rhs, line.c);
    out += "range of constraint: " + std::to_string(r.row + 1) + "\n";
    out += "shadow price: " + RateText(shown.rate) + "\n";
    out += "rhs lower: " + LimitText(shown.lower) + "\n";
    out += "rhs upper: " + LimitText(shown.upper) + "\n";
    if (s.degenerate || s.tied) sides("shadow price", r.rhs);
  }
  for (int v = 0; v < 2; ++v) {
    const VariableSensitivity& var = s.variables[v];
    const ShownRange bound = ShowRange(var.bound, 0.0);
    out += "variable: " + (v == 0 ? report.model.xLabel : report.model.yLabel) + "\n";
    out += "value: " + ExactNumber(var.value) + "\n";
    out += "reduced cost: " + RateText(bound.rate) + "\n";
    out += "cost lower: " + LimitText(var.costLower) + "\n";
    out += "cost upper: " + LimitText(var.costUpper) + "\n";
    if (s.degenerate || s.tied) sides("reduced cost", var.bound);
  }
  return out;
}

}  // namespace tessaro
