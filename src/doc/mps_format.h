#pragma once

// The MPS text format: free MPS written, free or simple fixed MPS read.

#include <string_view>

#include "doc/linear_program.h"
#include "model/model.h"

namespace tessaro {

// The model as free MPS. GLPK refuses an OBJSENSE section, so the sense is
// written as a comment only, and a reader takes the file as minimizing
// unless told otherwise. Integer mode puts both columns between INTORG and
// INTEND markers; every column gets explicit bounds [0, +inf).
[[nodiscard]] ExportResult WriteMps(const Model& model, Sense sense,
                                    std::string_view problemName = "model");

// Reads free MPS, and fixed MPS whose names hold no blanks. The sense is
// minimize unless an OBJSENSE section says otherwise. As GLPK does, an
// integer column given no bound at all is taken as binary.
[[nodiscard]] ImportResult ReadMps(std::string_view text);

}  // namespace tessaro
