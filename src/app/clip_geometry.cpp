#include "app/clip_geometry.h"

#include <cmath>

namespace tessaro::app {
namespace {

// One boundary test of the Liang-Barsky clip: p is the direction component
// against the boundary, q the distance to it. Narrows [t0, t1].
bool ClipTest(double p, double q, double& t0, double& t1) {
  if (p == 0.0) return q >= 0.0;  // parallel: inside or wholly outside
  double r = q / p;
  if (p < 0.0) {
    if (r > t1) return false;
    if (r > t0) t0 = r;
  } else {
    if (r < t0) return false;
    if (r < t1) t1 = r;
  }
  return true;
}

enum class Edge { Left, Top, Right, Bottom };

bool Inside(const ClipPoint& p, Edge edge, const ClipBox& box) {
  switch (edge) {
    case Edge::Left:
      return p.x >= box.left;
    case Edge::Top:
      return p.y >= box.top;
    case Edge::Right:
      return p.x <= box.right;
    case Edge::Bottom:
      return p.y <= box.bottom;
  }
  return true;
}

// Where the segment a-b crosses the boundary of the edge; a and b lie on
// different sides, so the denominator is not zero.
ClipPoint Crossing(const ClipPoint& a, const ClipPoint& b, Edge edge, const ClipBox& box) {
  switch (edge) {
    case Edge::Left:
    case Edge::Right: {
      double x = edge == Edge::Left ? box.left : box.right;
      double t = (x - a.x) / (b.x - a.x);
      return {x, a.y + t * (b.y - a.y)};
    }
    case Edge::Top:
    case Edge::Bottom: {
      double y = edge == Edge::Top ? box.top : box.bottom;
      double t = (y - a.y) / (b.y - a.y);
      return {a.x + t * (b.x - a.x), y};
    }
  }
  return a;
}

}  // namespace

bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
    return false;
  }
  double dx = b.x - a.x;
  double dy = b.y - a.y;
  double t0 = 0.0;
  double t1 = 1.0;
  if (!ClipTest(-dx, a.x - box.left, t0, t1)) return false;
  if (!ClipTest(dx, box.right - a.x, t0, t1)) return false;
  if (!ClipTest(-dy, a.y - box.top, t0, t1)) return false;
  if (!ClipTest(dy, box.bottom - a.y, t0, t1)) return false;
  ClipPoint start = a;
  if (t1 < 1.0) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0.0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}

std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& polygon, const ClipBox& box) {
  std::vector<ClipPoint> current;
  current.reserve(polygon.size());
  for (const ClipPoint& p : polygon) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
    current.push_back(p);
  }
  for (Edge edge : {Edge::Left, Edge::Top, Edge::Right, Edge::Bottom}) {
    if (current.empty()) break;
    std::vector<ClipPoint> next;
    next.reserve(current.size() + 4);
    for (std::size_t k = 0; k < current.size(); ++k) {
      const ClipPoint& a = current[k];
      const ClipPoint& b = current[(k + 1) % current.size()];
      bool aIn = Inside(a, edge, box);
      bool bIn = Inside(b, edge, box);
      if (aIn) next.push_back(a);
      if (aIn != bIn) next.push_back(Crossing(a, b, edge, box));
    }
    current = std::move(next);
  }
  return current;
}

}  // namespace tessaro::app
