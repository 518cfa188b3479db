#pragma once

#include <string>
#include <string_view>

namespace tessaro {

enum class ParseOutcome {
  Read,        // the text was read; every value below is set
  NoXLabel,    // the X label is empty; nothing is set
  NoYLabel,    // the Y label is empty; nothing is set
  TwoColons,   // more than one ":"; only the name is set
  Unreadable,  // part of the text is not a line; `problem` says which part
};

// What a line stands for. A constraint needs a right-hand side once it has
// a term; the PAYOFF line reads without one (its level is then 0).
enum class LineKind { Constraint, Payoff };

// What one PAYOFF or constraint line text says. The line means
// xCoef·x + sign·yCoef·y (relation) rhs.
struct ParsedLine {
  ParseOutcome outcome = ParseOutcome::Read;
  std::string name;  // the text before the first ":", not trimmed
  double xCoef = 0.0;
  int sign = 1;  // the operator before the Y term, +1 or -1
  double yCoef = 0.0;
  bool relationFound = false;  // false: the caller keeps its relation
  double relation = 0.0;       // 0 "<=", 1 "=", 2 ">="
  double rhs = 0.0;
  std::string problem;  // Unreadable: why, in a few words
};

// Reads a line text given the two variable labels (matched exactly, case
// included). Texts and labels of any length are handled.
//
// The grammar, from left to right: an optional name ending at the first
// ":"; the two terms, each recognised by its label, in either order; a
// relation token ("<=", "=<" or "<"; ">=", "=>" or ">"; "="); the
// right-hand side. The text before a label is its coefficient; an empty
// coefficient is 1 and a lone sign is +1 or -1. The operator between the
// terms is the first "+" or "-" before the Y label (a sign inside a number's
// exponent is not one); without a Y term the sign is +1. Without a relation
// token the relation is not set and the right-hand side is the text after
// the last term. A text without any term reads as an empty line.
//
// Nothing typed is dropped silently: a coefficient must be blank, a sign, a
// number or a sign and a number (a "*" may follow), only blanks may lie
// between the last term and the relation, a right-hand side must follow a
// relation token (and, in a constraint with a term, must be there at all),
// and only blanks may follow the right-hand side. A word that is neither
// label, a label written twice, or text left over refuses the line as
// Unreadable with a short reason ("unknown variable z", "unexpected text
// 'apples'", "right-hand side missing").
ParsedLine ParseLineText(std::string_view text, std::string_view xLabel, std::string_view yLabel,
                         LineKind kind = LineKind::Constraint);

// The message of a refused line: one of the texts below, or the problem of
// an Unreadable one; empty for a line that was read.
std::string RefusalText(const ParsedLine& line);

// The messages of a refused line.
inline constexpr const char* MSG_NO_X_LABEL = "Please specify label of X axis first!";
inline constexpr const char* MSG_NO_Y_LABEL = "Please specify label of Y axis first!";
inline constexpr const char* MSG_TWO_COLONS = "You typed two \":\",please correct it!";
inline constexpr const char* MSG_NO_RHS = "right-hand side missing";

}  // namespace tessaro
