#include "cli/solve_json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/solve_command.h"
#include "doc/model_file.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(SolveJsonTest, NumbersReadBackExactly) {
  EXPECT_EQ(ExactNumber(-0.0), "0");
  EXPECT_EQ(ExactNumber(0.1), "0.1");
  EXPECT_EQ(ExactNumber(76.66666666666667), "76.66666666666667");
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> value(-1e6, 1e6);
  for (int i = 0; i < 1000; ++i) {
    const double v = value(rng) / (1 + i % 7);
    EXPECT_EQ(std::strtod(ExactNumber(v).c_str(), nullptr), v);
  }
}

TEST(SolveJsonTest, EscapesNamesAndWritesNullForEndlessLimits) {
  SolveReport r;
  r.result = SolveResult::Optimal;
  r.model.xLabel = "a\"b\\c";
  r.model.yLabel = std::string("caf\xe9\x01", 5);  // a Latin-1 byte and a control byte
  r.model.lines[2] = {"w\xc3\xa9", 1.0, 1.0, 4.0, 1, Relation::GreaterEqual, {}};
  r.sensitivity.status = SensitivityStatus::Ok;
  RowSensitivity row;
  row.row = 2;
  row.rhs = {std::nullopt, 4.0, 1.5, -std::numeric_limits<double>::infinity()};
  r.sensitivity.rows.push_back(row);
  const std::string json = SolveJson(r);
  EXPECT_NE(json.find("\"name\":\"a\\\"b\\\\c\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"name\":\"caf\xc3\xa9\\u0001\""), std::string::npos) << json;
  EXPECT_NE(json.find("{\"row\":3,\"name\":\"w\xc3\xa9\",\"relation\":\">=\",\"rhs\":4,"
                      "\"slack\":0,\"binds\":false,\"shadow_price\":1.5,\"rhs_lower\":null,"
                      "\"rhs_upper\":4}"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.back(), '\n');
  EXPECT_EQ(json.find('\n'), json.size() - 1);
}

class SolveJsonFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessaro-json-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Save(const std::string& name, const std::vector<Line>& lines) {
    Model m;
    m.xLabel = "X";
    m.yLabel = "Y";
    m.payoff.a = 3;
    m.payoff.b = 2;
    for (std::size_t i = 0; i < lines.size(); ++i) m.lines[i] = lines[i];
    const std::vector<std::uint8_t> bytes = EncodeModel(m);
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return path;
  }

  fs::path dir_;
};

TEST_F(SolveJsonFilesTest, OneLinePerFileWithTheWorstStatus) {
  const Line le{"c1", 1, 1, 4, 1, Relation::LessEqual, {}};
  const Line cap{"c2", 1, 0, 3, 1, Relation::LessEqual, {}};
  const Line ge{"c3", 1, 1, 10, 1, Relation::GreaterEqual, {}};
  const std::string optimal = Save("optimal.kvr", {le, cap});
  const std::string infeasible = Save("infeasible.kvr", {le, ge});
  const std::string unbounded = Save("unbounded.kvr", {ge});
  const std::string missing = (dir_ / "missing.kvr").string();

  std::ostringstream out;
  EXPECT_EQ(RunSolveJson({optimal, infeasible, unbounded}, true, out), 2);
  EXPECT_EQ(RunSolveJson({optimal, missing, infeasible}, true, out), 1);
  EXPECT_EQ(RunSolveJson({optimal}, true, out), 0);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 7u);
  // Maximize 3X + 2Y with X + Y <= 4, X <= 3: the corner (3, 1).
  const std::string optimum =
      "\"result\":\"optimal\",\"direction\":\"max\",\"payoff\":11,\"points\":[[3,1]],"
      "\"degenerate\":false,\"constraints\":["
      "{\"row\":1,\"name\":\"c1\",\"relation\":\"<=\",\"rhs\":4,\"slack\":0,\"binds\":true,"
      "\"shadow_price\":2,\"rhs_lower\":3,\"rhs_upper\":null},"
      "{\"row\":2,\"name\":\"c2\",\"relation\":\"<=\",\"rhs\":3,\"slack\":0,\"binds\":true,"
      "\"shadow_price\":1,\"rhs_lower\":0,\"rhs_upper\":4}],"
      "\"variables\":{\"x\":{\"name\":\"X\",\"value\":3,\"reduced_cost\":0,\"cost_lower\":2,"
      "\"cost_upper\":null},\"y\":{\"name\":\"Y\",\"value\":1,\"reduced_cost\":0,"
      "\"cost_lower\":0,\"cost_upper\":3}}}";
  EXPECT_EQ(lines[0], "{\"file\":\"" + optimal + "\"," + optimum);
  EXPECT_EQ(lines[1], "{\"file\":\"" + infeasible +
                          "\",\"result\":\"infeasible\",\"direction\":\"max\","
                          "\"message\":\"Infeasible Solution!\"}");
  EXPECT_EQ(lines[2], "{\"file\":\"" + unbounded +
                          "\",\"result\":\"unbounded\",\"direction\":\"max\","
                          "\"message\":\"Unbounded Constraints!\"}");
  EXPECT_EQ(lines[4].rfind("{\"file\":\"" + missing + "\",\"result\":\"error\",\"message\":", 0),
            0u)
      << lines[4];
  EXPECT_EQ(lines[6], "{" + optimum);  // one file: no "file" key
}

}  // namespace
}  // namespace tessaro
