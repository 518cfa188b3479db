#include "solver/lattice_cache.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace tessaro {

namespace {

constexpr std::size_t CACHE_ENTRIES = 4;

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool SameRows(const LatticeRows& a, const LatticeRows& b) {
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!SameBits(a[k].a, b[k].a) || !SameBits(a[k].b, b[k].b) || !SameBits(a[k].c, b[k].c) ||
        !SameBits(a[k].relation, b[k].relation) || a[k].present != b[k].present) {
      return false;
    }
  }
  return true;
}

bool SameFrame(const PlotFrame& a, const PlotFrame& b) {
  return SameBits(a.xMin, b.xMin) && SameBits(a.xMax, b.xMax) && SameBits(a.yMin, b.yMin) &&
         SameBits(a.yMax, b.yMax) && SameBits(a.xZoom, b.xZoom) && SameBits(a.yZoom, b.yZoom);
}

struct Entry {
  bool used = false;
  LatticeRows rows;
  PlotFrame frame;
  int limit = 0;
  LatticeResult result;
};

struct Cache {
  std::array<Entry, CACHE_ENTRIES> entries;
  std::size_t next = 0;  // the entry replaced next
};

}  // namespace

const LatticeResult& CachedLatticePoints(const LatticeRows& rows, const PlotFrame& frame,
                                         int limit) {
  thread_local Cache cache;
  for (const Entry& e : cache.entries) {
    if (e.used && e.limit == limit && SameRows(e.rows, rows) && SameFrame(e.frame, frame)) {
      return e.result;
    }
  }
  Entry& e = cache.entries[cache.next];
  cache.next = (cache.next + 1) % CACHE_ENTRIES;
  e.used = true;
  e.rows = rows;
  e.frame = frame;
  e.limit = limit;
  e.result = EnumerateLatticePoints(rows, frame, limit);
  return e.result;
}

}  // namespace tessaro
