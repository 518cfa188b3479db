#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver/solution.h"
#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Ge;
using test::Le;
using test::Line;

struct FailureCase {
  std::string name;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
  std::vector<Line> lines;
  double px;
  double py;
  bool maximize;
  std::string message;
  MsgIcon icon;
  bool keepsList;
};

class SolveFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SolveFailureTest, ShowsMessageAndKeepsPayoffLevel) {
  const FailureCase& c = GetParam();
  test::SolverView v;
  // An optimum left over from an earlier solve of another model.
  v.SetLines({Le(1, 1, 4)});
  v.SetPayoff(1, 1, 1);
  v.view.run(FormCommand::AutoMax);
  ASSERT_FALSE(v.view.optimum().empty());

  {
    ModelEdit m = EditModel(v.doc);
    m->payoff.level = 7.5;
  }
  v.SetPayoff(c.px, 1, c.py);
  v.SetLines({});
  {
    ModelEdit m = EditModel(v.doc);
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      m->lines[i].a = c.lines[i].a;
      m->lines[i].b = c.lines[i].b;
      m->lines[i].relation = RelationOfCode(c.lines[i].relation);
      m->lines[i].c = c.lines[i].c;
    }
  }
  v.host.messages.clear();

  v.view.run(c.maximize ? FormCommand::AutoMax : FormCommand::AutoMin);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, c.message);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(v.host.messages[0].icon, c.icon);
  EXPECT_EQ(v.doc.model().payoff.level, 7.5);
  // A solve that finds no optimum changes nothing.
  EXPECT_FALSE(v.doc.isModified());
  EXPECT_EQ(!v.view.optimum().empty(), c.keepsList);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SolveFailureTest,
    ::testing::Values(
        FailureCase{"NoPayoff", {Le(1, 1, 4)}, 0, 0, true, MSG_NO_PAYOFF, MsgIcon::None, false},
        FailureCase{"InfeasibleMax",
                    {Ge(1, 1, 10), Le(1, 1, 5)},
                    1,
                    1,
                    true,
                    MSG_INFEASIBLE,
                    MsgIcon::Exclamation,
                    false},
        FailureCase{"InfeasibleMin",
                    {Ge(1, 1, 10), Le(1, 1, 5)},
                    1,
                    1,
                    false,
                    MSG_INFEASIBLE,
                    MsgIcon::Exclamation,
                    false},
        FailureCase{
            "UnboundedMax", {Ge(1, 1, 2)}, 1, 1, true, MSG_UNBOUNDED, MsgIcon::Exclamation, true},
        FailureCase{"UnboundedMin",
                    {Ge(1, 0, 2)},
                    -1,
                    0,
                    false,
                    MSG_UNBOUNDED,
                    MsgIcon::Exclamation,
                    true}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(SolveReportTest, WritesTruncatedLevelEverywhere) {
  // Maximize x + y with 3x + 3y <= 10: optimum 10/3, shown with 2 decimals.
  test::SolverView v;
  v.SetLines({Le(3, 3, 10)});
  v.SetPayoff(1, 1, 1);
  v.view.run(FormCommand::AutoMax);
  ASSERT_FALSE(v.view.optimum().empty());
  EXPECT_TRUE(v.host.messages.empty());
  EXPECT_EQ(v.doc.model().payoff.level, 3.33);
  EXPECT_TRUE(v.doc.isModified());
  const std::string& payoffText = v.host.fields[ctl::PAYOFF];
  EXPECT_NE(payoffText.find(" = "), std::string::npos) << payoffText;
  EXPECT_NE(payoffText.find("3.33"), std::string::npos) << payoffText;
  EXPECT_NE(v.host.panes[2].find("(3.33, 0.00)"), std::string::npos) << v.host.panes[2];

  // The minimum of -x - y is cut toward zero as well.
  v.SetPayoff(-1, 1, 1);
  v.view.run(FormCommand::AutoMin);
  ASSERT_FALSE(v.view.optimum().empty());
  EXPECT_EQ(v.doc.model().payoff.level, -3.33);
}

TEST(SolveReportTest, AutoCommandsSetDirectionAndTakeSnapshot) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Le(1, 0, 3)});
  v.SetPayoff(3, 1, 2);
  // After Copy, Undo would go to the field with the focus.
  v.view.run(FormCommand::Copy);
  ASSERT_EQ(v.host.editRequests.size(), 1u);
  v.view.run(FormCommand::AutoMax);
  EXPECT_EQ(v.view.solveDirection(), 1);
  EXPECT_EQ(v.doc.undoName(), "Auto Max");
  EXPECT_EQ(v.doc.model().payoff.level, 11.0);
  EXPECT_EQ(v.host.spinPosition, 2);
  // Auto Max began a change of the model: Undo goes to the history again.
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.host.editRequests.size(), 1u);
  EXPECT_EQ(v.doc.model().payoff.level, 0.0);
  v.view.run(FormCommand::Redo);
  ASSERT_EQ(v.doc.model().payoff.level, 11.0);
  v.view.run(FormCommand::AutoMin);
  EXPECT_EQ(v.view.solveDirection(), -1);
  EXPECT_EQ(v.doc.model().payoff.level, 0.0);
  // Undoing Auto Min brings back the level Auto Max had reached.
  EXPECT_EQ(v.doc.undoName(), "Auto Min");
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().payoff.level, 11.0);
}

struct LineCase {
  std::string name;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
  bool maximize;
  std::vector<double> xs;
  std::vector<double> ys;
  int decimals;
  std::string expected;
};

class ResultsLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ResultsLineTest, Text) {
  const LineCase& c = GetParam();
  Model m;
  m.xLabel = "X";
  m.yLabel = "Y";
  m.xMax = 20;
  m.xZoom = 10;  // outer mark at x = 45
  m.yMax = 20;
  m.yZoom = 10;  // outer mark at y = 40
  m.decimals = c.decimals;
  std::vector<PlanePoint> points;
  for (std::size_t k = 0; k < c.xs.size(); ++k) points.push_back({c.xs[k], c.ys[k]});
  EXPECT_EQ(OptimizerResultsLine(m, points, c.maximize ? Goal::Maximize : Goal::Minimize),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ResultsLineTest,
    ::testing::Values(
        LineCase{"TwoPoints",
                 true,
                 {4, 6},
                 {2, 0},
                 2,
                 "Optimal Decisions(X,Y): (4.00, 2.00) (6.00, 0.00)"},
        LineCase{"DuplicateSkipped",
                 true,
                 {4, NO_POINT, 6},
                 {2, NO_POINT, 0},
                 0,
                 "Optimal Decisions(X,Y): (   4,    2) (   6,    0)"},
        LineCase{"OuterMarkWhenMaximizing",
                 true,
                 {45, 3},
                 {1, 40},
                 1,
                 "Optimal Decisions(X,Y): (##,##) (##,##)"},
        LineCase{"NoOuterMarkWhenMinimizing",
                 false,
                 {45},
                 {1},
                 1,
                 "Optimal Decisions(X,Y): (45.0,  1.0)"},
        LineCase{
            "WideNumbers", false, {12345.5}, {-3}, 1, "Optimal Decisions(X,Y): (12345.5, -3.0)"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(ResultsLineTest, LongListIsWrittenInFull) {
  Model m;
  m.xLabel = std::string(150, 'x');
  m.yLabel = "Y";
  m.decimals = 30;
  std::vector<PlanePoint> points;
  for (int k = 0; k < MAX_OPTIMAL; ++k) points.push_back({static_cast<double>(k), 1.0 / 3.0});
  const std::string line = OptimizerResultsLine(m, points, Goal::Minimize);
  // Head 172 characters; pieces " (" x ", " y ")" with 32-character numbers,
  // 33 for x from 10 on: 10 * 69 + 10 * 70.
  EXPECT_EQ(line.size(), 172u + 690u + 700u);
  // 1/3 printed exactly to 30 decimals.
  EXPECT_EQ(line.substr(line.size() - 33), "0.333333333333333314829616256247)");
}

}  // namespace
}  // namespace tessaro
