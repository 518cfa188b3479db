#include "solver/sensitivity.h"

#include <glpk.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace tessaro {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// ---- GLPK, the reference ---------------------------------------------------

// What GLPK may be asked to change before solving again.
struct Change {
  int row = -1;  // index into Model::lines whose right-hand side becomes rhs
  double rhs = 0.0;
  double lowerX = 0.0;
  double lowerY = 0.0;
};

struct Glpk {
  glp_prob* lp = nullptr;
  std::vector<int> glpkRow = std::vector<int>(kLineCount, 0);  // 1-based, 0 when absent
  explicit Glpk(const Model& m, Direction d, const Change& change = {}) {
    glp_term_out(GLP_OFF);
    lp = glp_create_prob();
    glp_set_obj_dir(lp, d == Direction::Maximize ? GLP_MAX : GLP_MIN);
    glp_add_cols(lp, 2);
    glp_set_col_bnds(lp, 1, GLP_LO, change.lowerX, 0.0);
    glp_set_col_bnds(lp, 2, GLP_LO, change.lowerY, 0.0);
    glp_set_obj_coef(lp, 1, m.payoff.a);
    glp_set_obj_coef(lp, 2, m.payoff.yCoefficient());
    for (int i = 0; i < kLineCount; ++i) {
      const Line& l = m.lines[i];
      if (!l.isPresent()) continue;
      const int r = glp_add_rows(lp, 1);
      glpkRow[i] = r;
      const double c = i == change.row ? change.rhs : l.c;
      const int type = l.relation == Relation::LessEqual      ? GLP_UP
                       : l.relation == Relation::GreaterEqual ? GLP_LO
                                                              : GLP_FX;
      glp_set_row_bnds(lp, r, type, c, c);
      int cols[3] = {0, 1, 2};
      double values[3] = {0.0, l.a, l.yCoefficient()};
      glp_set_mat_row(lp, r, 2, cols, values);
    }
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    glp_simplex(lp, &parm);
  }
  ~Glpk() { glp_delete_prob(lp); }
  Glpk(const Glpk&) = delete;
  Glpk& operator=(const Glpk&) = delete;
  bool Optimal() const { return glp_get_status(lp) == GLP_OPT; }
};

std::optional<double> Optimum(const Model& m, Direction d, const Change& change = {}) {
  const Glpk g(m, d, change);
  if (!g.Optimal()) return std::nullopt;
  return glp_get_obj_val(g.lp);
}

double Unbounded(double v) {
  return v >= DBL_MAX ? kInf : v <= -DBL_MAX ? -kInf : v;
}

// No basic variable sits on a bound and no non-basic inequality has a zero
// dual value: GLPK's basis is then the only optimal one.
bool NonDegenerate(const Glpk& g, const Model& m) {
  const double scale = 1.0 + std::fabs(m.payoff.a) + std::fabs(m.payoff.b);
  for (int k = 1; k <= glp_get_num_rows(g.lp) + 2; ++k) {
    const bool isRow = k <= glp_get_num_rows(g.lp);
    const int j = isRow ? k : k - glp_get_num_rows(g.lp);
    const int stat = isRow ? glp_get_row_stat(g.lp, j) : glp_get_col_stat(g.lp, j);
    const double prim = isRow ? glp_get_row_prim(g.lp, j) : glp_get_col_prim(g.lp, j);
    const double dual = isRow ? glp_get_row_dual(g.lp, j) : glp_get_col_dual(g.lp, j);
    const double lb = isRow ? glp_get_row_lb(g.lp, j) : 0.0;
    const double ub = isRow ? glp_get_row_ub(g.lp, j) : 0.0;
    const int type = isRow ? glp_get_row_type(g.lp, j) : GLP_LO;
    if (stat == GLP_BS) {
      const double tolerance = 1e-7 * (1.0 + std::fabs(prim));
      if (type != GLP_UP && std::fabs(prim - lb) <= tolerance) return false;
      if (type != GLP_LO && std::fabs(prim - ub) <= tolerance) return false;
    } else if (type != GLP_FX && std::fabs(dual) <= 1e-7 * scale) {
      return false;
    }
  }
  return true;
}

// ---- random models -----------------------------------------------------------

double Coefficient(std::mt19937& rng, bool whole) {
  const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
  if (kind == 0) return 0.0;
  if (whole || kind <= 5) return std::uniform_int_distribution<int>(-9, 9)(rng);
  return std::uniform_int_distribution<int>(-900, 900)(rng) / 100.0;
}

void SetY(Line& l, double coefficient, std::mt19937& rng) {
  const bool typedNegative = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
  l.sign = coefficient < 0.0 && !typedNegative ? -1 : 1;
  l.b = l.sign < 0 ? -coefficient : coefficient;
}

Relation DrawRelation(std::mt19937& rng) {
  const int r = std::uniform_int_distribution<int>(0, 19)(rng);
  return r < 11 ? Relation::LessEqual : r < 18 ? Relation::GreaterEqual : Relation::Equal;
}

// One to six rows in random slots (empty slots in between), mostly
// positive right-hand sides.
Model DrawModel(std::mt19937& rng) {
  Model m;
  const int count = std::uniform_int_distribution<int>(1, kLineCount)(rng);
  for (int n = 0; n < count;) {
    Line& l = m.lines[std::uniform_int_distribution<int>(0, kLineCount - 1)(rng)];
    if (l.isPresent()) continue;
    l.name = "r" + std::to_string(n++);
    l.a = Coefficient(rng, false);
    SetY(l, Coefficient(rng, false), rng);
    if (!l.isPresent()) l.a = 1.0;
    l.relation = DrawRelation(rng);
    l.c = std::uniform_int_distribution<int>(-1000, 6000)(rng) / 100.0;
  }
  m.payoff.a = Coefficient(rng, false);
  m.payoff.b = std::fabs(Coefficient(rng, false));
  m.payoff.sign = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? 1 : -1;
  if (m.payoff.a == 0.0 && m.payoff.b == 0.0) m.payoff.a = 1.0;
  return m;
}

// Several whole-number rows through one lattice corner (degenerate), or a
// payoff parallel to a row through it (tied), or both, among random rows.
Model DrawSpecialModel(std::mt19937& rng, bool degenerate, bool tied) {
  Model m = DrawModel(rng);
  const double px = std::uniform_int_distribution<int>(0, 8)(rng);
  const double py = std::uniform_int_distribution<int>(0, 8)(rng);
  const int through = degenerate ? std::uniform_int_distribution<int>(3, 4)(rng) : 2;
  for (int i = 0; i < through; ++i) {
    Line& l = m.lines[i];
    l.a = Coefficient(rng, true);
    SetY(l, Coefficient(rng, true), rng);
    if (!l.isPresent()) l.b = 1.0;
    l.relation = DrawRelation(rng);
    l.c = l.a * px + l.yCoefficient() * py;
  }
  if (tied) {
    const Line& l = m.lines[std::uniform_int_distribution<int>(0, through - 1)(rng)];
    const double k = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? 1.0 : -2.0;
    m.payoff.a = k * l.a;
    m.payoff.b = std::fabs(k * l.yCoefficient());
    m.payoff.sign = k * l.yCoefficient() < 0.0 ? -1 : 1;
  }
  return m;
}

std::string Describe(const Model& m, Direction d) {
  std::ostringstream s;
  s.precision(17);
  s << (d == Direction::Maximize ? "max " : "min ") << m.payoff.a << "x + "
    << m.payoff.yCoefficient() << "y;";
  for (const Line& l : m.lines) {
    if (!l.isPresent()) {
      s << " -;";
      continue;
    }
    s << " " << l.a << "x + " << l.yCoefficient() << "y "
      << (l.relation == Relation::LessEqual ? "<="
          : l.relation == Relation::Equal   ? "="
                                            : ">=")
      << " " << l.c << ";";
  }
  return s.str();
}

// Agreement to 1e-6 relative; infinite ends must be the same infinity.
::testing::AssertionResult Agrees(const char* what, double expected, double actual) {
  if (std::isinf(expected) || std::isinf(actual)) {
    if (expected == actual) return ::testing::AssertionSuccess();
  } else if (std::fabs(expected - actual) <= 1e-6 * std::max(1.0, std::fabs(expected))) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << what << ": GLPK " << expected << ", ours " << actual;
}

// ---- the comparison with GLPK's own analysis ---------------------------------

TEST(SensitivityTest, MatchesGlpkOnNonDegenerateModels) {
  std::mt19937 rng(16);
  int compared[2] = {0, 0};
  for (int trial = 0; compared[0] + compared[1] < 2400 && trial < 200000; ++trial) {
    const Model m = DrawModel(rng);
    const Direction d = trial % 2 == 0 ? Direction::Maximize : Direction::Minimize;
    const Glpk g(m, d);
    if (!g.Optimal() || !NonDegenerate(g, m)) continue;
    const double x = glp_get_col_prim(g.lp, 1);
    const double y = glp_get_col_prim(g.lp, 2);
    const Sensitivity s = AnalyzeSensitivity(m, d, x, y);
    SCOPED_TRACE(Describe(m, d));
    ASSERT_EQ(s.status, SensitivityStatus::Ok);
    EXPECT_FALSE(s.degenerate);
    EXPECT_FALSE(s.tied);
    const Sensitivity found = AnalyzeOptimum(m, d);
    ASSERT_EQ(found.status, SensitivityStatus::Ok);
    EXPECT_TRUE(Agrees("optimal x", x, found.x));
    EXPECT_TRUE(Agrees("optimal y", y, found.y));

    std::size_t next = 0;
    for (int i = 0; i < kLineCount; ++i) {
      const int r = g.glpkRow[i];
      if (r == 0) continue;
      ASSERT_LT(next, s.rows.size());
      const RowSensitivity& row = s.rows[next++];
      ASSERT_EQ(row.row, i);
      const ShownRange shown = ShowRange(row.rhs, m.lines[i].c);
      ASSERT_TRUE(shown.rate.has_value());
      EXPECT_TRUE(Agrees("shadow price", glp_get_row_dual(g.lp, r), *shown.rate));
      double lower = -kInf;
      double upper = kInf;
      if (glp_get_row_stat(g.lp, r) == GLP_BS) {
        // Off its bound the price, zero, holds until the row would bind.
        (m.lines[i].relation == Relation::LessEqual ? lower : upper) = glp_get_row_prim(g.lp, r);
      } else {
        int var1 = 0;
        int var2 = 0;
        glp_analyze_bound(g.lp, r, &lower, &var1, &upper, &var2);
      }
      EXPECT_TRUE(Agrees("rhs lower", Unbounded(lower), shown.lower));
      EXPECT_TRUE(Agrees("rhs upper", Unbounded(upper), shown.upper));
      EXPECT_FALSE(row.binds == (glp_get_row_stat(g.lp, r) == GLP_BS));
    }
    EXPECT_EQ(next, s.rows.size());

    const int rows = glp_get_num_rows(g.lp);
    for (int j = 1; j <= 2; ++j) {
      const VariableSensitivity& v = s.variables[j - 1];
      const ShownRange shown = ShowRange(v.bound, 0.0);
      const double cost = glp_get_obj_coef(g.lp, j);
      const double reduced = glp_get_col_dual(g.lp, j);
      ASSERT_TRUE(shown.rate.has_value());
      EXPECT_TRUE(Agrees("reduced cost", reduced, *shown.rate));
      double lower = -kInf;
      double upper = kInf;
      if (glp_get_col_stat(g.lp, j) == GLP_BS) {
        int var = 0;
        double value = 0.0;
        glp_analyze_coef(g.lp, rows + j, &lower, &var, &value, &upper, &var, &value);
      } else {
        // At its axis the coefficient may move freely the way that makes
        // the variable less attractive, and up to its reduced cost the other.
        (d == Direction::Maximize ? upper : lower) = cost - reduced;
      }
      EXPECT_TRUE(Agrees("cost lower", Unbounded(lower), v.costLower));
      EXPECT_TRUE(Agrees("cost upper", Unbounded(upper), v.costUpper));
    }
    ++compared[d == Direction::Maximize ? 0 : 1];
    if (HasFailure()) break;
  }
  EXPECT_GE(compared[0], 1000);
  EXPECT_GE(compared[1], 1000);
}

// ---- points that are not an optimal corner ---------------------------------------

struct PointCase {
  const char* name;
  double x, y;
  SensitivityStatus status;
  double firstSlack;
};

class SensitivityPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(SensitivityPointTest, OnlySlacksWithoutAProvedOptimum) {
  // Maximize 3x + 2y with x + y <= 4 and x <= 3: optimal at (3, 1).
  Model m;
  m.payoff.a = 3;
  m.payoff.b = 2;
  m.lines[0] = {"c1", 1, 1, 4, 1, Relation::LessEqual, {}};
  m.lines[1] = {"c2", 1, 0, 3, 1, Relation::LessEqual, {}};
  const PointCase& c = GetParam();
  const Sensitivity s = AnalyzeSensitivity(m, Direction::Maximize, c.x, c.y);
  EXPECT_EQ(s.status, c.status);
  ASSERT_EQ(s.rows.size(), 2u);
  EXPECT_EQ(s.rows[0].slack, c.firstSlack);
  if (c.status == SensitivityStatus::Ok) return;
  for (const RowSensitivity& r : s.rows) {
    const ShownRange shown = ShowRange(r.rhs, m.lines[r.row].c);
    EXPECT_FALSE(shown.rate.has_value());
    EXPECT_EQ(shown.lower, shown.upper);
  }
  EXPECT_TRUE(std::isnan(s.variables[0].costLower));
  EXPECT_FALSE(ShowRange(s.variables[1].bound, 0.0).rate.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Points, SensitivityPointTest,
    ::testing::Values(PointCase{"Optimum", 3, 1, SensitivityStatus::Ok, 0},
                      PointCase{"WorseCorner", 0, 4, SensitivityStatus::NotOptimal, 0},
                      PointCase{"Origin", 0, 0, SensitivityStatus::NotOptimal, 4},
                      PointCase{"OnOneEdge", 1, 3, SensitivityStatus::NotACorner, 0},
                      PointCase{"Inside", 1, 1, SensitivityStatus::NotACorner, 2},
                      PointCase{"BreaksARow", 4, 1, SensitivityStatus::NotOptimal, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- degenerate corners and tied edges: what is shown must be true ------------------

bool SameValue(double a, double b) {
  return std::fabs(a - b) <= 1e-7 * (1.0 + std::fabs(a));
}

// Moves one right-hand side (or axis bound) `step` away and checks the
// re-solved optimum against the rate: on the line inside the limit, off it
// (or infeasible) beyond.
void CheckSide(const Model& m, Direction d, double v0, int row, double value, double rate,
               double limit, bool up) {
  const char* what = up ? "raised" : "lowered";
  const double span = std::fabs(limit - value);
  if (span < 1e-6) return;
  const double way = up ? 1.0 : -1.0;
  auto moved = [&](double step) {
    Change c;
    if (row >= 0) c.row = row, c.rhs = value + way * step;
    if (row == -1) c.lowerX = way * step;
    if (row == -2) c.lowerY = way * step;
    return Optimum(m, d, c);
  };
  const double inside = std::isinf(span) ? 5.0 : span / 2;
  const std::optional<double> in = moved(inside);
  ASSERT_TRUE(in.has_value()) << what << " inside";
  EXPECT_TRUE(SameValue(*in, v0 + rate * way * inside))
      << what << " inside: " << *in << " vs " << v0 + rate * way * inside;
  if (std::isinf(span)) return;
  const double outside = span + 0.01 * (1.0 + span);
  const std::optional<double> out = moved(outside);
  if (out) {
    EXPECT_FALSE(SameValue(*out, v0 + rate * way * outside)) << what << " outside " << limit;
  }
}

void CheckCost(const Model& m, Direction d, double x, double y, int v, double limit, double value,
               bool up, bool outside) {
  Model changed = m;
  const double step = std::isinf(limit) ? 5.0 : std::fabs(limit - value) / 2;
  const double way = up ? 1.0 : -1.0;
  const double coefficient =
      outside ? limit + way * 0.01 * (1.0 + std::fabs(limit)) : value + way * step;
  if (v == 0) changed.payoff.a = coefficient;
  if (v == 1) changed.payoff.b = coefficient * changed.payoff.sign;
  const std::optional<double> best = Optimum(changed, d);
  const double atCorner = changed.payoff.valueAt(x, y);
  if (!outside) {
    ASSERT_TRUE(best.has_value()) << "cost " << v << " inside";
    EXPECT_TRUE(SameValue(*best, atCorner)) << "cost " << v << " inside " << *best;
  } else if (best) {
    EXPECT_FALSE(SameValue(*best, atCorner)) << "cost " << v << " outside " << limit;
  }
}

struct SpecialCase {
  const char* name;
  bool degenerate;
  bool tied;
};

class SensitivitySpecialTest : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SensitivitySpecialTest, ShownValuesHoldWhenResolved) {
  const SpecialCase& c = GetParam();
  std::mt19937 rng(c.degenerate * 2 + c.tied);
  int checked = 0;
  int flagged = 0;
  for (int trial = 0; checked < 300 && trial < 20000; ++trial) {
    const Model m = DrawSpecialModel(rng, c.degenerate, c.tied);
    const Direction d = trial % 2 == 0 ? Direction::Maximize : Direction::Minimize;
    const std::optional<double> v0 = Optimum(m, d);
    if (!v0) continue;
    const Sensitivity s = AnalyzeOptimum(m, d);
    SCOPED_TRACE(Describe(m, d));
    ASSERT_EQ(s.status, SensitivityStatus::Ok);
    ASSERT_TRUE(SameValue(*v0, s.payoff));
    flagged += (c.degenerate ? s.degenerate : s.tied) ? 1 : 0;
    for (const RowSensitivity& r : s.rows) {
      const double rhs = m.lines[r.row].c;
      if (r.rhs.rateUp) CheckSide(m, d, *v0, r.row, rhs, *r.rhs.rateUp, r.rhs.upperLimit, true);
      if (r.rhs.rateDown) {
        CheckSide(m, d, *v0, r.row, rhs, *r.rhs.rateDown, r.rhs.lowerLimit, false);
      }
    }
    for (int v = 0; v < 2; ++v) {
      const RangeSides& b = s.variables[v].bound;
      if (b.rateUp) CheckSide(m, d, *v0, -1 - v, 0.0, *b.rateUp, b.upperLimit, true);
      if (b.rateDown) CheckSide(m, d, *v0, -1 - v, 0.0, *b.rateDown, b.lowerLimit, false);
      const double cost = v == 0 ? m.payoff.a : m.payoff.yCoefficient();
      for (const bool up : {false, true}) {
        const double limit = up ? s.variables[v].costUpper : s.variables[v].costLower;
        CheckCost(m, d, s.x, s.y, v, limit, cost, up, false);
        if (!std::isinf(limit)) CheckCost(m, d, s.x, s.y, v, limit, cost, up, true);
      }
    }
    ++checked;
    if (HasFailure()) break;
  }
  EXPECT_EQ(checked, 300);
  EXPECT_GE(flagged, 100) << "too few models of the kind drawn";
}

INSTANTIATE_TEST_SUITE_P(Models, SensitivitySpecialTest,
                         ::testing::Values(SpecialCase{"Degenerate", true, false},
                                           SpecialCase{"Tied", false, true},
                                           SpecialCase{"DegenerateAndTied", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
