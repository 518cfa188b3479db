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
}

// Where each stored field sits in the file of an otherwise new model: a
// double (8 bytes) or an int (4 bytes) at a fixed offset. set gives the
// field a value other than its default; stored is what the file holds then.
struct FieldPlace {
  const char* name;
  std::size_t offset;
  bool isInt;
  double stored;
  void (*set)(Model&);
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FieldPlace& row, std::ostream* os) {
  *os << row.name;
}

std::vector<FieldPlace> FieldPlaces() {
  using M = Model;
  return {
      {"lineA0", 8, false, 77, [](M& m) { m.lines[0].a = 77; }},
      {"lineA5", 48, false, 77, [](M& m) { m.lines[5].a = 77; }},
      {"lineB0", 57, false, 77, [](M& m) { m.lines[0].b = 77; }},
      {"lineC3", 129, false, 77, [](M& m) { m.lines[3].c = 77; }},
      {"xMax", 153, false, 77, [](M& m) { m.xMax = 77; }},
      {"xMin", 161, false, 7, [](M& m) { m.xMin = 7; }},
      {"xZoom", 169, false, 77, [](M& m) { m.xZoom = 77; }},
      {"yMax", 177, false, 77, [](M& m) { m.yMax = 77; }},
      {"yMin", 185, false, 7, [](M& m) { m.yMin = 7; }},
      {"yZoom", 193, false, 77, [](M& m) { m.yZoom = 77; }},
      {"payoffA", 205, false, 77, [](M& m) { m.payoff.a = 77; }},
      {"payoffB", 213, false, 77, [](M& m) { m.payoff.b = 77; }},
      {"payoffLevel", 221, false, 77, [](M& m) { m.payoff.level = 77; }},
      {"lineSign0", 235, false, -1, [](M& m) { m.lines[0].sign = -1; }},
      {"lineRelation0", 243, false, 2, [](M& m) { m.lines[0].relation = Relation::GreaterEqual; }},
      {"labelX0", 251, false, 77, [](M& m) { m.lines[0].label.x = 77; }},
      {"labelY0", 259, false, 77, [](M& m) { m.lines[0].label.y = 77; }},
      {"lineSign1", 267, false, -1, [](M& m) { m.lines[1].sign = -1; }},
      {"labelY5", 419, false, 77, [](M& m) { m.lines[5].label.y = 77; }},
      {"payoffLabelX", 427, false, 77, [](M& m) { m.payoff.label.x = 77; }},
      {"payoffLabelY", 435, false, 77, [](M& m) { m.payoff.label.y = 77; }},
      {"payoffSign", 443, false, -1, [](M& m) { m.payoff.sign = -1; }},
      {"trimOn", 451, true, 1, [](M& m) { m.trim = true; }},
      {"labelsOn", 455, true, 0, [](M& m) { m.labels = false; }},
      {"integerDotsOn", 459, true, 1, [](M& m) { m.integerDots = true; }},
      {"fillMode", 463, true, 2, [](M& m) { m.fill = FillMode::Grey; }},
  };
}

class FieldPlaceTest : public testing::TestWithParam<FieldPlace> {};

TEST_P(FieldPlaceTest, SavedAtItsOffsetAndLoadedFromIt) {
  const FieldPlace& f = GetParam();
  Model changed;
  f.set(changed);
  Bytes expected = EncodeModel(Model());
  if (f.isInt) {
    PutInt(expected, f.offset, static_cast<std::int32_t>(f.stored));
  } else {
    PutDouble(expected, f.offset, f.stored);
  }
  EXPECT_EQ(EncodeModel(changed), expected);
  Model loaded;
  ASSERT_EQ(DecodeModel(expected, loaded), DecodeStatus::Ok);
  EXPECT_EQ(loaded, changed);
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
  Bytes bytes = WithMagic(EncodeModel(source), StringRecord(c.magic));
  bytes.resize(bytes.size() - 4);  // drop item 14
  if (c.withItem14) bytes.insert(bytes.end(), {0x02, 0x00, 0x00, 0x00});
  for (int i = 0; i < c.trailingInts; ++i) bytes.insert(bytes.end(), {0x09, 0x00, 0x00, 0x00});

  Model doc;
  ASSERT_EQ(DecodeModel(bytes, doc), DecodeStatus::Ok);
  EXPECT_EQ(doc.decimals, c.expectedDecimals);
  EXPECT_EQ(doc.xLabel, "chairs");
  EXPECT_EQ(doc.fill, FillMode::Color);
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
  EXPECT_EQ(DecodeModel(bytes, doc), DecodeStatus::Damaged);
}

TEST(DocumentVersions, SixteenBitMagicIsTheSameString) {
  Bytes magic = {0xFF, 0xFE, 0xFF, 0x06};
  for (char ch : std::string("KVR2.5")) magic.insert(magic.end(), {static_cast<uint8_t>(ch), 0});
  Model doc;
  ASSERT_EQ(DecodeModel(WithMagic(EncodeModel(WorkshopModel()), magic), doc), DecodeStatus::Ok);
  EXPECT_EQ(doc.yLabel, "tables");
}

class BadMagicTest : public testing::TestWithParam<const char*> {};

TEST_P(BadMagicTest, RefusedWithDefaultsAndMark) {
  Model doc;
  const Bytes bytes = WithMagic(EncodeModel(WorkshopModel()), StringRecord(GetParam()));
  EXPECT_EQ(DecodeModel(bytes, doc), DecodeStatus::NotAModelFile);
  EXPECT_EQ(doc, Model());
}

INSTANTIATE_TEST_SUITE_P(Magics, BadMagicTest,
                         testing::Values("kvr2.5", "KVR2.5x", "KVR2.", "KVR2.0 ", " KVR2.5", "",
                                         "KVR2.6", "Kvr2.0", "KVR2.5\n"));

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
    ASSERT_EQ(DecodeModel(cut, doc), DecodeStatus::Damaged) << "cut at " << n;
    ASSERT_EQ(EncodeModel(doc), beforeBytes) << "cut at " << n;
  }
}

TEST(DocumentLoad, StringLengthPastTheEndIsDamaged) {
  Bytes bytes = EncodeModel(Model());
  // xLabel claims 0xFFFFFFF0 characters.
  bytes.erase(bytes.begin() + 7);
  bytes.insert(bytes.begin() + 7, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
  Model doc;
  EXPECT_EQ(DecodeModel(bytes, doc), DecodeStatus::Damaged);
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
  ASSERT_EQ(DecodeModel(first, loaded), DecodeStatus::Ok);
  EXPECT_TRUE(c.holds(loaded));
  EXPECT_EQ(EncodeModel(loaded), first);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTripTest,
    testing::Values(
        RoundTripCase{"minusOneSign", [](Model& d) { d.payoff.sign = -1; },
                      [](const Model& d) { return d.payoff.sign == -1; }},
        RoundTripCase{"unplacedLabelStaysUnplaced",
                      [](Model& d) { d.lines[4].label.x = d.payoff.label.y = kNoPoint; },
                      [](const Model& d) {
                        return d.lines[4].label.x == kNoPoint && d.payoff.label.y == kNoPoint;
                      }},
        RoundTripCase{"extremeFiniteValues",
                      [](Model& d) {
                        d.xMax = 1e308;
                        d.yZoom = 0.0;
                        d.lines[1].c = -0.0;
                      },
                      [](const Model& d) {
                        return d.xMax == 1e308 && d.yZoom == 0.0 && std::signbit(d.lines[1].c);
                      }},
        RoundTripCase{"extremeDecimals",
                      [](Model& d) { d.decimals = std::numeric_limits<int>::min(); },
                      [](const Model& d) { return d.decimals == std::numeric_limits<int>::min(); }},
        RoundTripCase{"longTexts", [](Model& d) { d = LongTextModel(); },
                      [](const Model& d) {
                        return d.xLabel == std::string(300, 'x') &&
                               d.lines[1].name == std::string(70000, 'm') &&
                               d.lines[4].name == "eq";
                      }},
        RoundTripCase{
            "bytesAboveAscii", [](Model& d) { d.lines[3].name = std::string("\xC3\xA9\0\xFF", 4); },
            [](const Model& d) { return d.lines[3].name == std::string("\xC3\xA9\0\xFF", 4); }}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
