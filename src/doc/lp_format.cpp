#include "doc/lp_format.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "doc/lp_tokens.h"

namespace tessaro {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// As in CPLEX, a bound this large is no bound.
constexpr double kInfiniteBound = 1e30;

// ---------------------------------------------------------------- writing

// " + 3 x", " - 0.5 y", or without the leading blank and "+" as the first.
std::string TermText(double coefficient, const std::string& name, bool first) {
  const bool negative = std::signbit(coefficient);
  const std::string number = FormatNumber(std::abs(coefficient)) + " " + name;
  if (first) return (negative ? "-" : "") + number;
  return std::string(negative ? " - " : " + ") + number;
}

const char* RelationText(Relation relation) {
  switch (relation) {
    case Relation::LessEqual:
      return "<=";
    case Relation::GreaterEqual:
      return ">=";
    case Relation::Equal:
      break;
  }
  return "=";
}

// ---------------------------------------------------------------- reading

using lp::Fail;
using lp::Kind;
using lp::Lower;
using lp::ReadError;
using lp::Token;
using lp::Tokenize;

enum class Section {
  None,
  Maximize,
  Minimize,
  Constraints,
  Bounds,
  General,
  Binary,
  SemiContinuous,
  Sos,
  End
};

struct Term {
  double coefficient = 0.0;
  int variable = -1;  // -1: a constant
};

class LpReader {
 public:
  explicit LpReader(std::string_view text) : tokens_(Tokenize(text)) {}

  ReadProgram Read() {
    Section section = SectionHere();
    if (section != Section::Maximize && section != Section::Minimize) {
      if (Peek().kind == Kind::End) Fail(Peek().line, "no objective: the file is empty");
      Fail(Peek().line, "expected Maximize or Minimize, found '" + Peek().text + "'");
    }
    program_.sense = section == Section::Maximize ? Sense::Maximize : Sense::Minimize;
    ReadObjective();
    for (;;) {
      const int line = Peek().line;
      section = SectionHere();
      switch (section) {
        case Section::Constraints:
          ReadConstraints();
          break;
        case Section::Bounds:
          ReadBounds();
          break;
        case Section::General:
        case Section::Binary:
          ReadIntegers(section == Section::Binary);
          break;
        case Section::End:
          return program_;
        case Section::SemiContinuous:
          Fail(line, "semi-continuous variables do not fit the graphical method");
        case Section::Sos:
          Fail(line, "SOS constraints do not fit the graphical method");
        case Section::Maximize:
        case Section::Minimize:
          Fail(line, "a second objective");
        case Section::None:
          if (Peek().kind == Kind::End) return program_;
          Fail(Peek().line, "unexpected '" + Peek().text + "'");
      }
    }
  }

 private:
  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  const Token& Next() {
    const Token& t = tokens_[pos_];
    if (pos_ + 1 < tokens_.size()) ++pos_;
    return t;
  }

  bool IsName(std::size_t ahead, std::string_view lower) const {
    return Peek(ahead).kind == Kind::Name && Lower(Peek(ahead).text) == lower;
  }

  // The section a keyword at the start of a line opens, consuming it; None
  // (consuming nothing) when no keyword is here.
  Section SectionHere() {
    const Token& t = Peek();
    if (t.kind != Kind::Name || !t.lineStart) return Section::None;
    const std::string word = Lower(t.text);
    // "max:" opening a file is the sense; elsewhere "name:" labels a row.
    const bool opening = pos_ == 0 && (word == "max" || word == "min");
    if (Peek(1).kind == Kind::Colon && !opening) return Section::None;
    std::size_t length = 1;
    Section section = Section::None;
    if (word == "max" || word == "maximize" || word == "maximise" || word == "maximum") {
      section = Section::Maximize;
    } else if (word == "min" || word == "minimize" || word == "minimise" || word == "minimum") {
      section = Section::Minimize;
    } else if (word == "st" || word == "s.t." || word == "st.") {
      section = Section::Constraints;
    } else if ((word == "subject" && IsName(1, "to")) || (word == "such" && IsName(1, "that"))) {
      section = Section::Constraints;
      length = 2;
    } else if (word == "bound" || word == "bounds") {
      section = Section::Bounds;
    } else if (word == "general" || word == "generals" || word == "gen" || word == "integer" ||
               word == "integers") {
      section = Section::General;
    } else if (word == "binary" || word == "binaries" || word == "bin") {
      section = Section::Binary;
    } else if (word == "semi-continuous" || word == "semi" || word == "semis") {
      section = Section::SemiContinuous;
    } else if (word == "sos") {
      section = Section::Sos;
    } else if (word == "end") {
      section = Section::End;
    }
    if (section != Section::None) pos_ += length;
    const bool colonAfter = section == Section::Constraints || opening;
    if (colonAfter && Peek().kind == Kind::Colon) Next();  // "subject to:", "max:"
    return section;
  }

  bool AtSection() {
    const std::size_t saved = pos_;
    const bool at = SectionHere() != Section::None;
    pos_ = saved;
    return at;
  }

  int Variable(const Token& name) {
    const int index = FindOrAddVariable(program_, name.text, name.line);
    if (index < 0) Fail(name.line, "a third variable '" + name.text + "'");
    return index;
  }

  // "name:" when it is here.
  std::string Label() {
    if (Peek().kind == Kind::Name && Peek(1).kind == Kind::Colon && !AtSection()) {
      std::string name = Next().text;
      Next();
      return name;
    }
    return std::string();
  }

  // Whether a term starts here: a sign, a number or a variable, not a new
  // section and not the label of the next row.
  bool AtTerm() {
    const Token& t = Peek();
    if (t.kind == Kind::Sign || t.kind == Kind::Number) return true;
    return t.kind == Kind::Name && Peek(1).kind != Kind::Colon && !AtSection();
  }

  // Signs, then a coefficient, then a variable; either of the last two may
  // be missing ("- x", "-3x", "- 3 x", "+ -3 x", "12").
  Term ReadTerm() {
    const int line = Peek().line;
    Term term;
    term.coefficient = 1.0;
    while (Peek().kind == Kind::Sign) term.coefficient *= Next().value;
    const bool haveNumber = Peek().kind == Kind::Number;
    if (haveNumber) term.coefficient *= Next().value;
    if (Peek().kind == Kind::Name && Peek(1).kind != Kind::Colon && !AtSection()) {
      term.variable = Variable(Next());
    } else if (!haveNumber) {
      Fail(line, "a sign with no coefficient or variable after it");
    }
    return term;
  }

  // Signs and a number.
  bool AtConstant() const {
    std::size_t k = 0;
    while (Peek(k).kind == Kind::Sign) ++k;
    return Peek(k).kind == Kind::Number;
  }

  // Terms up to the next relation, section, or unsigned start of a new row.
  std::vector<Term> ReadExpression() {
    std::vector<Term> terms;
    while (AtTerm() && (terms.empty() || Peek().kind == Kind::Sign)) terms.push_back(ReadTerm());
    return terms;
  }

  void ReadObjective() {
    Label();  // the model keeps no name for its payoff
    const int line = Peek().line;
    for (const Term& t : ReadExpression()) {
      if (t.variable < 0) {
        if (t.coefficient != 0.0) Fail(line, "a constant term in the objective");
        continue;
      }
      program_.objective[t.variable] += t.coefficient;
    }
  }

  void ReadConstraints() {
    while (!AtSection() && Peek().kind != Kind::End) {
      ReadRow row;
      row.line = Peek().line;
      row.name = Label();
      const std::vector<Term> left = ReadExpression();
      if (left.empty()) Fail(Peek().line, "expected a constraint, found '" + Peek().text + "'");
      if (Peek().kind != Kind::Relation) {
        const std::string what = row.name.empty() ? "the row" : "row '" + row.name + "'";
        Fail(Peek().line, "expected <=, >= or = in " + what + ", found '" + Peek().text + "'");
      }
      row.relation = Next().relation;
      // Rows follow each other without a separator: after variables the
      // right side is one constant, so that a next row starting with a sign
      // is not taken for more of it. A constant left side ("10 >= x + y")
      // is followed by the terms.
      bool leftHasVariable = false;
      for (const Term& t : left) leftHasVariable = leftHasVariable || t.variable >= 0;
      std::vector<Term> right;
      if (leftHasVariable) {
        if (!AtConstant()) {
          Fail(Peek().line, "expected a number after the relation, found '" + Peek().text + "'");
        }
        Term constant;
        constant.coefficient = 1.0;
        while (Peek().kind == Kind::Sign) constant.coefficient *= Next().value;
        constant.coefficient *= Next().value;
        right.push_back(constant);
      } else {
        right = ReadExpression();
      }
      if (right.empty()) Fail(Peek().line, "a relation with nothing on its right");
      if (Peek().kind == Kind::Relation) {
        Fail(Peek().line, "a ranged constraint; write it as two rows");
      }
      // Variables go left and constants right; "10 >= x + y" turns round
      // into "x + y <= 10".
      const std::vector<Term>& variables = leftHasVariable ? left : right;
      const std::vector<Term>& constants = leftHasVariable ? right : left;
      if (!leftHasVariable) row.relation = Mirror(row.relation);
      double constant = 0.0;
      bool anyVariable = false;
      for (const Term& t : variables) {
        if (t.variable < 0) {
          constant -= t.coefficient;
        } else {
          row.coefficients[t.variable] += t.coefficient;
          anyVariable = true;
        }
      }
      for (const Term& t : constants) constant += t.coefficient;
      if (!anyVariable) Fail(row.line, "a constraint without a variable");
      row.rhs = constant;
      if (row.name.empty()) row.name = "c" + std::to_string(program_.rows.size() + 1);
      program_.rows.push_back(row);
    }
  }

  // A signed number, or a signed "inf"/"infinity".
  bool AtBoundValue() const {
    std::size_t k = 0;
    while (Peek(k).kind == Kind::Sign) ++k;
    const Token& t = Peek(k);
    return t.kind == Kind::Number ||
           (t.kind == Kind::Name && (Lower(t.text) == "inf" || Lower(t.text) == "infinity"));
  }
  double ReadBoundValue() {
    double sign = 1.0;
    while (Peek().kind == Kind::Sign) sign *= Next().value;
    const Token& t = Next();
    const double magnitude = t.kind == Kind::Number ? t.value : kInfinity;
    const double value = sign * magnitude;
    if (value >= kInfiniteBound) return kInfinity;
    if (value <= -kInfiniteBound) return -kInfinity;
    return value;
  }

  // name (relation) value, read as a bound on the variable.
  static void Apply(ReadVariable& v, Relation relation, double value) {
    v.boundGiven = true;
    if (relation != Relation::LessEqual) v.lower = value;
    if (relation != Relation::GreaterEqual) v.upper = value;
  }
  static Relation Mirror(Relation r) {
    if (r == Relation::LessEqual) return Relation::GreaterEqual;
    if (r == Relation::GreaterEqual) return Relation::LessEqual;
    return r;
  }

  void ReadBounds() {
    while (!AtSection() && Peek().kind != Kind::End) {
      const int line = Peek().line;
      // "value relation" before the variable: value <= x means x >= value.
      bool before = false;
      double beforeValue = 0.0;
      Relation beforeRelation = Relation::LessEqual;
      if (AtBoundValue()) {
        beforeValue = ReadBoundValue();
        if (Peek().kind != Kind::Relation) Fail(line, "expected a relation in the bound");
        beforeRelation = Mirror(Next().relation);
        before = true;
      }
      if (Peek().kind != Kind::Name) {
        Fail(Peek().line, "expected a variable in the bound, found '" + Peek().text + "'");
      }
      const Token& name = Next();
      ReadVariable& v = program_.variables[Variable(name)];
      if (!before && IsName(0, "free")) {
        Next();
        v.boundGiven = true;
        v.lower = -kInfinity;
        v.upper = kInfinity;
        continue;
      }
      if (before) Apply(v, beforeRelation, beforeValue);
      if (Peek().kind == Kind::Relation) {
        const Relation relation = Next().relation;
        if (!AtBoundValue()) Fail(line, "expected a number after the relation in the bound");
        Apply(v, relation, ReadBoundValue());
      } else if (!before) {
        Fail(line, "a bound on " + name.text + " without a relation");
      }
    }
  }

  void ReadIntegers(bool binary) {
    while (!AtSection() && Peek().kind != Kind::End) {
      if (Peek().kind != Kind::Name) Fail(Peek().line, "unexpected '" + Peek().text + "'");
      ReadVariable& v = program_.variables[Variable(Next())];
      v.integer = true;
      if (binary) {
        v.boundGiven = true;
        v.lower = 0.0;
        v.upper = 1.0;
      }
    }
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  ReadProgram program_;
};

}  // namespace

ExportResult WriteLp(const Model& model, Sense sense) {
  ExportResult result;
  result.message = NonFiniteNumber(model);
  if (!result.message.empty()) return result;
  const ExportNames names = MakeExportNames(model);
  std::string& out = result.text;
  out += "\\ A two-variable model written by Tessaro\n";
  for (const std::string& note : names.notes) out += "\\ Name change: " + note + "\n";
  out += sense == Sense::Maximize ? "Maximize\n" : "Minimize\n";
  // Both variables appear in the objective, so that a reader meets them in
  // the model's order.
  out += " " + names.objective + ": " + TermText(model.payoff.a, names.x, true) +
         TermText(model.payoff.yCoefficient(), names.y, false) + "\n";
  out += "Subject To\n";
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (!line.isPresent()) continue;
    out += " " + names.rows[i] + ": ";
    if (line.a != 0.0) out += TermText(line.a, names.x, true);
    if (line.yCoefficient() != 0.0) out += TermText(line.yCoefficient(), names.y, line.a == 0.0);
    out += std::string(" ") + RelationText(line.relation) + " " + FormatNumber(line.c) + "\n";
  }
  out += "Bounds\n " + names.x + " >= 0\n " + names.y + " >= 0\n";
  if (model.integerDots) out += "General\n " + names.x + " " + names.y + "\n";
  out += "End\n";
  result.ok = true;
  return result;
}

ImportResult ReadLp(std::string_view text) {
  try {
    LpReader reader(text);
    return BuildModel(reader.Read());
  } catch (const ReadError& error) {
    ImportResult result;
    result.message = error.message;
    return result;
  }
}

}  // namespace tessaro
