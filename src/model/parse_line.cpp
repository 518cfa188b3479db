#include "model/parse_line.h"

#include <algorithm>

#include "model/constants.h"
#include "model/number_text.h"

namespace tessaro {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the terms and the relation token lie in the text after the name.
struct TermLayout {
  std::size_t xPos = kNone;  // first whole match of the X label
  std::size_t yPos = kNone;  // first whole match of the Y label
  std::size_t relationPos = kNone;
  std::size_t relationLength = 0;
  double relation = REL_LE;
  std::size_t repeatPos = kNone;  // a later match of a label already found
  bool repeatIsX = false;
};

// Reads a relation token starting at text[i], which is '<', '>' or '='.
void ReadRelationToken(std::string_view text, std::size_t i, TermLayout& layout) {
  const char c = text[i];
  const char next = i + 1 < text.size() ? text[i + 1] : '\0';
  layout.relationPos = i;
  layout.relationLength = 1;
  if (c == '<') {
    layout.relation = REL_LE;
    if (next == '=') layout.relationLength = 2;
  } else if (c == '>') {
    layout.relation = REL_GE;
    if (next == '=') layout.relationLength = 2;
  } else if (next == '<') {
    layout.relation = REL_LE;  // "=<"
    layout.relationLength = 2;
  } else if (next == '>') {
    layout.relation = REL_GE;  // "=>"
    layout.relationLength = 2;
  } else {
    layout.relation = REL_EQ;
  }
}

// One scan from the left: at each position the longer label is tried
// first, so that a label which contains the other is matched whole; text
// taken by a label match is skipped, so a label may even contain a
// relation character. The scan stops at the first relation character.
TermLayout ScanTerms(std::string_view text, std::string_view xLabel, std::string_view yLabel) {
  TermLayout layout;
  struct Candidate {
    std::string_view label;
    bool isX;
  };
  const bool yFirst = yLabel.size() > xLabel.size();
  const Candidate tryOrder[2] = {{yFirst ? yLabel : xLabel, !yFirst},
                                 {yFirst ? xLabel : yLabel, yFirst}};
  // Equal labels: the first match is the X term, the next one the Y term.
  const bool sameLabels = xLabel == yLabel;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t matched = 0;
    for (const Candidate& candidate : tryOrder) {
      if (text.substr(i).starts_with(candidate.label)) {
        const bool isX = sameLabels ? layout.xPos == kNone : candidate.isX;
        std::size_t& pos = isX ? layout.xPos : layout.yPos;
        if (pos == kNone) {
          pos = i;
        } else if (layout.repeatPos == kNone) {
          layout.repeatPos = i;
          layout.repeatIsX = sameLabels || candidate.isX;
        }
        matched = candidate.label.size();
        break;
      }
    }
    if (matched > 0) {
      i += matched;
      continue;
    }
    const char c = text[i];
    if (c == '<' || c == '>' || c == '=') {
      ReadRelationToken(text, i, layout);
      return layout;
    }
    ++i;
  }
  return layout;
}

// A coefficient text: empty means 1, a lone sign means +1 or -1, a sign
// followed by blanks and a number means that number with the sign;
// otherwise the number at its start.
double Coefficient(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return 1.0;
  if (text[0] == '+' || text[0] == '-') {
    const double sign = text[0] == '-' ? -1.0 : 1.0;
    std::string_view rest = Trim(text.substr(1));
    if (rest.empty()) return sign;
    if (IsCSpace(text[1])) return sign * ConvertNumber(rest);
  }
  return ConvertNumber(text);
}

// Whether text[i], a '+' or '-', is the sign of a number's exponent, as in
// 2e-1: it follows an 'e' or 'E' that follows a digit or a point.
bool IsExponentSign(std::string_view text, std::size_t i) {
  if (i < 2) return false;
  const char e = text[i - 1];
  const char before = text[i - 2];
  return (e == 'e' || e == 'E') && ((before >= '0' && before <= '9') || before == '.');
}

// The text before the Y label: the operator and the Y coefficient.
void ReadYTerm(std::string_view text, ParsedLine& out) {
  out.sign = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] == '+' || text[i] == '-') && !IsExponentSign(text, i)) {
      out.sign = text[i] == '-' ? -1 : 1;
      text = text.substr(i + 1);
      break;
    }
  }
  out.yCoef = Coefficient(text);
}

// --- The checks that refuse a text instead of dropping part of it --------

bool IsWordCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         u >= 0x80;  // a byte of a UTF-8 letter
}

bool IsLetter(char c) {
  return IsWordCharacter(c) && !(c >= '0' && c <= '9') && c != '_';
}

std::string Unexpected(std::string_view text) {
  return "unexpected text '" + std::string(Trim(text)) + "'";
}

// Why a piece of text that should hold no word is refused: a word in it is
// taken for a variable the labels do not name.
std::string LeftOver(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLetter(text[i])) continue;
    std::size_t end = i;
    while (end < text.size() && IsWordCharacter(text[end])) ++end;
    return "unknown variable " + std::string(text.substr(i, end - i));
  }
  return Unexpected(text);
}

// Whether a coefficient text is one that Coefficient() reads whole: blank,
// a lone sign, a number, or a sign, blanks and a number; a "*" may follow.
bool IsCoefficientText(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return true;
  if (text[0] == '+' || text[0] == '-') {
    if (text.size() == 1) return true;
    if (IsCSpace(text[1])) text = Trim(text.substr(1));
  }
  const NumberScan number = ScanNumber(text);
  if (!number.found) return false;
  std::string_view rest = Trim(text.substr(number.end));
  if (!rest.empty() && rest[0] == '*') rest = Trim(rest.substr(1));
  return rest.empty();
}

// The text before a Y term: blanks, an optional operator, a coefficient.
bool IsYTermText(std::string_view text) {
  text = TrimLeft(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text = text.substr(1);
  return IsCoefficientText(text);
}

// A right-hand side: a number with nothing but blanks after it. Empty when
// the text is one.
std::string RightHandSideProblem(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text == "+" || text == "-") return MSG_NO_RHS;
  const NumberScan number = ScanNumber(text);
  if (!number.found) return Unexpected(text);
  if (!Trim(text.substr(number.end)).empty()) return Unexpected(text.substr(number.end));
  return {};
}

// Why the text after the name is not a line; empty when every part of it
// is read.
std::string LineProblem(std::string_view text, const TermLayout& layout, std::size_t xEnd,
                        std::size_t yEnd, std::string_view xLabel, std::string_view yLabel,
                        LineKind kind) {
  if (layout.repeatPos != kNone) {
    return std::string(layout.repeatIsX ? xLabel : yLabel) + " written twice";
  }
  const bool hasX = layout.xPos != kNone;
  const bool hasY = layout.yPos != kNone;
  const bool xFirst = hasX && (!hasY || layout.xPos < layout.yPos);
  if (xFirst) {
    const std::string_view coef = text.substr(0, layout.xPos);
    if (!IsCoefficientText(coef)) return LeftOver(coef);
    if (hasY) {
      const std::string_view between = text.substr(xEnd, layout.yPos - xEnd);
      if (!IsYTermText(between)) return LeftOver(between);
    }
  } else if (hasY) {
    const std::string_view before = text.substr(0, layout.yPos);
    if (!IsYTermText(before)) return LeftOver(before);
    if (hasX) {
      const std::string_view coef = text.substr(yEnd, layout.xPos - yEnd);
      if (!IsCoefficientText(coef)) return LeftOver(coef);
    }
  }
  std::size_t tail = 0;
  if (hasX) tail = xEnd;
  if (hasY) tail = std::max(tail, yEnd);
  if (layout.relationPos != kNone) {
    const std::string_view gap = text.substr(tail, layout.relationPos - tail);
    if (!Trim(gap).empty()) return LeftOver(gap);
    return RightHandSideProblem(text.substr(layout.relationPos + layout.relationLength));
  }
  // No relation token: what follows the terms is the right-hand side, which
  // a constraint with a term cannot do without.
  const std::string_view rest = text.substr(tail);
  if (Trim(rest).empty()) {
    return kind == LineKind::Constraint && (hasX || hasY) ? std::string(MSG_NO_RHS) : std::string();
  }
  if (!ScanNumber(Trim(rest)).found) return LeftOver(rest);
  return RightHandSideProblem(rest);
}

}  // namespace

ParsedLine ParseLineText(std::string_view text, std::string_view xLabel, std::string_view yLabel,
                         LineKind kind) {
  ParsedLine out;
  if (xLabel.empty()) {
    out.outcome = ParseOutcome::NoXLabel;
    return out;
  }
  if (yLabel.empty()) {
    out.outcome = ParseOutcome::NoYLabel;
    return out;
  }

  std::size_t colon = text.find(':');
  if (colon != kNone) {
    out.name = std::string(text.substr(0, colon));
    text = text.substr(colon + 1);
  }
  if (text.find(':') != kNone) {
    out.outcome = ParseOutcome::TwoColons;
    return out;
  }

  const TermLayout layout = ScanTerms(text, xLabel, yLabel);
  const std::size_t xEnd = layout.xPos == kNone ? kNone : layout.xPos + xLabel.size();
  const std::size_t yEnd = layout.yPos == kNone ? kNone : layout.yPos + yLabel.size();
  std::string problem = LineProblem(text, layout, xEnd, yEnd, xLabel, yLabel, kind);
  if (!problem.empty()) {
    out.outcome = ParseOutcome::Unreadable;
    out.problem = std::move(problem);
    return out;
  }

  if (layout.xPos != kNone && (layout.yPos == kNone || layout.xPos < layout.yPos)) {
    out.xCoef = Coefficient(text.substr(0, layout.xPos));
    if (layout.yPos != kNone) ReadYTerm(text.substr(xEnd, layout.yPos - xEnd), out);
  } else if (layout.yPos != kNone) {
    // The Y term comes first: the operator before the X term belongs to
    // the X coefficient, so 2y - 3x gives -3.
    ReadYTerm(text.substr(0, layout.yPos), out);
    if (layout.xPos != kNone) out.xCoef = Coefficient(text.substr(yEnd, layout.xPos - yEnd));
  }

  if (layout.relationPos != kNone) {
    out.relationFound = true;
    out.relation = layout.relation;
    out.rhs = ConvertNumber(text.substr(layout.relationPos + layout.relationLength));
  } else {
    std::size_t after = 0;
    if (xEnd != kNone) after = xEnd;
    if (yEnd != kNone) after = std::max(after, yEnd);
    out.rhs = ConvertNumber(text.substr(after));
  }
  return out;
}

std::string RefusalText(const ParsedLine& line) {
  switch (line.outcome) {
    case ParseOutcome::NoXLabel:
      return MSG_NO_X_LABEL;
    case ParseOutcome::NoYLabel:
      return MSG_NO_Y_LABEL;
    case ParseOutcome::TwoColons:
      return MSG_TWO_COLONS;
    case ParseOutcome::Unreadable:
      return line.problem;
    case ParseOutcome::Read:
      break;
  }
  return {};
}

}  // namespace tessaro
