#include <gtest/gtest.h>

#include <climits>
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

struct SignCase {
  std::string name;
  friend void PrintTo(const SignCase& c, std::ostream* os) { *os << c.name; }
  double stored;
  int loaded;
};

class LoadSignTest : public ::testing::TestWithParam<SignCase> {};

TEST_P(LoadSignTest, TruncatesTowardZeroAndSaturates) {
  const SignCase& c = GetParam();
  test::SolverView v;
  v.doc.lineSign[3] = c.stored;
  v.doc.payoffSign = c.stored;
  v.view.LoadModelFromDoc();
  EXPECT_EQ(v.view.rowSign[3], c.loaded);
  EXPECT_EQ(v.view.payoffSign, c.loaded);
}

INSTANTIATE_TEST_SUITE_P(Signs, LoadSignTest,
                         ::testing::Values(SignCase{"Plus", 1.0, 1}, SignCase{"Minus", -1.0, -1},
                                           SignCase{"HalfIsZero", 0.5, 0},
                                           SignCase{"MinusHalfIsZero", -0.5, 0},
                                           SignCase{"HugeSaturates", 1e300, INT_MAX},
                                           SignCase{"HugeNegativeSaturates", -1e300, INT_MIN}),
                         [](const ::testing::TestParamInfo<SignCase>& info) {
                           return info.param.name;
                         });

TEST(LoadModelFromDocTest, FillsLinesAndRows) {
  test::SolverView v;
  v.doc.lineA[2] = 1.5;
  v.doc.lineB[2] = 2.5;
  v.doc.lineC[2] = 3.5;
  v.doc.lineRelation[2] = 1.5;  // kept as stored
  v.doc.lineName[2] = "cap";
  v.doc.labelX[2] = 4;
  v.doc.payoffLabelY = 6;
  v.doc.integerDotsOn = 1;
  v.view.LoadModelFromDoc();
  EXPECT_EQ(v.view.lineA[2], 1.5);
  EXPECT_EQ(v.view.rowA[2], 1.5);
  EXPECT_EQ(v.view.lineB[2], 2.5);
  EXPECT_EQ(v.view.rowB[2], 2.5);
  EXPECT_EQ(v.view.lineC[2], 3.5);
  EXPECT_EQ(v.view.rowC[2], 3.5);
  EXPECT_EQ(v.view.rowRelation[2], 1.5);
  EXPECT_EQ(v.view.lineName[2], "cap");
  EXPECT_EQ(v.view.labelX[2], 4.0);
  EXPECT_EQ(v.view.payoffLabelY, 6.0);
  EXPECT_EQ(v.view.integerDotsOn, 1);
  // The fixed rows keep their meaning.
  EXPECT_EQ(v.view.rowA[ROW_X_AXIS], 1.0);
  EXPECT_EQ(v.view.rowRelation[ROW_Y_AXIS], REL_GE);
}

// Changes the document as a command would, after its snapshot.
void Act(test::SolverView& v, double c) {
  v.view.SaveUndoSnapshot();
  v.doc.lineC[0] = c;
  v.view.LoadModelFromDoc();
}

TEST(UndoTest, GoesBackOneActionAndAgain) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  Act(v, 5);
  Act(v, 6);
  v.view.OnUndo();
  EXPECT_EQ(v.view.lineC[0], 5.0);
  EXPECT_EQ(v.view.rowC[0], 5.0);
  EXPECT_EQ(v.doc.lineC[0], 5.0);
  // Typing changes the model without a snapshot; Undo loses it as well.
  v.doc.lineC[0] = 9;
  v.view.LoadModelFromDoc();
  v.view.OnUndo();
  EXPECT_EQ(v.view.lineC[0], 5.0);
  EXPECT_FALSE(v.doc.IsModified());
}

TEST(UndoTest, RestoresPayoffLevelAfterAutoMax) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4), Le(1, 0, 3)});
  v.SetPayoff(3, 1, 2);
  v.view.OnAutoMax();
  ASSERT_EQ(v.view.payoffLevel, 11.0);
  v.view.OnUndo();
  EXPECT_EQ(v.view.payoffLevel, 0.0);
  EXPECT_EQ(v.doc.payoffLevel, 0.0);
  // Undo keeps the direction and the optimal list.
  EXPECT_EQ(v.view.solveDirection, 1);
  EXPECT_EQ(v.view.optimalCount, 1);
}

TEST(UndoTest, BeforeFirstSnapshotDoesNothing) {
  test::SolverView v;
  v.SetLines({Le(1, 1, 4)});
  v.doc.lineC[0] = 8;  // never loaded into the model
  const int writes = v.host.fieldWrites;
  v.view.OnUndo();
  EXPECT_EQ(v.view.lineC[0], 4.0);
  EXPECT_EQ(v.doc.lineC[0], 8.0);
  EXPECT_EQ(v.host.fieldWrites, writes);
}

TEST(UndoTest, AfterClipboardCommandGoesToFocusedField) {
  test::SolverView v;
  Act(v, 5);
  v.view.editUndoFlag = 1;
  v.view.OnUndo();
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
  v.view.OnHold();
  Act(v, 5);
  Act(v, 6);
  v.host.answers = {c.answer};
  v.view.OnRevert();
  ASSERT_EQ(v.host.messages.size(), 1u);
  EXPECT_EQ(v.host.messages[0].text, kRevertText);
  EXPECT_EQ(v.host.messages[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(v.host.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(v.view.lineC[0], c.expected);
  EXPECT_EQ(v.doc.lineC[0], c.expected);
  // Neither answer touches the undo copy.
  EXPECT_EQ(v.view.undoSnapshot.lineC[0], 5.0);
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
  v.doc.lineC[0] = 7;
  v.view.OnHold();
  EXPECT_EQ(v.view.lineC[0], 7.0);
  EXPECT_EQ(v.view.heldSnapshot.lineC[0], 7.0);
  EXPECT_EQ(v.view.undoSnapshot.lineC[0], 0.0);
  EXPECT_TRUE(v.host.messages.empty());
}

}  // namespace
}  // namespace tessaro
