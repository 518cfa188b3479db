#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

// The words of a CPLEX LP text, as the LP reader (doc/lp_format.cpp) takes
// them. Only that reader includes this.

namespace tessaro::lp {

enum class Kind { Name, Number, Sign, Relation, Colon, Other, End };

struct Token {
  Kind kind = Kind::End;
  std::string text;
  double value = 0.0;  // a number's value; a sign's +1 or -1
  Relation relation = Relation::LessEqual;
  int line = 0;
  bool lineStart = false;  // the first token of its line
};

// A refusal: the message says what and where.
struct ReadError {
  std::string message;
};

// Throws the ReadError "line N: what".
[[noreturn]] void Fail(int line, const std::string& what);

// The text in lower case (ASCII letters only).
std::string Lower(std::string_view text);

// The tokens of the text, ending with one of Kind::End; throws ReadError on
// a character or number the format does not allow.
std::vector<Token> Tokenize(std::string_view text);

}  // namespace tessaro::lp
