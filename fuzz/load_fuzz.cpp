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

#include "doc/document.h"
#include "doc/model_file.h"
#include "editor/form_controller.h"
#include "solver/geometry.h"
#include "solver/row_tolerance.h"
#include "solver/solution.h"
#include "stored_fields.h"
#include "support/fake_form_window.h"

using tessaro::DecodeStatus;
using tessaro::FormController;
using tessaro::LINE_COUNT;
using tessaro::Model;
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
void SolveAndCheck(const Model& model, bool maximize) {
  tessaro::test::FakeFormWindow host;
  tessaro::test::MemorySettings settings;
  tessaro::Document doc(model);
  FormController view(host, &settings);
  view.attach(doc);
  view.start();
  view.refreshTimerFired();
  // An unbounded model lists the points it gathered, which need not be
  // feasible: only an optimum is checked.
  const tessaro::Goal goal = maximize ? tessaro::Goal::Maximize : tessaro::Goal::Minimize;
  if (!tessaro::Solve(doc.model(), view.farBounds(), goal).isOptimal()) return;
  view.run(maximize ? tessaro::FormCommand::AutoMax : tessaro::FormCommand::AutoMin);
  for (const tessaro::PlanePoint& p : view.optimum()) {
    const double x = p.x;
    const double y = p.y;
    if (x == NO_POINT) continue;
    for (int i = 0; i < LINE_COUNT; ++i) {
      const tessaro::Line& line = model.lines[i];
      if (!line.isPresent()) continue;
      if (!Keeps(line.a, line.yCoefficient(), line.c, tessaro::RelationCode(line.relation), x, y)) {
        std::fprintf(stderr, "constraint %d broken at (%.17g, %.17g)\n", i + 1, x, y);
        Finding("\"optimal\" with a point that breaks a constraint of the file");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Model doc;
  const DecodeStatus result = DecodeModel(bytes, doc);
  if (result != DecodeStatus::Ok) {
    if (!SameStoredFields(doc, Model())) Finding("a refused file changed the fields");
    return 0;
  }

  const std::vector<std::uint8_t> saved = EncodeModel(doc);
  Model again;
  if (DecodeModel(saved, again) != DecodeStatus::Ok) Finding("a saved file does not load");
  if (!SameStoredFields(doc, again)) Finding("fields changed through save and load");
  if (EncodeModel(again) != saved) Finding("saving twice gives different bytes");

  SolveAndCheck(doc, true);
  SolveAndCheck(doc, false);
  return 0;
}
