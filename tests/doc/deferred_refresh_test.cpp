#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "support/model_edit.h"
#include "support/open_view.h"

namespace tessaro {
namespace {

using test::OpenView;

// An opened new document whose timer is idle, with labels for the texts.
void OpenIdle(OpenView& v) {
  EditModel(v.doc)->xLabel = "x";
  EditModel(v.doc)->yLabel = "y";
  v.Open();
  v.host.timerRunning = false;
}

TEST(DeferredRefresh, PaintOnlyArmsTheTimer) {
  OpenView v;
  OpenIdle(v);
  const int presents = v.host.presents;
  v.eq.painted();
  EXPECT_TRUE(v.host.timerRunning);
  EXPECT_EQ(v.host.presents, presents);
}

TEST(DeferredRefresh, AppliesTheFieldsInOneGo) {
  OpenView v;
  OpenIdle(v);
  v.host.timerRunning = true;
  v.host.fields[ctl::X_ZOOM] = "3";
  v.host.fields[ctl::Y_ZOOM] = " 4.5";
  v.host.fields[ctl::X_MAX] = "100";
  v.host.fields[ctl::Y_MAX] = "80 units";
  v.host.fields[ctl::X_MIN] = "-10";
  v.host.fields[ctl::Y_MIN] = "";
  v.host.fields[ctl::DECIMALS] = "2";
  const int presents = v.host.presents;
  v.eq.refreshTimerFired();

  EXPECT_FALSE(v.host.timerRunning);
  EXPECT_EQ(v.doc.model().xZoom, 3.0);
  EXPECT_EQ(v.doc.model().yZoom, 4.5);
  EXPECT_EQ(v.doc.model().xMax, 100.0);
  EXPECT_EQ(v.doc.model().yMax, 80.0);
  EXPECT_EQ(v.doc.model().xMin, -10.0);
  EXPECT_EQ(v.doc.model().yMin, 0.0);
  EXPECT_EQ(v.doc.model().decimals, 2);
  // New ranges typed into the fields are a change of the model.
  EXPECT_TRUE(v.doc.isModified());
  EXPECT_DOUBLE_EQ(v.eq.farBounds().x, 100.0 + 500.0 / 3.0);
  EXPECT_DOUBLE_EQ(v.eq.farBounds().y, 80.0 + 500.0 / 4.5);
  EXPECT_EQ(v.host.fields[ctl::LINE0], "0.00 x + 0.00 y <= 0.00 ");
  EXPECT_EQ(v.host.fields[ctl::Y_MAX], "80");
  EXPECT_GT(v.host.presents, presents);
}

TEST(DeferredRefresh, WaitsWhileAZoomReadsZero) {
  const struct {
    const char* xZoom;
    const char* yZoom;
  } rows[] = {
      {"0", "6"}, {"", "6"}, {"6", "abc"}, {"0.0000000000000000001", "6"}, {"-0", "6"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.xZoom) + " / " + row.yZoom);
    OpenView v;
    OpenIdle(v);
    v.host.fields[ctl::X_ZOOM] = row.xZoom;
    v.host.fields[ctl::Y_ZOOM] = row.yZoom;
    v.host.fields[ctl::X_MAX] = "50";
    const int starts = v.host.timerStarts;
    v.eq.refreshTimerFired();
    EXPECT_TRUE(v.host.timerRunning);
    EXPECT_EQ(v.host.timerStarts, starts + 1);
    EXPECT_EQ(v.doc.model().xZoom, 6.0);
    EXPECT_EQ(v.doc.model().xMax, 200.0);
  }
}

TEST(DeferredRefresh, ZeroZoomFromAFileIsReplacedByTheField) {
  OpenView v;
  EditModel(v.doc)->xZoom = 0;
  OpenIdle(v);
  v.host.fields[ctl::X_ZOOM] = "4";
  v.eq.refreshTimerFired();
  EXPECT_EQ(v.doc.model().xZoom, 4.0);
}

TEST(DeferredRefresh, NoInfinityEntersFromAField) {
  OpenView v;
  OpenIdle(v);
  v.host.fields[ctl::X_MAX] = "1e999";
  v.host.fields[ctl::Y_ZOOM] = "-1e400";
  v.host.fields[ctl::X_ZOOM] = "1e-320";  // so small that 500 / zoom overflows
  v.host.fields[ctl::DECIMALS] = "12345678901";
  const double farX = v.eq.farBounds().x;
  v.eq.refreshTimerFired();
  EXPECT_EQ(v.doc.model().xMax, 200.0);
  EXPECT_EQ(v.doc.model().yZoom, 6.0);
  EXPECT_GT(v.doc.model().xZoom, 0.0);
  EXPECT_EQ(v.eq.farBounds().x, farX);
  EXPECT_TRUE(std::isfinite(v.eq.farBounds().y));
  EXPECT_EQ(v.doc.model().decimals, 123456789);  // nine characters are read
  // The texts are written with the most decimals a text takes.
  EXPECT_EQ(v.host.fields[ctl::LINE0].size(), 3u * 10002u + 12u);
}

TEST(DeferredRefresh, RefusesAMinimumAboveItsMaximum) {
  const struct {
    const char* xMin;
    const char* xMax;
    const char* yMin;
    const char* yMax;
    const char* message;  // empty when the range is taken
    int focused;
  } rows[] = {
      {"5", "4", "0", "120", "X Min must not be greater than X Max.", ctl::X_MIN},
      {"0", "200", "-1", "-2", "Y Min must not be greater than Y Max.", ctl::Y_MIN},
      {"4", "4", "-3", "-2", "", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.xMin) + ".." + row.xMax + " / " + row.yMin + ".." + row.yMax);
    OpenView v;
    OpenIdle(v);
    v.host.fields[ctl::X_MIN] = row.xMin;
    v.host.fields[ctl::X_MAX] = row.xMax;
    v.host.fields[ctl::Y_MIN] = row.yMin;
    v.host.fields[ctl::Y_MAX] = row.yMax;
    v.host.fields[ctl::X_ZOOM] = "3";
    v.eq.refreshTimerFired();
    if (*row.message == 0) {
      EXPECT_TRUE(v.host.messages.empty());
      EXPECT_EQ(v.doc.model().xMin, std::stod(row.xMin));
      EXPECT_EQ(v.doc.model().yMax, std::stod(row.yMax));
      EXPECT_EQ(v.doc.model().xZoom, 3.0);
      continue;
    }
    EXPECT_EQ(v.host.MessageTexts(), std::vector<std::string>{row.message});
    EXPECT_EQ(v.host.focusedField, row.focused);
    // Nothing is applied and the fields show the range in force again, so
    // the next refresh (a paint arms one) is quiet.
    EXPECT_EQ(v.doc.model().xMin, 0.0);
    EXPECT_EQ(v.doc.model().xMax, 200.0);
    EXPECT_EQ(v.doc.model().xZoom, 6.0);
    EXPECT_EQ(v.host.fields[ctl::X_MIN], "0");
    EXPECT_EQ(v.host.fields[ctl::Y_MAX], "120");
    v.eq.refreshTimerFired();
    EXPECT_EQ(v.host.messages.size(), 1u);
  }
}

TEST(DeferredRefresh, ReadsNothingFromAViewWithoutForm) {
  OpenView v;
  OpenIdle(v);
  v.host.timerRunning = true;
  v.host.fields[ctl::X_ZOOM] = "3";
  v.host.formReady = false;
  v.eq.refreshTimerFired();
  EXPECT_FALSE(v.host.timerRunning);
  EXPECT_EQ(v.doc.model().xZoom, 6.0);
}

}  // namespace
}  // namespace tessaro
