#include "model/parse_line.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

constexpr double kUnset = -1.0;  // no relation token: the caller keeps its relation

struct ParseRow {
  const char* text;
  const char* name;
  double xCoef;
  int sign;
  double yCoef;
  double relation;  // kUnset when the text has no relation token
  double rhs;
};

void PrintTo(const ParseRow& row, std::ostream* os) {
  *os << "\"" << row.text << "\"";
}

class ParseLineTable : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseLineTable, ReadsTheLine) {
  const ParseRow& row = GetParam();
  const ParsedLine line = ParseLineText(row.text, "x", "y");
  ASSERT_EQ(line.outcome, ParseOutcome::Read);
  EXPECT_EQ(line.name, row.name);
  EXPECT_DOUBLE_EQ(line.xCoef, row.xCoef);
  EXPECT_EQ(line.sign, row.sign);
  EXPECT_DOUBLE_EQ(line.yCoef, row.yCoef);
  EXPECT_EQ(line.relationFound, row.relation != kUnset);
  if (line.relationFound) EXPECT_EQ(line.relation, row.relation);
  EXPECT_DOUBLE_EQ(line.rhs, row.rhs);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParseLineTable,
    testing::Values(
        ParseRow{"c1: 2x + 3y <= 12", "c1", 2, 1, 3, 0, 12},
        ParseRow{"2x - 3y >= -6", "", 2, -1, 3, 2, -6}, ParseRow{"x + y = 1", "", 1, 1, 1, 1, 1},
        ParseRow{"y <= 4", "", 0, 1, 1, 0, 4}, ParseRow{"-y <= 4", "", 0, -1, 1, 0, 4},
        // A negative right-hand side or an exponent is never the operator.
        ParseRow{"x <= -5", "", 1, 1, 0, 0, -5}, ParseRow{"y >= -2", "", 0, 1, 1, 2, -2},
        ParseRow{"x - y <= 1e+3", "", 1, -1, 1, 0, 1000},
        ParseRow{"x + 2e-1y <= 1", "", 1, 1, 0.2, 0, 1},
        ParseRow{"x - 2e+1y <= 1", "", 1, -1, 20, 0, 1},
        ParseRow{"2e-1y <= 3", "", 0, 1, 0.2, 0, 3},
        // A coefficient that is only a sign is -1 or +1.
        ParseRow{"-x + y <= 2", "", -1, 1, 1, 0, 2},
        ParseRow{" + x - -y <= 2", "", 1, -1, -1, 0, 2}, ParseRow{"- 3x <= 2", "", -3, 1, 0, 0, 2},
        // The terms in either order.
        ParseRow{"2y + 3x <= 5", "", 3, 1, 2, 0, 5}, ParseRow{"2y - 3x <= 5", "", -3, 1, 2, 0, 5},
        ParseRow{"-2y + x >= 1", "", 1, -1, 2, 2, 1}, ParseRow{"", "", 0, 1, 0, kUnset, 0},
        // The relation tokens and their reversed and single forms.
        ParseRow{"x + y => 5", "", 1, 1, 1, 2, 5}, ParseRow{"x + y > 5", "", 1, 1, 1, 2, 5},
        ParseRow{"x + y =< 5", "", 1, 1, 1, 0, 5}, ParseRow{"x + y < 5", "", 1, 1, 1, 0, 5},
        ParseRow{"x + y 10", "", 1, 1, 1, kUnset, 10}, ParseRow{"3x + 2y = 12", "", 3, 1, 2, 1, 12},
        ParseRow{"5", "", 0, 1, 0, kUnset, 5},
        // Numbers in every written form, blanks anywhere between the parts.
        ParseRow{"2.5x + .5y <= 1e-3", "", 2.5, 1, 0.5, 0, 1e-3},
        ParseRow{"  c 2 :   3 * x   -   4*y   >=   -1.5E+2   ", "  c 2 ", 3, -1, 4, 2, -150},
        ParseRow{"\t3x+2y<=5\t", "", 3, 1, 2, 0, 5}, ParseRow{"x <= 7", "", 1, 1, 0, 0, 7},
        ParseRow{"C: 2y >= 1", "C", 0, 1, 2, 2, 1},
        // Texts without a term are empty lines, a name alone included.
        ParseRow{"C: ", "C", 0, 1, 0, kUnset, 0}, ParseRow{"<= 4", "", 0, 1, 0, 0, 4}));

// The PAYOFF line has no right-hand side of its own: without one its level is 0.
TEST(ParseLine, APayoffReadsWithoutARightHandSide) {
  const struct {
    const char* text;
    double xCoef;
    double yCoef;
    double level;
  } rows[] = {
      {"3*x + 2 y", 3, 2, 0},
      {"  : x + -2y", 1, -2, 0},
      {"30 x + 50 y = 1120", 30, 50, 1120},
  };
  for (const auto& row : rows) {
    const ParsedLine line = ParseLineText(row.text, "x", "y", LineKind::Payoff);
    ASSERT_EQ(line.outcome, ParseOutcome::Read) << row.text;
    EXPECT_DOUBLE_EQ(line.xCoef, row.xCoef) << row.text;
    EXPECT_DOUBLE_EQ(line.yCoef, row.yCoef) << row.text;
    EXPECT_DOUBLE_EQ(line.rhs, row.level) << row.text;
  }
}

struct RefusalRow {
  const char* text;
  LineKind kind;
  const char* problem;
};

void PrintTo(const RefusalRow& row, std::ostream* os) {
  *os << "\"" << row.text << "\"";
}

class ParseLineRefusals : public testing::TestWithParam<RefusalRow> {};

// Texts that used to lose a part silently are refused, saying which part.
TEST_P(ParseLineRefusals, RefusesWithItsReason) {
  const RefusalRow& row = GetParam();
  const ParsedLine line = ParseLineText(row.text, "x", "y", row.kind);
  EXPECT_EQ(line.outcome, ParseOutcome::Unreadable);
  EXPECT_EQ(RefusalText(line), row.problem);
}

constexpr LineKind kRow = LineKind::Constraint;
constexpr LineKind kPay = LineKind::Payoff;

INSTANTIATE_TEST_SUITE_P(
    Misreadings, ParseLineRefusals,
    testing::Values(RefusalRow{"C: 3x + 2y <= ", kRow, "right-hand side missing"},
                    RefusalRow{"C: 3x + 2y", kRow, "right-hand side missing"},
                    RefusalRow{"x + y >= -", kRow, "right-hand side missing"},
                    RefusalRow{"3x + 2y =", kPay, "right-hand side missing"},
                    RefusalRow{"x + y >= 4 apples", kRow, "unexpected text 'apples'"},
                    RefusalRow{"x + y <= 10 hours", kRow, "unexpected text 'hours'"},
                    RefusalRow{"2y <= 5 boxes", kRow, "unexpected text 'boxes'"},
                    RefusalRow{"x + y <= 5 <= 6", kRow, "unexpected text '<= 6'"},
                    RefusalRow{"x + y 10 hours", kRow, "unexpected text 'hours'"},
                    RefusalRow{"D: 2x + 3z <= 5", kRow, "unknown variable z"},
                    RefusalRow{"2x + 3y + zeta2 >= 1", kRow, "unknown variable zeta2"},
                    RefusalRow{"3z <= 5", kRow, "unknown variable z"},
                    RefusalRow{"2 apples x + y <= 1", kRow, "unknown variable apples"},
                    RefusalRow{"3x + 2y + 4", kPay, "unexpected text '+ 4'"},
                    RefusalRow{"3x + 2y + 4 <= 9", kRow, "unexpected text '+ 4'"},
                    RefusalRow{"x 3 + y <= 1", kRow, "unexpected text '3 +'"},
                    RefusalRow{"x + y + x <= 1", kRow, "x written twice"},
                    RefusalRow{"2y + 3x - y <= 1", kRow, "y written twice"}));

TEST(ParseLine, LabelsAreMatchedWholeLongerFirst) {
  const struct {
    const char* text;
    const char* xLabel;
    const char* yLabel;
    double xCoef;
    double yCoef;
  } rows[] = {
      {"2xx <= 5", "x", "xx", 0, 2},
      {"2xx + 3x <= 5", "x", "xx", 3, 2},
      {"2x + 3xx <= 5", "xx", "x", 3, 2},
      {"4 Labour + 5 Machine <= 9", "Labour", "Machine", 4, 5},
      {"2X + 3x <= 1", "x", "X", 3, 2},  // case-sensitive
      {"2a + 3a <= 1", "a", "a", 2, 3},  // equal labels: X first, then Y
      {"2a=b + 3c <= 1", "a=b", "c", 2, 3},
  };
  for (const auto& row : rows) {
    const ParsedLine line = ParseLineText(row.text, row.xLabel, row.yLabel);
    EXPECT_DOUBLE_EQ(line.xCoef, row.xCoef) << row.text;
    EXPECT_DOUBLE_EQ(line.yCoef, row.yCoef) << row.text;
  }
}

TEST(ParseLine, LongTextsAndLabelsAreReadWhole) {
  const std::string xLabel(500, 'p');
  const std::string yLabel(300, 'q');
  const std::string name(1000, 'n');
  const std::string text = name + ": 2" + xLabel + " - 3" + yLabel + " >= " + std::string(400, '1');
  const ParsedLine line = ParseLineText(text, xLabel, yLabel);
  ASSERT_EQ(line.outcome, ParseOutcome::Read);
  EXPECT_EQ(line.name, name);
  EXPECT_EQ(line.xCoef, 2.0);
  EXPECT_EQ(line.sign, -1);
  EXPECT_EQ(line.yCoef, 3.0);
  EXPECT_EQ(line.relation, 2.0);
  EXPECT_GT(line.rhs, 1e300);  // 400 ones saturate at the largest double
}

}  // namespace
}  // namespace tessaro
