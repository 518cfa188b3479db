#include "doc/archive.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Prefix(const Bytes& bytes, std::size_t n) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

struct PrefixCase {
  const char* name;
  std::size_t length;
  Bytes prefix;  // the bytes before the characters
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const PrefixCase& row, std::ostream* os) {
  *os << row.name;
}

class StringPrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefixTest, WritesPrefixThenCharactersAndReadsBack) {
  const PrefixCase& c = GetParam();
  std::string text(c.length, 'q');
  if (!text.empty()) text.back() = 'z';
  Archive out;
  out.WriteString(text);
  const Bytes& bytes = out.Bytes();
  ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
  EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix);

  Archive in(bytes);
  std::string back;
  ASSERT_TRUE(in.ReadString(back));
  EXPECT_EQ(back, text);
  EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringPrefixTest,
    testing::Values(PrefixCase{"empty", 0, {0x00}}, PrefixCase{"one", 1, {0x01}},
                    PrefixCase{"len254", 254, {0xFE}},
                    PrefixCase{"len255", 255, {0xFF, 0xFF, 0x00}},
                    PrefixCase{"len300", 300, {0xFF, 0x2C, 0x01}},
                    PrefixCase{"len65533", 65533, {0xFF, 0xFD, 0xFF}},
                    PrefixCase{"len65534", 65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                    PrefixCase{"len70000", 70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}),
    [](const testing::TestParamInfo<PrefixCase>& info) { return info.param.name; });

struct WideCase {
  const char* name;
  Bytes bytes;       // a whole string record
  std::string utf8;  // what it reads as
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const WideCase& row, std::ostream* os) {
  *os << row.name;
}

class WideStringTest : public testing::TestWithParam<WideCase> {};

TEST_P(WideStringTest, ReadsSixteenBitCharactersAsUtf8) {
  const WideCase& c = GetParam();
  Bytes bytes = c.bytes;
  bytes.push_back(0x42);  // a following byte must stay unread
  Archive in(bytes);
  std::string text = "old";
  ASSERT_TRUE(in.ReadString(text));
  EXPECT_EQ(text, c.utf8);
  EXPECT_EQ(in.Remaining(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WideStringTest,
    testing::Values(
        WideCase{"empty", {0xFF, 0xFE, 0xFF, 0x00}, ""},
        WideCase{"ascii", {0xFF, 0xFE, 0xFF, 0x02, 'x', 0, '1', 0}, "x1"},
        WideCase{"latin", {0xFF, 0xFE, 0xFF, 0x01, 0xE9, 0x00}, "\xC3\xA9"},
        WideCase{"euro", {0xFF, 0xFE, 0xFF, 0x01, 0xAC, 0x20}, "\xE2\x82\xAC"},
        WideCase{
            "surrogatePair", {0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}, "\xF0\x9F\x98\x80"},
        WideCase{"loneHighSurrogate",
                 {0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 'a', 0},
                 "\xEF\xBF\xBD"
                 "a"},
        WideCase{"loneLowSurrogate", {0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xDE}, "\xEF\xBF\xBD"},
        WideCase{"sixteenBitLength", {0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'y', 0}, "y"},
        WideCase{"thirtyTwoBitLength",
                 {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'z', 0},
                 "z"}),
    [](const testing::TestParamInfo<WideCase>& info) { return info.param.name; });

struct DamagedCase {
  const char* name;
  Bytes bytes;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const DamagedCase& row, std::ostream* os) {
  *os << row.name;
}

class DamagedStringTest : public testing::TestWithParam<DamagedCase> {};

// A string whose prefix or characters run past the data fails without
// touching the destination, and the archive stays failed.
TEST_P(DamagedStringTest, FailsCleanly) {
  Archive in(GetParam().bytes);
  std::string text = "kept";
  EXPECT_FALSE(in.ReadString(text));
  EXPECT_EQ(text, "kept");
  EXPECT_FALSE(in.Good());
  EXPECT_EQ(in.Remaining(), 0u);
  std::int32_t value = 7;
  EXPECT_FALSE(in.ReadInt(value));
  EXPECT_EQ(value, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DamagedStringTest,
    testing::Values(DamagedCase{"nothing", {}}, DamagedCase{"shortByOne", {0x03, 'a', 'b'}},
                    DamagedCase{"escapeOnly", {0xFF}}, DamagedCase{"halfWord", {0xFF, 0x2C}},
                    DamagedCase{"wordPastEnd", {0xFF, 0x2C, 0x01, 'a'}},
                    DamagedCase{"dwordMissing", {0xFF, 0xFF, 0xFF, 0x00, 0x00}},
                    DamagedCase{"hugeLength", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'}},
                    DamagedCase{"wideMarkerOnly", {0xFF, 0xFE, 0xFF}},
                    DamagedCase{"wideOddByte", {0xFF, 0xFE, 0xFF, 0x01, 'a'}},
                    DamagedCase{"wideHugeLength",
                                {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

TEST(ArchiveNumbers, LittleEndianLayout) {
  Archive out;
  out.WriteDouble(-8888.0);
  out.WriteInt(-2);
  out.WriteInt(0x01020304);
  const Bytes expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x5C, 0xC1, 0xC0,  // -8888.0
                          0xFE, 0xFF, 0xFF, 0xFF,                          // -2
                          0x04, 0x03, 0x02, 0x01};
  EXPECT_EQ(out.Bytes(), expected);
}

TEST(ArchiveNumbers, DoublesKeepEveryBit) {
  const double values[] = {0.0,
                           -0.0,
                           0.5,
                           -8888.0,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::quiet_NaN()};
  Archive out;
  for (double v : values) out.WriteDouble(v);
  Archive in(out.Bytes());
  for (double v : values) {
    double back = 1.0;
    ASSERT_TRUE(in.ReadDouble(back));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(v)) << v;
  }
  double extra = 3.0;
  EXPECT_FALSE(in.ReadDouble(extra));
  EXPECT_EQ(extra, 3.0);
}

TEST(ArchiveNumbers, ShortNumberFailsAndLaterReadsFailToo) {
  const Bytes bytes = {0x01, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00};
  Archive in(bytes);
  std::int32_t first = 0;
  ASSERT_TRUE(in.ReadInt(first));
  EXPECT_EQ(first, 1);
  std::int32_t second = 9;
  EXPECT_FALSE(in.ReadInt(second));
  EXPECT_EQ(second, 9);
  // Enough bytes for a one-byte string would be left had the failure not
  // stopped the archive.
  std::string text = "kept";
  EXPECT_FALSE(in.ReadString(text));
  EXPECT_EQ(text, "kept");
}

}  // namespace
}  // namespace tessaro
