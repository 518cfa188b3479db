// The sample model files of tests/data: each is made here from a model, so
// the committed bytes pin the file format down. Running this test with
// TESSARO_WRITE_TEST_DATA=1 writes them afresh.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "doc/file_store.h"
#include "doc/model_file.h"
#include "sample_models.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::StringRecord;
using test::WithMagic;
using test::WorkshopModel;

Bytes Version20() {
  Model d = WorkshopModel();
  d.decimals = 3;
  Bytes b = WithMagic(EncodeModel(d), StringRecord("KVR2.0"));
  b.resize(b.size() - 4);
  return b;
}

Bytes WideStrings() {
  Model d = WorkshopModel();
  d.xLabel.clear();
  Bytes b = EncodeModel(d);
  // xLabel "Größe" as 16-bit characters.
  const Bytes wide = {0xFF, 0xFE, 0xFF, 0x05, 'G', 0, 'r', 0, 0xF6, 0, 0xDF, 0, 'e', 0};
  b.erase(b.begin() + 7);
  b.insert(b.begin() + 7, wide.begin(), wide.end());
  return b;
}

// Where the sign of line i is stored in the file of m (its relation code
// follows 8 bytes later); every text of m is shorter than 255 bytes.
std::size_t LineSignOffset(const Model& m, int i) {
  std::size_t pos = 7 + 1 + m.xLabel.size() + 48 + 1 + m.yLabel.size() + 96 + 48 + 4 + 24;
  for (const Line& line : m.lines) pos += 1 + line.name.size();
  return pos + 32 * static_cast<std::size_t>(i);
}

void PutDouble(Bytes& b, std::size_t offset, double v) {
  const auto raw = std::bit_cast<std::uint64_t>(v);
  for (std::size_t k = 0; k < 8; ++k) b.at(offset + k) = static_cast<std::uint8_t>(raw >> (8 * k));
}

// The fill mode is the last int but the second decimals.
void PutFillMode(Bytes& b, std::int32_t v) {
  const auto raw = static_cast<std::uint32_t>(v);
  for (std::size_t k = 0; k < 4; ++k)
    b.at(b.size() - 8 + k) = static_cast<std::uint8_t>(raw >> (8 * k));
}

// Values a model file may hold but a model never does: a sign of 0.5, a
// relation code of 7 and a fill mode of -4, written into the bytes.
Bytes WithOddCodes(const Model& d) {
  Bytes b = EncodeModel(d);
  PutDouble(b, LineSignOffset(d, 1), 0.5);
  PutDouble(b, LineSignOffset(d, 2) + 8, 7.0);
  PutFillMode(b, -4);
  return b;
}

Bytes OddValues() {
  Model d = WorkshopModel();
  d.xMax = std::numeric_limits<double>::quiet_NaN();
  d.xZoom = 0.0;
  d.yZoom = std::numeric_limits<double>::infinity();
  d.yMin = -1e308;
  d.lines[0].c = -std::numeric_limits<double>::infinity();
  d.decimals = 10000;
  return WithOddCodes(d);
}

// Odd values the form guards itself: a zoom of 0, a huge decimals count, an
// unknown fill mode and a range at the end of the doubles.
Bytes GuardedValues() {
  Model d = WorkshopModel();
  d.xZoom = 0.0;
  d.yMin = -1e308;
  d.decimals = 10000;
  Bytes b = EncodeModel(d);
  PutFillMode(b, -4);
  return b;
}

Bytes Cut(Bytes b, std::size_t n) {
  b.resize(n);
  return b;
}

Bytes StringPastEnd() {
  Bytes b = EncodeModel(WorkshopModel());
  b.erase(b.begin() + 7, b.begin() + 14);  // "chairs" and its length
  b.insert(b.begin() + 7, {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
  return b;
}

struct SampleFile {
  const char* name;  // under tests/data
  std::function<Bytes()> make;
  bool loads;
  const char* message;  // the message of a refused file
  std::function<bool(const Model&)> check;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const SampleFile& row, std::ostream* os) {
  *os << row.name;
}

bool Unchecked(const Model&) {
  return true;
}

std::vector<SampleFile> SampleFiles() {
  return {
      {"valid/new.kvr", [] { return EncodeModel(Model()); }, true, "",
       [](const Model& d) { return d.xMax == 200.0 && d.labels == 1; }},
      {"valid/workshop.kvr", [] { return EncodeModel(WorkshopModel()); }, true, "",
       [](const Model& d) { return d.lines[1].name == "labour" && d.decimals == 2; }},
      {"valid/long_texts.kvr", [] { return EncodeModel(test::LongTextModel()); }, true, "",
       [](const Model& d) { return d.lines[1].name.size() == 70000 && d.lines[1].sign == -1; }},
      {"valid/version20.kvr", Version20, true, "",
       [](const Model& d) { return d.decimals == 3 && d.yLabel == "tables"; }},
      {"valid/wide_strings.kvr", WideStrings, true, "",
       [](const Model& d) {
         return d.xLabel ==
                "Gr\xC3\xB6\xC3\x9F"
                "e";
       }},
      {"valid/guarded_values.kvr", GuardedValues, true, "",
       [](const Model& d) { return d.xZoom == 0 && d.decimals == 10000; }},
      {"damaged/odd_values.kvr", OddValues, false,
       "Unexpected file format.\nThe right-hand side of constraint 1 is -inf; it must be a finite "
       "number.",
       [](const Model& d) { return d.xZoom == 6.0; }},
      {"valid/trailing_bytes.kvr",
       [] {
         Bytes b = EncodeModel(WorkshopModel());
         b.insert(b.end(), {'e', 'x', 't', 'r', 'a'});
         return b;
       },
       true, "", [](const Model& d) { return d.fill == FillMode::Color; }},
      {"damaged/bad_magic_case.kvr",
       [] { return WithMagic(EncodeModel(WorkshopModel()), StringRecord("kvr2.5")); }, false,
       MSG_NOT_KVR, [](const Model& d) { return d.xLabel.empty(); }},
      {"damaged/bad_magic_long.kvr",
       [] { return WithMagic(EncodeModel(WorkshopModel()), StringRecord("KVR2.5x")); }, false,
       MSG_NOT_KVR, Unchecked},
      {"damaged/empty.kvr", [] { return Bytes(); }, false, MSG_UNEXPECTED_FORMAT, Unchecked},
      {"damaged/truncated.kvr", [] { return Cut(EncodeModel(WorkshopModel()), 300); }, false,
       MSG_UNEXPECTED_FORMAT, [](const Model& d) { return d.xLabel.empty(); }},
      {"damaged/no_second_decimals.kvr",
       [] {
         Bytes b = EncodeModel(WorkshopModel());
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
  Model doc;
  std::string message;
  EXPECT_EQ(LoadModelFile(DataPath(s.name), doc, message), s.loads) << message;
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
