#include "doc/lp_tokens.h"

#include "doc/linear_program.h"

namespace tessaro::lp {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Characters a CPLEX LP name may hold besides letters and digits.
bool IsNameChar(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c)) return true;
  const std::string_view extra = "!\"#$%&()/,.;?@_`'{}|~";
  return extra.find(c) != std::string_view::npos;
}

}  // namespace

[[noreturn]] void Fail(int line, const std::string& what) {
  throw ReadError{"line " + std::to_string(line) + ": " + what};
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  int line = 1;
  bool lineStart = true;
  std::size_t i = 0;
  auto push = [&](Token t) {
    t.line = line;
    t.lineStart = lineStart;
    lineStart = false;
    tokens.push_back(std::move(t));
  };
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n') {
      ++line;
      lineStart = true;
      ++i;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++i;
    } else if (c == '\\' && i + 1 < text.size() && text[i + 1] == '*') {
      // A block comment "\* ... *\", possibly over several lines.
      const std::size_t close = text.find("*\\", i + 2);
      const std::size_t end = close == std::string_view::npos ? text.size() : close + 2;
      for (std::size_t k = i; k < end; ++k) {
        if (text[k] == '\n') {
          ++line;
          lineStart = true;
        }
      }
      i = end;
    } else if (c == '\\') {
      while (i < text.size() && text[i] != '\n') ++i;
    } else if (IsDigit(c) || (c == '.' && i + 1 < text.size() && IsDigit(text[i + 1]))) {
      std::size_t k = i;
      while (k < text.size() && IsDigit(text[k])) ++k;
      if (k < text.size() && text[k] == '.') {
        ++k;
        while (k < text.size() && IsDigit(text[k])) ++k;
      }
      if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
        std::size_t e = k + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDigit(text[e])) {
          k = e;
          while (k < text.size() && IsDigit(text[k])) ++k;
        }
      }
      Token t;
      t.kind = Kind::Number;
      t.text = std::string(text.substr(i, k - i));
      if (!ParseNumber(t.text, t.value)) Fail(line, "the number " + t.text + " is out of range");
      push(std::move(t));
      i = k;
    } else if (IsNameChar(c)) {
      std::size_t k = i;
      while (k < text.size() && IsNameChar(text[k])) ++k;
      Token t;
      t.kind = Kind::Name;
      t.text = std::string(text.substr(i, k - i));
      push(std::move(t));
      i = k;
    } else if (c == '+' || c == '-') {
      Token t;
      t.kind = Kind::Sign;
      t.text = std::string(1, c);
      t.value = c == '-' ? -1.0 : 1.0;
      push(std::move(t));
      ++i;
    } else if (c == '<' || c == '>' || c == '=') {
      Token t;
      t.kind = Kind::Relation;
      std::size_t k = i + 1;
      if (k < text.size() && (text[k] == '=' || (c == '=' && (text[k] == '<' || text[k] == '>')))) {
        ++k;
      }
      t.text = std::string(text.substr(i, k - i));
      const bool less = t.text.find('<') != std::string::npos;
      const bool greater = t.text.find('>') != std::string::npos;
      t.relation = less ? Relation::LessEqual : greater ? Relation::GreaterEqual : Relation::Equal;
      push(std::move(t));
      i = k;
    } else if (c == ':') {
      Token t;
      t.kind = Kind::Colon;
      t.text = ":";
      push(std::move(t));
      ++i;
    } else {
      Token t;
      t.kind = Kind::Other;
      const auto u = static_cast<unsigned char>(c);
      t.text = (u < 0x20 || u >= 0x7f) ? "character " + std::to_string(u) : std::string(1, c);
      push(std::move(t));
      ++i;
    }
  }
  Token end;
  end.line = line;
  end.lineStart = true;
  tokens.push_back(end);
  return tokens;
}

}  // namespace tessaro::lp
