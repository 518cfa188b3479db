// Loading allocates in proportion to the file: a string length that points
// past the end is refused before anything is allocated for it, and a file
// of n bytes never costs more than a small multiple of n. The global
// operator new of this test program counts the bytes asked for while a
// load runs.

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "doc/file_store.h"
#include "doc/model_file.h"
#include "sample_models.h"
#include "temp_folder.h"

namespace {

std::atomic<bool> gCounting{false};
std::atomic<std::size_t> gAllocated{0};
std::atomic<std::size_t> gLargest{0};

}  // namespace

void* operator new(std::size_t size) {
  if (gCounting.load(std::memory_order_relaxed)) {
    gAllocated += size;
    if (size > gLargest) gLargest = size;
  }
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void operator delete(void* p) noexcept {
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes asked for while fn runs.
struct Allocation {
  std::size_t total = 0;
  std::size_t largest = 0;
};

template <typename Fn>
Allocation Measure(Fn fn) {
  gAllocated = 0;
  gLargest = 0;
  gCounting = true;
  fn();
  gCounting = false;
  return {gAllocated.load(), gLargest.load()};
}

// The X label's length prefix, right after the 7-byte magic record,
// replaced by the given bytes.
Bytes WithXLabelPrefix(const std::vector<std::uint8_t>& prefix) {
  Bytes bytes = EncodeModel(Model());
  bytes.erase(bytes.begin() + 7);  // the new document's empty X label: one byte 0
  bytes.insert(bytes.begin() + 7, prefix.begin(), prefix.end());
  return bytes;
}

struct MemoryCase {
  const char* name;
  Bytes bytes;
  DecodeStatus result;
};

void PrintTo(const MemoryCase& c, std::ostream* os) {
  *os << c.name;
}

std::vector<MemoryCase> Cases() {
  const Bytes longTexts = EncodeModel(test::LongTextModel());
  return {
      {"ByteLengthPastTheEnd", WithXLabelPrefix({0xFE}), DecodeStatus::Damaged},
      {"WordLengthPastTheEnd", WithXLabelPrefix({0xFF, 0xFD, 0xFF}), DecodeStatus::Damaged},
      {"LongLengthPastTheEnd", WithXLabelPrefix({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF}),
       DecodeStatus::Damaged},
      {"WideLengthPastTheEnd",
       WithXLabelPrefix({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
       DecodeStatus::Damaged},
      // Half of the 32-bit range in 16-bit units would be 4 GB of bytes.
      {"WideLengthJustPastTheEnd",
       WithXLabelPrefix({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x02, 0x00, 0x00}),
       DecodeStatus::Damaged},
      {"LongTextsWhole", longTexts, DecodeStatus::Ok},
      {"LongTextsCutInTheLongName", Bytes(longTexts.begin(), longTexts.begin() + 40000),
       DecodeStatus::Damaged},
  };
}

class LoadMemoryTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(LoadMemoryTest, StaysProportionalToTheFile) {
  const MemoryCase& c = GetParam();
  Model doc;
  DecodeStatus result = DecodeStatus::Ok;
  const Allocation a = Measure([&] { result = DecodeModel(c.bytes, doc); });
  EXPECT_EQ(result, c.result);
  // A string's bytes, its growth while it is built and its copy into the
  // document: a few times the file at most, never what a length claims.
  const std::size_t bound = 4 * c.bytes.size() + 4096;
  EXPECT_LE(a.total, bound) << "file of " << c.bytes.size() << " bytes";
  EXPECT_LE(a.largest, 2 * c.bytes.size() + 1024);
  // The count is live: a file made mostly of text costs at least its text.
  if (result == DecodeStatus::Ok) EXPECT_GE(a.total, c.bytes.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadMemoryTest, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadMemory, FileWithALengthPastItsEndReadsOnlyItsBytes) {
  test::TempFolder folder;
  const Bytes bytes = WithXLabelPrefix({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F});
  ASSERT_TRUE(test::WriteBytes(folder / "long.kvr", bytes));
  Model doc;
  std::string message;
  bool loaded = true;
  const Allocation a = Measure([&] { loaded = LoadModelFile(folder / "long.kvr", doc, message); });
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(message.empty());
  EXPECT_LE(a.largest, bytes.size() + 65536) << "the whole read buffer, nothing more";
}

}  // namespace
}  // namespace tessaro
