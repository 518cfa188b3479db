#include "cli/solve_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/file_store.h"
#include "doc/model_file.h"
#include "model/constants.h"
#include "support/model_edit.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

struct Constraint {
  double a;
  double sign;
  double b;
  double relation;
  double c;
};

Document MakeDoc(const std::vector<Constraint>& lines, double px, double py, int decimals = 2) {
  Document doc;
  EditModel(doc)->xLabel = "X";
  EditModel(doc)->yLabel = "Y";
  EditModel(doc)->decimals = decimals;
  EditModel(doc)->payoff.a = px;
  EditModel(doc)->payoff.b = py;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EditModel(doc)->lines[i].name = "c" + std::to_string(i + 1);
    EditModel(doc)->lines[i].a = lines[i].a;
    EditModel(doc)->lines[i].sign = lines[i].sign;
    EditModel(doc)->lines[i].b = lines[i].b;
    EditModel(doc)->lines[i].relation = RelationOfCode(lines[i].relation);
    EditModel(doc)->lines[i].c = lines[i].c;
  }
  return doc;
}

// The report's "key: value" lines; a key may repeat.
std::multimap<std::string, std::string> Parse(const std::string& text) {
  std::multimap<std::string, std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos) continue;
    out.emplace(line.substr(0, colon), line.substr(colon + 2));
  }
  return out;
}

std::vector<std::string> Values(const std::multimap<std::string, std::string>& m,
                                const std::string& key) {
  std::vector<std::string> out;
  const auto range = m.equal_range(key);
  for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
  return out;
}

class SolveCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessaro-solve-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Save(const Document& doc) {
    const std::string path = (dir_ / "model.kvr").string();
    std::string message;
    EXPECT_TRUE(SaveModelFile(path, doc.model(), message)) << message;
    return path;
  }

  int Run(const std::string& path, bool maximize) {
    out_.str("");
    err_.str("");
    return RunSolveCommand(path, maximize, out_, err_);
  }

  fs::path dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SolveCommandTest, ReportsOptimumSlacksAndProbes) {
  // Maximize 3X + 2Y with X + Y <= 4, X <= 3 and a slack Y <= 10.
  const std::string path =
      Save(MakeDoc({{1, 1, 1, REL_LE, 4}, {1, 1, 0, REL_LE, 3}, {0, 1, 1, REL_LE, 10}}, 3, 2));
  ASSERT_EQ(Run(path, true), 0) << err_.str();
  const auto report = Parse(out_.str());
  EXPECT_EQ(Values(report, "direction"), std::vector<std::string>{"max"});
  EXPECT_EQ(Values(report, "payoff"), std::vector<std::string>{"11.00"});
  EXPECT_EQ(Values(report, "point"), std::vector<std::string>{"3.00 1.00"});
  const std::vector<std::string> decisions = Values(report, "decisions");
  ASSERT_EQ(decisions.size(), 1u);
  EXPECT_NE(decisions[0].find("(3.00, 1.00)"), std::string::npos) << decisions[0];
  EXPECT_EQ(Values(report, "name"), (std::vector<std::string>{"c1", "c2", "c3"}));
  EXPECT_EQ(Values(report, "slack"), (std::vector<std::string>{"0.00", "0.00", "9.00"}));
  EXPECT_EQ(Values(report, "binds"), (std::vector<std::string>{"yes", "yes", "no"}));
  EXPECT_EQ(Values(report, "probe+1"), (std::vector<std::string>{"2.00", "1.00", "0.00"}));
  EXPECT_EQ(Values(report, "probe-1"), (std::vector<std::string>{"-2.00", "-1.00", "0.00"}));
  const std::vector<std::string> texts = Values(report, "text");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].rfind("c1:", 0), 0u) << texts[0];
  EXPECT_NE(texts[0].find("4.00"), std::string::npos) << texts[0];
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(SolveCommandTest, BindingIsMeasuredAgainstTheRowsOwnSize) {
  // The optimum (3, 1) of 3X + 2Y: X + Y <= 4 binds; the tiny row
  // 1e-6 X + 1e-6 Y <= 4.5e-6 leaves half a unit of X + Y and does not; the
  // huge row 1e6 X <= 3e6 binds.
  const std::string path = Save(MakeDoc(
      {{1, 1, 1, REL_LE, 4}, {1e-6, 1, 1e-6, REL_LE, 4.5e-6}, {1e6, 1, 0, REL_LE, 3e6}}, 3, 2));
  ASSERT_EQ(Run(path, true), 0) << err_.str();
  const auto report = Parse(out_.str());
  EXPECT_EQ(Values(report, "point"), std::vector<std::string>{"3.00 1.00"});
  EXPECT_EQ(Values(report, "binds"), (std::vector<std::string>{"yes", "no", "yes"}));
}

TEST_F(SolveCommandTest, MinimizesWhenAsked) {
  const std::string path = Save(MakeDoc({{1, 1, 1, REL_GE, 4}, {1, 1, 0, REL_LE, 3}}, 3, 2));
  ASSERT_EQ(Run(path, false), 0);
  const auto report = Parse(out_.str());
  EXPECT_EQ(Values(report, "direction"), std::vector<std::string>{"min"});
  EXPECT_EQ(Values(report, "payoff"), std::vector<std::string>{"8.00"});
  EXPECT_EQ(Values(report, "probe+1")[0], "2.00");
}

TEST_F(SolveCommandTest, FarBoundsComeFromTheFileRanges) {
  // (180, 10) lies beyond the far bound a view has before its first refresh
  // (x <= 166.67) but inside the one of the file's ranges (x <= 283.33).
  const std::string path = Save(MakeDoc({{1, 1, 0, REL_LE, 180}, {0, 1, 1, REL_LE, 10}}, 1, 1));
  ASSERT_EQ(Run(path, true), 0) << out_.str();
  EXPECT_EQ(Values(Parse(out_.str()), "payoff"), std::vector<std::string>{"190.00"});
}

TEST_F(SolveCommandTest, LatticeModeFromTheFile) {
  Document doc = MakeDoc({{2, 1, 2, REL_LE, 7}}, 1, 1);
  EditModel(doc)->integerDots = (1) != 0;
  ASSERT_EQ(Run(Save(doc), true), 0) << out_.str();
  EXPECT_EQ(Values(Parse(out_.str()), "payoff"), std::vector<std::string>{"3.00"});
}

struct NoOptimumCase {
  std::string name;
  friend void PrintTo(const NoOptimumCase& c, std::ostream* os) { *os << c.name; }
  std::vector<Constraint> lines;
  bool maximize;
  std::string message;
};

class SolveCommandNoOptimumTest : public SolveCommandTest,
                                  public ::testing::WithParamInterface<NoOptimumCase> {};

TEST_P(SolveCommandNoOptimumTest, ExitsWithTwo) {
  const NoOptimumCase& c = GetParam();
  ASSERT_EQ(Run(Save(MakeDoc(c.lines, 1, 1)), c.maximize), 2);
  const auto report = Parse(out_.str());
  EXPECT_EQ(Values(report, "message"), std::vector<std::string>{c.message});
  EXPECT_TRUE(Values(report, "payoff").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Models, SolveCommandNoOptimumTest,
    ::testing::Values(NoOptimumCase{"Infeasible",
                                    {{1, 1, 1, REL_GE, 10}, {1, 1, 1, REL_LE, 5}},
                                    true,
                                    "Infeasible Solution!"},
                      NoOptimumCase{
                          "Unbounded", {{1, 1, 1, REL_GE, 2}}, true, "Unbounded Constraints!"}),
    [](const ::testing::TestParamInfo<NoOptimumCase>& info) { return info.param.name; });

struct BadFileCase {
  std::string name;
  friend void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }
  std::vector<std::uint8_t> bytes;  // empty: no file at all
  std::string message;
};

class SolveCommandBadFileTest : public SolveCommandTest,
                                public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(SolveCommandBadFileTest, ExitsWithOne) {
  const BadFileCase& c = GetParam();
  const std::string path = (dir_ / "bad.kvr").string();
  if (!c.bytes.empty()) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(c.bytes.data()),
               static_cast<std::streamsize>(c.bytes.size()));
  }
  EXPECT_EQ(Run(path, true), 1);
  EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  // A command line has no OK button to click.
  EXPECT_EQ(err_.str().find("Please click"), std::string::npos) << err_.str();
  EXPECT_TRUE(out_.str().empty()) << out_.str();
}

std::vector<std::uint8_t> Truncated() {
  std::vector<std::uint8_t> bytes = EncodeModel(Model());
  bytes.resize(bytes.size() / 2);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SolveCommandBadFileTest,
    ::testing::Values(BadFileCase{"Missing", {}, "bad.kvr"},
                      BadFileCase{"WrongMagic",
                                  {6, 'K', 'V', 'R', '9', '.', '9', 0, 0, 0},
                                  "bad.kvr\": This file is not in KVR format.\n"},
                      BadFileCase{"Truncated", Truncated(), MSG_UNEXPECTED_FORMAT}),
    [](const ::testing::TestParamInfo<BadFileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
