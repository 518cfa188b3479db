#include "solver/sensitivity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessaro {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A row or axis passes through a point when its two sides differ by no more
// than this, relative to the size of the terms (at least 1). Corners are
// crossings of two lines computed in double precision, so a third line through
// the same corner misses it by a few units in the last place, far below this.
constexpr double kBindingTolerance = 1e-9;
// Two lines are independent when the determinant of their coefficients is
// larger than this, relative to the product of their sizes.
constexpr double kIndependence = 1e-12;
// A dual value this small relative to the basis' dual values is zero; the
// sign test of optimality then accepts it from either side.
constexpr double kDualTolerance = 1e-9;
// A rate of change this small relative to the terms that make it is zero.
constexpr double kRateTolerance = 1e-12;

// A row or axis as the analysis sees it: a x + b y (relation) c.
struct Bound {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  Relation relation = Relation::LessEqual;

  double Lhs(double x, double y) const { return a * x + b * y; }
  double Size() const { return std::fabs(a) + std::fabs(b); }
};

std::vector<Bound> Bounds(const Model& model, std::vector<int>& rowOf) {
  std::vector<Bound> bounds;
  for (int i = 0; i < kLineCount; ++i) {
    const Line& line = model.lines[i];
    if (!line.isPresent()) continue;
    bounds.push_back({line.a, line.yCoefficient(), line.c, line.relation});
    rowOf.push_back(i);
  }
  bounds.push_back({1.0, 0.0, 0.0, Relation::GreaterEqual});  // x >= 0
  bounds.push_back({0.0, 1.0, 0.0, Relation::GreaterEqual});  // y >= 0
  return bounds;
}

double Residual(const Bound& b, double x, double y) {
  return b.Lhs(x, y) - b.c;
}

bool Passes(const Bound& b, double x, double y) {
  const double scale = std::max(1.0, std::fabs(b.a * x) + std::fabs(b.b * y) + std::fabs(b.c));
  return std::fabs(Residual(b, x, y)) <= kBindingTolerance * scale;
}

bool Breaks(const Bound& b, double x, double y) {
  if (Passes(b, x, y)) return false;
  const double r = Residual(b, x, y);
  if (b.relation == Relation::LessEqual) return r > 0.0;
  if (b.relation == Relation::GreaterEqual) return r < 0.0;
  return true;
}

// The sign a dual value of an inequality must have at an optimum: raising a
// "<=" right-hand side can only help a maximum, raising a ">=" one only hurt.
double DualSign(Relation relation, Direction direction) {
  const double sign = relation == Relation::LessEqual ? 1.0 : -1.0;
  return direction == Direction::Maximize ? sign : -sign;
}

// A pair of independent lines through the corner, with the dual values that
// write the payoff gradient in their normals.
struct Basis {
  int first = 0;
  int second = 0;
  double det = 0.0;
  double dualFirst = 0.0;
  double dualSecond = 0.0;
  bool dualFeasible = false;
};

// Solves [n_first n_second] u = (r1, r2), the normals taken as columns.
std::array<double, 2> SolveColumns(const std::vector<Bound>& bounds, const Basis& basis, double r1,
                                   double r2) {
  const Bound& p = bounds[basis.first];
  const Bound& q = bounds[basis.second];
  return {(r1 * q.b - r2 * q.a) / basis.det, (p.a * r2 - p.b * r1) / basis.det};
}

// Solves [n_first; n_second] d = (r1, r2), the normals taken as rows.
std::array<double, 2> SolveRows(const std::vector<Bound>& bounds, const Basis& basis, double r1,
                                double r2) {
  const Bound& p = bounds[basis.first];
  const Bound& q = bounds[basis.second];
  return {(r1 * q.b - r2 * p.b) / basis.det, (p.a * r2 - q.a * r1) / basis.det};
}

bool SignOk(const Bound& b, double dual, Direction direction) {
  return b.relation == Relation::Equal || DualSign(b.relation, direction) * dual >= 0.0;
}

std::vector<Basis> Bases(const std::vector<Bound>& bounds, const std::vector<int>& active,
                         const Payoff& payoff, Direction direction) {
  std::vector<Basis> bases;
  for (std::size_t i = 0; i < active.size(); ++i) {
    for (std::size_t j = i + 1; j < active.size(); ++j) {
      Basis basis{active[i], active[j]};
      const Bound& p = bounds[basis.first];
      const Bound& q = bounds[basis.second];
      basis.det = p.a * q.b - q.a * p.b;
      if (std::fabs(basis.det) <= kIndependence * p.Size() * q.Size()) continue;
      const auto dual = SolveColumns(bounds, basis, payoff.a, payoff.yCoefficient());
      const double tolerance = kDualTolerance * (std::fabs(dual[0]) + std::fabs(dual[1]));
      basis.dualFirst = std::fabs(dual[0]) <= tolerance ? 0.0 : dual[0];
      basis.dualSecond = std::fabs(dual[1]) <= tolerance ? 0.0 : dual[1];
      basis.dualFeasible =
          SignOk(p, basis.dualFirst, direction) && SignOk(q, basis.dualSecond, direction);
      bases.push_back(basis);
    }
  }
  return bases;
}

struct Interval {
  double lower = -kInfinity;
  double upper = kInfinity;
};

// The steps of bound k's right-hand side over which the basis' corner, moved
// with it, stays feasible for every other row and axis.
Interval StepRange(const std::vector<Bound>& bounds, const std::vector<bool>& isActive,
                   const Basis& basis, int k, double x, double y) {
  std::array<double, 2> move{0.0, 0.0};
  if (k == basis.first) move = SolveRows(bounds, basis, 1.0, 0.0);
  if (k == basis.second) move = SolveRows(bounds, basis, 0.0, 1.0);
  const double moveSize = std::fabs(move[0]) + std::fabs(move[1]);
  Interval range;
  for (int m = 0; m < static_cast<int>(bounds.size()); ++m) {
    if (m == basis.first || m == basis.second) continue;
    const Bound& b = bounds[m];
    const double start = isActive[m] ? 0.0 : Residual(b, x, y);
    const double own = m == k ? 1.0 : 0.0;
    const double rate = b.a * move[0] + b.b * move[1] - own;
    if (std::fabs(rate) <= kRateTolerance * (b.Size() * moveSize + own)) continue;
    const double limit = -start / rate;
    // The residual start + step * rate must keep the row's sense.
    const bool capsAbove =
        b.relation == Relation::Equal || (b.relation == Relation::LessEqual) == (rate > 0.0);
    const bool capsBelow = b.relation == Relation::Equal || !capsAbove;
    if (capsAbove) range.upper = std::min(range.upper, limit);
    if (capsBelow) range.lower = std::max(range.lower, limit);
  }
  return range;
}

double DualOf(const Basis& basis, int k) {
  if (k == basis.first) return basis.dualFirst;
  if (k == basis.second) return basis.dualSecond;
  return 0.0;
}

// Among the optimal bases, the one whose corner moves farthest each way
// with bound k's right-hand side gives that side's rate and limit. A basis
// that cannot move at all that way (a degenerate one) says nothing there.
RangeSides SidesOf(const std::vector<Bound>& bounds, const std::vector<bool>& isActive,
                   const std::vector<Basis>& bases, int k, double x, double y) {
  RangeSides sides;
  double up = 0.0;
  double down = 0.0;
  for (const Basis& basis : bases) {
    if (!basis.dualFeasible) continue;
    const Interval range = StepRange(bounds, isActive, basis, k, x, y);
    if (range.upper > up) {
      up = range.upper;
      sides.rateUp = DualOf(basis, k);
    }
    if (range.lower < down) {
      down = range.lower;
      sides.rateDown = DualOf(basis, k);
    }
  }
  sides.upperLimit = bounds[k].c + up;
  sides.lowerLimit = bounds[k].c + down;
  return sides;
}

// The payoff coefficient steps over which some basis through the corner
// stays optimal; their union is the corner's whole interval, since the
// payoff gradients that make a corner optimal form one convex cone.
Interval CostRange(const std::vector<Bound>& bounds, const std::vector<Basis>& bases, int variable,
                   Direction direction) {
  Interval whole{kInfinity, -kInfinity};
  for (const Basis& basis : bases) {
    const auto w =
        SolveColumns(bounds, basis, variable == 0 ? 1.0 : 0.0, variable == 0 ? 0.0 : 1.0);
    Interval range;
    bool empty = false;
    const std::array<std::pair<int, double>, 2> members{
        {{basis.first, basis.dualFirst}, {basis.second, basis.dualSecond}}};
    for (int i = 0; i < 2; ++i) {
      const Bound& b = bounds[members[i].first];
      if (b.relation == Relation::Equal) continue;
      // sign * (dual + step * w) must stay >= 0.
      const double sign = DualSign(b.relation, direction);
      const double dual = sign * members[i].second;
      const double slope = sign * w[i];
      if (slope == 0.0) {
        empty = empty || dual < 0.0;
      } else if (slope > 0.0) {
        range.lower = std::max(range.lower, -dual / slope);
      } else {
        range.upper = std::min(range.upper, -dual / slope);
      }
    }
    if (empty || range.lower > range.upper) continue;
    whole.lower = std::min(whole.lower, range.lower);
    whole.upper = std::max(whole.upper, range.upper);
  }
  return whole;
}

// A half-space of (x, y, step) for the reach of a rate.
struct Plane {
  double gx = 0.0;
  double gy = 0.0;
  double gs = 0.0;
  double h = 0.0;
  Relation relation = Relation::LessEqual;

  double Residual(const std::array<double, 3>& z) const {
    return gx * z[0] + gy * z[1] + gs * z[2] - h;
  }
  bool Holds(const std::array<double, 3>& z) const {
    const double scale = std::max(
        1.0, std::fabs(gx * z[0]) + std::fabs(gy * z[1]) + std::fabs(gs * z[2]) + std::fabs(h));
    const double r = Residual(z);
    if (std::fabs(r) <= kBindingTolerance * scale) return true;
    return relation == Relation::LessEqual ? r < 0.0
                                           : relation == Relation::GreaterEqual && r > 0.0;
  }
};

std::optional<std::array<double, 3>> Crossing(const Plane& p, const Plane& q, const Plane& r) {
  const double det = p.gx * (q.gy * r.gs - q.gs * r.gy) - p.gy * (q.gx * r.gs - q.gs * r.gx) +
                     p.gs * (q.gx * r.gy - q.gy * r.gx);
  const double size = (std::fabs(p.gx) + std::fabs(p.gy) + std::fabs(p.gs)) *
                      (std::fabs(q.gx) + std::fabs(q.gy) + std::fabs(q.gs)) *
                      (std::fabs(r.gx) + std::fabs(r.gy) + std::fabs(r.gs));
  if (std::fabs(det) <= kIndependence * size) return std::nullopt;
  const double x = (p.h * (q.gy * r.gs - q.gs * r.gy) - p.gy * (q.h * r.gs - q.gs * r.h) +
                    p.gs * (q.h * r.gy - q.gy * r.h)) /
                   det;
  const double y = (p.gx * (q.h * r.gs - q.gs * r.h) - p.h * (q.gx * r.gs - q.gs * r.gx) +
                    p.gs * (q.gx * r.h - q.h * r.gx)) /
                   det;
  const double step = (p.gx * (q.gy * r.h - q.h * r.gy) - p.gy * (q.gx * r.h - q.h * r.gx) +
                       p.h * (q.gx * r.gy - q.gy * r.gx)) /
                      det;
  return std::array<double, 3>{x, y, step};
}

// Beyond this many units (relative to the model's numbers) a reach counts
// as endless.
constexpr double kEndless = 1e9;

// How far bound k's right-hand side may move one way (up or down) while the
// optimal payoff keeps following v0 + rate * step. The optimum is concave
// (maximizing) or convex (minimizing) in the step, so the rate holds exactly
// as far as some feasible point still scores v0 + rate * step: the extreme
// step of a linear programme in (x, y, step), found here among the corners
// of its few planes. Used where the corner's bases alone may stop short: at
// a degenerate corner and along a tied edge.
double Reach(const std::vector<Bound>& bounds, int k, double rate, double v0, const Payoff& payoff,
             Direction direction, bool up) {
  double size = 1.0 + std::fabs(v0);
  for (const Bound& b : bounds) size = std::max(size, std::fabs(b.c));
  const double way = up ? 1.0 : -1.0;
  std::vector<Plane> planes;
  for (int m = 0; m < static_cast<int>(bounds.size()); ++m) {
    const Bound& b = bounds[m];
    planes.push_back({b.a, b.b, m == k ? -1.0 : 0.0, b.c, b.relation});
  }
  planes.push_back(
      {payoff.a, payoff.yCoefficient(), -rate, v0,
       direction == Direction::Maximize ? Relation::GreaterEqual : Relation::LessEqual});
  planes.push_back({0.0, 0.0, way, 0.0, Relation::GreaterEqual});
  planes.push_back({0.0, 0.0, way, kEndless * size, Relation::LessEqual});
  double best = 0.0;
  const std::size_t n = planes.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      for (std::size_t l = j + 1; l < n; ++l) {
        const auto z = Crossing(planes[i], planes[j], planes[l]);
        if (!z || way * (*z)[2] <= best) continue;
        if (std::all_of(planes.begin(), planes.end(),
                        [&](const Plane& p) { return p.Holds(*z); })) {
          best = way * (*z)[2];
        }
      }
    }
  }
  return best >= kEndless * size * (1.0 - 1e-9) ? kInfinity : best;
}

// Whether moving along the payoff line stays feasible for every line through
// the corner: then the whole edge that way scores the same.
bool Tied(const std::vector<Bound>& bounds, const std::vector<int>& active, const Payoff& payoff) {
  const double dx = -payoff.yCoefficient();
  const double dy = payoff.a;
  for (const double way : {1.0, -1.0}) {
    bool feasible = true;
    for (int m : active) {
      const Bound& b = bounds[m];
      const double rate = way * (b.a * dx + b.b * dy);
      const double tolerance = kBindingTolerance * b.Size() * (std::fabs(dx) + std::fabs(dy));
      if (b.relation != Relation::GreaterEqual && rate > tolerance) feasible = false;
      if (b.relation != Relation::LessEqual && rate < -tolerance) feasible = false;
    }
    if (feasible) return true;
  }
  return false;
}

// Replaces the limits the corner's bases give by the full reach of each rate.
void Stretch(const std::vector<Bound>& bounds, int k, double v0, const Payoff& payoff,
             Direction direction, RangeSides& sides) {
  if (sides.rateUp) {
    sides.upperLimit = bounds[k].c + Reach(bounds, k, *sides.rateUp, v0, payoff, direction, true);
  }
  if (sides.rateDown) {
    sides.lowerLimit =
        bounds[k].c - Reach(bounds, k, *sides.rateDown, v0, payoff, direction, false);
  }
}

}  // namespace

Sensitivity AnalyzeSensitivity(const Model& model, Direction direction, double x, double y) {
  Sensitivity s;
  s.x = x;
  s.y = y;
  s.payoff = model.payoff.valueAt(x, y);
  std::vector<int> rowOf;
  const std::vector<Bound> bounds = Bounds(model, rowOf);
  const int count = static_cast<int>(bounds.size());
  const int rowCount = static_cast<int>(rowOf.size());
  std::vector<int> active;
  std::vector<bool> isActive(bounds.size(), false);
  bool broken = false;
  for (int m = 0; m < count; ++m) {
    broken = broken || Breaks(bounds[m], x, y);
    if (Passes(bounds[m], x, y)) {
      active.push_back(m);
      isActive[m] = true;
    }
  }
  // Slacks and values hold at any point; the rates and intervals only where
  // a basis proves the point optimal. Until then no rate holds anywhere and
  // no payoff interval is known.
  for (int k = 0; k < rowCount; ++k) {
    RowSensitivity r;
    r.row = rowOf[k];
    r.activity = bounds[k].Lhs(x, y);
    r.binds = isActive[k];
    const double room = bounds[k].c - r.activity;
    r.slack = r.binds                                        ? 0.0
              : bounds[k].relation == Relation::LessEqual    ? room
              : bounds[k].relation == Relation::GreaterEqual ? -room
                                                             : std::fabs(room);
    r.rhs.upperLimit = r.rhs.lowerLimit = bounds[k].c;
    s.rows.push_back(r);
  }
  for (int v = 0; v < 2; ++v) {
    s.variables[v].value = v == 0 ? x : y;
    s.variables[v].costLower = s.variables[v].costUpper = std::numeric_limits<double>::quiet_NaN();
  }
  const std::vector<Basis> bases = Bases(bounds, active, model.payoff, direction);
  if (broken ||
      std::none_of(bases.begin(), bases.end(), [](const Basis& b) { return b.dualFeasible; })) {
    s.status =
        bases.empty() && !broken ? SensitivityStatus::NotACorner : SensitivityStatus::NotOptimal;
    return s;
  }
  s.status = SensitivityStatus::Ok;
  s.degenerate = active.size() > 2;
  s.tied = Tied(bounds, active, model.payoff);

  for (int k = 0; k < rowCount; ++k) {
    RangeSides& sides = s.rows[k].rhs;
    sides = SidesOf(bounds, isActive, bases, k, x, y);
    if (s.degenerate || s.tied) Stretch(bounds, k, s.payoff, model.payoff, direction, sides);
  }
  const double payoffCoefficient[2] = {model.payoff.a, model.payoff.yCoefficient()};
  for (int v = 0; v < 2; ++v) {
    VariableSensitivity& var = s.variables[v];
    var.bound = SidesOf(bounds, isActive, bases, rowCount + v, x, y);
    if (s.degenerate || s.tied) {
      Stretch(bounds, rowCount + v, s.payoff, model.payoff, direction, var.bound);
    }
    const Interval cost = CostRange(bounds, bases, v, direction);
    var.costLower = payoffCoefficient[v] + cost.lower;
    var.costUpper = payoffCoefficient[v] + cost.upper;
  }
  return s;
}

Sensitivity AnalyzeOptimum(const Model& model, Direction direction) {
  std::vector<int> rowOf;
  const std::vector<Bound> bounds = Bounds(model, rowOf);
  struct Corner {
    double x, y, payoff;
  };
  std::vector<Corner> corners;
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    for (std::size_t j = i + 1; j < bounds.size(); ++j) {
      const Bound& p = bounds[i];
      const Bound& q = bounds[j];
      const double det = p.a * q.b - q.a * p.b;
      if (std::fabs(det) <= kIndependence * p.Size() * q.Size()) continue;
      const double x = (p.c * q.b - q.c * p.b) / det;
      const double y = (p.a * q.c - q.a * p.c) / det;
      if (std::none_of(bounds.begin(), bounds.end(),
                       [&](const Bound& b) { return Breaks(b, x, y); })) {
        corners.push_back({x, y, model.payoff.valueAt(x, y)});
      }
    }
  }
  const double sign = direction == Direction::Maximize ? 1.0 : -1.0;
  std::stable_sort(corners.begin(), corners.end(), [sign](const Corner& l, const Corner& r) {
    return sign * l.payoff > sign * r.payoff;
  });
  // The best score first; a corner scoring a hair less may be the one a basis
  // proves, when rounding put the best one a hair outside a row.
  for (const Corner& c : corners) {
    Sensitivity s = AnalyzeSensitivity(model, direction, c.x, c.y);
    if (s.status == SensitivityStatus::Ok) return s;
  }
  Sensitivity none;
  none.status = SensitivityStatus::NotOptimal;
  return none;
}

ShownRange ShowRange(const RangeSides& sides, double value) {
  if (sides.rateUp && sides.rateDown) {
    const double up = *sides.rateUp;
    const double down = *sides.rateDown;
    const double scale = std::max(std::fabs(up), std::fabs(down));
    if (std::fabs(up - down) <= kDualTolerance * scale) {
      return {up, sides.lowerLimit, sides.upperLimit};
    }
  }
  if (sides.rateUp) return {sides.rateUp, value, sides.upperLimit};
  if (sides.rateDown) return {sides.rateDown, sides.lowerLimit, value};
  return {std::nullopt, value, value};
}

}  // namespace tessaro
