// Bytes into the model file loader of a fresh document. A file that loads
// is saved and loaded again: the fields come back equal and the second save
// gives the same bytes. A refused file leaves the defaults. A file that
// loads is also solved both ways as the command line solves it: an optimum
// must keep every constraint as the file states it (and as it is printed).

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "doc/velmar_doc.h"
#include "model/equation.h"
#include "solver/geometry.h"
#include "solver/optimizer.h"
#include "solver/row_tolerance.h"
#include "stored_fields.h"
#include "support/fake_view_host.h"

using tessaro::CEquation;
using tessaro::CVelmarDoc;
using tessaro::LINE_COUNT;
using tessaro::LoadResult;
using tessaro::NO_POINT;
using tessaro::fuzz::Finding;
using tessaro::fuzz::SameStoredFields;

namespace {

// A point keeps a row when it misses it by no more than the solver's own
// tolerance, relative to the row's size at the point.
bool Keeps(double a, double b, double c, double relation, double x, double y) {
  // Beyond the doubles the comparison says nothing; the solver's own
  // overflow handling decides there.
  if (!std::isfinite(a * x + b * y)) return true;
  const double factor = relation == tessaro::REL_EQ   ? 0.0
                        : relation == tessaro::REL_GE ? 1.0
                                                      : -1.0;
  return tessaro::RowHolds(a, b, c, factor, x, y);
}

// Solves doc one way as `tessaro --solve` does and checks every optimal
// point against every present constraint of the file.
void SolveAndCheck(CVelmarDoc doc, bool maximize) {
  tessaro::test::FakeViewHost host;
  tessaro::test::MemorySettings settings;
  CEquation view(host, &settings);
  view.OnCreate(&doc);
  view.OnInitialUpdate();
  view.OnTimer(tessaro::TIMER_REFRESH);
  if (!tessaro::AutoSolve(view, maximize)) return;
  for (int k = 0; k < std::min(view.optimalCount, tessaro::MAX_OPTIMAL); ++k) {
    const double x = view.optimalX[k];
    const double y = view.optimalY[k];
    if (x == NO_POINT) continue;
    for (int i = 0; i < LINE_COUNT; ++i) {
      if (doc.lineA[i] == 0.0 && doc.lineB[i] == 0.0) continue;
      if (!Keeps(doc.lineA[i], doc.lineSign[i] * doc.lineB[i], doc.lineC[i], doc.lineRelation[i], x,
                 y)) {
        std::fprintf(stderr, "constraint %d broken at (%.17g, %.17g)\n", i + 1, x, y);
        Finding("\"optimal\" with a point that breaks a constraint of the file");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  CVelmarDoc doc;
  const LoadResult result = doc.LoadFromBytes(bytes);
  if (result != LoadResult::Ok) {
    if (!SameStoredFields(doc, CVelmarDoc())) Finding("a refused file changed the fields");
    if (doc.badFormat != (result == LoadResult::BadMagic ? 1 : 0)) Finding("wrong badFormat");
    return 0;
  }
  if (doc.badFormat != 0) Finding("badFormat set on a good file");

  const std::vector<std::uint8_t> saved = doc.SaveToBytes();
  CVelmarDoc again;
  if (again.LoadFromBytes(saved) != LoadResult::Ok) Finding("a saved file does not load");
  if (!SameStoredFields(doc, again)) Finding("fields changed through save and load");
  if (again.SaveToBytes() != saved) Finding("saving twice gives different bytes");

  SolveAndCheck(doc, true);
  SolveAndCheck(doc, false);
  return 0;
}
