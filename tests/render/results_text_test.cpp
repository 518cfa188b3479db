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

void SetOptimum(FormController& eq, std::vector<std::pair<double, double>> points) {
  eq.optimalCount = static_cast<int>(points.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    eq.optimalX[k] = points[k].first;
    eq.optimalY[k] = points[k].second;
  }
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

TEST_P(StatusPane, WrittenByEveryRedraw) {
  const StatusCase& p = GetParam();
  RenderFixture f;
  f.eq.xLabel = "X";
  f.eq.yLabel = "Y";
  f.eq.decimals = p.decimals;
  SetOptimum(f.eq, p.points);
  f.eq.optimumMark = MarkOptimum(f.eq);
  f.eq.RedrawGraph();
  EXPECT_EQ(f.host.panes[2], p.expected);
  EXPECT_EQ(f.eq.StatusResultsText(), p.expected);
  // A changed line makes the optimum stale: the next redraw clears it.
  f.eq.lineC[0] += 1;
  f.eq.RedrawGraph();
  EXPECT_EQ(f.host.panes[2], "");
  EXPECT_EQ(f.eq.optimalCount, 0);
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

TEST(StatusPane, LeftAloneWithoutOptimum) {
  RenderFixture f;
  f.host.panes[2] = "earlier result";
  f.eq.RedrawGraph();
  EXPECT_EQ(f.host.panes[2], "earlier result");
  EXPECT_EQ(f.eq.StatusResultsText(), "");
}

TEST(StatusPane, TwentyPointsWithManyDecimalsAreWhole) {
  RenderFixture f;
  f.eq.xLabel = "X";
  f.eq.yLabel = "Y";
  f.eq.decimals = 12;
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k < MAX_OPTIMAL; ++k) points.push_back({k * 1.5, 100.0 - k});
  SetOptimum(f.eq, points);
  f.eq.RefreshResultsPane();
  const std::string& text = f.host.panes[2];
  EXPECT_GT(text.size(), 200u);
  const std::string last = " (28.500000000000, 81.000000000000)";
  ASSERT_GT(text.size(), last.size());
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
  EXPECT_EQ(text.substr(0, 27), "Optimal Decisions(X, Y):  (");
}

// Texts drawn by DrawResultsText, each with its place.
std::vector<Call> ResultsTexts(FormController& eq, RecordingSurface& s) {
  s.Clear();
  eq.DrawResultsText(s);
  return s.CallsOf("text");
}

TEST(PrintedResults, HeadAndPieces) {
  RenderFixture f;
  f.eq.xLabel = "X";
  f.eq.yLabel = "Y";
  f.eq.decimals = 2;
  SetOptimum(f.eq, {{4, 2}, {6, 0}});
  const auto texts = ResultsTexts(f.eq, f.host.surface);
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
  f.eq.xLabel = "X";
  f.eq.yLabel = "Y";
  f.eq.decimals = p.decimals;
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
  f.eq.payoffA = 1;
  f.eq.payoffB = 1;
  f.eq.payoffLevel = 10;
  f.SetLine(0, "A", 1, 1, 1, REL_LE, 10);
  // The picture of Copy Picture and the page: axes, model, results.
  DrawAxes(f.eq, f.eq.view, f.host.surface);
  (void)DrawModel(f.eq, f.eq.view, f.eq.optimumMark, f.host.surface);
  DrawResultsText(f.eq, f.host.surface);
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
