#include "doc/velmar_doc.h"

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
  CVelmarDoc doc;
  Bytes bytes = doc.SaveToBytes();
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
  double* (*number)(StoredModel&);  // a double field, or null
  int* (*integer)(StoredModel&);    // an int field, or null
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FieldPlace& row, std::ostream* os) {
  *os << row.name;
}

std::vector<FieldPlace> FieldPlaces() {
  using M = StoredModel;
  return {
      {"lineA0", 8, [](M& m) { return &m.lineA[0]; }, nullptr},
      {"lineA5", 48, [](M& m) { return &m.lineA[5]; }, nullptr},
      {"lineB0", 57, [](M& m) { return &m.lineB[0]; }, nullptr},
      {"lineC3", 129, [](M& m) { return &m.lineC[3]; }, nullptr},
      {"xMax", 153, [](M& m) { return &m.xMax; }, nullptr},
      {"xMin", 161, [](M& m) { return &m.xMin; }, nullptr},
      {"xZoom", 169, [](M& m) { return &m.xZoom; }, nullptr},
      {"yMax", 177, [](M& m) { return &m.yMax; }, nullptr},
      {"yMin", 185, [](M& m) { return &m.yMin; }, nullptr},
      {"yZoom", 193, [](M& m) { return &m.yZoom; }, nullptr},
      {"payoffA", 205, [](M& m) { return &m.payoffA; }, nullptr},
      {"payoffB", 213, [](M& m) { return &m.payoffB; }, nullptr},
      {"payoffLevel", 221, [](M& m) { return &m.payoffLevel; }, nullptr},
      {"lineSign0", 235, [](M& m) { return &m.lineSign[0]; }, nullptr},
      {"lineRelation0", 243, [](M& m) { return &m.lineRelation[0]; }, nullptr},
      {"labelX0", 251, [](M& m) { return &m.labelX[0]; }, nullptr},
      {"labelY0", 259, [](M& m) { return &m.labelY[0]; }, nullptr},
      {"lineSign1", 267, [](M& m) { return &m.lineSign[1]; }, nullptr},
      {"labelY5", 419, [](M& m) { return &m.labelY[5]; }, nullptr},
      {"payoffLabelX", 427, [](M& m) { return &m.payoffLabelX; }, nullptr},
      {"payoffLabelY", 435, [](M& m) { return &m.payoffLabelY; }, nullptr},
      {"payoffSign", 443, [](M& m) { return &m.payoffSign; }, nullptr},
      {"trimOn", 451, nullptr, [](M& m) { return &m.trimOn; }},
      {"labelsOn", 455, nullptr, [](M& m) { return &m.labelsOn; }},
      {"integerDotsOn", 459, nullptr, [](M& m) { return &m.integerDotsOn; }},
      {"fillMode", 463, nullptr, [](M& m) { return &m.fillMode; }},
  };
}

class FieldPlaceTest : public testing::TestWithParam<FieldPlace> {};

TEST_P(FieldPlaceTest, SavedAtItsOffsetAndNowhereElse) {
  const FieldPlace& f = GetParam();
  CVelmarDoc doc;
  Bytes expected = doc.SaveToBytes();
  if (f.number != nullptr) {
    *f.number(doc) = 77.0;
    PutDouble(expected, f.offset, 77.0);
  } else {
    *f.integer(doc) = 77;
    PutInt(expected, f.offset, 77);
  }
  EXPECT_EQ(doc.SaveToBytes(), expected);
}

TEST_P(FieldPlaceTest, LoadedFromItsOffset) {
  const FieldPlace& f = GetParam();
  Bytes bytes = CVelmarDoc().SaveToBytes();
  // A sign or relation code takes one of its few values, other are free.
  const std::string name = f.name;
  const double value = name.find("Sign") != std::string::npos       ? -1.0
                       : name.find("Relation") != std::string::npos ? 2.0
                                                                    : -3.25;
  if (f.number != nullptr) {
    PutDouble(bytes, f.offset, value);
  } else {
    PutInt(bytes, f.offset, -3);
  }
  CVelmarDoc doc;
  ASSERT_EQ(doc.LoadFromBytes(bytes), LoadResult::Ok);
  if (f.number != nullptr) {
    EXPECT_EQ(*f.number(doc), value);
  } else {
    EXPECT_EQ(*f.integer(doc), -3);
  }
}

INSTANTIATE_TEST_SUITE_P(Items, FieldPlaceTest, testing::ValuesIn(FieldPlaces()),
                         [](const testing::TestParamInfo<FieldPlace>& info) {
                           return info.param.name;
                         });

TEST(DocumentFormat, StringsStandBeforeTheirFields) {
  CVelmarDoc doc;
  doc.xLabel = "ab";
  doc.yLabel = "c";
  doc.lineName[0] = "n0";
  doc.lineName[5] = "n5";
  const Bytes b = doc.SaveToBytes();
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
  CVelmarDoc source = WorkshopModel();
  source.decimals = 3;  // item 8
  Bytes bytes = WithMagic(source.SaveToBytes(), StringRecord(c.magic));
  bytes.resize(bytes.size() - 4);  // drop item 14
  if (c.withItem14) bytes.insert(bytes.end(), {0x02, 0x00, 0x00, 0x00});
  for (int i = 0; i < c.trailingInts; ++i) bytes.insert(bytes.end(), {0x09, 0x00, 0x00, 0x00});

  CVelmarDoc doc;
  ASSERT_EQ(doc.LoadFromBytes(bytes), LoadResult::Ok);
  EXPECT_EQ(doc.decimals, c.expectedDecimals);
  EXPECT_EQ(doc.xLabel, "chairs");
  EXPECT_EQ(doc.fillMode, 1);
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
  Bytes bytes = WorkshopModel().SaveToBytes();
  bytes.resize(bytes.size() - 4);
  CVelmarDoc doc;
  EXPECT_EQ(doc.LoadFromBytes(bytes), LoadResult::Truncated);
}

TEST(DocumentVersions, SixteenBitMagicIsTheSameString) {
  Bytes magic = {0xFF, 0xFE, 0xFF, 0x06};
  for (char ch : std::string("KVR2.5")) magic.insert(magic.end(), {static_cast<uint8_t>(ch), 0});
  CVelmarDoc doc;
  ASSERT_EQ(doc.LoadFromBytes(WithMagic(WorkshopModel().SaveToBytes(), magic)), LoadResult::Ok);
  EXPECT_EQ(doc.yLabel, "tables");
}

class BadMagicTest : public testing::TestWithParam<const char*> {};

TEST_P(BadMagicTest, RefusedWithDefaultsAndMark) {
  CVelmarDoc doc;
  const Bytes bytes = WithMagic(WorkshopModel().SaveToBytes(), StringRecord(GetParam()));
  EXPECT_EQ(doc.LoadFromBytes(bytes), LoadResult::BadMagic);
  EXPECT_EQ(doc.badFormat, 1);
  EXPECT_EQ(doc.SaveToBytes(), CVelmarDoc().SaveToBytes());
}

INSTANTIATE_TEST_SUITE_P(Magics, BadMagicTest,
                         testing::Values("kvr2.5", "KVR2.5x", "KVR2.", "KVR2.0 ", " KVR2.5", "",
                                         "KVR2.6", "Kvr2.0", "KVR2.5\n"));

TEST(DocumentLoad, SerializeReportsBadMagicThroughTheMark) {
  const Bytes bytes = WithMagic(WorkshopModel().SaveToBytes(), StringRecord("KVR9.9"));
  Archive in(bytes);
  CVelmarDoc doc;
  EXPECT_FALSE(doc.Serialize(in));
  EXPECT_EQ(doc.badFormat, 1);
}

// Cutting a valid file anywhere fails as a damaged file, leaves the fields
// as they were and never reads past the cut.
TEST(DocumentLoad, TruncationAtEveryOffsetFailsCleanly) {
  const Bytes full = LongTextModel().SaveToBytes();
  CVelmarDoc before = WorkshopModel();
  before.xLabel = "before";
  const Bytes beforeBytes = before.SaveToBytes();
  for (std::size_t n = 0; n < full.size(); ++n) {
    // Only offsets near the strings and every offset of the fixed part are
    // interesting; the long name's characters are sampled.
    if (n > 1000 && n + 2000 < full.size() && n % 997 != 0) continue;
    Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    cut.shrink_to_fit();
    CVelmarDoc doc = before;
    ASSERT_EQ(doc.LoadFromBytes(cut), LoadResult::Truncated) << "cut at " << n;
    ASSERT_EQ(doc.SaveToBytes(), beforeBytes) << "cut at " << n;
    ASSERT_EQ(doc.badFormat, 0) << "cut at " << n;
  }
}

TEST(DocumentLoad, StringLengthPastTheEndIsDamaged) {
  Bytes bytes = CVelmarDoc().SaveToBytes();
  // xLabel claims 0xFFFFFFF0 characters.
  bytes.erase(bytes.begin() + 7);
  bytes.insert(bytes.begin() + 7, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
  CVelmarDoc doc;
  EXPECT_EQ(doc.LoadFromBytes(bytes), LoadResult::Truncated);
  EXPECT_EQ(doc.xLabel, "");
}

struct RoundTripCase {
  const char* name;
  std::function<void(CVelmarDoc&)> change;
  std::function<bool(const CVelmarDoc&)> holds;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RoundTripCase& row, std::ostream* os) {
  *os << row.name;
}

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, SaveLoadSaveKeepsValuesAndBytes) {
  const RoundTripCase& c = GetParam();
  CVelmarDoc doc = WorkshopModel();
  c.change(doc);
  const Bytes first = doc.SaveToBytes();
  CVelmarDoc loaded;
  ASSERT_EQ(loaded.LoadFromBytes(first), LoadResult::Ok);
  EXPECT_TRUE(c.holds(loaded));
  EXPECT_EQ(loaded.SaveToBytes(), first);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTripTest,
    testing::Values(
        RoundTripCase{"minusOneSign", [](CVelmarDoc& d) { d.payoffSign = -1.0; },
                      [](const CVelmarDoc& d) { return d.payoffSign == -1.0; }},
        RoundTripCase{"unplacedLabelStaysUnplaced",
                      [](CVelmarDoc& d) { d.labelX[4] = d.payoffLabelY = NO_POINT; },
                      [](const CVelmarDoc& d) {
                        return d.labelX[4] == NO_POINT && d.payoffLabelY == NO_POINT;
                      }},
        RoundTripCase{"extremeFiniteValues",
                      [](CVelmarDoc& d) {
                        d.xMax = 1e308;
                        d.yZoom = 0.0;
                        d.lineC[1] = -0.0;
                      },
                      [](const CVelmarDoc& d) {
                        return d.xMax == 1e308 && d.yZoom == 0.0 && std::signbit(d.lineC[1]);
                      }},
        RoundTripCase{"extremeInts",
                      [](CVelmarDoc& d) {
                        d.decimals = std::numeric_limits<int>::min();
                        d.fillMode = std::numeric_limits<int>::max();
                      },
                      [](const CVelmarDoc& d) {
                        return d.decimals == std::numeric_limits<int>::min() &&
                               d.fillMode == std::numeric_limits<int>::max();
                      }},
        RoundTripCase{"longTexts", [](CVelmarDoc& d) { d = LongTextModel(); },
                      [](const CVelmarDoc& d) {
                        return d.xLabel == std::string(300, 'x') &&
                               d.lineName[1] == std::string(70000, 'm') && d.lineName[4] == "eq";
                      }},
        RoundTripCase{
            "bytesAboveAscii",
            [](CVelmarDoc& d) { d.lineName[3] = std::string("\xC3\xA9\0\xFF", 4); },
            [](const CVelmarDoc& d) { return d.lineName[3] == std::string("\xC3\xA9\0\xFF", 4); }}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(DocumentLoad, SerializeLoadsWhatSerializeStored) {
  CVelmarDoc source = LongTextModel();
  Archive out;
  ASSERT_TRUE(source.Serialize(out));
  Archive in(out.Bytes());
  CVelmarDoc doc;
  ASSERT_TRUE(doc.Serialize(in));
  EXPECT_EQ(doc.SaveToBytes(), out.Bytes());
  EXPECT_EQ(in.Remaining(), 0u);
}

}  // namespace
}  // namespace tessaro
