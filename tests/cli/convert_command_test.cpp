#include "cli/convert_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "../doc/temp_folder.h"
#include "doc/file_store.h"
#include "doc/model_file.h"

namespace tessaro {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(ConvertCommand, ExampleModelGoesThroughLpAndMpsAndBack) {
  TempFolder folder;
  const std::string example = std::string(TESSARO_SOURCE_DIR) + "/examples/production.kvr";
  Model original;
  ASSERT_EQ(DecodeModel(ReadBytes(example), original), DecodeStatus::Ok);
  for (const auto& [to, from, suffix] :
       {std::tuple{Conversion::ToLp, Conversion::FromLp, ".lp"},
        std::tuple{Conversion::ToMps, Conversion::FromMps, ".mps"}}) {
    std::ostringstream out, err;
    const std::string text = folder / (std::string("m") + suffix);
    ASSERT_EQ(RunConvertCommand(to, example, text, Sense::Minimize, out, err), 0) << err.str();
    ASSERT_EQ(RunConvertCommand(from, text, folder / "back.kvr", Sense::Maximize, out, err), 0)
        << err.str();
    Model back;
    ASSERT_EQ(DecodeModel(ReadBytes(folder / "back.kvr"), back), DecodeStatus::Ok);
    EXPECT_EQ(back.xLabel, original.xLabel);
    for (int i = 0; i < kLineCount; ++i) {
      EXPECT_EQ(back.lines[i].name, original.lines[i].name);
      EXPECT_EQ(back.lines[i].yCoefficient(), original.lines[i].yCoefficient());
      EXPECT_EQ(back.lines[i].c, original.lines[i].c);
    }
    EXPECT_EQ(back.payoff.a, original.payoff.a);
  }
}

TEST(ConvertCommand, FailuresNameTheFileAndLeaveNoOutput) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder / "bad.lp", Bytes("Maximize\n x + y + z\nEnd\n")));
  ASSERT_TRUE(WriteBytes(folder / "text.kvr", Bytes("this is not a model file at all")));
  struct Row {
    Conversion conversion;
    std::string input;
    std::string message;
  };
  const Row rows[] = {
      {Conversion::FromLp, folder / "bad.lp", "bad.lp: line 2: a third variable 'z'"},
      {Conversion::FromMps, folder / "missing.mps", "missing.mps"},
      {Conversion::ToLp, folder / "text.kvr", "text.kvr: not a model file"},
  };
  for (const Row& r : rows) {
    std::ostringstream out, err;
    EXPECT_EQ(RunConvertCommand(r.conversion, r.input, folder / "out", Sense::Maximize, out, err),
              1);
    EXPECT_NE(err.str().find(r.message), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder / "out")) << r.input;
  }
}

}  // namespace
}  // namespace tessaro
