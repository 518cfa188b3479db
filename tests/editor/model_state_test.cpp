#include <gtest/gtest.h>

#include "editor/form_controller.h"
#include "support/fake_form_window.h"

namespace tessaro {
namespace {

TEST(ModelState, ConstructionValues) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  EXPECT_EQ(eq.xZoom, 3.0);
  EXPECT_EQ(eq.yZoom, 2.0);
  EXPECT_EQ(eq.decimals, 1);
  EXPECT_EQ(eq.rowC[ROW_FAR_X], 166.66666666666666);
  EXPECT_EQ(eq.rowC[ROW_FAR_Y], 250.0);
  EXPECT_EQ(eq.rowRelation[ROW_X_AXIS], REL_GE);
  EXPECT_EQ(eq.payoffLabelX, NO_POINT);
  EXPECT_EQ(eq.dragLine, -1);
  EXPECT_EQ(eq.rotatePayoff, -1);
  EXPECT_EQ(eq.labelsOn, 1);
  EXPECT_EQ(eq.editUndoFlag, 0);
}

}  // namespace
}  // namespace tessaro
