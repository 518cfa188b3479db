#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/plot_drawing.h"
#include "render_fixture.h"

namespace tessaro {
namespace {

using test::RenderFixture;
using Call = RecordingSurface::Call;

std::vector<PlanePoint> Optimum(const std::vector<std::pair<double, double>>& points) {
  std::vector<PlanePoint> out;
  for (const auto& [x, y] : points) out.push_back({x, y});
  return out;
}

// A model with axes named X and Y, shown with these decimals.
void NameAxes(RenderFixture& f, int decimals) {
  ModelEdit m = EditModel(f.document);
  m->xLabel = "X";
  m->yLabel = "Y";
  m->decimals = decimals;
}

struct StatusCase {
  const char* name;
  std::vector<std::pair<double, double>> points;
  int decimals;
  const char* expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const StatusCase& row, std::ostream* os) {
  *os << row.name;
}

class StatusPane : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StatusPane, TextOfTheOptimum) {
  const StatusCase& p = GetParam();
  RenderFixture f;
  NameAxes(f, p.decimals);
  EXPECT_EQ(StatusResultsText(f.document.model(), Optimum(p.points)), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StatusPane,
    ::testing::Values(StatusCase{"TwoPointsTwoDecimals",
                                 {{4, 2}, {6, 0}},
                                 2,
                                 "Optimal Decisions(X, Y):  (4.00, 2.00) (6.00, 0.00)"},
                      StatusCase{
                          "NoDecimals", {{12, 3}}, 0, "Optimal Decisions(X, Y):  (  12,    3)"},
                      StatusCase{"DuplicateSkipped",
                                 {{1, 1}, {NO_POINT, NO_POINT}, {2.5, 0}},
                                 1,
                                 "Optimal Decisions(X, Y):  ( 1.0,  1.0) ( 2.5,  0.0)"}),
    [](const auto& info) { return info.param.name; });

// x + y <= 10, x <= 6 and payoff 2x + y: Auto Max finds the corner (6, 4).
TEST(StatusPane, WrittenByEveryRedraw) {
  RenderFixture f;
  NameAxes(f, 2);
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  f.SetLine(1, "B", 1, 1, 0, REL_LE, 6);
  {
    ModelEdit m = EditModel(f.document);
    m->payoff.a = 2;
    m->payoff.b = 1;
  }
  f.eq.run(FormCommand::AutoMax);
  ASSERT_FALSE(f.eq.optimum().empty());
  f.host.panes.clear();
  f.eq.redraw();
  EXPECT_EQ(f.host.panes[2], "Optimal Decisions(X, Y):  (6.00, 4.00)");
  EXPECT_EQ(StatusResultsText(f.document.model(), f.eq.optimum()), f.host.panes[2]);
  // A changed line makes the optimum stale: the next redraw clears it.
  EditModel(f.document)->lines[0].c += 1;
  f.eq.redraw();
  EXPECT_EQ(f.host.panes[2], "");
  EXPECT_TRUE(f.eq.optimum().empty());
}

TEST(StatusPane, LeftAloneWithoutOptimum) {
  RenderFixture f;
  f.host.panes[2] = "earlier result";
  f.eq.redraw();
  EXPECT_EQ(f.host.panes[2], "earlier result");
  EXPECT_EQ(StatusResultsText(f.document.model(), f.eq.optimum()), "");
}

TEST(StatusPane, TwentyPointsWithManyDecimalsAreWhole) {
  RenderFixture f;
  NameAxes(f, 12);
  std::vector<PlanePoint> points;
  for (int k = 0; k < MAX_OPTIMAL; ++k) points.push_back({k * 1.5, 100.0 - k});
  const std::string text = StatusResultsText(f.document.model(), points);
  EXPECT_GT(text.size(), 200u);
  const std::string last = " (28.500000000000, 81.000000000000)";
  ASSERT_GT(text.size(), last.size());
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
  EXPECT_EQ(text.substr(0, 27), "Optimal Decisions(X, Y):  (");
}

// Texts of the printed results of the form, each with its place.
std::vector<Call> ResultsTexts(const FormController& eq, RecordingSurface& s) {
  s.Clear();
  eq.drawResults(s);
  return s.CallsOf("text");
}

TEST(PrintedResults, HeadAndPieces) {
  RenderFixture f;
  NameAxes(f, 2);
  DrawResultsText(f.document.model(), Optimum({{4, 2}, {6, 0}}), f.host.surface);
  const auto texts = f.host.surface.CallsOf("text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Optimal Decisions(X,Y): (4.00, 2.00) (6.00, 0.00)");
  EXPECT_EQ(texts[0].args, (std::vector<int>{0, 40}));
}

struct PrintedLineCase {
  const char* name;
  int sign;
  double relation;
  int decimals;
  const char* expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const PrintedLineCase& row, std::ostream* os) {
  *os << row.name;
}

class PrintedConstraint : public ::testing::TestWithParam<PrintedLineCase> {};

TEST_P(PrintedConstraint, FullTextWithRelation) {
  const PrintedLineCase& p = GetParam();
  RenderFixture f;
  NameAxes(f, p.decimals);
  f.SetLine(0, "C1", 1, p.sign, 3, p.relation, 12);
  const auto texts = ResultsTexts(f.eq, f.host.surface);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, p.expected);
  EXPECT_EQ(texts[0].args, (std::vector<int>{0, 55}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintedConstraint,
    ::testing::Values(PrintedLineCase{"MinusGreater", -1, REL_GE, 1,
                                      "C1:   1.0X -   3.0Y >=  12.0"},
                      PrintedLineCase{"PlusLess", 1, REL_LE, 2, "C1:  1.00X +  3.00Y <= 12.00"},
                      // An "=" row prints "=", not ">=".
                      PrintedLineCase{"Equality", 1, REL_EQ, 0, "C1:     1X +     3Y =    12"},
                      PrintedLineCase{"ManyDecimals", 1, REL_LE, 9,
                                      "C1: 1.000000000X + 3.000000000Y <= 12.000000000"}),
    [](const auto& info) { return info.param.name; });

TEST(PrintedResults, RowsKeepTheirPlaces) {
  RenderFixture f;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  f.SetLine(3, "D", 2, 1, 1, REL_GE, 4);
  const auto texts = ResultsTexts(f.eq, f.host.surface);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text.substr(0, 2), "A:");
  EXPECT_EQ(texts[0].args, (std::vector<int>{0, 55}));
  EXPECT_EQ(texts[1].text.substr(0, 2), "D:");
  EXPECT_EQ(texts[1].args, (std::vector<int>{0, 100}));
}

TEST(DrawPicture, AxesModelAndResultsWithoutOptimum) {
  RenderFixture f;
  {
    ModelEdit m = EditModel(f.document);
    m->payoff.a = 1;
    m->payoff.b = 1;
    m->payoff.level = 10;
  }
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  // The picture of Copy Picture and the page: axes, model, results.
  f.eq.drawPlot(f.host.surface, f.eq.view());
  f.eq.drawResults(f.host.surface);
  const auto texts = f.host.surface.Texts();
  for (const std::string& t : texts) EXPECT_EQ(t.find("Optimal Decisions"), std::string::npos);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), "A:   1.0 +   1.0 <=  10.0");
  EXPECT_EQ(f.host.surface.CallsOf("rect").size(), 1u);
  EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                         [](const std::string& t) { return t.rfind("Payoff:", 0) == 0; }),
            texts.end());
}

}  // namespace
}  // namespace tessaro
