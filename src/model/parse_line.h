#pragma once

#include <string>
#include <string_view>

namespace tessaro {

enum class ParseOutcome {
  Read,       // the text was read; every value below is set
  NoXLabel,   // the X label is empty; nothing is set
  NoYLabel,   // the Y label is empty; nothing is set
  TwoColons,  // more than one ":"; only the name is set
};

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
// the last term. Numbers are read like the C library does (the rest of a
// text after its number is ignored; no number reads as 0).
ParsedLine ParseLineText(std::string_view text, std::string_view xLabel, std::string_view yLabel);

// The messages of a refused line.
inline constexpr const char* MSG_NO_X_LABEL = "Please specify label of X axis first!";
inline constexpr const char* MSG_NO_Y_LABEL = "Please specify label of Y axis first!";
inline constexpr const char* MSG_TWO_COLONS = "You typed two \":\",please correct it!";

}  // namespace tessaro
