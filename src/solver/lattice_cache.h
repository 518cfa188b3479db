#pragma once

#include "solver/lattice_points.h"

namespace tessaro {

// EnumerateLatticePoints with a memory of its last few answers. The
// enumeration depends only on its arguments, and the model often asks for
// the same points again: a probe recomputes them for the stepped and then
// the restored right-hand side, Undo and Reset come back to a model shown
// before. Arguments match when every number has the same bits.
const LatticeResult& CachedLatticePoints(const LatticeRows& rows, const PlotFrame& frame,
                                         int limit);

}  // namespace tessaro
