#pragma once

#include <iosfwd>
#include <string>

namespace tessaro {

// `tessaro --solve MODEL.kvr [--max|--min]`: loads the model without a
// window, solves it as Auto Max or Auto Min does and prints a report.
// Returns the exit status: 0 solved, 1 missing or damaged file, 2 no optimum.
int RunSolveCommand(const std::string& path, bool maximize, std::ostream& out, std::ostream& err);

}  // namespace tessaro
