// Thin strips and bounds that fall on or next to integers, where the
// bounded enumeration skips a column on its real bounds alone: it must find
// exactly the points of the plain enumeration. And the memory of recent
// enumerations must answer each question with its own points.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "solver/lattice_cache.h"
#include "solver/lattice_points.h"
#include "solver/lattice_rows.h"

namespace tessaro {
namespace {

constexpr double LE = 0.0;
constexpr double EQ = 1.0;
constexpr double GE = 2.0;

using test::Constraint;
using test::MakeRows;

std::string Describe(const LatticeResult& r) {
  std::string out = r.limitReached ? "limit:" : "";
  for (const IntPoint& p : r.points) {
    out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  }
  return out;
}

struct StripCase {
  const char* name;
  std::vector<Constraint> rows;
  PlotFrame frame;
  bool expectPoints;  // guards against a table row that tests nothing
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const StripCase& row, std::ostream* os) {
  *os << row.name;
}

class LatticeStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(LatticeStripTest, MatchesThePlainEnumeration) {
  const StripCase& c = GetParam();
  const LatticeRows rows = MakeRows(c.rows);
  const LatticeResult bounded = EnumerateLatticePoints(rows, c.frame, 1000);
  const LatticeResult plain = EnumerateLatticePointsPlain(rows, c.frame, 1000);
  EXPECT_EQ(Describe(bounded), Describe(plain));
  EXPECT_EQ(!plain.points.empty(), c.expectPoints);
  EXPECT_FALSE(bounded.budgetExhausted);
}

const PlotFrame kSmall{0, 120, 0, 120, 5, 5};

INSTANTIATE_TEST_SUITE_P(
    Strips, LatticeStripTest,
    testing::Values(
        // Points only every seventh column: (3, 13), (10, 10) ... (31, 1).
        StripCase{"EqualityWithSparsePoints", {{3, 7, EQ, 100}}, kSmall, true},
        StripCase{"EqualityWithoutPoints", {{2, 4, EQ, 1}}, kSmall, false},
        // The strip 1 - 1e-5 <= 2y - x <= 1 + 1e-5: points where x is odd.
        StripCase{"TwoSidedThinStrip", {{-1, 2, GE, 0.99999}, {-1, 2, LE, 1.00001}}, kSmall, true},
        // A bound within the tolerance (1e-9 of the row's size, at least
        // 6 here) of an integer still lets it in.
        StripCase{"BoundJustInsideTheTolerance",
                  {{1, 3, GE, 3 + 3e-9}, {1, 3, LE, 3 + 3e-9}},
                  kSmall,
                  true},
        StripCase{"BoundJustOutsideTheTolerance", {{2, 3, EQ, 7 + 1e-7}}, kSmall, false},
        StripCase{"EqualityWithinTheTolerance", {{2, 3, EQ, 7 + 5e-9}}, kSmall, true},
        // Huge coefficients: the real bounds round, the exact test decides.
        StripCase{"HugeDiagonal", {{1e9, -1e9, EQ, 0}}, kSmall, true},
        StripCase{"HugeDiagonalOffByAHalf", {{1e9, -1e9, EQ, 5e8}}, kSmall, false},
        StripCase{"SteepStrip", {{1e12, 1, GE, 5e13 - 0.5}, {1e12, 1, LE, 5e13 + 3}}, kSmall, true},
        StripCase{"FlatStripNearAnInteger",
                  {{1e-9, 1, GE, 7 - 1e-12}, {1e-9, 1, LE, 7 + 1e-7}},
                  kSmall,
                  true},
        // Far from the origin the integers themselves are large.
        StripCase{"FarColumns",
                  {{1, -3, EQ, 1e6 + 0.5}, {1, 0, GE, 1e6}, {1, 0, LE, 1e6 + 60}},
                  PlotFrame{1e6 - 10, 1e6 + 80, 0, 40, 1, 1},
                  false},
        StripCase{"FarColumnsWithPoints",
                  {{1, -3, EQ, 1e6 - 2}, {1, 0, GE, 1e6}, {1, 0, LE, 1e6 + 60}},
                  PlotFrame{1e6 - 10, 1e6 + 80, 0, 40, 1, 1},
                  true},
        StripCase{"NegativeSlopeEquality", {{5, 3, EQ, 60}}, kSmall, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A strip of no points over a huge range ends quickly within the budget.
TEST(LatticeStrip, PointlessHugeStripEndsAtTheBudgetWithoutPoints) {
  const LatticeRows rows = MakeRows({{2, 6442450941.0, EQ, 1}});
  const LatticeResult r =
      EnumerateLatticePoints(rows, PlotFrame{0, 2147483647.0, 0, 10, 1e-9, 1e-9}, 1000);
  EXPECT_TRUE(r.points.empty());
  EXPECT_TRUE(r.budgetExhausted);
}

TEST(LatticeCache, AnswersEachQuestionWithItsOwnPoints) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Question {
    const char* name;
    LatticeRows rows;
    PlotFrame frame;
    int limit;
  };
  const std::vector<Question> questions = {
      {"Triangle", MakeRows({{1, 1, LE, 4}}), kSmall, 1000},
      {"TriangleOtherFrame", MakeRows({{1, 1, LE, 4}}), PlotFrame{0, 2, 0, 2, 5, 5}, 1000},
      {"TriangleLowLimit", MakeRows({{1, 1, LE, 4}}), kSmall, 3},
      {"BiggerTriangle", MakeRows({{1, 1, LE, 5}}), kSmall, 1000},
      {"GreaterThan", MakeRows({{1, 1, GE, 4}, {1, 0, LE, 3}, {0, 1, LE, 3}}), kSmall, 1000},
      {"NegativeZeroRhs", MakeRows({{1, -1, LE, -0.0}, {1, 0, LE, 3}}), kSmall, 1000},
      {"ZeroRhs", MakeRows({{1, -1, GE, 0.0}, {0, 1, LE, 3}}), kSmall, 1000},
      {"NaNRow", MakeRows({{nan, 1, LE, 2}, {1, 0, LE, 2}}), kSmall, 1000},
  };
  // Twice round, more questions than the memory holds, then each again
  // right after itself.
  for (int round = 0; round < 2; ++round) {
    for (const Question& q : questions) {
      const std::string want = Describe(EnumerateLatticePoints(q.rows, q.frame, q.limit));
      EXPECT_EQ(Describe(CachedLatticePoints(q.rows, q.frame, q.limit)), want) << q.name;
      EXPECT_EQ(Describe(CachedLatticePoints(q.rows, q.frame, q.limit)), want) << q.name;
    }
  }
}

}  // namespace
}  // namespace tessaro
