#include "solver/probe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Ge;
using test::Le;
using test::Line;

// Maximize 3X + 2Y with X + Y <= 4 and X <= 3: optimum 11 at (3, 1).
void ExampleModel(test::SolverView& v) {
  v.SetLines({Le(1, 1, 4), Le(1, 0, 3), Le(0, 1, 10)});
  v.SetPayoff(3, 1, 2);
}

// The form probes a right-hand side through the line's "+" or "-" button
// while Preview Payoff is on.
void Probe(test::SolverView& v, int row, int step) {
  if (!v.view.previewsPayoff()) v.view.run(FormCommand::TogglePreviewPayoff);
  ASSERT_TRUE(v.view.stepButtonClicked(step > 0 ? ctl::LINE_PLUS[row] : ctl::LINE_MINUS[row]));
}

// The first probe of a form that has not solved yet asks whether the model
// maximizes: this one answers Yes and takes the question off the list of
// boxes shown, so that the list holds what the probe itself says.
void ProbeMaximizing(test::SolverView& v, int row, int step) {
  v.host.answers = {MsgResult::Yes};
  Probe(v, row, step);
  ASSERT_FALSE(v.host.messages.empty());
  ASSERT_EQ(v.host.messages[0].text, MSG_ASK_MAXIMIZATION);
  v.host.messages.erase(v.host.messages.begin());
  EXPECT_EQ(v.view.solveDirection(), 1);
}

struct ProbeCase {
  std::string name;
  friend void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.name; }
  int row;
  int step;
  std::string report;
};

class ProbeReportTest : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeReportTest, ReportsChangeAndRestores) {
  const ProbeCase& c = GetParam();
  test::SolverView v;
  ExampleModel(v);
  const double c0 = v.doc.model().lines[c.row].c;
  ProbeMaximizing(v, c.row, c.step);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, c.report);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  // The model describes the restored constraint again.
  EXPECT_EQ(v.doc.model().lines[c.row].c, c0);
  EXPECT_EQ(v.doc.model().payoff.level, 11.0);
  ASSERT_GE(v.view.optimum().size(), 1u);
  EXPECT_EQ(v.view.optimum()[0].x, 3.0);
  EXPECT_EQ(v.view.optimum()[0].y, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Example, ProbeReportTest,
    ::testing::Values(
        ProbeCase{"SumPlus", 0, 1, "Optimal Payoff will change by  2.00 per increased RHS unit."},
        ProbeCase{"SumMinus", 0, -1, "Optimal Payoff will change by -2.00 per decreased RHS unit."},
        ProbeCase{"XPlus", 1, 1, "Optimal Payoff will change by  1.00 per increased RHS unit."},
        ProbeCase{"XMinus", 1, -1, "Optimal Payoff will change by -1.00 per decreased RHS unit."},
        ProbeCase{"SlackPlus", 2, 1, "Optimal Payoff will change by  0.00 per increased RHS unit."},
        ProbeCase{"SlackMinus", 2, -1,
                  "Optimal Payoff will change by  0.00 per decreased RHS unit."}),
    [](const ::testing::TestParamInfo<ProbeCase>& info) { return info.param.name; });

TEST(ProbeTest, AsksDirectionOnceAndRemembersNo) {
  // Minimize 3X + 2Y with X + Y >= 4 and X <= 3: optimum 8 at (0, 4).
  test::SolverView v;
  v.SetLines({Ge(1, 1, 4), Le(1, 0, 3)});
  v.SetPayoff(3, 1, 2);
  v.host.answers = {MsgResult::No};
  Probe(v, 0, 1);
  ASSERT_EQ(v.host.messages.size(), 2u);
  EXPECT_EQ(v.host.messages[0].text, MSG_ASK_MAXIMIZATION);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(v.host.messages[1].text, "Optimal Payoff will change by  2.00 per increased RHS unit.");
  EXPECT_EQ(v.view.solveDirection(), -1);
  EXPECT_EQ(v.doc.model().payoff.level, 8.0);

  Probe(v, 0, -1);
  ASSERT_EQ(v.host.messages.size(), 3u);
  EXPECT_EQ(v.host.messages[2].text, "Optimal Payoff will change by -2.00 per decreased RHS unit.");
}

TEST(ProbeTest, CancelChangesNothing) {
  test::SolverView v;
  ExampleModel(v);
  ASSERT_EQ(v.view.solveDirection(), 0);
  v.host.answers = {MsgResult::Cancel};
  Probe(v, 0, 1);
  EXPECT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.view.solveDirection(), 0);
  EXPECT_EQ(v.doc.model().payoff.level, 0.0);
  EXPECT_EQ(v.doc.model().lines[0].c, 4.0);
  EXPECT_FALSE(v.doc.isModified());
}

TEST(ProbeTest, FailedFirstSolveStopsBeforeStepping) {
  test::SolverView v;
  v.SetLines({Ge(1, 1, 10), Le(1, 1, 5)});
  v.SetPayoff(1, 1, 1);
  EditModel(v.doc)->payoff.level = 4.0;
  test::ShowOnForm(v.view, v.host);
  const std::string textBefore = v.host.fields[ctl::LINE0 + 1];
  ASSERT_FALSE(textBefore.empty());
  EXPECT_FALSE(ProbeRightHandSide(v.doc.model(), v.Far(), 1, 1, Goal::Maximize).reported);
  ProbeMaximizing(v, 1, 1);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, MSG_INFEASIBLE);
  EXPECT_EQ(v.doc.model().lines[1].c, 5.0);
  EXPECT_EQ(v.host.fields[ctl::LINE0 + 1], textBefore);
  EXPECT_EQ(v.doc.model().payoff.level, 4.0);
}

TEST(ProbeTest, FailedSteppedSolveReportsZero) {
  // X + Y <= 4 and X + Y >= 4: the "-" probe of the first row has no area.
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Ge(1, 1, 4)});
  v.SetPayoff(1, 1, 2);
  const ProbeResult probe = ProbeRightHandSide(v.doc.model(), v.Far(), 0, -1, Goal::Maximize);
  EXPECT_TRUE(probe.reported);
  EXPECT_EQ(probe.stepped.status, SolveStatus::Infeasible);
  EXPECT_EQ(probe.change, 0.0);
  ProbeMaximizing(v, 0, -1);
  ASSERT_EQ(v.host.messages.size(), 2u);
  EXPECT_EQ(v.host.messages[0].text, MSG_INFEASIBLE);
  EXPECT_EQ(v.host.messages[1].text, "Optimal Payoff will change by  0.00 per decreased RHS unit.");
  EXPECT_EQ(v.doc.model().payoff.level, 8.0);
}

TEST(ProbeTest, RestoresRightHandSideExactly) {
  // 0.1 + 1 - 1 is not 0.1 in doubles; the probe puts the held value back.
  test::SolverView v;
  v.SetLines({Le(1, 1, 0.1)});
  v.SetPayoff(1, 1, 1);
  ProbeMaximizing(v, 0, 1);
  EXPECT_EQ(v.doc.model().lines[0].c, 0.1);
  // The line's field is written anew from the restored line.
  EXPECT_NE(v.host.fields[ctl::LINE0].find("0.10"), std::string::npos) << v.host.fields[ctl::LINE0];
}

TEST(ProbeTest, ProbeOfModelLeavesDocumentAlone) {
  test::SolverView v;
  ExampleModel(v);
  const Model before = v.doc.model();
  const ProbeResult probe = ProbeRightHandSide(v.doc.model(), v.Far(), 0, 1, Goal::Maximize);
  EXPECT_EQ(probe.change, 2.0);
  EXPECT_EQ(v.doc.model(), before);
  EXPECT_FALSE(v.doc.isModified());
  EXPECT_TRUE(v.host.messages.empty());
  // The right-hand side is put back; the level is the stepped optimum's
  // (13 at (3, 2)) until the restored model is solved again.
  Model expected = before;
  expected.payoff.level = 13.0;
  EXPECT_EQ(probe.restored, expected);
  EXPECT_EQ(probe.restoredSolution.payoffLevel, 11.0);
}

// The boxes a reported probe shows after its first solve; --solve reads
// its note from the one before the last.
struct NoticeCase {
  std::string name;
  friend void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }
  std::vector<test::Line> lines;
  bool dots;
  int row;
  int step;
  std::vector<std::string> boxes;
};

class ProbeNoticesTest : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(ProbeNoticesTest, InTheOrderShown) {
  const NoticeCase& c = GetParam();
  test::SolverView v;
  v.SetRanges(100, 6, 100, 6);
  v.SetLines(c.lines);
  v.SetPayoff(1, 1, 1);
  EditModel(v.doc)->integerDots = c.dots;
  const ProbeResult probe =
      ProbeRightHandSide(v.doc.model(), v.Far(), c.row, c.step, Goal::Maximize);
  ASSERT_TRUE(probe.reported);
  EXPECT_EQ(probe.notices(), c.boxes);
  EXPECT_EQ(probe.dotsSwitchedOff, c.dots && !probe.restored.integerDots);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ProbeNoticesTest,
    ::testing::Values(NoticeCase{"Optimal",
                                 {Le(1, 1, 4)},
                                 false,
                                 0,
                                 1,
                                 {"Optimal Payoff will change by  1.00 per increased RHS unit."}},
                      NoticeCase{"SteppedInfeasible",
                                 {Le(1, 1, 4), Ge(1, 1, 4)},
                                 false,
                                 0,
                                 -1,
                                 {MSG_INFEASIBLE,
                                  "Optimal Payoff will change by  0.00 per decreased RHS unit."}},
                      // 31 x 32 lattice points under x <= 30 and y <= 31; x <= 31 makes
                      // 1024, which switches the dots off for the stepped and the
                      // restored model: both are then solved over their corners.
                      NoticeCase{"SteppedDotsTooMany",
                                 {Le(1, 0, 30), Le(0, 1, 31)},
                                 true,
                                 0,
                                 1,
                                 {MSG_TOO_MANY_DOTS,
                                  "Optimal Payoff will change by  1.00 per increased RHS unit."}}),
    [](const ::testing::TestParamInfo<NoticeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
