// Fixed-point texts with many decimals, checked against the C library's
// "%*.*f" as the reference, and the flip of the display toggles for every
// int a file may hold.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "model/format_line.h"
#include "model/number_text.h"
#include "model/saturate.h"

namespace tessaro {
namespace {

// The text "%*.*f" writes, in the "C" locale.
std::string Reference(double value, int precision, int width) {
  const int n = std::snprintf(nullptr, 0, "%*.*f", width, precision, value);
  std::vector<char> buffer(static_cast<std::size_t>(n) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%*.*f", width, precision, value);
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

struct FixedCase {
  const char* name;
  double value;
  int precision;
  int width;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
  *os << c.name;
}

class LongFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(LongFixedTest, MatchesTheCLibrary) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.precision, c.width), Reference(c.value, c.precision, c.width));
}

INSTANTIATE_TEST_SUITE_P(
    Values, LongFixedTest,
    testing::Values(FixedCase{"ThirdAtTheMaximum", 1.0 / 3.0, MAX_TEXT_DECIMALS, 4},
                    FixedCase{"SmallestDenormalWhole", 5e-324, 1074, 4},
                    FixedCase{"SmallestDenormalCut", 5e-324, 1073, 4},
                    FixedCase{"SmallestDenormalPastItsDigits", -5e-324, 1075, 4},
                    FixedCase{"LargestWithManyZeros", DBL_MAX, 3000, 4},
                    FixedCase{"NegativeZero", -0.0, 2, 4},
                    FixedCase{"RoundsHalfToEven", 0.125, 2, 0}, FixedCase{"RoundsUp", 2.5e-7, 6, 0},
                    FixedCase{"PaddedToWidth", 1.5, 1, 8},
                    FixedCase{"WiderThanWidth", -123456.75, 1, 4},
                    FixedCase{"Infinity", std::numeric_limits<double>::infinity(), 5, 6},
                    FixedCase{"MinusInfinity", -std::numeric_limits<double>::infinity(), 9000, 0},
                    FixedCase{"NaN", std::numeric_limits<double>::quiet_NaN(), 10, 5},
                    FixedCase{"NegativeNaN", -std::numeric_limits<double>::quiet_NaN(), 10, 0},
                    FixedCase{"TenthAtTwoThousand", 0.1, 2000, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongFixed, MoreDecimalsThanTheMaximumAreWrittenWithTheMaximum) {
  for (int precision : {MAX_TEXT_DECIMALS + 1, 65536, std::numeric_limits<int>::max()}) {
    const std::string text = FormatFixed(2.0 / 3.0, precision, 4);
    EXPECT_EQ(text, Reference(2.0 / 3.0, MAX_TEXT_DECIMALS, 4)) << precision;
    EXPECT_EQ(text.size(), static_cast<std::size_t>(MAX_TEXT_DECIMALS) + 2) << precision;
  }
}

TEST(ToggledFlag, FlipsEveryIntWithoutOverflow) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  const struct {
    int flag;
    int flipped;
  } rows[] = {{0, 1}, {1, 0}, {5, -4}, {-3, 4}, {kMax, kMin + 2}, {kMin + 1, kMax}, {kMin, kMax}};
  for (const auto& row : rows) EXPECT_EQ(ToggledFlag(row.flag), row.flipped) << row.flag;
}

}  // namespace
}  // namespace tessaro
