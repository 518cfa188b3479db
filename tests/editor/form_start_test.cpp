#include <gtest/gtest.h>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "solver/rows.h"
#include "support/fake_form_window.h"

namespace tessaro {
namespace {

// Before a document is attached the form works on a new model of its own,
// with nothing under way: no gesture, no field undo, no solve.
TEST(FormStart, AFreshFormHoldsANewModelAndNothingUnderWay) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  const Model& model = eq.document().model();
  EXPECT_EQ(model, Model{});
  EXPECT_EQ(model.decimals, 1);
  EXPECT_TRUE(model.labels);
  EXPECT_EQ(model.payoff.label.x, NO_POINT);
  // The far bounds keep their first values until the deferred refresh
  // reads the ranges.
  const Rows rows = RowsOf(model, eq.farBounds());
  EXPECT_EQ(rows.rowC[ROW_FAR_X], 166.66666666666666);
  EXPECT_EQ(rows.rowC[ROW_FAR_Y], 250.0);
  EXPECT_EQ(rows.rowRelation[ROW_X_AXIS], REL_GE);
  EXPECT_TRUE(eq.optimum().empty());
  EXPECT_EQ(eq.solveDirection(), 0);
  EXPECT_FALSE(eq.previewsPayoff());
  EXPECT_TRUE(eq.latticeDots().empty());

  // No gesture is under way: moving the pointer over a model changes
  // nothing, and Undo goes to the history, not to a control.
  Model lines;
  lines.lines[0].a = 1;
  lines.lines[0].b = 1;
  lines.lines[0].c = 10;
  lines.payoff.a = 1;
  lines.payoff.b = 1;
  lines.payoff.level = 5;
  Document doc(lines);
  eq.attach(doc);
  eq.pointerMoved(105, 360);
  eq.pointerMoved(300, 100);
  EXPECT_EQ(doc.model(), lines);
  EXPECT_EQ(doc.historySize(), 0u);
  eq.run(FormCommand::Undo);
  EXPECT_TRUE(host.editRequests.empty());
}

}  // namespace
}  // namespace tessaro
