#include "random_model.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tessaro::test {

namespace {

// A coefficient: zero, a small integer, or a number with two decimals.
double DrawCoefficient(std::mt19937& rng) {
  const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
  if (kind == 0) return 0.0;
  if (kind <= 5) return std::uniform_int_distribution<int>(-9, 9)(rng);
  return std::uniform_int_distribution<int>(-900, 900)(rng) / 100.0;
}

// Mostly positive, sometimes zero or negative; whole or with two decimals.
double DrawRightHandSide(std::mt19937& rng) {
  const bool negative = std::uniform_int_distribution<int>(0, 5)(rng) == 0;
  const int low = negative ? -10 : 0;
  const int high = negative ? 0 : 60;
  if (std::uniform_int_distribution<int>(0, 1)(rng) == 0) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  }
  return std::uniform_int_distribution<int>(low * 100, high * 100)(rng) / 100.0;
}

// A row for the independent geometry: a·x + b·y (relation) c.
struct Row {
  double a, b, c;
  double relation;
};

std::vector<Row> Rows(const RandomModel& m, bool withFarBounds) {
  std::vector<Row> rows;
  for (const Line& l : m.lines) rows.push_back({l.a, l.sign * l.b, l.c, l.relation});
  rows.push_back({1, 0, 0, REL_GE});
  rows.push_back({0, 1, 0, REL_GE});
  if (withFarBounds) {
    rows.push_back({1, 0, m.FarX(), REL_LE});
    rows.push_back({0, 1, m.FarY(), REL_LE});
  }
  return rows;
}

double RowViolation(const Row& r, double x, double y) {
  const double lhs = r.a * x + r.b * y;
  if (r.relation == REL_LE) return lhs - r.c;
  if (r.relation == REL_GE) return r.c - lhs;
  return std::fabs(lhs - r.c);
}

double Scale(const Row& r, double x, double y) {
  return 1.0 + std::fabs(r.c) + std::fabs(r.a * x) + std::fabs(r.b * y);
}

constexpr double kStrict = 1e-9;

struct Crossing {
  double x, y;
  double worst;  // largest violation over all rows, scaled tolerance removed
};

std::vector<Crossing> Crossings(const std::vector<Row>& rows) {
  std::vector<Crossing> out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      const double det = rows[i].a * rows[j].b - rows[j].a * rows[i].b;
      if (det == 0.0) continue;
      const double x = (rows[i].c * rows[j].b - rows[j].c * rows[i].b) / det;
      const double y = (rows[i].a * rows[j].c - rows[j].a * rows[i].c) / det;
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      double worst = 0.0;
      for (const Row& r : rows) {
        const double v = RowViolation(r, x, y);
        if (v > kStrict * Scale(r, x, y)) worst = std::max(worst, v);
      }
      out.push_back({x, y, worst});
    }
  }
  return out;
}

}  // namespace

std::string RandomModel::Describe() const {
  std::ostringstream s;
  s.precision(17);
  s << "payoff " << px << "x " << (ps > 0 ? "+ " : "- ") << py << "y;";
  for (const Line& l : lines) {
    s << " " << l.a << "x " << (l.sign > 0 ? "+ " : "- ") << l.b << "y "
      << (l.relation == REL_LE   ? "<="
          : l.relation == REL_GE ? ">="
                                 : "=")
      << " " << l.c << ";";
  }
  s << " ranges " << xMax << "@" << xZoom << " " << yMax << "@" << yZoom;
  return s.str();
}

double Violation(const Line& l, double x, double y) {
  return RowViolation({l.a, l.sign * l.b, l.c, l.relation}, x, y);
}

bool StrictlyFeasible(const RandomModel& m, double x, double y) {
  for (const Row& r : Rows(m, false)) {
    if (RowViolation(r, x, y) > 1e-7 * Scale(r, x, y)) return false;
  }
  return true;
}

RandomModel DrawModel(std::mt19937& rng) {
  RandomModel m;
  const int count = std::uniform_int_distribution<int>(1, LINE_COUNT)(rng);
  while (static_cast<int>(m.lines.size()) < count) {
    Line l;
    l.a = DrawCoefficient(rng);
    l.b = DrawCoefficient(rng);
    if (l.a == 0.0 && l.b == 0.0) continue;
    // A typed negative Y coefficient keeps its sign; usually it is a
    // magnitude after a "+" or "-".
    if (l.b < 0.0 && std::uniform_int_distribution<int>(0, 2)(rng) > 0) l.b = -l.b;
    l.sign = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? 1 : -1;
    const int relation = std::uniform_int_distribution<int>(0, 19)(rng);
    l.relation = relation < 11 ? REL_LE : relation < 18 ? REL_GE : REL_EQ;
    l.c = DrawRightHandSide(rng);
    m.lines.push_back(l);
  }
  do {
    m.px = DrawCoefficient(rng);
    m.py = std::fabs(DrawCoefficient(rng));
  } while (m.px == 0.0 && m.py == 0.0);
  m.ps = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? 1 : -1;

  // Ranges reach past the largest corner of the area by a random margin.
  double maxX = 0.0;
  double maxY = 0.0;
  for (const Crossing& c : Crossings(Rows(m, false))) {
    if (c.worst > 0.0) continue;
    maxX = std::max(maxX, c.x);
    maxY = std::max(maxY, c.y);
  }
  m.xMax = std::max(5.0, std::ceil(maxX) + std::uniform_int_distribution<int>(1, 10)(rng));
  m.yMax = std::max(5.0, std::ceil(maxY) + std::uniform_int_distribution<int>(1, 10)(rng));
  m.xZoom = 600.0 / m.xMax;
  m.yZoom = 250.0 / m.yMax;
  return m;
}

bool NearDegenerate(const RandomModel& m) {
  const std::vector<Crossing> crossings = Crossings(Rows(m, true));
  std::vector<double> scores;
  for (const Crossing& c : crossings) {
    if (c.worst > 0.0 && c.worst < 0.02) return true;
    if (c.worst == 0.0) scores.push_back(m.Payoff(c.x, c.y));
  }
  if (scores.empty()) return false;
  std::sort(scores.begin(), scores.end());
  const double tieHair = 1e-9 * (1.0 + std::fabs(scores.front()) + std::fabs(scores.back()));
  for (double s : scores) {
    const double belowTop = scores.back() - s;
    const double aboveBottom = s - scores.front();
    if (belowTop > tieHair && belowTop < 0.02) return true;
    if (aboveBottom > tieHair && aboveBottom < 0.02) return true;
  }
  return false;
}

bool CornersInsideRange(const RandomModel& m) {
  for (const Crossing& c : Crossings(Rows(m, false))) {
    if (c.worst == 0.0 && (c.x > m.xMax || c.y > m.yMax)) return false;
  }
  return true;
}

bool LatticePoints(const RandomModel& m, std::vector<std::pair<int, int>>& points, int limit) {
  points.clear();
  const std::vector<Row> rows = Rows(m, false);
  const int xEnd = static_cast<int>(std::floor(m.xMax));
  const int yEnd = static_cast<int>(std::floor(m.yMax));
  for (int ix = 0; ix <= xEnd; ++ix) {
    for (int iy = 0; iy <= yEnd; ++iy) {
      double worst = 0.0;
      for (const Row& r : rows) {
        const double v = RowViolation(r, ix, iy);
        if (v > kStrict * Scale(r, ix, iy)) worst = std::max(worst, v);
      }
      if (worst > 0.0 && worst < 1e-5) return false;
      if (worst > 0.0) continue;
      points.emplace_back(ix, iy);
      if (static_cast<int>(points.size()) >= limit) return false;
    }
  }
  return true;
}

void LoadInto(const RandomModel& m, SolverView& v) {
  v.SetLines({});
  for (std::size_t i = 0; i < m.lines.size(); ++i) {
    const Line& l = m.lines[i];
    EditModel(v.doc)->lines[i].a = l.a;
    EditModel(v.doc)->lines[i].sign = l.sign;
    EditModel(v.doc)->lines[i].b = l.b;
    EditModel(v.doc)->lines[i].relation = RelationOfCode(l.relation);
    EditModel(v.doc)->lines[i].c = l.c;
  }
  EditModel(v.doc)->payoff.a = m.px;
  EditModel(v.doc)->payoff.sign = m.ps;
  EditModel(v.doc)->payoff.b = m.py;
  EditModel(v.doc)->decimals = 6;
  v.SetRanges(m.xMax, m.xZoom, m.yMax, m.yZoom);
}

}  // namespace tessaro::test
