#include "doc/document.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

Model WithRhs(double c) {
  Model m;
  m.lines[0].c = c;
  return m;
}

double Rhs(const Document& d) {
  return d.model().lines[0].c;
}

// One step of a scripted session: a change ("apply"), "close", "undo",
// "redo" or "save", then what the document shows.
struct Step {
  const char* action;
  std::string name;  // of the change; run key when it differs
  double rhs;        // the value applied
  double shownRhs;
  bool modified;
  std::string undoName;
  std::string redoName;
};

struct HistoryCase {
  const char* title;
  std::vector<Step> steps;
};

void PrintTo(const HistoryCase& c, std::ostream* os) {
  *os << c.title;
}

class HistoryTest : public testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryTest, WalksAsScripted) {
  Document doc(WithRhs(1));
  int k = 0;
  for (const Step& s : GetParam().steps) {
    SCOPED_TRACE("step " + std::to_string(k++) + " " + s.action);
    const std::string action = s.action;
    if (action == "apply") {
      doc.apply(s.name, WithRhs(s.rhs), s.name.rfind("Edit", 0) == 0 ? "typing" : "");
    } else if (action == "close") {
      doc.closeEntry();
    } else if (action == "undo") {
      doc.undo();
    } else if (action == "redo") {
      doc.redo();
    } else if (action == "save") {
      doc.markSaved();
    }
    EXPECT_EQ(Rhs(doc), s.shownRhs);
    EXPECT_EQ(doc.isModified(), s.modified);
    EXPECT_EQ(doc.undoName(), s.undoName);
    EXPECT_EQ(doc.redoName(), s.redoName);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, HistoryTest,
    testing::Values(HistoryCase{"TypingRunIsOneEntryNamedByItsLastText",
                                {{"apply", "Edit W", 2, 2, true, "Edit W", ""},
                                 {"apply", "Edit Wood", 3, 3, true, "Edit Wood", ""},
                                 {"undo", "", 0, 1, false, "", "Edit Wood"},
                                 {"redo", "", 0, 3, true, "Edit Wood", ""}}},
                    HistoryCase{"ClosedEntriesAreSeparateSteps",
                                {{"apply", "Wood +1", 2, 2, true, "Wood +1", ""},
                                 {"close", "", 0, 2, true, "Wood +1", ""},
                                 {"apply", "Wood +1", 3, 3, true, "Wood +1", ""},
                                 {"undo", "", 0, 2, true, "Wood +1", "Wood +1"},
                                 {"undo", "", 0, 1, false, "", "Wood +1"},
                                 {"undo", "", 0, 1, false, "", "Wood +1"}}},
                    HistoryCase{"AnEntryEndingWhereItBeganIsDropped",
                                {{"apply", "Drag Wood", 5, 5, true, "Drag Wood", ""},
                                 {"apply", "Drag Wood", 1, 1, false, "", ""}}},
                    HistoryCase{"ANewChangeCutsTheRedoSteps",
                                {{"apply", "Auto Max", 2, 2, true, "Auto Max", ""},
                                 {"undo", "", 0, 1, false, "", "Auto Max"},
                                 {"apply", "Trim", 4, 4, true, "Trim", ""},
                                 {"redo", "", 0, 4, true, "Trim", ""}}},
                    HistoryCase{"ModifiedFollowsTheSavedPlace",
                                {{"apply", "A", 2, 2, true, "A", ""},
                                 {"save", "", 0, 2, false, "A", ""},
                                 {"apply", "A", 3, 3, true, "A", ""},  // a save ends the entry
                                 {"undo", "", 0, 2, false, "A", "A"},
                                 {"undo", "", 0, 1, true, "", "A"},
                                 {"redo", "", 0, 2, false, "A", "A"},
                                 {"undo", "", 0, 1, true, "", "A"},
                                 {"apply", "B", 9, 9, true, "B", ""},  // the saved place is gone
                                 {"undo", "", 0, 1, true, "", "B"}}}),
    [](const testing::TestParamInfo<HistoryCase>& info) { return info.param.title; });

TEST(Document, KeepsTheNewestEntriesUpToItsLimit) {
  Document doc(WithRhs(0));
  const int changes = static_cast<int>(Document::kHistoryLimit) + 50;
  for (int i = 1; i <= changes; ++i) {
    doc.closeEntry();
    doc.apply("Step " + std::to_string(i), WithRhs(i));
  }
  EXPECT_EQ(doc.historySize(), Document::kHistoryLimit);
  int undone = 0;
  while (doc.undo()) ++undone;
  EXPECT_EQ(undone, static_cast<int>(Document::kHistoryLimit));
  EXPECT_EQ(Rhs(doc), 50.0);
  // The first state is gone from the history, so no state is the saved one.
  EXPECT_TRUE(doc.isModified());
}

TEST(Document, ResetToHeldIsUndoable) {
  Document doc(WithRhs(1));
  doc.apply("A", WithRhs(2));
  doc.hold();
  doc.closeEntry();
  doc.apply("B", WithRhs(3));
  EXPECT_TRUE(doc.resetToHeld("Reset Equations"));
  EXPECT_EQ(Rhs(doc), 2.0);
  EXPECT_EQ(doc.undoName(), "Reset Equations");
  doc.undo();
  EXPECT_EQ(Rhs(doc), 3.0);
  // Reset forgets the history and holds the new model.
  doc.reset(WithRhs(7));
  EXPECT_FALSE(doc.canUndo());
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(doc.held().lines[0].c, 7.0);
}

}  // namespace
}  // namespace tessaro
