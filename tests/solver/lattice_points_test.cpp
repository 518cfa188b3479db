#include "solver/lattice_points.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "solver/lattice_rows.h"

namespace tessaro {
namespace {

constexpr double LE = 0.0;
constexpr double EQ = 1.0;
constexpr double GE = 2.0;

using test::Constraint;
using test::MakeRows;

std::string Describe(const std::vector<IntPoint>& points) {
  std::string out;
  for (const IntPoint& p : points) {
    out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  }
  return out;
}

// Points of the plain enumeration in order, for rows listed column by column.
std::vector<IntPoint> Column(int x, int yFirst, int yLast) {
  std::vector<IntPoint> out;
  for (int y = yFirst; y <= yLast; ++y) out.push_back({x, y});
  return out;
}

std::vector<IntPoint> Join(std::initializer_list<std::vector<IntPoint>> parts) {
  std::vector<IntPoint> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

struct ExplicitCase {
  const char* name;
  std::vector<Constraint> constraints;
  PlotFrame frame;
  std::vector<IntPoint> expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const ExplicitCase& row, std::ostream* os) {
  *os << row.name;
}

const PlotFrame kTen{0, 10, 0, 10, 6, 6};
const PlotFrame kFive{0, 5, 0, 5, 6, 6};

class LatticeExplicit : public ::testing::TestWithParam<ExplicitCase> {};

TEST_P(LatticeExplicit, FindsThePointsInOrder) {
  const ExplicitCase& p = GetParam();
  const LatticeRows rows = MakeRows(p.constraints);
  const LatticeResult bounded = EnumerateLatticePoints(rows, p.frame, 1000);
  const LatticeResult plain = EnumerateLatticePointsPlain(rows, p.frame, 1000);
  EXPECT_EQ(Describe(bounded.points), Describe(p.expected));
  EXPECT_EQ(Describe(plain.points), Describe(p.expected));
  EXPECT_FALSE(bounded.limitReached);
}

INSTANTIATE_TEST_SUITE_P(
    Models, LatticeExplicit,
    ::testing::Values(
        ExplicitCase{"TwoXPlusThreeY",
                     {{2, 3, LE, 12}},
                     kTen,
                     Join({Column(0, 0, 4), Column(1, 0, 3), Column(2, 0, 2), Column(3, 0, 2),
                           Column(4, 0, 1), Column(5, 0, 0), Column(6, 0, 0)})},
        // The range starts at -3 but x >= 0 and y >= 0 keep the quadrant.
        ExplicitCase{"NegativeStart",
                     {{1, 1, LE, 1}},
                     PlotFrame{-3.7, 10, -3.7, 10, 6, 6},
                     Join({Column(0, 0, 1), Column(1, 0, 0)})},
        // An "=" row keeps only the points on its line.
        ExplicitCase{"EqualityKeepsItsLine",
                     {{1, -3, EQ, 1}},
                     kTen,
                     {{1, 0}, {4, 1}, {7, 2}, {10, 3}, {13, 4}, {16, 5}}},
        // A row's tolerance is 1e-9 of its size max(1, |a x| + |b y| + |c|).
        ExplicitCase{"EqualityMissedByLessThanTolerance",
                     {{1, 1, EQ, 3 + 3e-9}},
                     kFive,
                     {{0, 3}, {1, 2}, {2, 1}, {3, 0}}},
        ExplicitCase{"EqualityMissedByMoreThanTolerance", {{1, 1, EQ, 3.00005}}, kFive, {}},
        ExplicitCase{"TinyRowRefusesWhatItsLineMisses", {{1e-6, 1e-6, EQ, 3.01e-6}}, kFive, {}},
        // On the line, and within the tolerance beyond it, still counts.
        ExplicitCase{"OnAndBarelyBeyondLine",
                     {{1, 0, LE, 2 - 2e-9}, {0, 1, GE, 3 + 4e-9}},
                     PlotFrame{0, 3, 0, 4, 100, 100},
                     Join({Column(0, 3, 4), Column(1, 3, 4), Column(2, 3, 4)})},
        ExplicitCase{"GreaterEqualFromAbove",
                     {{1, 1, GE, 9}},
                     kFive,
                     Join({Column(0, 9, 11), Column(1, 8, 11), Column(2, 7, 11), Column(3, 6, 11),
                           Column(4, 5, 11), Column(5, 4, 11), Column(6, 3, 11), Column(7, 2, 11),
                           Column(8, 1, 11), Column(9, 0, 11), Column(10, 0, 11), Column(11, 0, 11),
                           Column(12, 0, 11), Column(13, 0, 11)})},
        // The relation code is read by its integer part: 0.7 is "<=".
        ExplicitCase{"FractionalRelation",
                     {{1, 0, 0.7, 1}},
                     PlotFrame{0, 3, 0, 1, 50, 50},
                     Join({Column(0, 0, 1), Column(1, 0, 1)})},
        ExplicitCase{"Infeasible", {{1, 1, LE, -1}}, kTen, {}},
        // A coefficient that is not a number takes no part.
        ExplicitCase{"NaNRowIgnored",
                     {{std::numeric_limits<double>::quiet_NaN(), 1, LE, 0}, {1, 1, LE, 1}},
                     kTen,
                     Join({Column(0, 0, 1), Column(1, 0, 0)})}),
    [](const auto& info) { return info.param.name; });

// Compares the bounded enumeration with the plain one.
void ExpectSameAsPlain(const LatticeRows& rows, const PlotFrame& frame, int limit,
                       const std::string& what) {
  const LatticeResult bounded = EnumerateLatticePoints(rows, frame, limit);
  const LatticeResult plain = EnumerateLatticePointsPlain(rows, frame, limit);
  ASSERT_EQ(Describe(bounded.points), Describe(plain.points)) << what;
  ASSERT_EQ(bounded.limitReached, plain.limitReached) << what;
  ASSERT_FALSE(bounded.budgetExhausted) << what;
}

TEST(LatticeBounded, MatchesPlainOnRandomModels) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> small(-6, 6);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> relation(0, 2);
  std::uniform_int_distribution<int> count(0, 4);
  const double specials[] = {1e-7, -1e-6, 1e300, std::numeric_limits<double>::infinity(), 0.0};
  for (int trial = 0; trial < 1500; ++trial) {
    std::vector<Constraint> constraints;
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
      Constraint k{};
      // Mostly whole coefficients (points land exactly on lines), some
      // fractional ones, and now and then a value at the edges.
      const int kind = trial % 6;
      if (kind == 5) {
        // Magnitudes where the exact test's rounding swallows whole units
        // of iy, so the real bounds are only a first guess.
        k.a = small(rng) * 1e16;
        k.b = small(rng);
        k.relation = relation(rng);
        k.c = small(rng) * 1e16 + small(rng) * 3;
        constraints.push_back(k);
        continue;
      }
      if (kind == 4 && i == 0) {
        k.a = specials[(trial / 5) % 5];
        k.b = small(rng);
      } else if (kind == 3) {
        k.a = unit(rng) * 7;
        k.b = unit(rng) * 7;
      } else {
        k.a = small(rng);
        k.b = small(rng);
      }
      k.relation = relation(rng);
      k.c = kind == 2 ? unit(rng) * 40 : small(rng) * 4;
      constraints.push_back(k);
    }
    const double xMin = unit(rng) * 8;
    const double yMin = unit(rng) * 8;
    const PlotFrame frame{xMin,
                          xMin + 5 + 20 * (unit(rng) + 1),
                          yMin,
                          yMin + 5 + 20 * (unit(rng) + 1),
                          2 + 4 * (unit(rng) + 1),
                          2 + 4 * (unit(rng) + 1)};
    const int limit = trial % 7 == 0 ? 9 : 1000;
    ExpectSameAsPlain(MakeRows(constraints), frame, limit, "trial " + std::to_string(trial));
  }
}

TEST(LatticeBounded, MatchesPlainOnNamedModels) {
  struct Named {
    const char* name;
    std::vector<Constraint> constraints;
    PlotFrame frame;
    int limit;
  };
  const Named cases[] = {
      {"NoConstraintsReachesLimit", {}, PlotFrame{0, 100, 0, 100, 6, 6}, 1000},
      {"Triangle", {{1, 1, LE, 30}, {1, -1, GE, -5}}, PlotFrame{-10, 60, -10, 60, 3, 3}, 1000},
      {"ThinSlantedStrip",
       {{1, -7, LE, 0.3}, {1, -7, GE, 0}},
       PlotFrame{0, 120, 0, 30, 2, 2},
       1000},
      {"SmallZoomMargins", {{3, 2, LE, 60}}, PlotFrame{0, 10, 0, 10, 0.5, 0.25}, 1000},
      {"NegativeZoom", {{1, 1, LE, 8}}, PlotFrame{0, 20, 0, 20, -6, -6}, 1000},
  };
  for (const Named& n : cases) ExpectSameAsPlain(MakeRows(n.constraints), n.frame, n.limit, n.name);
}

TEST(LatticeBounded, RowWithoutCoefficientsAfterASignOfZero) {
  // A Y magnitude with a stored sign of 0 leaves 0 <= -1: no point at all.
  LatticeRows rows = MakeRows({{1, 0, GE, 3}});
  rows[1] = LatticeRow{0, 0, -1, LE, true};
  EXPECT_TRUE(EnumerateLatticePoints(rows, PlotFrame{0, 10, 0, 10, 6, 6}, 1000).points.empty());
  rows[1].c = 1;  // 0 <= 1 holds everywhere
  ExpectSameAsPlain(rows, PlotFrame{0, 10, 0, 10, 6, 6}, 1000, "holding level row");
  EXPECT_FALSE(EnumerateLatticePoints(rows, PlotFrame{0, 10, 0, 10, 6, 6}, 1000).points.empty());
}

double SecondsFor(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(LatticeBounded, LargeRangeVisitsOnlyTheFeasibleColumns) {
  // 10^12 points in the range, 21 of them feasible.
  const LatticeRows rows = MakeRows({{1, 1, LE, 5}});
  LatticeResult big;
  const double seconds = SecondsFor([&] {
    big = EnumerateLatticePoints(rows, PlotFrame{0, 1e6, 0, 1e6, 6, 6}, 1000);
  });
  const LatticeResult small =
      EnumerateLatticePointsPlain(rows, PlotFrame{0, 10, 0, 10, 6, 6}, 1000);
  EXPECT_EQ(Describe(big.points), Describe(small.points));
  EXPECT_LT(seconds, 1.0);
}

TEST(LatticeBounded, UnboundedAreaEndsAtTheLimit) {
  // A range of 1e300 at zoom 1e-5: the quadrant's first column alone holds
  // 1000 points.
  const LatticeResult r = EnumerateLatticePoints(
      MakeRows({}), PlotFrame{-1e300, 1e300, -1e300, 1e300, 1e-5, 1e-5}, 1000);
  EXPECT_TRUE(r.limitReached);
  EXPECT_EQ(Describe(r.points), Describe(Column(0, 0, 999)));
}

TEST(LatticeBounded, PointlessStripOverAHugeRangeEndsWithinTheBudget) {
  // 2y = 1 holds at no integer point; the strip spans every column, so only
  // the column budget ends the search.
  const LatticeRows rows = MakeRows({{0, 2, EQ, 1}});
  const LatticeResult r = EnumerateLatticePoints(rows, PlotFrame{0, 1e12, 0, 10, 1, 1}, 1000);
  EXPECT_TRUE(r.points.empty());
  EXPECT_TRUE(r.budgetExhausted);
  // Below the budget the same strip is searched to its end.
  const LatticeResult small = EnumerateLatticePoints(rows, PlotFrame{0, 5e4, 0, 10, 1, 1}, 1000);
  EXPECT_FALSE(small.budgetExhausted);
}

TEST(LatticeSpans, FollowTheRangeWithTheirMargins) {
  struct Row {
    const char* name;
    PlotFrame frame;
    IntegerSpan columns;
    IntegerSpan rows;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Row table[] = {
      // 50 / 6 = 8.33 columns and 40 / 6 = 6.67 rows of margin.
      {"NewDocument", PlotFrame{0, 200, 0, 120, 6, 6}, {0, 208}, {0, 126}},
      {"RoundedStart", PlotFrame{2.5, 10.9, -3.7, 10, 10, 8}, {3, 15}, {-3, 15}},
      {"HugeIsCutToInt",
       PlotFrame{-1e300, 1e300, 0, 1, 1, 1},
       {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
       {0, 41}},
      {"NaNZoomIsEmpty", PlotFrame{0, 10, 0, 1, nan, 1}, {0, -1}, {0, 41}},
      // A maximum that is not a number converts to 0 like every other.
      {"NaNMaximumIsZero", PlotFrame{0, nan, 0, 1, 1, 1}, {0, 50}, {0, 41}},
  };
  for (const Row& r : table) {
    const IntegerSpan c = LatticeColumnSpan(r.frame);
    const IntegerSpan y = LatticeRowSpan(r.frame);
    if (r.columns.Empty()) {
      EXPECT_TRUE(c.Empty()) << r.name;
    } else {
      EXPECT_EQ(c.first, r.columns.first) << r.name;
      EXPECT_EQ(c.last, r.columns.last) << r.name;
    }
    EXPECT_EQ(y.first, r.rows.first) << r.name;
    EXPECT_EQ(y.last, r.rows.last) << r.name;
  }
}

}  // namespace
}  // namespace tessaro
