#include "doc/model_import.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/model_file.h"

namespace tessaro {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(GuessModelFileKind, SuffixFirstThenContent) {
  const std::vector<std::uint8_t> kvr = EncodeModel(Model());
  struct Row {
    const char* path;
    std::vector<std::uint8_t> bytes;
    ModelFileKind kind;
  };
  const Row rows[] = {
      {"a.LP", Bytes("NAME x\n"), ModelFileKind::Lp},
      {"a.Mps", Bytes("Maximize\n"), ModelFileKind::Mps},
      {"a.kvr", Bytes("Maximize\n"), ModelFileKind::Kvr},
      {"model", kvr, ModelFileKind::Kvr},
      {"model.txt", Bytes("\\ comment\n\n  Maximize\n obj: x\n"), ModelFileKind::Lp},
      {"model", Bytes("max: 3x + 2y\n"), ModelFileKind::Lp},
      {"model", Bytes("* comment\r\nNAME  TEST\r\n"), ModelFileKind::Mps},
      {"model", Bytes("ROWS\n"), ModelFileKind::Mps},
      {"model", Bytes("hello\n"), ModelFileKind::Kvr},
      {"model", Bytes(""), ModelFileKind::Kvr},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(GuessModelFileKind(r.path, r.bytes), r.kind) << r.path;
  }
}

}  // namespace
}  // namespace tessaro
