// The sample model files of tests/data: each is made here from a model, so
// the committed bytes pin the file format down. Running this test with
// TESSARO_WRITE_TEST_DATA=1 writes them afresh.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "doc/file_store.h"
#include "doc/velmar_doc.h"
#include "sample_models.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::StringRecord;
using test::WithMagic;
using test::WorkshopModel;

Bytes Version20() {
  CVelmarDoc d = WorkshopModel();
  d.decimals = 3;
  Bytes b = WithMagic(d.SaveToBytes(), StringRecord("KVR2.0"));
  b.resize(b.size() - 4);
  return b;
}

Bytes WideStrings() {
  CVelmarDoc d = WorkshopModel();
  d.xLabel.clear();
  Bytes b = d.SaveToBytes();
  // xLabel "Größe" as 16-bit characters.
  const Bytes wide = {0xFF, 0xFE, 0xFF, 0x05, 'G', 0, 'r', 0, 0xF6, 0, 0xDF, 0, 'e', 0};
  b.erase(b.begin() + 7);
  b.insert(b.begin() + 7, wide.begin(), wide.end());
  return b;
}

Bytes OddValues() {
  CVelmarDoc d = WorkshopModel();
  d.xMax = std::numeric_limits<double>::quiet_NaN();
  d.xZoom = 0.0;
  d.yZoom = std::numeric_limits<double>::infinity();
  d.yMin = -1e308;
  d.lineSign[1] = 0.5;
  d.lineRelation[2] = 7.0;
  d.lineC[0] = -std::numeric_limits<double>::infinity();
  d.decimals = 10000;
  d.fillMode = -4;
  return d.SaveToBytes();
}

// Odd values the form guards itself: a zoom of 0, a huge decimals count, an
// unknown fill mode and a range at the end of the doubles.
Bytes GuardedValues() {
  CVelmarDoc d = WorkshopModel();
  d.xZoom = 0.0;
  d.yMin = -1e308;
  d.decimals = 10000;
  d.fillMode = -4;
  return d.SaveToBytes();
}

Bytes Cut(Bytes b, std::size_t n) {
  b.resize(n);
  return b;
}

Bytes StringPastEnd() {
  Bytes b = WorkshopModel().SaveToBytes();
  b.erase(b.begin() + 7, b.begin() + 14);  // "chairs" and its length
  b.insert(b.begin() + 7, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
  return b;
}

struct SampleFile {
  const char* name;  // under tests/data
  std::function<Bytes()> make;
  bool loads;
  const char* message;  // the message of a refused file
  std::function<bool(const CVelmarDoc&)> check;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const SampleFile& row, std::ostream* os) {
  *os << row.name;
}

bool Unchecked(const CVelmarDoc&) {
  return true;
}

std::vector<SampleFile> SampleFiles() {
  return {
      {"valid/new.kvr", [] { return CVelmarDoc().SaveToBytes(); }, true, "",
       [](const CVelmarDoc& d) { return d.xMax == 200.0 && d.labelsOn == 1; }},
      {"valid/workshop.kvr", [] { return WorkshopModel().SaveToBytes(); }, true, "",
       [](const CVelmarDoc& d) { return d.lineName[1] == "labour" && d.decimals == 2; }},
      {"valid/long_texts.kvr", [] { return test::LongTextModel().SaveToBytes(); }, true, "",
       [](const CVelmarDoc& d) { return d.lineName[1].size() == 70000 && d.lineSign[1] == -1; }},
      {"valid/version20.kvr", Version20, true, "",
       [](const CVelmarDoc& d) { return d.decimals == 3 && d.yLabel == "tables"; }},
      {"valid/wide_strings.kvr", WideStrings, true, "",
       [](const CVelmarDoc& d) {
         return d.xLabel ==
                "Gr\xC3\xB6\xC3\x9F"
                "e";
       }},
      {"valid/guarded_values.kvr", GuardedValues, true, "",
       [](const CVelmarDoc& d) { return d.xZoom == 0 && d.decimals == 10000; }},
      {"damaged/odd_values.kvr", OddValues, false,
       "Unexpected file format.\nThe right-hand side of constraint 1 is -inf; it must be a finite "
       "number.",
       [](const CVelmarDoc& d) { return d.xZoom == 6.0; }},
      {"valid/trailing_bytes.kvr",
       [] {
         Bytes b = WorkshopModel().SaveToBytes();
         b.insert(b.end(), {'e', 'x', 't', 'r', 'a'});
         return b;
       },
       true, "", [](const CVelmarDoc& d) { return d.fillMode == 1; }},
      {"damaged/bad_magic_case.kvr",
       [] { return WithMagic(WorkshopModel().SaveToBytes(), StringRecord("kvr2.5")); }, false,
       MSG_NOT_KVR, [](const CVelmarDoc& d) { return d.badFormat == 1 && d.xLabel.empty(); }},
      {"damaged/bad_magic_long.kvr",
       [] { return WithMagic(WorkshopModel().SaveToBytes(), StringRecord("KVR2.5x")); }, false,
       MSG_NOT_KVR, [](const CVelmarDoc& d) { return d.badFormat == 1; }},
      {"damaged/empty.kvr", [] { return Bytes(); }, false, MSG_UNEXPECTED_FORMAT, Unchecked},
      {"damaged/truncated.kvr", [] { return Cut(WorkshopModel().SaveToBytes(), 300); }, false,
       MSG_UNEXPECTED_FORMAT, [](const CVelmarDoc& d) { return d.xLabel.empty(); }},
      {"damaged/no_second_decimals.kvr",
       [] {
         Bytes b = WorkshopModel().SaveToBytes();
         return Cut(b, b.size() - 4);
       },
       false, MSG_UNEXPECTED_FORMAT, Unchecked},
      {"damaged/string_past_end.kvr", StringPastEnd, false, MSG_UNEXPECTED_FORMAT, Unchecked},
  };
}

class SampleFileTest : public testing::TestWithParam<SampleFile> {};

std::string DataPath(const char* name) {
  return std::string(TESSARO_TEST_DATA) + "/" + name;
}

TEST_P(SampleFileTest, CommittedBytesMatchTheModel) {
  const SampleFile& s = GetParam();
  const std::string path = DataPath(s.name);
  const Bytes expected = s.make();
  const char* write = std::getenv("TESSARO_WRITE_TEST_DATA");
  if (write != nullptr && std::string(write) == "1") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(test::WriteBytes(path, expected));
  }
  EXPECT_EQ(test::ReadBytes(path), expected) << path;
}

TEST_P(SampleFileTest, LoadsOrIsRefusedWithItsMessage) {
  const SampleFile& s = GetParam();
  CVelmarDoc doc;
  std::string message;
  EXPECT_EQ(LoadDocumentFile(DataPath(s.name), doc, message), s.loads) << message;
  if (!s.loads) EXPECT_EQ(message, s.message);
  EXPECT_TRUE(s.check(doc));
}

INSTANTIATE_TEST_SUITE_P(Data, SampleFileTest, testing::ValuesIn(SampleFiles()),
                         [](const testing::TestParamInfo<SampleFile>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return n;
                         });

}  // namespace
}  // namespace tessaro
