#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "solver_fixture.h"

namespace tessaro {
namespace {

using test::Le;

const std::string kRevertText =
    "You are about to revert to the disk saved or held version of the model and will lose the "
    "currently active version.\n\nClick OK to revert to the saved version of the model losing all "
    "your changes. \n\nClick Cancel to keep the current version of the model. ";

TEST(ShowOnFormTest, FieldsShowTheDocumentsLines) {
  test::SolverView v;
  {
    ModelEdit m = EditModel(v.doc);
    m->lines[2].a = 1.5;
    m->lines[2].b = 2.5;
    m->lines[2].c = 3.5;
    m->lines[2].relation = Relation::Equal;
    m->lines[2].name = "cap";
    m->payoff.a = 2;
    m->payoff.b = 1;
    m->payoff.level = 6;
  }
  test::ShowOnForm(v.view, v.host);
  EXPECT_EQ(v.host.fields[ctl::LINE0 + 2], "cap: 1.50 X + 2.50 Y = 3.50 ");
  EXPECT_EQ(v.host.fields[ctl::PAYOFF], "2.00 X + 1.00 Y = 6.00 ");
  // An empty line shows its zeros.
  EXPECT_EQ(v.host.fields[ctl::LINE0], "0.00 X + 0.00 Y <= 0.00 ");
}

// Changes the document as a command does, one history entry each time:
// the "+" of the first line raises its right-hand side by one.
void Act(test::SolverView& v) {
  ASSERT_TRUE(v.view.stepButtonClicked(ctl::LINE_PLUS[0]));
}

// Types a whole new text into the first line's field.
void TypeLine(test::SolverView& v, const std::string& text) {
  v.host.fields[ctl::LINE0] = text;
  v.view.fieldEdited(ctl::LINE0);
}

TEST(UndoTest, GoesBackOneActionAndAgain) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  Act(v);
  Act(v);
  ASSERT_EQ(v.doc.model().lines[0].c, 6.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 5.0);
  EXPECT_NE(v.host.fields[ctl::LINE0].find("<= 5.00"), std::string::npos)
      << v.host.fields[ctl::LINE0];
  // A run of typing is an entry of its own: Undo takes back just that.
  TypeLine(v, "c1: X + Y <= 9");
  TypeLine(v, "c1: X + Y <= 95");
  ASSERT_EQ(v.doc.model().lines[0].c, 95.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 5.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 4.0);
  EXPECT_FALSE(v.doc.isModified());
  // Redo walks forward again, typing run included.
  v.view.run(FormCommand::Redo);
  v.view.run(FormCommand::Redo);
  EXPECT_EQ(v.doc.model().lines[0].c, 95.0);
  EXPECT_TRUE(v.doc.isModified());
}

TEST(UndoTest, RestoresPayoffLevelAfterAutoMax) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Le(1, 0, 3)});
  v.SetPayoff(3, 1, 2);
  v.view.run(FormCommand::AutoMax);
  ASSERT_EQ(v.doc.model().payoff.level, 11.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().payoff.level, 0.0);
  // Undo keeps the direction; the optimum goes with the model it was found
  // for, and so does its text.
  EXPECT_EQ(v.view.solveDirection(), 1);
  EXPECT_TRUE(v.view.optimum().empty());
  EXPECT_EQ(v.host.panes[2], "");
}

TEST(UndoTest, BeforeFirstSnapshotDoesNothing) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  EditModel(v.doc)->lines[0].c = 8;  // outside the history
  const int writes = v.host.fieldWrites;
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 8.0);
  EXPECT_EQ(v.host.fieldWrites, writes);
}

TEST(UndoTest, AfterClipboardCommandGoesToFocusedField) {
  test::SolverView v;
  Act(v);
  v.view.run(FormCommand::Copy);
  v.view.run(FormCommand::Undo);
  ASSERT_EQ(v.host.editRequests.size(), 2u);
  EXPECT_EQ(v.host.editRequests[1], EditRequest::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 1.0);
  // Undo keeps going to the field until the model changes.
  v.view.run(FormCommand::Undo);
  ASSERT_EQ(v.host.editRequests.size(), 3u);
  EXPECT_EQ(v.host.editRequests[2], EditRequest::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, 1.0);
}

struct RevertCase {
  std::string name;
  friend void PrintTo(const RevertCase& c, std::ostream* os) { *os << c.name; }
  MsgResult answer;
  double expected;
  std::string expectedText;
};

class RevertTest : public ::testing::TestWithParam<RevertCase> {};

TEST_P(RevertTest, PutsBackHeldVersionOnOk) {
  const RevertCase& c = GetParam();
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  v.view.run(FormCommand::Hold);
  Act(v);
  Act(v);
  v.host.answers = {c.answer};
  v.view.run(FormCommand::ResetEquations);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, kRevertText);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(v.doc.model().lines[0].c, c.expected);
  EXPECT_NE(v.host.fields[ctl::LINE0].find(c.expectedText), std::string::npos)
      << v.host.fields[ctl::LINE0];
  // The reset is itself one step back: Undo returns to 6; after Cancel
  // Undo takes back the last change instead.
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, c.answer == MsgResult::Ok ? 6.0 : 5.0);
}

INSTANTIATE_TEST_SUITE_P(Answers, RevertTest,
                         ::testing::Values(RevertCase{"Ok", MsgResult::Ok, 4.0, "<= 4.00"},
                                           RevertCase{"Cancel", MsgResult::Cancel, 6.0, "<= 6.00"}),
                         [](const ::testing::TestParamInfo<RevertCase>& info) {
                           return info.param.name;
                         });

TEST(HoldTest, HoldsDocumentAndLeavesUndoCopy) {
  test::SolverView v;
  Act(v);
  EditModel(v.doc)->lines[0].c = 7;
  v.view.run(FormCommand::Hold);
  EXPECT_EQ(v.doc.model().lines[0].c, 7.0);
  EXPECT_EQ(v.doc.held().lines[0].c, 7.0);
  EXPECT_FALSE(v.doc.canUndo());
  EXPECT_TRUE(v.host.messages.empty());
  // Hold takes the model as it is now and is no step of the history.
  Act(v);
  v.view.run(FormCommand::Hold);
  EXPECT_EQ(v.doc.held().lines[0].c, 8.0);
  EXPECT_TRUE(v.doc.canUndo());
  EXPECT_EQ(v.doc.undoName(), "Line 1 +1");
}

}  // namespace
}  // namespace tessaro
