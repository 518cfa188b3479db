#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/open_view.h"

namespace tessaro {
namespace {

using test::OpenView;

TEST(InitialUpdate, NewDocumentShowsItsDefaults) {
  OpenView v;
  v.Open();
  const struct {
    int id;
    const char* text;
  } fields[] = {
      {ctl::X_LABEL, ""},
      {ctl::X_MAX, "200"},
      {ctl::X_MIN, "0"},
      {ctl::X_ZOOM, "6"},
      {ctl::Y_MAX, "120"},
      {ctl::Y_MIN, "0"},
      {ctl::Y_ZOOM, "6"},
      {ctl::DECIMALS, "1"},
      {ctl::PAYOFF, " 0.0 +  0.0 =  0.0 "},
      {ctl::LINE0, " 0.0 +  0.0 <=  0.0 "},
      {ctl::LINE0 + 5, " 0.0 +  0.0 <=  0.0 "},
  };
  for (const auto& f : fields) EXPECT_EQ(v.host.fields[f.id], f.text) << "field " << f.id;
  EXPECT_TRUE(v.host.messages.empty());
  EXPECT_EQ(v.host.spinLow, 0);
  EXPECT_EQ(v.host.spinHigh, 10000);
  EXPECT_EQ(v.host.spinPosition, 1);
  EXPECT_TRUE(v.host.offscreenCreated);
  EXPECT_GE(v.host.presents, 1);
  EXPECT_EQ(v.doc.held().xMax, 200.0);
  EXPECT_FALSE(v.doc.isModified());
}

// Labels first: the line waits, marked, with the label it needs marked too;
// no box takes the keystrokes and the focus stays in the line. Once both
// labels are there the typed text reads at once.
TEST(FieldHandlers, ALineTypedBeforeTheLabelsWaitsForThem) {
  OpenView v;
  v.Open();
  const int focused = v.host.focusedField;
  v.Type(ctl::LINE0, "c1: 2x + 3y <= 12");
  EXPECT_TRUE(v.host.messages.empty());
  EXPECT_EQ(v.host.focusedField, focused);
  const std::map<int, std::string> waitsForX = {
      {ctl::X_LABEL, "Please specify label of X axis first!"},
      {ctl::LINE0, "Please specify label of X axis first!"}};
  EXPECT_EQ(v.host.notices, waitsForX);
  EXPECT_EQ(v.doc.model().lines[0].a, 0.0);
  EXPECT_FALSE(v.doc.isModified());

  v.Type(ctl::X_LABEL, "x");
  const std::map<int, std::string> waitsForY = {
      {ctl::Y_LABEL, "Please specify label of Y axis first!"},
      {ctl::LINE0, "Please specify label of Y axis first!"}};
  EXPECT_EQ(v.host.notices, waitsForY);
  EXPECT_EQ(v.host.fields[ctl::LINE0], "c1: 2x + 3y <= 12");
  EXPECT_FALSE(v.doc.model().lines[0].isPresent());

  v.Type(ctl::Y_LABEL, "y");
  EXPECT_TRUE(v.host.notices.empty());
  EXPECT_TRUE(v.host.messages.empty());
  EXPECT_EQ(v.host.fields[ctl::LINE0], "c1: 2x + 3y <= 12");
  const Line& line = v.doc.model().lines[0];
  EXPECT_EQ(line.name, "c1");
  EXPECT_EQ(line.a, 2.0);
  EXPECT_EQ(line.b, 3.0);
  EXPECT_EQ(line.c, 12.0);
}

TEST(FieldHandlers, LabelsRelabelEveryLineAtOnce) {
  OpenView v;
  EditModel(v.doc)->lines[0].a = 2;
  EditModel(v.doc)->payoff.b = 1;
  v.Open();
  v.Type(ctl::X_LABEL, "x");
  EXPECT_TRUE(v.doc.isModified());
  EXPECT_EQ(v.doc.model().xLabel, "x");
  EXPECT_EQ(v.host.fields[ctl::LINE0], " 2.0 x +  0.0 <=  0.0 ");
  EXPECT_EQ(v.host.fields[ctl::LINE0 + 3], " 0.0 x +  0.0 <=  0.0 ");
  v.Type(ctl::Y_LABEL, "Tables");
  EXPECT_EQ(v.doc.model().yLabel, "Tables");
  EXPECT_EQ(v.host.fields[ctl::PAYOFF], " 0.0 x +  1.0 Tables =  0.0 ");
  v.Type(ctl::X_LABEL, "");
  EXPECT_EQ(v.host.fields[ctl::LINE0], " 2.0 +  0.0 Tables <=  0.0 ");
  EXPECT_EQ(v.doc.model().lines[0].a, 2.0);
}

TEST(FieldHandlers, TypedLineIsParsedMirroredAndDrawnButNotRewritten) {
  OpenView v;
  v.OpenLabelled();
  v.doc.markSaved();
  const int presents = v.host.presents;
  v.Type(ctl::LINE0 + 2, "c3: 2x - 3y >= 12");
  EXPECT_TRUE(v.host.messages.empty());
  const Line& line = v.doc.model().lines[2];
  EXPECT_EQ(line.name, "c3");
  EXPECT_EQ(line.a, 2.0);
  EXPECT_EQ(line.sign, -1);
  EXPECT_EQ(line.b, 3.0);
  EXPECT_EQ(line.relation, Relation::GreaterEqual);
  EXPECT_EQ(line.c, 12.0);
  EXPECT_TRUE(v.doc.isModified());
  EXPECT_GT(v.host.presents, presents);
  EXPECT_EQ(v.host.fields[ctl::LINE0 + 2], "c3: 2x - 3y >= 12");

  // The payoff keeps no relation; its level is the right-hand side.
  v.Type(ctl::PAYOFF, "3x - 2y <= 7");
  EXPECT_EQ(v.doc.model().payoff.a, 3.0);
  EXPECT_EQ(v.doc.model().payoff.sign, -1.0);
  EXPECT_EQ(v.doc.model().payoff.b, 2.0);
  EXPECT_EQ(v.doc.model().payoff.level, 7.0);
}

// A refused text shows no box: the field says why, the document and the
// picture keep the line last read, and the notice goes once the text reads.
TEST(FieldHandlers, ARefusedLineIsMarkedAndLeavesTheStoredLineAsItWas) {
  const struct {
    int field;
    const char* text;
    const char* reason;
  } rows[] = {
      {ctl::LINE0, "a:b: x <= 9", "You typed two \":\",please correct it!"},
      {ctl::LINE0, "C: 3x + 2y <= ", "right-hand side missing"},
      {ctl::LINE0, "x + y >= 4 apples", "unexpected text 'apples'"},
      {ctl::LINE0, "D: 2x + 3z <= 5", "unknown variable z"},
      {ctl::PAYOFF, "3x + 2y + 4", "unexpected text '+ 4'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    OpenView v;
    v.OpenLabelled();
    v.Type(row.field, "x <= 4");
    v.doc.markSaved();
    const Model before = v.doc.model();
    const int presents = v.host.presents;
    v.Type(row.field, row.text);
    EXPECT_TRUE(v.host.messages.empty());
    EXPECT_EQ(v.host.notices, (std::map<int, std::string>{{row.field, row.reason}}));
    EXPECT_EQ(v.host.fields[row.field], row.text);
    EXPECT_FALSE(v.doc.isModified());
    EXPECT_EQ(v.doc.model(), before);
    EXPECT_EQ(v.host.presents, presents);  // the picture is not redrawn
    // The deferred refresh that follows a repaint rewrites the other lines
    // but leaves the text being typed, and its notice.
    v.eq.refreshTimerFired();
    EXPECT_EQ(v.host.fields[row.field], row.text);
    EXPECT_EQ(v.host.notices.count(row.field), 1u);

    v.Type(row.field, "x <= 6");
    EXPECT_TRUE(v.host.notices.empty());
    EXPECT_TRUE(v.doc.isModified());
    const double rhs =
        row.field == ctl::PAYOFF ? v.doc.model().payoff.level : v.doc.model().lines[0].c;
    EXPECT_EQ(rhs, 6.0);
  }
}

// A button that changes a refused line writes the model's line into the
// field: the field no longer holds the refused text, so its notice goes.
TEST(FieldHandlers, AButtonOnARefusedLineShowsTheModelAgain) {
  OpenView v;
  v.OpenLabelled();
  v.Type(ctl::LINE0, "x <= 4");
  v.Type(ctl::LINE0, "x <= 4 apples");
  ASSERT_EQ(v.host.notices.count(ctl::LINE0), 1u);
  v.eq.stepButtonClicked(ctl::LINE_PLUS[0]);
  EXPECT_TRUE(v.host.notices.empty());
  EXPECT_EQ(v.host.fields[ctl::LINE0], " 1.0 x +  0.0 y <=  5.0 ");
  EXPECT_EQ(v.doc.model().lines[0].c, 5.0);
}

TEST(FieldHandlers, FailedPullInsideALineHandlerStopsAtTheBadField) {
  OpenView v;
  v.OpenLabelled();
  v.Type(ctl::LINE0, "x <= 4");
  v.Type(ctl::X_MAX, "12a");  // only arms the deferred refresh
  EXPECT_TRUE(v.host.messages.empty());
  v.host.fields[ctl::X_MIN] = "7";
  v.Type(ctl::LINE0, "x <= 9");
  EXPECT_EQ(v.host.MessageTexts(), std::vector<std::string>{"Please enter a number."});
  EXPECT_EQ(v.host.focusedField, ctl::X_MAX);
  EXPECT_EQ(v.doc.model().xMin, 0.0);
  // The line is not taken: the model keeps the line last read.
  EXPECT_EQ(v.doc.model().lines[0].c, 4.0);
}

TEST(FieldHandlers, RangeFieldsOnlyArmTheRefresh) {
  OpenView v;
  v.Open();
  v.host.timerRunning = false;
  const int writes = v.host.fieldWrites;
  v.Type(ctl::X_ZOOM, "3");
  EXPECT_TRUE(v.host.timerRunning);
  EXPECT_EQ(v.doc.model().xZoom, 6.0);
  EXPECT_EQ(v.host.fieldWrites, writes);
  EXPECT_FALSE(v.doc.isModified());
}

}  // namespace
}  // namespace tessaro
