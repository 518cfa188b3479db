#include "doc/linear_program.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

namespace tessaro {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The words an LP reader may take for a section or a bound keyword; a name
// equal to one of them (in any case) gets a "_" appended.
constexpr std::string_view kKeywords[] = {
    "max",      "maximize", "maximise", "maximum",  "min",    "minimize", "minimise",
    "minimum",  "st",       "subject",  "such",     "bound",  "bounds",   "general",
    "generals", "gen",      "integer",  "integers", "binary", "binaries", "bin",
    "end",      "free",     "inf",      "infinity", "semi",   "semis",    "sos",
};

// Room kept below the longest name for a "_<n>" suffix.
constexpr std::size_t kSuffixRoom = 12;

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool IsKeyword(std::string_view name) {
  const std::string lower = Lower(name);
  return std::find(std::begin(kKeywords), std::end(kKeywords), lower) != std::end(kKeywords);
}

// A valid name made from any text: other characters become "_", a leading
// digit gets a "_" before it, a keyword a "_" after it. Empty stays empty.
std::string Sanitize(std::string_view name) {
  std::string out;
  for (char c : name.substr(0, kMaxNameLength - kSuffixRoom)) {
    out += (IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_') ? c : '_';
  }
  if (!out.empty() && IsAsciiDigit(out.front())) out.insert(out.begin(), '_');
  if (!out.empty() && IsKeyword(out)) out += '_';
  return out;
}

// base itself when free, else base_2, base_3, ...
std::string Unique(const std::string& base, const std::set<std::string>& taken) {
  if (taken.count(base) == 0) return base;
  for (int n = 2;; ++n) {
    std::string candidate = base + "_" + std::to_string(n);
    if (taken.count(candidate) == 0) return candidate;
  }
}

// A user's name as a comment may hold it: control characters become "?".
std::string Printable(std::string_view name) {
  std::string out;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    out += (u < 0x20 || u == 0x7f) ? '?' : c;
  }
  return out;
}

// The smallest number of decimals that shows value exactly, or -1.
int DecimalsOf(double value) {
  double scaled = value;
  for (int d = 0; d <= kMaxFittedDecimals; ++d) {
    // A decimal fraction is seldom exact in binary: a difference this far
    // down in the last digits is the conversion's, not the number's.
    if (std::abs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::abs(scaled))) return d;
    scaled *= 10.0;
  }
  return -1;
}

// A round number (1, 2, 2.5 or 5 times a power of ten) above largest, with
// a little room; 10 when there is nothing to show.
double RoundAbove(double largest) {
  constexpr double kRoom = 1.2;
  // Beyond these the form's fields could not show the range; within them
  // the powers of ten below are normal numbers.
  constexpr double kSmallestRange = 1e-6;
  constexpr double kLargestRange = 1e15;
  if (!(largest > 0.0) || !std::isfinite(largest)) return 10.0;
  const double target = std::clamp(largest * kRoom, kSmallestRange, kLargestRange);
  double power = std::pow(10.0, std::floor(std::log10(target)));
  for (;;) {
    for (double step : {1.0, 2.0, 2.5, 5.0}) {
      if (step * power >= target) return step * power;
    }
    power *= 10.0;
  }
}

// One row of the fitting: a x + b y (relation) c.
struct FitRow {
  double a;
  double b;
  Relation relation;
  double c;
};

bool Feasible(const std::vector<FitRow>& rows, double x, double y) {
  // Corners are computed crossings, so the test forgives rounding scaled to
  // the numbers involved.
  constexpr double kRelative = 1e-9;
  for (const FitRow& r : rows) {
    const double value = r.a * x + r.b * y;
    const double tol = kRelative * (std::abs(r.a * x) + std::abs(r.b * y) + std::abs(r.c) + 1.0);
    if (r.relation == Relation::LessEqual && value > r.c + tol) return false;
    if (r.relation == Relation::GreaterEqual && value < r.c - tol) return false;
    if (r.relation == Relation::Equal && std::abs(value - r.c) > tol) return false;
  }
  return true;
}

std::string Plural(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string FormatNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool IsWritableName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxNameLength && Sanitize(name) == name;
}

ExportNames MakeExportNames(const Model& model) {
  ExportNames names;
  auto noteVariable = [&names](const char* axis, const std::string& label,
                               const std::string& written) {
    if (label.empty()) {
      names.notes.push_back(std::string("the ") + axis +
                            " variable has no name; it is written as " + written);
    } else if (label != written) {
      names.notes.push_back("variable \"" + Printable(label) + "\" is written as " + written);
    }
  };
  names.x = Sanitize(model.xLabel);
  if (names.x.empty()) names.x = "x";
  std::string y = Sanitize(model.yLabel);
  if (y.empty()) y = "y";
  names.y = Unique(y, {names.x});
  noteVariable("X", model.xLabel, names.x);
  noteVariable("Y", model.yLabel, names.y);

  // Valid names keep their place first, so that a generated or mended name
  // never pushes a name the user chose.
  std::set<std::string> taken;
  std::array<bool, kLineCount> done{};
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (!line.isPresent() || !IsWritableName(line.name) || taken.count(line.name) != 0) continue;
    names.rows[i] = line.name;
    taken.insert(line.name);
    done[i] = true;
  }
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (!line.isPresent() || done[i]) continue;
    const std::string base = line.name.empty() ? "c" + std::to_string(i + 1) : Sanitize(line.name);
    names.rows[i] = Unique(base.empty() ? "c" + std::to_string(i + 1) : base, taken);
    taken.insert(names.rows[i]);
    if (!line.name.empty()) {
      names.notes.push_back("constraint " + std::to_string(i + 1) + " \"" + Printable(line.name) +
                            "\" is written as " + names.rows[i]);
    }
  }
  names.objective = Unique("obj", taken);
  return names;
}

std::string NonFiniteNumber(const Model& model) {
  if (!std::isfinite(model.payoff.a) || !std::isfinite(model.payoff.b)) {
    return "the payoff has a coefficient that is not a finite number";
  }
  for (int i = 0; i < kLineCount; ++i) {
    const Line& l = model.lines[i];
    if (!l.isPresent()) continue;
    if (!std::isfinite(l.a) || !std::isfinite(l.b) || !std::isfinite(l.c)) {
      return "constraint " + std::to_string(i + 1) + " has a number that is not finite";
    }
  }
  return std::string();
}

int FindOrAddVariable(ReadProgram& program, std::string_view name, int line) {
  auto& vars = program.variables;
  for (std::size_t i = 0; i < vars.size(); ++i) {
    if (vars[i].name == name) return static_cast<int>(i);
  }
  if (vars.size() == 2) return -1;
  ReadVariable v;
  v.name = std::string(name);
  v.line = line;
  vars.push_back(v);
  return static_cast<int>(vars.size() - 1);
}

bool ParseNumber(std::string_view text, double& value) {
  std::size_t start = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) start = 1;
  // from_chars reads "inf" and "nan" too; a number here starts with a digit
  // or a point.
  if (start >= text.size() || !(IsAsciiDigit(text[start]) || text[start] == '.')) return false;
  if (text[0] == '+') text.remove_prefix(1);
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
         std::isfinite(value);
}

ImportResult BuildModel(const ReadProgram& program) {
  ImportResult result;
  result.sense = program.sense;
  const auto& vars = program.variables;
  if (vars.size() < 2) {
    result.message = vars.empty()
                         ? "the file names no variable; the graphical method here needs two"
                         : "the file names one variable only (" + vars[0].name +
                               "); the graphical method here needs two";
    return result;
  }
  // Terms of one variable are summed, and a sum of finite numbers may not be.
  if (!std::isfinite(program.objective[0]) || !std::isfinite(program.objective[1])) {
    result.message = "the objective sums to a coefficient out of range";
    return result;
  }
  for (const ReadRow& row : program.rows) {
    if (!std::isfinite(row.coefficients[0]) || !std::isfinite(row.coefficients[1]) ||
        !std::isfinite(row.rhs)) {
      result.message = "line " + std::to_string(row.line) + ": row '" + row.name +
                       "' sums to a number out of range";
      return result;
    }
  }
  std::vector<ReadRow> boundRows;
  int integers = 0;
  for (const ReadVariable& v : vars) {
    if (v.lower < 0.0) {
      const std::string what = v.upper == kInfinity && v.lower == -kInfinity ? "is free"
                               : v.lower == -kInfinity
                                   ? "has no lower bound"
                                   : "has the lower bound " + FormatNumber(v.lower);
      result.message = "variable " + v.name + " " + what +
                       "; the graphical method here works over " + vars[0].name + ", " +
                       vars[1].name + " >= 0";
      return result;
    }
    if (v.upper == -kInfinity || v.lower == kInfinity) {
      result.message = "variable " + v.name + " has an infinite bound that leaves it no value";
      return result;
    }
    if (v.integer) ++integers;
    const int index = static_cast<int>(&v - vars.data());
    auto bound = [&](const char* suffix, Relation relation, double value) {
      ReadRow row;
      row.name = v.name + suffix;
      row.line = v.line;
      row.coefficients[index] = 1.0;
      row.relation = relation;
      row.rhs = value;
      boundRows.push_back(row);
    };
    if (v.lower > 0.0 && v.upper == v.lower) {
      bound("_fixed", Relation::Equal, v.lower);
      continue;
    }
    if (v.lower > 0.0) bound("_min", Relation::GreaterEqual, v.lower);
    if (v.upper != kInfinity) bound("_max", Relation::LessEqual, v.upper);
  }
  if (integers == 1) {
    const ReadVariable& v = vars[0].integer ? vars[0] : vars[1];
    result.message = "only variable " + v.name + " is integer; the integer mode here makes both " +
                     vars[0].name + " and " + vars[1].name + " integer";
    return result;
  }
  const std::size_t total = program.rows.size() + boundRows.size();
  if (total > static_cast<std::size_t>(kLineCount)) {
    result.message = Plural(program.rows.size(), "constraint row", "constraint rows");
    if (!boundRows.empty()) {
      result.message +=
          " and " + Plural(boundRows.size(), "bound that becomes a row", "bounds that become rows");
    }
    result.message += "; at most " + std::to_string(kLineCount) + " fit";
    return result;
  }

  Model& m = result.model;
  m.xLabel = vars[0].name;
  m.yLabel = vars[1].name;
  m.payoff.a = program.objective[0];
  m.payoff.b = std::abs(program.objective[1]);
  m.payoff.sign = program.objective[1] < 0.0 ? -1 : 1;
  int slot = 0;
  for (const std::vector<ReadRow>* list :
       {&program.rows, static_cast<const std::vector<ReadRow>*>(&boundRows)}) {
    for (const ReadRow& row : *list) {
      if (row.coefficients[0] == 0.0 && row.coefficients[1] == 0.0) {
        result.message = "line " + std::to_string(row.line) + ": row '" + row.name +
                         "' has no nonzero coefficient";
        return result;
      }
      Line& line = m.lines[slot++];
      line.name = row.name;
      line.a = row.coefficients[0];
      line.b = std::abs(row.coefficients[1]);
      line.sign = row.coefficients[1] < 0.0 ? -1 : 1;
      line.c = row.rhs;
      line.relation = row.relation;
    }
  }
  m.integerDots = integers == 2;
  result.model = FitView(m);
  result.ok = true;
  return result;
}

Model FitView(Model model) {
  constexpr double kSpanX = 600.0;  // pixels given to the X range
  constexpr double kSpanY = 250.0;  // pixels given to the Y range
  constexpr double kZoomMin = 0.001;
  constexpr double kZoomMax = 10000.0;

  std::vector<FitRow> rows{{1.0, 0.0, Relation::GreaterEqual, 0.0},
                           {0.0, 1.0, Relation::GreaterEqual, 0.0}};
  int decimals = 1;
  auto widen = [&decimals](double value) {
    const int d = DecimalsOf(value);
    decimals = std::max(decimals, d < 0 ? kMaxFittedDecimals : d);
  };
  widen(model.payoff.a);
  widen(model.payoff.b);
  for (const Line& l : model.lines) {
    if (!l.isPresent()) continue;
    rows.push_back({l.a, l.yCoefficient(), l.relation, l.c});
    widen(l.a);
    widen(l.b);
    widen(l.c);
  }

  double largestX = 0.0;
  double largestY = 0.0;
  bool found = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      const FitRow& p = rows[i];
      const FitRow& q = rows[j];
      const double det = p.a * q.b - q.a * p.b;
      // Rows this close to parallel cross far outside any useful view.
      if (std::abs(det) <= 1e-12 * (std::abs(p.a * q.b) + std::abs(q.a * p.b))) continue;
      const double x = (p.c * q.b - q.c * p.b) / det;
      const double y = (p.a * q.c - q.a * p.c) / det;
      if (!std::isfinite(x) || !std::isfinite(y) || !Feasible(rows, x, y)) continue;
      largestX = std::max(largestX, x);
      largestY = std::max(largestY, y);
      found = true;
    }
  }
  if (!found) {
    // No feasible corner: show where the rows cross the axes.
    for (std::size_t i = 2; i < rows.size(); ++i) {
      const FitRow& r = rows[i];
      if (r.a != 0.0 && r.c / r.a > 0.0) largestX = std::max(largestX, r.c / r.a);
      if (r.b != 0.0 && r.c / r.b > 0.0) largestY = std::max(largestY, r.c / r.b);
    }
  }
  model.xMin = 0.0;
  model.yMin = 0.0;
  model.xMax = RoundAbove(largestX);
  model.yMax = RoundAbove(largestY);
  model.xZoom = std::clamp(kSpanX / model.xMax, kZoomMin, kZoomMax);
  model.yZoom = std::clamp(kSpanY / model.yMax, kZoomMin, kZoomMax);
  model.decimals = decimals;
  return model;
}

}  // namespace tessaro
