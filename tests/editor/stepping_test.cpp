#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/open_view.h"

namespace tessaro {
namespace {

using test::OpenView;

// A view on a small stored model: maximize y with c1: x <= 100 (slack)
// and c2: y <= 5 (binding).
void OpenModel(OpenView& v) {
  EditModel(v.doc)->xLabel = "x";
  EditModel(v.doc)->yLabel = "y";
  EditModel(v.doc)->lines[0].name = "c1";
  EditModel(v.doc)->lines[0].a = 1;
  EditModel(v.doc)->lines[0].c = 100;
  EditModel(v.doc)->lines[1].name = "c2";
  EditModel(v.doc)->lines[1].b = 1;
  EditModel(v.doc)->lines[1].c = 5;
  EditModel(v.doc)->payoff.b = 1;
  v.Open();
}

// A button, the value it steps (a scalar field, or the right-hand side of
// line `line` when line >= 0) and the field that shows the value.
struct ButtonRow {
  const char* what;
  int id;
  double (*stored)(const Model&);
  int line;
  double delta;  // zooms start at 6, so both zoom rules step by 1 here
  int field;
};

void PrintTo(const ButtonRow& row, std::ostream* os) {
  *os << row.what;
}

double Value(const Document& d, const ButtonRow& r) {
  return r.line >= 0 ? d.model().lines[r.line].c : r.stored(d.model());
}

class ButtonTable : public testing::TestWithParam<ButtonRow> {};

TEST_P(ButtonTable, OneClickIsOneUndoableStep) {
  const ButtonRow& row = GetParam();
  OpenView v;
  OpenModel(v);
  const double before = Value(v.doc, row);
  const std::string textBefore = v.host.fields[row.field];
  const int presents = v.host.presents;
  // Copy sends the next Undo to the focused control; the click takes it
  // back to the history.
  v.eq.run(FormCommand::Copy);

  ASSERT_TRUE(v.eq.stepButtonClicked(row.id));
  EXPECT_EQ(Value(v.doc, row), before + row.delta);
  EXPECT_TRUE(v.doc.isModified());
  EXPECT_GT(v.host.presents, presents);
  EXPECT_NE(v.host.fields[row.field], textBefore);
  EXPECT_TRUE(v.host.messages.empty());

  v.eq.run(FormCommand::Undo);
  EXPECT_EQ(v.host.editRequests, std::vector<EditRequest>{EditRequest::Copy});
  EXPECT_EQ(Value(v.doc, row), before);
  EXPECT_EQ(v.host.fields[row.field], textBefore);
}

std::vector<ButtonRow> Buttons() {
  struct S {
    static double payoffLevel(const Model& m) { return m.payoff.level; }
    static double xZoom(const Model& m) { return m.xZoom; }
    static double yZoom(const Model& m) { return m.yZoom; }
    static double xMin(const Model& m) { return m.xMin; }
    static double xMax(const Model& m) { return m.xMax; }
    static double yMin(const Model& m) { return m.yMin; }
    static double yMax(const Model& m) { return m.yMax; }
  };
  std::vector<ButtonRow> rows = {
      {"payoff +", ctl::PAYOFF_PLUS, S::payoffLevel, -1, 1, ctl::PAYOFF},
      {"payoff -", ctl::PAYOFF_MINUS, S::payoffLevel, -1, -1, ctl::PAYOFF},
      {"X zoom +", ctl::X_ZOOM_PLUS, S::xZoom, -1, 1, ctl::X_ZOOM},
      {"X zoom -", ctl::X_ZOOM_MINUS, S::xZoom, -1, -1, ctl::X_ZOOM},
      {"Y zoom +", ctl::Y_ZOOM_PLUS, S::yZoom, -1, 1, ctl::Y_ZOOM},
      {"Y zoom -", ctl::Y_ZOOM_MINUS, S::yZoom, -1, -1, ctl::Y_ZOOM},
      {"X Min +", ctl::X_MIN_PLUS, S::xMin, -1, 1, ctl::X_MIN},
      {"X Min -", ctl::X_MIN_MINUS, S::xMin, -1, -1, ctl::X_MIN},
      {"X Max +", ctl::X_MAX_PLUS, S::xMax, -1, 1, ctl::X_MAX},
      {"X Max -", ctl::X_MAX_MINUS, S::xMax, -1, -1, ctl::X_MAX},
      {"Y Min +", ctl::Y_MIN_PLUS, S::yMin, -1, 1, ctl::Y_MIN},
      {"Y Min -", ctl::Y_MIN_MINUS, S::yMin, -1, -1, ctl::Y_MIN},
      {"Y Max +", ctl::Y_MAX_PLUS, S::yMax, -1, 1, ctl::Y_MAX},
      {"Y Max -", ctl::Y_MAX_MINUS, S::yMax, -1, -1, ctl::Y_MAX},
  };
  static const char* const names[] = {"line 1 +", "line 1 -", "line 2 +", "line 2 -",
                                      "line 3 +", "line 3 -", "line 4 +", "line 4 -",
                                      "line 5 +", "line 5 -", "line 6 +", "line 6 -"};
  for (int i = 0; i < LINE_COUNT; ++i) {
    rows.push_back({names[2 * i], ctl::LINE_PLUS[i], nullptr, i, 1, ctl::LINE0 + i});
    rows.push_back({names[2 * i + 1], ctl::LINE_MINUS[i], nullptr, i, -1, ctl::LINE0 + i});
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(AllButtons, ButtonTable, testing::ValuesIn(Buttons()));

TEST(Stepping, ZoomRuleGivesExactDoubles) {
  const struct {
    const char* what;
    double start;
    const char* clicks;
    std::vector<double> after;
  } rows[] = {
      {"from 3 down",
       3,
       "-----",
       {2, 1, 0.8333333333333334, 0.6944444444444445, 0.5787037037037038}},
      {"from 0.8333333333333334 up", 0.8333333333333334, "++", {1.0, 2.0}},
      {"from 1", 1, "+", {2}},
      {"from 1 down", 1, "-", {0.8333333333333334}},
      {"from 0.5 up", 0.5, "+", {0.6}},
      {"from 0.5 down", 0.5, "-", {0.4166666666666667}},
      {"floor", 0.00001, "-", {0.00001}},
      {"digits lost near the floor", 0.00002, "-", {0.000016666666666683337}},
  };
  for (const auto& row : rows) {
    for (bool yAxis : {false, true}) {
      SCOPED_TRACE(std::string(row.what) + (yAxis ? " (Y)" : " (X)"));
      OpenView v;
      (yAxis ? EditModel(v.doc)->yZoom : EditModel(v.doc)->xZoom) = row.start;
      v.Open();
      for (std::size_t k = 0; k < row.after.size(); ++k) {
        const bool plus = row.clicks[k] == '+';
        v.eq.stepButtonClicked(yAxis ? (plus ? ctl::Y_ZOOM_PLUS : ctl::Y_ZOOM_MINUS)
                                     : (plus ? ctl::X_ZOOM_PLUS : ctl::X_ZOOM_MINUS));
        EXPECT_EQ(yAxis ? v.doc.model().yZoom : v.doc.model().xZoom, row.after[k]) << "click " << k;
      }
    }
  }
}

TEST(Stepping, FieldShowsDecimalsWhileTheModelKeepsTheSum) {
  OpenView v;
  EditModel(v.doc)->xLabel = "x";
  EditModel(v.doc)->yLabel = "y";
  EditModel(v.doc)->lines[0].a = 1;
  EditModel(v.doc)->lines[0].c = 0.26;
  v.Open();
  v.eq.stepButtonClicked(ctl::LINE_PLUS[0]);
  EXPECT_DOUBLE_EQ(v.doc.model().lines[0].c, 1.26);
  EXPECT_EQ(v.host.fields[ctl::LINE0], " 1.0 x +  0.0 y <=  1.3 ");
  // Two clicks, then Undo: back to the value before the second click.
  v.eq.stepButtonClicked(ctl::LINE_PLUS[0]);
  v.eq.run(FormCommand::Undo);
  EXPECT_DOUBLE_EQ(v.doc.model().lines[0].c, 1.26);
}

TEST(Stepping, PreviewPayoffRoutesConstraintButtonsToTheProbe) {
  const struct {
    int id;
    const char* report;
  } rows[] = {
      {ctl::LINE_PLUS[1], "Optimal Payoff will change by  1.00 per increased RHS unit."},
      {ctl::LINE_MINUS[1], "Optimal Payoff will change by -1.00 per decreased RHS unit."},
      {ctl::LINE_PLUS[0], "Optimal Payoff will change by  0.00 per increased RHS unit."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.report);
    OpenView v;
    OpenModel(v);
    v.eq.run(FormCommand::TogglePreviewPayoff);
    v.eq.run(FormCommand::Copy);
    ASSERT_TRUE(v.eq.stepButtonClicked(row.id));
    ASSERT_FALSE(v.host.messages.empty());
    EXPECT_EQ(v.host.messages.back().text, row.report);
    EXPECT_EQ(v.doc.model().lines[0].c, 100.0);
    EXPECT_EQ(v.doc.model().lines[1].c, 5.0);
    // The click took the next Undo back from the control.
    v.eq.run(FormCommand::Undo);
    EXPECT_EQ(v.host.editRequests, std::vector<EditRequest>{EditRequest::Copy});
  }
  // The PAYOFF buttons step as usual.
  OpenView v;
  OpenModel(v);
  v.eq.run(FormCommand::TogglePreviewPayoff);
  v.eq.stepButtonClicked(ctl::PAYOFF_PLUS);
  EXPECT_EQ(v.doc.model().payoff.level, 1.0);
  EXPECT_TRUE(v.host.messages.empty());
}

TEST(Stepping, UnknownButtonChangesNothing) {
  OpenView v;
  OpenModel(v);
  EXPECT_FALSE(v.eq.stepButtonClicked(ctl::DECIMALS));
  EXPECT_FALSE(v.doc.canUndo());
  EXPECT_FALSE(v.doc.isModified());
}

}  // namespace
}  // namespace tessaro
