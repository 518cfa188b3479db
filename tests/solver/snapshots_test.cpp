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

TEST(LoadModelFromDocTest, FillsLinesAndRows) {
  test::SolverView v;
  EditModel(v.doc)->lines[2].a = 1.5;
  EditModel(v.doc)->lines[2].b = 2.5;
  EditModel(v.doc)->lines[2].c = 3.5;
  EditModel(v.doc)->lines[2].relation = Relation::Equal;
  EditModel(v.doc)->lines[2].name = "cap";
  EditModel(v.doc)->lines[2].label.x = 4;
  EditModel(v.doc)->payoff.label.y = 6;
  EditModel(v.doc)->integerDots = true;
  v.view.LoadModelFromDoc();
  EXPECT_EQ(v.view.lineA[2], 1.5);
  EXPECT_EQ(v.view.rowA[2], 1.5);
  EXPECT_EQ(v.view.lineB[2], 2.5);
  EXPECT_EQ(v.view.rowB[2], 2.5);
  EXPECT_EQ(v.view.lineC[2], 3.5);
  EXPECT_EQ(v.view.rowC[2], 3.5);
  EXPECT_EQ(v.view.rowRelation[2], REL_EQ);
  EXPECT_EQ(v.view.lineName[2], "cap");
  EXPECT_EQ(v.view.labelX[2], 4.0);
  EXPECT_EQ(v.view.payoffLabelY, 6.0);
  EXPECT_EQ(v.view.integerDotsOn, 1);
  // The fixed rows keep their meaning.
  EXPECT_EQ(v.view.rowA[ROW_X_AXIS], 1.0);
  EXPECT_EQ(v.view.rowRelation[ROW_Y_AXIS], REL_GE);
}

// Changes the document as a command would: one history entry.
void Act(test::SolverView& v, double c) {
  v.view.BeginModelChange("Act");
  v.view.StoreInDoc([c](Model& m) { m.lines[0].c = c; });
  v.view.LoadModelFromDoc();
}

TEST(UndoTest, GoesBackOneActionAndAgain) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  Act(v, 5);
  Act(v, 6);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.view.lineC[0], 5.0);
  EXPECT_EQ(v.view.rowC[0], 5.0);
  EXPECT_EQ(v.doc.model().lines[0].c, 5.0);
  // A run of typing is an entry of its own: Undo takes back just that.
  v.view.ContinueModelChange("Edit c1", "typing");
  v.view.StoreInDoc([](Model& m) { m.lines[0].c = 9; });
  v.view.StoreInDoc([](Model& m) { m.lines[0].c = 95; });
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.view.lineC[0], 5.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.view.lineC[0], 4.0);
  EXPECT_FALSE(v.doc.isModified());
  // Redo walks forward again, typing run included.
  v.view.run(FormCommand::Redo);
  v.view.run(FormCommand::Redo);
  EXPECT_EQ(v.view.lineC[0], 95.0);
  EXPECT_TRUE(v.doc.isModified());
}

TEST(UndoTest, RestoresPayoffLevelAfterAutoMax) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Le(1, 0, 3)});
  v.SetPayoff(3, 1, 2);
  v.view.run(FormCommand::AutoMax);
  ASSERT_EQ(v.view.payoffLevel, 11.0);
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.view.payoffLevel, 0.0);
  EXPECT_EQ(v.doc.model().payoff.level, 0.0);
  // Undo keeps the direction; the optimum goes with the model it was found
  // for, and so does its text.
  EXPECT_EQ(v.view.solveDirection, 1);
  EXPECT_EQ(v.view.optimalCount, 0);
  EXPECT_EQ(v.host.panes[2], "");
}

TEST(UndoTest, BeforeFirstSnapshotDoesNothing) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  EditModel(v.doc)->lines[0].c = 8;  // never loaded into the model
  const int writes = v.host.fieldWrites;
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.view.lineC[0], 4.0);
  EXPECT_EQ(v.doc.model().lines[0].c, 8.0);
  EXPECT_EQ(v.host.fieldWrites, writes);
}

TEST(UndoTest, AfterClipboardCommandGoesToFocusedField) {
  test::SolverView v;
  Act(v, 5);
  v.view.editUndoFlag = 1;
  v.view.run(FormCommand::Undo);
  ASSERT_EQ(v.host.editRequests.size(), 1u);
  EXPECT_EQ(v.host.editRequests[0], EditRequest::Undo);
  EXPECT_EQ(v.view.lineC[0], 5.0);
  EXPECT_EQ(v.view.editUndoFlag, 1);
}

struct RevertCase {
  std::string name;
  friend void PrintTo(const RevertCase& c, std::ostream* os) { *os << c.name; }
  MsgResult answer;
  double expected;
};

class RevertTest : public ::testing::TestWithParam<RevertCase> {};

TEST_P(RevertTest, PutsBackHeldVersionOnOk) {
  const RevertCase& c = GetParam();
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  v.view.run(FormCommand::Hold);
  Act(v, 5);
  Act(v, 6);
  v.host.answers = {c.answer};
  v.view.run(FormCommand::ResetEquations);
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, kRevertText);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(v.view.lineC[0], c.expected);
  EXPECT_EQ(v.doc.model().lines[0].c, c.expected);
  // The reset is itself one step back: Undo returns to 6; after Cancel
  // Undo takes back the last change instead.
  v.view.run(FormCommand::Undo);
  EXPECT_EQ(v.doc.model().lines[0].c, c.answer == MsgResult::Ok ? 6.0 : 5.0);
}

INSTANTIATE_TEST_SUITE_P(Answers, RevertTest,
                         ::testing::Values(RevertCase{"Ok", MsgResult::Ok, 4.0},
                                           RevertCase{"Cancel", MsgResult::Cancel, 6.0}),
                         [](const ::testing::TestParamInfo<RevertCase>& info) {
                           return info.param.name;
                         });

TEST(HoldTest, LoadsDocumentAndLeavesUndoCopy) {
  test::SolverView v;
  Act(v, 5);
  EditModel(v.doc)->lines[0].c = 7;
  v.view.run(FormCommand::Hold);
  EXPECT_EQ(v.view.lineC[0], 7.0);
  EXPECT_EQ(v.doc.held().lines[0].c, 7.0);
  EXPECT_FALSE(v.doc.canUndo());
  EXPECT_TRUE(v.host.messages.empty());
}

}  // namespace
}  // namespace tessaro
