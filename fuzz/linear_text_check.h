#pragma once

// What the lp and mps targets check of a text their reader accepted: the
// model it gives is well formed, and, when its names can be written as they
// are, it comes back the same through both writers and readers.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "doc/linear_program.h"
#include "doc/lp_format.h"
#include "doc/mps_format.h"

namespace tessaro::fuzz {

[[noreturn]] inline void LinearTextFinding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

inline void CheckReadModel(const ImportResult& read) {
  if (!read.ok) {
    if (read.message.empty()) LinearTextFinding("a refusal without a message");
    return;
  }
  const Model& m = read.model;
  if (m.xLabel.empty() || m.yLabel.empty() || m.xLabel == m.yLabel) {
    LinearTextFinding("variable names empty or equal");
  }
  bool writable = IsWritableName(m.xLabel) && IsWritableName(m.yLabel);
  std::set<std::string> rowNames;
  bool gap = false;
  for (const Line& l : m.lines) {
    if (!l.isPresent()) {
      gap = true;
      continue;
    }
    if (gap) LinearTextFinding("rows after an empty line");
    if (l.sign != 1 && l.sign != -1) LinearTextFinding("a sign other than +1 or -1");
    if (!(l.b >= 0.0) || !std::isfinite(l.a) || !std::isfinite(l.b) || !std::isfinite(l.c)) {
      LinearTextFinding("a coefficient that is negative in b or not finite");
    }
    writable = writable && IsWritableName(l.name) && rowNames.insert(l.name).second;
  }
  if (!(m.xMax > m.xMin) || !(m.yMax > m.yMin) || !(m.xZoom > 0.0) || !(m.yZoom > 0.0)) {
    LinearTextFinding("an empty or inverted view");
  }
  if (!writable) return;

  const ExportResult lp = WriteLp(m, read.sense);
  const ExportResult mps = WriteMps(m, read.sense);
  if (!lp.ok || !mps.ok) LinearTextFinding("a read model that cannot be written");
  const ImportResult fromLp = ReadLp(lp.text);
  if (!fromLp.ok || !(fromLp.model == m) || fromLp.sense != read.sense) {
    LinearTextFinding("the model changed through LP");
  }
  const ImportResult fromMps = ReadMps(mps.text);
  if (!fromMps.ok || !(fromMps.model == m)) LinearTextFinding("the model changed through MPS");
}

}  // namespace tessaro::fuzz
