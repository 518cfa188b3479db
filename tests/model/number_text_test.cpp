#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace tessaro {
namespace {

struct ConvertRow {
  const char* name;
  const char* text;
  double value;
};

TEST(NumberText, ConvertNumberReadsLikeTheCLibraryWithoutLocale) {
  const ConvertRow rows[] = {
      {"plain", "12", 12.0},
      {"leading white space", " \t\n\r\v\f3.5", 3.5},
      {"sign and exponent", "-1.5e+2", -150.0},
      {"point first", ".25", 0.25},
      {"point last", "5.", 5.0},
      {"rest ignored", "10 hours", 10.0},
      {"exponent without digits ignored", "2e", 2.0},
      {"exponent sign without digits ignored", "2e+x", 2.0},
      {"no digits", "abc", 0.0},
      {"lone sign", "-", 0.0},
      {"lone point", ".", 0.0},
      {"sign then blank", "- 3", 0.0},
      {"comma is not a point", "1,5", 1.0},
      {"hexadecimal is not read", "0x10", 0.0},
      {"infinity is not a number", "inf", 0.0},
      {"overflow saturates", "1e999", DBL_MAX},
      {"negative overflow saturates", "-2e400", -DBL_MAX},
      {"underflow gives 0", "1e-999", 0.0},
      {"huge exponent", "1e99999999999999999999999", DBL_MAX},
      {"tiny with many zeros", "0.000000000000000000000000000001e-300", 0.0},
      {"empty", "", 0.0},
  };
  for (const ConvertRow& row : rows) {
    EXPECT_EQ(ConvertNumber(row.text), row.value) << row.name << ": \"" << row.text << "\"";
  }
}

TEST(NumberText, ConvertIntegerSaturates) {
  EXPECT_EQ(ConvertInteger(" -17x"), -17);
  EXPECT_EQ(ConvertInteger("+8"), 8);
  EXPECT_EQ(ConvertInteger("x8"), 0);
  EXPECT_EQ(ConvertInteger("99999999999999"), 2147483647);
  EXPECT_EQ(ConvertInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ConvertInteger("-99999999999999"), -2147483647 - 1);
}

struct FormRow {
  const char* text;
  bool accepted;
  double value;
};

TEST(NumberText, FormNumberCheck) {
  const FormRow rows[] = {
      {"200", true, 200.0},
      {" \t-3.5e2\t ", true, -350.0},
      {"0", true, 0.0},
      {"0.0", true, 0.0},
      {"00", true, 0.0},
      {".0", false, 0},
      {"-0", false, 0},
      {"+0", false, 0},
      {"1e-999", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"abc", false, 0},
      {"3x", false, 0},
      {"3 4", false, 0},
      {"1e999", false, 0},
      {"3\n", false, 0},
      {"inf", false, 0},
      {"+.5", true, 0.5},
      // Only the first 31 characters count: the letter at 32 is not seen.
      {"1                              x", true, 1.0},
      {"1                             x", false, 0},
  };
  for (const FormRow& row : rows) {
    double value = -1.0;
    EXPECT_EQ(ParseFormNumber(row.text, value), row.accepted) << "\"" << row.text << "\"";
    if (row.accepted) EXPECT_EQ(value, row.value) << "\"" << row.text << "\"";
  }
}

TEST(NumberText, FormIntegerCheck) {
  const FormRow rows[] = {
      {"1", true, 1},
      {" -12 ", true, -12},
      {"+7", true, 7},
      {"0", true, 0},
      {"007", true, 7},
      {"-0", false, 0},
      {"", false, 0},
      {"1.5", false, 0},
      {"1e2", false, 0},
      {"- 1", false, 0},
      {"2147483647", true, 2147483647.0},
      {"2147483648", false, 0},
  };
  for (const FormRow& row : rows) {
    int value = -1;
    EXPECT_EQ(ParseFormInteger(row.text, value), row.accepted) << "\"" << row.text << "\"";
    if (row.accepted) EXPECT_EQ(value, row.value) << "\"" << row.text << "\"";
  }
}

TEST(NumberText, GeneralNotationHasFifteenDigitsAndThreeDigitExponent) {
  const struct {
    double value;
    const char* text;
  } rows[] = {
      {200.0, "200"},
      {0.001, "0.001"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {1e20, "1e+020"},
      {-2.5e-7, "-2.5e-007"},
      {123456789012345680.0, "1.23456789012346e+017"},
      {99999999999999.0, "99999999999999"},
      {1e15, "1e+015"},
      {1.5e300, "1.5e+300"},
      {0.8333333333333334, "0.833333333333333"},
      {166.66666666666666, "166.666666666667"},
      {-0.5, "-0.5"},
  };
  for (const auto& row : rows) EXPECT_EQ(FormatGeneral(row.value), row.text) << row.text;
}

TEST(NumberText, FixedNotationNeverCuts) {
  EXPECT_EQ(FormatFixed(-12.3456, 2, 4), "-12.35");
  EXPECT_EQ(FormatFixed(3.7, -5, 4), "   4");
  EXPECT_EQ(FormatFixed(DBL_MAX, 2, 4).size(), 312u);  // 309 digits, point, 2 decimals
}

}  // namespace
}  // namespace tessaro
