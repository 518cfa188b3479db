#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/form_controller.h"
#include "support/fake_form_window.h"

namespace tessaro {
namespace {

// The exchange entries in exchange order, each with a valid new text and a
// check that the model took it.
struct Slot {
  int id;
  const char* text;
  std::function<bool(const FormController&)> stored;
};

std::vector<Slot> Slots() {
  std::vector<Slot> slots = {
      {ctl::X_LABEL, "p", [](const FormController& e) { return e.xLabel == "p"; }},
      {ctl::Y_LABEL, "q", [](const FormController& e) { return e.yLabel == "q"; }},
      {ctl::X_MAX, "50", [](const FormController& e) { return e.xMax == 50.0; }},
      {ctl::X_MIN, " -5 ", [](const FormController& e) { return e.xMin == -5.0; }},
      {ctl::X_ZOOM, "0.001", [](const FormController& e) { return e.xZoom == 0.001; }},
      {ctl::Y_MAX, "6e1", [](const FormController& e) { return e.yMax == 60.0; }},
      {ctl::Y_MIN, "-6", [](const FormController& e) { return e.yMin == -6.0; }},
      {ctl::Y_ZOOM, "10000", [](const FormController& e) { return e.yZoom == 10000.0; }},
      {ctl::DECIMALS, "3", [](const FormController& e) { return e.decimals == 3; }},
      {ctl::PAYOFF, "payoff", [](const FormController& e) { return e.payoffText == "payoff"; }},
  };
  for (int i = 0; i < LINE_COUNT; ++i) {
    static const char* const texts[] = {"l0", "l1", "l2", "l3", "l4", "l5"};
    slots.push_back({ctl::LINE0 + i, texts[i],
                     [i](const FormController& e) { return e.lineText[i] == texts[i]; }});
  }
  return slots;
}

struct PullFailure {
  const char* what;
  int id;
  const char* text;
  const char* message;
};

void PrintTo(const PullFailure& row, std::ostream* os) {
  *os << row.what;
}

class PullFailureTable : public testing::TestWithParam<PullFailure> {};

TEST_P(PullFailureTable, StopsAtTheFailingEntry) {
  const PullFailure& row = GetParam();
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  for (const Slot& s : Slots()) host.fields[s.id] = s.text;
  host.fields[row.id] = row.text;
  const double zoomBefore = eq.xZoom;

  EXPECT_FALSE(eq.ReadFields());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, row.message);
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.focusedField, row.id);
  EXPECT_TRUE(host.focusSelectedAll);
  bool reached = false;
  for (const Slot& s : Slots()) {
    if (s.id == row.id) reached = true;
    EXPECT_EQ(s.stored(eq), !reached) << "field " << s.id;
  }
  if (row.id == ctl::X_ZOOM) EXPECT_EQ(eq.xZoom, zoomBefore);
}

const char* const kNumber = "Please enter a number.";
const char* const kInteger = "Please enter an integer.";
const char* const kRange = "Please enter a number between 0.001 and 10000.";

INSTANTIATE_TEST_SUITE_P(
    Messages, PullFailureTable,
    testing::Values(PullFailure{"letter in X Max", ctl::X_MAX, "12a", kNumber},
                    PullFailure{"point zero in X Min", ctl::X_MIN, ".0", kNumber},
                    PullFailure{"X Zoom too large", ctl::X_ZOOM, "20000", kRange},
                    PullFailure{"X Zoom too small", ctl::X_ZOOM, "0.0009", kRange},
                    PullFailure{"empty Y Max", ctl::Y_MAX, "", kNumber},
                    PullFailure{"minus zero in Y Min", ctl::Y_MIN, "-0", kNumber},
                    PullFailure{"Y Zoom zero", ctl::Y_ZOOM, "0", kRange},
                    PullFailure{"Y Zoom not a number", ctl::Y_ZOOM, "abc", kNumber},
                    PullFailure{"fractional decimals", ctl::DECIMALS, "1.5", kInteger},
                    PullFailure{"huge decimals", ctl::DECIMALS, "99999999999", kInteger}));

TEST(FormExchange, PullStoresEveryEntry) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  for (const Slot& s : Slots()) host.fields[s.id] = s.text;
  EXPECT_EQ(eq.ReadFields(), 1);
  EXPECT_TRUE(host.messages.empty());
  for (const Slot& s : Slots()) EXPECT_TRUE(s.stored(eq)) << "field " << s.id;
}

TEST(FormExchange, PullKeepsARangeWhoseMinimumIsAboveItsMaximum) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  eq.xMax = 200.0;
  eq.yMax = 120.0;
  for (const Slot& s : Slots()) host.fields[s.id] = s.text;
  host.fields[ctl::X_MAX] = "4";
  host.fields[ctl::X_MIN] = "5";
  host.fields[ctl::Y_MAX] = "-7";  // below Y Min -6
  EXPECT_EQ(eq.ReadFields(), 1);
  // Both ends keep their values; the other entries are taken as usual.
  EXPECT_EQ(eq.xMin, 0.0);
  EXPECT_EQ(eq.xMax, 200.0);
  EXPECT_EQ(eq.yMin, 0.0);
  EXPECT_EQ(eq.yMax, 120.0);
  EXPECT_EQ(eq.xZoom, 0.001);
  EXPECT_EQ(eq.lineText[5], "l5");
}

TEST(FormExchange, PushWritesEveryFieldButThoseAlreadyShowingTheirText) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  eq.xLabel = "x";
  eq.xMin = 0.00001;
  eq.yZoom = 0.8333333333333334;
  eq.decimals = -2;
  eq.lineText[5] = "last";
  host.fields[ctl::X_MAX] = "0";
  eq.ShowFields();
  const std::pair<int, const char*> shown[] = {
      {ctl::X_LABEL, "x"},
      {ctl::X_MIN, "1e-005"},
      {ctl::X_ZOOM, "3"},
      {ctl::Y_MAX, "0"},
      {ctl::Y_ZOOM, "0.833333333333333"},
      {ctl::DECIMALS, "-2"},
      {ctl::PAYOFF, ""},
      {ctl::LINE0 + 5, "last"},
  };
  for (const auto& [id, text] : shown) EXPECT_EQ(host.fields[id], text) << "field " << id;
  // Written: the label, the five numbers other than X Max, decimals and the
  // last line; the empty texts and X Max already showed theirs.
  EXPECT_EQ(host.fieldWrites, 8);
  eq.ShowFields();
  EXPECT_EQ(host.fieldWrites, 8);
  EXPECT_TRUE(host.messages.empty());
}

TEST(FormExchange, NothingIsExchangedBeforeTheFormExists) {
  test::FakeFormWindow host;
  host.formReady = false;
  host.fields[ctl::X_LABEL] = "x";
  FormController eq(host, nullptr);
  EXPECT_FALSE(eq.ReadFields());
  EXPECT_EQ(eq.xLabel, "");
  eq.ShowFields();
  EXPECT_EQ(host.fieldWrites, 0);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tessaro
