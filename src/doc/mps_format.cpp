#include "doc/mps_format.h"

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace tessaro {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// As in CPLEX and GLPK output, a bound this large is no bound.
constexpr double kInfiniteBound = 1e30;

char RowType(Relation relation) {
  switch (relation) {
    case Relation::LessEqual:
      return 'L';
    case Relation::GreaterEqual:
      return 'G';
    case Relation::Equal:
      break;
  }
  return 'E';
}

struct ReadError {
  std::string message;
};

[[noreturn]] void Fail(int line, const std::string& what) {
  throw ReadError{"line " + std::to_string(line) + ": " + what};
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

enum class Section { None, Name, ObjSense, Rows, Columns, Rhs, Ranges, Bounds, End };

class MpsReader {
 public:
  ReadProgram Read(std::string_view text) {
    program_.sense = Sense::Minimize;  // the format's own default
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size() && section_ != Section::End) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      start = end + 1;
      ++number;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty() || line[0] == '*') continue;
      const std::vector<std::string_view> fields = Fields(line);
      if (fields.empty()) continue;
      if (line[0] != ' ' && line[0] != '\t') {
        Header(fields, number);
      } else {
        Data(fields, number);
      }
    }
    if (section_ != Section::End) Fail(number, "the file ends without ENDATA");
    for (ReadVariable& v : program_.variables) {
      // GLPK's rule for an integer column with no bound at all: binary.
      if (v.integer && !v.boundGiven) v.upper = 1.0;
    }
    return program_;
  }

 private:
  void Header(const std::vector<std::string_view>& fields, int line) {
    const std::string word = Upper(fields[0]);
    if (word == "NAME") {
      section_ = Section::Name;
    } else if (word == "OBJSENSE" || word == "OBJSENCE") {
      section_ = Section::ObjSense;
      if (fields.size() > 1) ReadSense(fields[1], line);
    } else if (word == "ROWS") {
      section_ = Section::Rows;
    } else if (word == "COLUMNS") {
      section_ = Section::Columns;
    } else if (word == "RHS") {
      section_ = Section::Rhs;
    } else if (word == "RANGES") {
      section_ = Section::Ranges;
    } else if (word == "BOUNDS") {
      section_ = Section::Bounds;
    } else if (word == "ENDATA") {
      section_ = Section::End;
    } else {
      Fail(line, "the section " + std::string(fields[0]) + " does not fit the graphical method");
    }
  }

  void ReadSense(std::string_view word, int line) {
    const std::string w = Upper(word);
    if (w == "MAX" || w == "MAXIMIZE") {
      program_.sense = Sense::Maximize;
    } else if (w == "MIN" || w == "MINIMIZE") {
      program_.sense = Sense::Minimize;
    } else {
      Fail(line, "unknown objective sense '" + std::string(word) + "'");
    }
  }

  void Data(const std::vector<std::string_view>& f, int line) {
    switch (section_) {
      case Section::None:
        Fail(line, "data before the first section");
      case Section::Name:
      case Section::End:
        return;
      case Section::ObjSense:
        ReadSense(f[0], line);
        return;
      case Section::Rows:
        return RowsLine(f, line);
      case Section::Columns:
        return ColumnsLine(f, line);
      case Section::Rhs:
        return RhsLine(f, line);
      case Section::Ranges:
        Fail(line, "a range on a row; write it as two rows");
      case Section::Bounds:
        return BoundsLine(f, line);
    }
  }

  double Number(std::string_view text, int line) {
    double value = 0.0;
    if (!ParseNumber(text, value)) Fail(line, "'" + std::string(text) + "' is not a number");
    return value;
  }

  void RowsLine(const std::vector<std::string_view>& f, int line) {
    if (f.size() != 2) Fail(line, "a row needs a type and a name");
    const std::string type = Upper(f[0]);
    const std::string name(f[1]);
    if (name == objective_ || rowIndex_.count(name) != 0 || freeRows_.count(name) != 0) {
      Fail(line, "a second row '" + name + "'");
    }
    if (type == "N") {
      // The first free row is the objective; others constrain nothing.
      if (objective_.empty()) {
        objective_ = name;
      } else {
        freeRows_[name] = line;
      }
      return;
    }
    ReadRow row;
    row.name = name;
    row.line = line;
    if (type == "L") {
      row.relation = Relation::LessEqual;
    } else if (type == "G") {
      row.relation = Relation::GreaterEqual;
    } else if (type == "E") {
      row.relation = Relation::Equal;
    } else {
      Fail(line, "unknown row type '" + std::string(f[0]) + "'");
    }
    rowIndex_[name] = program_.rows.size();
    program_.rows.push_back(row);
  }

  void ColumnsLine(const std::vector<std::string_view>& f, int line) {
    if (f.size() >= 3 && f[1] == "'MARKER'") {
      if (f[2] == "'INTORG'") {
        integer_ = true;
      } else if (f[2] == "'INTEND'") {
        integer_ = false;
      } else {
        Fail(line, "unknown marker " + std::string(f[2]));
      }
      return;
    }
    if (f.size() != 3 && f.size() != 5) Fail(line, "a column line needs 3 or 5 fields");
    const int index = FindOrAddVariable(program_, f[0], line);
    if (index < 0) Fail(line, "a third variable '" + std::string(f[0]) + "'");
    if (integer_) program_.variables[index].integer = true;
    for (std::size_t k = 1; k + 1 < f.size(); k += 2) {
      const std::string row(f[k]);
      const double value = Number(f[k + 1], line);
      if (row == objective_) {
        program_.objective[index] += value;
      } else if (const auto it = rowIndex_.find(row); it != rowIndex_.end()) {
        program_.rows[it->second].coefficients[index] += value;
      } else if (freeRows_.count(row) == 0) {
        Fail(line, "unknown row '" + row + "'");
      }
    }
  }

  // A set name comes first when the count of the rest would be odd; only
  // the first set is read.
  bool FirstSet(std::string_view name, std::string& first) {
    if (first.empty()) first = std::string(name);
    return first == name;
  }

  void RhsLine(const std::vector<std::string_view>& f, int line) {
    std::size_t k = 0;
    if (f.size() % 2 == 1) {
      if (!FirstSet(f[0], rhsSet_)) return;
      k = 1;
    }
    if (f.size() - k < 2) Fail(line, "a right-hand side needs a row and a value");
    for (; k + 1 < f.size(); k += 2) {
      const std::string row(f[k]);
      const double value = Number(f[k + 1], line);
      if (row == objective_) {
        if (value != 0.0) Fail(line, "a constant in the objective");
      } else if (const auto it = rowIndex_.find(row); it != rowIndex_.end()) {
        program_.rows[it->second].rhs = value;
      } else if (freeRows_.count(row) == 0) {
        Fail(line, "unknown row '" + row + "'");
      }
    }
  }

  void BoundsLine(const std::vector<std::string_view>& f, int line) {
    const std::string type = Upper(f[0]);
    const bool needsValue =
        type == "UP" || type == "LO" || type == "FX" || type == "LI" || type == "UI";
    const bool noValue = type == "FR" || type == "MI" || type == "PL" || type == "BV";
    if (!needsValue && !noValue) {
      if (type == "SC") Fail(line, "semi-continuous variables do not fit the graphical method");
      Fail(line, "unknown bound type '" + std::string(f[0]) + "'");
    }
    // Fields: type [set] column [value]; BV may carry a value, which is
    // ignored.
    const std::size_t plain = needsValue ? 3 : 2;
    std::size_t k = 1;
    if (f.size() == plain + 1 || (type == "BV" && f.size() == 4)) {
      if (!FirstSet(f[1], boundSet_)) return;
      k = 2;
    } else if (f.size() != plain) {
      Fail(line, "a bound of type " + type + " needs " + std::to_string(plain) + " or " +
                     std::to_string(plain + 1) + " fields");
    }
    const std::string column(f[k]);
    int index = -1;
    for (std::size_t i = 0; i < program_.variables.size(); ++i) {
      if (program_.variables[i].name == column) index = static_cast<int>(i);
    }
    if (index < 0) Fail(line, "a bound on the unknown column '" + column + "'");
    ReadVariable& v = program_.variables[index];
    v.boundGiven = true;
    double value = needsValue ? Number(f[k + 1], line) : 0.0;
    if (value >= kInfiniteBound) value = kInfinity;
    if (value <= -kInfiniteBound) value = -kInfinity;
    if (type == "UP" || type == "UI") v.upper = value;
    if (type == "LO" || type == "LI") v.lower = value;
    if (type == "FX") v.lower = v.upper = value;
    if (type == "FR") {
      v.lower = -kInfinity;
      v.upper = kInfinity;
    }
    if (type == "MI") v.lower = -kInfinity;
    if (type == "PL") v.upper = kInfinity;
    if (type == "BV") {
      v.lower = 0.0;
      v.upper = 1.0;
    }
    if (type == "LI" || type == "UI" || type == "BV") v.integer = true;
  }

  ReadProgram program_;
  Section section_ = Section::None;
  std::string objective_;
  std::map<std::string, std::size_t> rowIndex_;
  std::map<std::string, int> freeRows_;
  std::string rhsSet_;
  std::string boundSet_;
  bool integer_ = false;
};

}  // namespace

ExportResult WriteMps(const Model& model, Sense sense, std::string_view problemName) {
  ExportResult result;
  result.message = NonFiniteNumber(model);
  if (!result.message.empty()) return result;
  const ExportNames names = MakeExportNames(model);
  std::string& out = result.text;
  out += "* A two-variable model written by Tessaro\n";
  for (const std::string& note : names.notes) out += "* Name change: " + note + "\n";
  out += sense == Sense::Maximize
             ? "* Objective sense: MAXIMIZE (not in an OBJSENSE section, which GLPK refuses; "
               "tell the solver, e.g. glpsol --max)\n"
             : "* Objective sense: MINIMIZE\n";
  std::string name;
  for (char c : problemName) {
    name += (c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
  }
  out += "NAME " + (name.empty() ? std::string("model") : name) + "\n";
  out += "ROWS\n N " + names.objective + "\n";
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (line.isPresent())
      out += std::string(" ") + RowType(line.relation) + " " + names.rows[i] + "\n";
  }
  out += "COLUMNS\n";
  if (model.integerDots) out += " MARKER 'MARKER' 'INTORG'\n";
  for (int column = 0; column < 2; ++column) {
    const std::string& var = column == 0 ? names.x : names.y;
    // The objective entry is written even when zero, so that the column exists.
    const double objective = column == 0 ? model.payoff.a : model.payoff.yCoefficient();
    out += " " + var + " " + names.objective + " " + FormatNumber(objective) + "\n";
    for (int i = 0; i < kLineCount; ++i) {
      const Line& line = model.lines[i];
      const double value = column == 0 ? line.a : line.yCoefficient();
      if (line.isPresent() && value != 0.0) {
        out += " " + var + " " + names.rows[i] + " " + FormatNumber(value) + "\n";
      }
    }
  }
  if (model.integerDots) out += " MARKER 'MARKER' 'INTEND'\n";
  out += "RHS\n";
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (line.isPresent()) out += " RHS " + names.rows[i] + " " + FormatNumber(line.c) + "\n";
  }
  out += "BOUNDS\n";
  for (const std::string* var : {&names.x, &names.y}) {
    out += " LO BND " + *var + " 0\n";
    // Without an upper bound GLPK takes an integer column as binary.
    if (model.integerDots) out += " PL BND " + *var + "\n";
  }
  out += "ENDATA\n";
  result.ok = true;
  return result;
}

ImportResult ReadMps(std::string_view text) {
  try {
    MpsReader reader;
    return BuildModel(reader.Read(text));
  } catch (const ReadError& error) {
    ImportResult result;
    result.message = error.message;
    return result;
  }
}

}  // namespace tessaro
