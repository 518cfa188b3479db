#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "view_harness.h"

namespace tessaro {
namespace {

using test::ViewHarness;

struct ClipboardRow {
  const char* name;
  FormCommand command;
  EditRequest request;
  int focus;  // the focused control; the request goes there whatever it is
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ClipboardRow& row, std::ostream* os) {
  *os << row.name;
}

class ClipboardCommand : public testing::TestWithParam<ClipboardRow> {};

// Each command goes to the focused control, and the next Undo goes there
// too instead of restoring the model, even when the command changed nothing
// (Copy) or the control ignores it (a push button).
TEST_P(ClipboardCommand, SendsToFocusAndRoutesTheNextUndoThere) {
  const ClipboardRow& r = GetParam();
  ViewHarness h;
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.host.focusedField = r.focus;
  // A history entry that an Undo of the model would take back to 99.
  Model earlier = h.doc.model();
  earlier.lines[0].c = 99;
  const Model now = h.doc.model();
  h.doc.reset(earlier);
  h.doc.apply("Edit C1", now);

  h.eq.run(r.command);
  // Undo leaves the control's undo in place: every one goes there.
  for (int k = 0; k < 3; ++k) h.eq.run(FormCommand::Undo);
  const std::vector<EditRequest> sent{r.request, EditRequest::Undo, EditRequest::Undo,
                                      EditRequest::Undo};
  EXPECT_EQ(h.host.editRequests, sent);
  EXPECT_EQ(h.doc.model().lines[0].c, 40.0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClipboardCommand,
    testing::Values(
        ClipboardRow{"CutOnPushButton", FormCommand::Cut, EditRequest::Cut, ctl::PAYOFF_PLUS},
        ClipboardRow{"CopyInField", FormCommand::Copy, EditRequest::Copy, ctl::LINE0},
        ClipboardRow{"PasteInField", FormCommand::Paste, EditRequest::Paste, ctl::LINE0}),
    [](const testing::TestParamInfo<ClipboardRow>& info) { return info.param.name; });

TEST(ClipboardThenDrag, UndoRevertsTheDragNotThePaste) {
  ViewHarness h;
  h.SetLine(0, 2, 1, 1, REL_LE, 40);
  h.eq.run(FormCommand::Paste);
  h.LeftPress(15.5, 10);
  h.Move(20, 10);
  h.LeftRelease(20, 10);
  ASSERT_NEAR(h.doc.model().lines[0].c, 50.0, 1e-9);
  h.eq.run(FormCommand::Undo);
  EXPECT_NEAR(h.doc.model().lines[0].c, 40.0, 1e-9);
  EXPECT_EQ(h.host.editRequests, std::vector<EditRequest>{EditRequest::Paste});
}

}  // namespace
}  // namespace tessaro
