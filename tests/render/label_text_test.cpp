#include "render/label_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

struct LabelCase {
  const char* name;
  const char* lineName;
  double a;
  bool plus;
  double b;
  double c;
  int decimals;
  const char* expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LabelCase& row, std::ostream* os) {
  *os << row.name;
}

class LineLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LineLabel, Text) {
  const LabelCase& p = GetParam();
  EXPECT_EQ(LineLabelText(p.lineName, p.a, "x", p.plus, p.b, "y", p.c, p.decimals), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LineLabel,
    ::testing::Values(
        LabelCase{"PlusOneDecimal", "C1", 3, true, 2, 120, 1, "C1:   3.0 x +   2.0 y = 120.0"},
        LabelCase{"MinusNoDecimals", "Lab", 1.6, false, 2.4, -4, 0,
                  "Lab:     2 x -     2 y =    -4"},
        LabelCase{"SevenDecimals", "C", 0.5, true, 1, 2, 7,
                  "C: 0.5000000 x + 1.0000000 y = 2.0000000"},
        // Beyond the formats that exist, the nearest one is shown.
        LabelCase{"TwelveShowsSeven", "C", 0.5, true, 1, 2, 12,
                  "C: 0.5000000 x + 1.0000000 y = 2.0000000"},
        LabelCase{"NegativeShowsNone", "C", 0.5, false, 1, 2, -3, "C:     0 x -     1 y =     2"},
        LabelCase{"WideNumberNotCut", "Big", 123456.75, true, 0, 1e9, 2,
                  "Big: 123456.75 x +  0.00 y = 1000000000.00"}),
    [](const auto& info) { return info.param.name; });

TEST(PayoffLabel, UsesPayoffNameAndFamily) {
  EXPECT_EQ(PayoffLabelText(3, "x", true, 2, "y", 36, 1), "Payoff:   3.0 x +   2.0 y =  36.0");
  EXPECT_EQ(PayoffLabelText(3, "x", false, 2, "y", 36, 0), "Payoff:     3 x -     2 y =    36");
}

TEST(ResultsPieces, DecimalsBeyondADoubleOnlyStopAddingZeros) {
  // Every digit of a double lies within 1074 decimals.
  const std::string piece = OptimalPointPiece(1.0, 2.0, 5000);
  const std::string expected = " (1." + std::string(TEXT_DECIMALS_MAX, '0') + ", 2." +
                               std::string(TEXT_DECIMALS_MAX, '0') + ")";
  EXPECT_EQ(piece, expected);
}

}  // namespace
}  // namespace tessaro
