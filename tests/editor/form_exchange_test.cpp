#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "doc/document.h"
#include "editor/form_controller.h"
#include "support/fake_form_window.h"
#include "support/form_setup.h"
#include "support/model_edit.h"

namespace tessaro {
namespace {

// The fields in the form's order, each with a valid new text and a check
// that the model took it.
struct Slot {
  int id;
  const char* text;
  std::function<bool(const Model&)> stored;
};

std::vector<Slot> Slots() {
  std::vector<Slot> slots = {
      {ctl::X_LABEL, "p", [](const Model& m) { return m.xLabel == "p"; }},
      {ctl::Y_LABEL, "q", [](const Model& m) { return m.yLabel == "q"; }},
      {ctl::X_MAX, "50", [](const Model& m) { return m.xMax == 50.0; }},
      {ctl::X_MIN, " -5 ", [](const Model& m) { return m.xMin == -5.0; }},
      {ctl::X_ZOOM, "0.001", [](const Model& m) { return m.xZoom == 0.001; }},
      {ctl::Y_MAX, "6e1", [](const Model& m) { return m.yMax == 60.0; }},
      {ctl::Y_MIN, "-6", [](const Model& m) { return m.yMin == -6.0; }},
      {ctl::Y_ZOOM, "10000", [](const Model& m) { return m.yZoom == 10000.0; }},
      {ctl::DECIMALS, "3", [](const Model& m) { return m.decimals == 3; }},
      {ctl::PAYOFF, "3p - 2q = 7", [](const Model& m) { return m.payoff.level == 7.0; }},
  };
  for (int i = 0; i < LINE_COUNT; ++i) {
    static const char* const texts[] = {"l0: p <= 1", "l1: p <= 2", "l2: p <= 3",
                                        "l3: p <= 4", "l4: p <= 5", "l5: p <= 6"};
    slots.push_back({ctl::LINE0 + i, texts[i],
                     [i](const Model& m) { return m.lines[i].name == "l" + std::to_string(i); }});
  }
  return slots;
}

bool IsNumberField(int id) {
  return id >= ctl::X_MIN && id <= ctl::DECIMALS;
}

// A form on a document whose labels are those of the slots.
struct Form {
  test::FakeFormWindow host;
  Document doc;
  FormController eq{host, nullptr};

  Form() {
    eq.attach(doc);
    EditModel(doc)->xLabel = "p";
    EditModel(doc)->yLabel = "q";
    test::ShowOnForm(eq, host);
  }
};

struct CheckFailure {
  const char* what;
  int id;
  const char* text;
  const char* message;
};

void PrintTo(const CheckFailure& row, std::ostream* os) {
  *os << row.what;
}

class CheckFailureTable : public testing::TestWithParam<CheckFailure> {};

// An edit of a line checks every number field first, in the form's order:
// the first field refused shows its box and takes the focus, and the line
// is not taken. The fields after it are refused too here, so only the order
// decides which one speaks.
TEST_P(CheckFailureTable, StopsAtTheFirstFieldRefused) {
  const CheckFailure& row = GetParam();
  Form f;
  bool after = false;
  for (const Slot& s : Slots()) {
    f.host.fields[s.id] = s.text;
    if (after && IsNumberField(s.id)) f.host.fields[s.id] = "?";
    if (s.id == row.id) after = true;
  }
  f.host.fields[row.id] = row.text;
  const Model before = f.doc.model();

  f.eq.fieldEdited(ctl::LINE0);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, row.message);
  EXPECT_EQ(f.host.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(f.host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(f.host.focusedField, row.id);
  EXPECT_TRUE(f.host.focusSelectedAll);
  EXPECT_EQ(f.doc.model(), before);
  EXPECT_FALSE(f.doc.isModified());
}

const char* const kNumber = "Please enter a number.";
const char* const kInteger = "Please enter an integer.";
const char* const kRange = "Please enter a number between 0.001 and 10000.";

INSTANTIATE_TEST_SUITE_P(
    Messages, CheckFailureTable,
    testing::Values(CheckFailure{"letter in X Max", ctl::X_MAX, "12a", kNumber},
                    CheckFailure{"point zero in X Min", ctl::X_MIN, ".0", kNumber},
                    CheckFailure{"X Zoom too large", ctl::X_ZOOM, "20000", kRange},
                    CheckFailure{"X Zoom too small", ctl::X_ZOOM, "0.0009", kRange},
                    CheckFailure{"empty Y Max", ctl::Y_MAX, "", kNumber},
                    CheckFailure{"minus zero in Y Min", ctl::Y_MIN, "-0", kNumber},
                    CheckFailure{"Y Zoom zero", ctl::Y_ZOOM, "0", kRange},
                    CheckFailure{"Y Zoom not a number", ctl::Y_ZOOM, "abc", kNumber},
                    CheckFailure{"fractional decimals", ctl::DECIMALS, "1.5", kInteger},
                    CheckFailure{"huge decimals", ctl::DECIMALS, "99999999999", kInteger}));

// Each field is read by the edit that changes it: a label or a line at
// once, the numbers by the deferred refresh that the edit arms.
TEST(FormExchange, EveryFieldIsStoredByTheEditThatReadsIt) {
  Form f;
  EditModel(f.doc)->xLabel = "";
  EditModel(f.doc)->yLabel = "";
  for (const Slot& s : Slots()) {
    f.host.fields[s.id] = s.text;
    f.eq.fieldEdited(s.id);
  }
  f.eq.refreshTimerFired();
  EXPECT_TRUE(f.host.messages.empty());
  for (const Slot& s : Slots()) EXPECT_TRUE(s.stored(f.doc.model())) << "field " << s.id;
}

// The check reads each number on its own: a minimum above its maximum is
// no reason to refuse a line. The ranges and zooms typed wait for the
// deferred refresh, which refuses such a range.
TEST(FormExchange, ALineEditTakesTheLineAndLeavesTheRangesToTheRefresh) {
  Form f;
  for (const Slot& s : Slots()) f.host.fields[s.id] = s.text;
  f.host.fields[ctl::X_MAX] = "4";
  f.host.fields[ctl::X_MIN] = "5";
  f.host.fields[ctl::Y_MAX] = "-7";  // below Y Min -6
  f.eq.fieldEdited(ctl::LINE0 + 5);
  EXPECT_TRUE(f.host.messages.empty());
  const Model& m = f.doc.model();
  EXPECT_EQ(m.lines[5].name, "l5");
  EXPECT_EQ(m.xMin, 0.0);
  EXPECT_EQ(m.xMax, 200.0);
  EXPECT_EQ(m.yMin, 0.0);
  EXPECT_EQ(m.yMax, 120.0);
  EXPECT_EQ(m.xZoom, 6.0);
}

TEST(FormExchange, ShowWritesEveryFieldButThoseAlreadyShowingTheirText) {
  test::FakeFormWindow host;
  Document doc;
  {
    ModelEdit m = EditModel(doc);
    m->xLabel = "x";
    m->xMin = 0.00001;
    m->yZoom = 0.8333333333333334;
    m->decimals = -2;
  }
  FormController eq(host, nullptr);
  eq.attach(doc);
  host.fields[ctl::X_MAX] = "200";
  host.fields[ctl::LINE0 + 5] = "   0 x +    0 <=    0 ";
  eq.start();
  const std::pair<int, const char*> shown[] = {
      {ctl::X_LABEL, "x"},
      {ctl::X_MIN, "1e-005"},
      {ctl::X_ZOOM, "6"},
      {ctl::Y_MAX, "120"},
      {ctl::Y_ZOOM, "0.833333333333333"},
      {ctl::DECIMALS, "-2"},
      {ctl::PAYOFF, "   0 x +    0 =    0 "},
      {ctl::LINE0 + 5, "   0 x +    0 <=    0 "},
  };
  for (const auto& [id, text] : shown) EXPECT_EQ(host.fields[id], text) << "field " << id;
  // Written: the X label, the six fields other than X Max, the PAYOFF and
  // five lines; the empty Y label, X Max and the last line already showed
  // theirs.
  EXPECT_EQ(host.fieldWrites, 13);
  eq.start();
  EXPECT_EQ(host.fieldWrites, 13);
  EXPECT_TRUE(host.messages.empty());
}

TEST(FormExchange, NothingIsExchangedBeforeTheFormExists) {
  test::FakeFormWindow host;
  host.formReady = false;
  host.fields[ctl::X_LABEL] = "x";
  host.fields[ctl::LINE0] = "c1: 2 <= 4";
  Document doc;
  FormController eq(host, nullptr);
  eq.attach(doc);
  eq.start();
  eq.fieldEdited(ctl::X_LABEL);
  eq.fieldEdited(ctl::LINE0);
  EXPECT_EQ(doc.model().xLabel, "");
  EXPECT_FALSE(doc.model().lines[0].isPresent());
  EXPECT_EQ(doc.historySize(), 0u);
  EXPECT_EQ(host.fieldWrites, 0);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tessaro
