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
        if (pos == kNone) pos = i;
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

}  // namespace

ParsedLine ParseLineText(std::string_view text, std::string_view xLabel, std::string_view yLabel) {
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

}  // namespace tessaro
