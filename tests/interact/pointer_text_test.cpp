#include "interact/pointer_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

namespace tessaro {
namespace {

struct TextRow {
  const char* name;
  double x, y;
  int decimals;
  const char* text;
};

class PointerTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(PointerTextTest, Text) {
  const TextRow& r = GetParam();
  EXPECT_EQ(PointerText(r.x, r.y, r.decimals), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointerTextTest,
    testing::Values(TextRow{"NoDecimalsRightAligned", 12.7, 3, 0, " (  13,    3)"},
                    TextRow{"TwoDecimals", 4, 2, 2, " (4.00, 2.00)"},
                    TextRow{"OneDecimalNegative", -2.26, 10, 1, " (-2.3, 10.0)"},
                    TextRow{"WiderThanFourKeptWhole", 12345.678, 0, 1, " (12345.7,  0.0)"},
                    TextRow{"NegativeDecimalsShowNone", 12.7, 3, -1, " (  13,    3)"},
                    TextRow{"MostNegativeDecimals", 12.7, 3, INT_MIN, " (  13,    3)"}),
    [](const testing::TestParamInfo<TextRow>& info) { return info.param.name; });

// Coordinate text of a number with d decimals: integer digits, point, d digits.
std::size_t FixedLength(std::size_t integerDigits, int decimals) {
  return integerDigits + 1 + static_cast<std::size_t>(decimals);
}

struct LengthRow {
  const char* name;
  double x, y;
  int decimals;
  std::size_t xDigits, yDigits;  // characters before the point, sign included
  int shownDecimals;
};

class PointerTextLength : public testing::TestWithParam<LengthRow> {};

TEST_P(PointerTextLength, NothingIsCut) {
  const LengthRow& r = GetParam();
  const std::string text = PointerText(r.x, r.y, r.decimals);
  // " (" + x + ", " + y + ")"
  EXPECT_EQ(text.size(),
            2 + FixedLength(r.xDigits, r.shownDecimals) + 2 + FixedLength(r.yDigits, r.shownDecimals) + 1);
  EXPECT_EQ(text.back(), ')');
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointerTextLength,
    testing::Values(LengthRow{"SpinMaximum", 10, -10, 10000, 2, 3, 10000},
                    LengthRow{"AboveMaximumIsCapped", 10, -10, INT_MAX, 2, 3, 10000},
                    LengthRow{"HugeCoordinate", 1e300, 0, 10000, 301, 1, 10000}),
    [](const testing::TestParamInfo<LengthRow>& info) { return info.param.name; });

TEST(PointerTextTest, NonFiniteCoordinatesAreWrittenAsWords) {
  const std::string text = PointerText(std::numeric_limits<double>::infinity(), 1, 1);
  EXPECT_NE(text.find("inf"), std::string::npos) << text;
  EXPECT_NE(text.find(" 1.0)"), std::string::npos) << text;
}

}  // namespace
}  // namespace tessaro
