#include "doc/model_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "doc/archive.h"
#include "sample_models.h"

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::LongTextModel;
using test::StringRecord;
using test::WithMagic;
using test::WorkshopModel;

constexpr std::size_t kNewDocumentBytes = 471;

void PutDouble(Bytes& b, std::size_t offset, double v) {
  std::uint64_t raw = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) b.at(offset + static_cast<std::size_t>(i)) = raw >> (8 * i) & 0xFF;
}

void PutInt(Bytes& b, std::size_t offset, std::int32_t v) {
  std::uint32_t raw = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b.at(offset + static_cast<std::size_t>(i)) = raw >> (8 * i) & 0xFF;
}

TEST(DocumentDefaults, NewDocumentSavesTo471Bytes) {
  Model doc;
  Bytes bytes = EncodeModel(doc);
  ASSERT_EQ(bytes.size(), kNewDocumentBytes);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 7), StringRecord("KVR2.5"));
  EXPECT_EQ(doc.badFormat, 0);
  EXPECT_FALSE(doc.IsModified());
}

// Where each stored field sits in the file of an otherwise new document:
// a double (8 bytes) or an int (4 bytes) at a fixed offset.
struct FieldPlace {
  const char* name;
  std::size_t offset;
  double* (*number)(Model&);  // a double field, or null
  int* (*integer)(Model&);    // an int field, or null
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FieldPlace& row, std::ostream* os) {
  *os << row.name;
}

std::vector<FieldPlace> FieldPlaces() {
  using M = Model;
  return {
      {"lineA0", 8, [](M& m) { return &m.lines[0].a; }, nullptr},
      {"lineA5", 48, [](M& m) { return &m.lines[5].a; }, nullptr},
      {"lineB0", 57, [](M& m) { return &m.lines[0].b; }, nullptr},
      {"lineC3", 129, [](M& m) { return &m.lines[3].c; }, nullptr},
      {"xMax", 153, [](M& m) { return &m.xMax; }, nullptr},
      {"xMin", 161, [](M& m) { return &m.xMin; }, nullptr},
      {"xZoom", 169, [](M& m) { return &m.xZoom; }, nullptr},
      {"yMax", 177, [](M& m) { return &m.yMax; }, nullptr},
      {"yMin", 185, [](M& m) { return &m.yMin; }, nullptr},
      {"yZoom", 193, [](M& m) { return &m.yZoom; }, nullptr},
      {"payoffA", 205, [](M& m) { return &m.payoff.a; }, nullptr},
      {"payoffB", 213, [](M& m) { return &m.payoff.b; }, nullptr},
      {"payoffLevel", 221, [](M& m) { return &m.payoff.level; }, nullptr},
      {"lineSign0", 235, [](M& m) { return &m.lines[0].sign; }, nullptr},
      {"lineRelation0", 243, [](M& m) { return &m.lines[0].relation; }, nullptr},
      {"labelX0", 251, [](M& m) { return &m.lines[0].label.x; }, nullptr},
      {"labelY0", 259, [](M& m) { return &m.lines[0].label.y; }, nullptr},
      {"lineSign1", 267, [](M& m) { return &m.lines[1].sign; }, nullptr},
      {"labelY5", 419, [](M& m) { return &m.lines[5].label.y; }, nullptr},
      {"payoffLabelX", 427, [](M& m) { return &m.payoff.label.x; }, nullptr},
      {"payoffLabelY", 435, [](M& m) { return &m.payoff.label.y; }, nullptr},
      {"payoffSign", 443, [](M& m) { return &m.payoff.sign; }, nullptr},
      {"trimOn", 451, nullptr, [](M& m) { return &m.trim; }},
      {"labelsOn", 455, nullptr, [](M& m) { return &m.labels; }},
      {"integerDotsOn", 459, nullptr, [](M& m) { return &m.integerDots; }},
      {"fillMode", 463, nullptr, [](M& m) { return &m.fill; }},
  };
}

class FieldPlaceTest : public testing::TestWithParam<FieldPlace> {};

TEST_P(FieldPlaceTest, SavedAtItsOffsetAndNowhereElse) {
  const FieldPlace& f = GetParam();
  Model doc;
  Bytes expected = EncodeModel(doc);
  if (f.number != nullptr) {
    *f.number(doc) = 77.0;
    PutDouble(expected, f.offset, 77.0);
  } else {
    *f.integer(doc) = 77;
    PutInt(expected, f.offset, 77);
  }
  EncodeModel(EXPECT_EQ(doc), expected);
}

TEST_P(FieldPlaceTest, LoadedFromItsOffset) {
  const FieldPlace& f = GetParam();
  Bytes bytes = EncodeModel(Model());
  if (f.number != nullptr) {
    PutDouble(bytes, f.offset, -3.25);
  } else {
    PutInt(bytes, f.offset, -3);
  }
  Model doc;
  ASSERT_EQ(DecodeModel(bytes), DecodeStatus::Ok, doc);
  if (f.number != nullptr) {
    EXPECT_EQ(*f.number(doc), -3.25);
  } else {
    EXPECT_EQ(*f.integer(doc), -3);
  }
}

INSTANTIATE_TEST_SUITE_P(Items, FieldPlaceTest, testing::ValuesIn(FieldPlaces()),
                         [](const testing::TestParamInfo<FieldPlace>& info) {
                           return info.param.name;
                         });

TEST(DocumentFormat, StringsStandBeforeTheirFields) {
  Model doc;
  doc.xLabel = "ab";
  doc.yLabel = "c";
  doc.lines[0].name = "n0";
  doc.lines[5].name = "n5";
  const Bytes b = EncodeModel(doc);
  ASSERT_EQ(b.size(), kNewDocumentBytes + 2 + 1 + 2 + 2);
  EXPECT_EQ(Bytes(b.begin() + 7, b.begin() + 10), StringRecord("ab"));
  EXPECT_EQ(Bytes(b.begin() + 58, b.begin() + 60), StringRecord("c"));
  // Names follow payoffLevel, which ends at 229 + 3 extra bytes.
  EXPECT_EQ(Bytes(b.begin() + 232, b.begin() + 235), StringRecord("n0"));
  EXPECT_EQ(Bytes(b.begin() + 239, b.begin() + 242), StringRecord("n5"));
}

struct VersionCase {
  const char* name;
  const char* magic;
  bool withItem14;
  int trailingInts;  // extra ints after the record
  int expectedDecimals;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const VersionCase& row, std::ostream* os) {
  *os << row.name;
}

class VersionTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionTest, DecimalsComeFromTheRightItem) {
  const VersionCase& c = GetParam();
  Model source = WorkshopModel();
  source.decimals = 3;  // item 8
  Bytes bytes = EncodeModel(WithMagic(source), StringRecord(c.magic));
  bytes.resize(bytes.size() - 4);  // drop item 14
  if (c.withItem14) bytes.insert(bytes.end(), {0x02, 0x00, 0x00, 0x00});
  for (int i = 0; i < c.trailingInts; ++i) bytes.insert(bytes.end(), {0x09, 0x00, 0x00, 0x00});

  Model doc;
  ASSERT_EQ(DecodeModel(bytes), DecodeStatus::Ok, doc);
  EXPECT_EQ(doc.decimals, c.expectedDecimals);
  EXPECT_EQ(doc.xLabel, "chairs");
  EXPECT_EQ(doc.fill, 1);
}

INSTANTIATE_TEST_SUITE_P(Magics, VersionTest,
                         testing::Values(VersionCase{"v20_item8", "KVR2.0", false, 0, 3},
                                         VersionCase{"v20_trailing_ignored", "KVR2.0", false, 1, 3},
                                         VersionCase{"v25_item14_wins", "KVR2.5", true, 0, 2},
                                         VersionCase{"v25_trailing_ignored", "KVR2.5", true, 2, 2}),
                         [](const testing::TestParamInfo<VersionCase>& info) {
                           return info.param.name;
                         });

TEST(DocumentVersions, Version25WithoutItem14IsTruncated) {
  Bytes bytes = EncodeModel(WorkshopModel());
  bytes.resize(bytes.size() - 4);
  Model doc;
  EXPECT_EQ(DecodeModel(bytes), DecodeStatus::Damaged, doc);
}

TEST(DocumentVersions, SixteenBitMagicIsTheSameString) {
  Bytes magic = {0xFF, 0xFE, 0xFF, 0x06};
  for (char ch : std::string("KVR2.5")) magic.insert(magic.end(), {static_cast<uint8_t>(ch), 0});
  Model doc;
  ASSERT_EQ(doc.EncodeModel(LoadFromBytes(WithMagic(WorkshopModel()), magic)), DecodeStatus::Ok);
  EXPECT_EQ(doc.yLabel, "tables");
}

class BadMagicTest : public testing::TestWithParam<const char*> {};

TEST_P(BadMagicTest, RefusedWithDefaultsAndMark) {
  Model doc;
  const Bytes bytes = EncodeModel(WithMagic(WorkshopModel()), StringRecord(GetParam()));
  EXPECT_EQ(DecodeModel(bytes), DecodeStatus::NotAModelFile, doc);
  EXPECT_EQ(doc.badFormat, 1);
  EncodeModel(EXPECT_EQ(doc), EncodeModel(Model()));
}

INSTANTIATE_TEST_SUITE_P(Magics, BadMagicTest,
                         testing::Values("kvr2.5", "KVR2.5x", "KVR2.", "KVR2.0 ", " KVR2.5", "",
                                         "KVR2.6", "Kvr2.0", "KVR2.5\n"));

TEST(DocumentLoad, SerializeReportsBadMagicThroughTheMark) {
  const Bytes bytes = EncodeModel(WithMagic(WorkshopModel()), StringRecord("KVR9.9"));
  Archive in(bytes);
  Model doc;
  EXPECT_FALSE(doc.Serialize(in));
  EXPECT_EQ(doc.badFormat, 1);
}

// Cutting a valid file anywhere fails as a damaged file, leaves the fields
// as they were and never reads past the cut.
TEST(DocumentLoad, TruncationAtEveryOffsetFailsCleanly) {
  const Bytes full = EncodeModel(LongTextModel());
  Model before = WorkshopModel();
  before.xLabel = "before";
  const Bytes beforeBytes = EncodeModel(before);
  for (std::size_t n = 0; n < full.size(); ++n) {
    // Only offsets near the strings and every offset of the fixed part are
    // interesting; the long name's characters are sampled.
    if (n > 1000 && n + 2000 < full.size() && n % 997 != 0) continue;
    Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    cut.shrink_to_fit();
    Model doc = before;
    ASSERT_EQ(DecodeModel(cut), DecodeStatus::Damaged, doc) << "cut at " << n;
    EncodeModel(ASSERT_EQ(doc), beforeBytes) << "cut at " << n;
    ASSERT_EQ(doc.badFormat, 0) << "cut at " << n;
  }
}

TEST(DocumentLoad, StringLengthPastTheEndIsDamaged) {
  Bytes bytes = EncodeModel(Model());
  // xLabel claims 0xFFFFFFF0 characters.
  bytes.erase(bytes.begin() + 7);
  bytes.insert(bytes.begin() + 7, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
  Model doc;
  EXPECT_EQ(DecodeModel(bytes), DecodeStatus::Damaged, doc);
  EXPECT_EQ(doc.xLabel, "");
}

struct RoundTripCase {
  const char* name;
  std::function<void(Model&)> change;
  std::function<bool(const Model&)> holds;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RoundTripCase& row, std::ostream* os) {
  *os << row.name;
}

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, SaveLoadSaveKeepsValuesAndBytes) {
  const RoundTripCase& c = GetParam();
  Model doc = WorkshopModel();
  c.change(doc);
  const Bytes first = EncodeModel(doc);
  Model loaded;
  ASSERT_EQ(DecodeModel(first), DecodeStatus::Ok, loaded);
  EXPECT_TRUE(c.holds(loaded));
  EncodeModel(EXPECT_EQ(loaded), first);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTripTest,
    testing::Values(
        RoundTripCase{"halfSignStaysHalf", [](Model& d) { d.lines[2].sign = 0.5; },
                      [](const Model& d) { return d.lines[2].sign == 0.5; }},
        RoundTripCase{"minusOneSign", [](Model& d) { d.payoff.sign = -1.0; },
                      [](const Model& d) { return d.payoff.sign == -1.0; }},
        RoundTripCase{"unplacedLabelStaysUnplaced",
                      [](Model& d) { d.lines[4].label.x = d.payoff.label.y = NO_POINT; },
                      [](const Model& d) {
                        return d.lines[4].label.x == NO_POINT && d.payoff.label.y == NO_POINT;
                      }},
        RoundTripCase{"nonFiniteRanges",
                      [](Model& d) {
                        d.xMax = kNaN;
                        d.yZoom = -kInf;
                        d.lines[1].c = -0.0;
                      },
                      [](const Model& d) {
                        return std::isnan(d.xMax) && d.yZoom == -kInf && std::signbit(d.lines[1].c);
                      }},
        RoundTripCase{"extremeInts",
                      [](Model& d) {
                        d.decimals = std::numeric_limits<int>::min();
                        d.fill = static_cast<FillMode>(std::numeric_limits<int>::max());
                      },
                      [](const Model& d) {
                        return d.decimals == std::numeric_limits<int>::min() &&
                               d.fill == std::numeric_limits<int>::max();
                      }},
        RoundTripCase{"longTexts", [](Model& d) { d = LongTextModel(); },
                      [](const Model& d) {
                        return d.xLabel == std::string(300, 'x') &&
                               d.lines[1].name == std::string(70000, 'm') && d.lines[4].name == "eq";
                      }},
        RoundTripCase{
            "bytesAboveAscii",
            [](Model& d) { d.lines[3].name = std::string("\xC3\xA9\0\xFF", 4); },
            [](const Model& d) { return d.lines[3].name == std::string("\xC3\xA9\0\xFF", 4); }}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(DocumentLoad, SerializeLoadsWhatSerializeStored) {
  Model source = LongTextModel();
  Archive out;
  ASSERT_TRUE(source.Serialize(out));
  Archive in(out.Bytes());
  Model doc;
  ASSERT_TRUE(doc.Serialize(in));
  EncodeModel(EXPECT_EQ(doc), out.Bytes());
  EXPECT_EQ(in.Remaining(), 0u);
}

}  // namespace
}  // namespace tessaro
