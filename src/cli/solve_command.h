#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro {

// `tessaro --solve MODEL.kvr [--max|--min]`: loads the model without a
// window, solves it as Auto Max or Auto Min does and prints a report.
// Returns the exit status: 0 solved, 1 missing or damaged file, 2 no optimum.
// The text report ends with the sensitivity of the optimum.
int RunSolveCommand(const std::string& path, bool maximize, std::ostream& out, std::ostream& err);

// `tessaro --solve --json FILE... [--max|--min]`: one JSON object per file
// and line, each with a "file" key when more than one file is given; a file
// that cannot be read gives an object with result "error" and the others go
// on. Returns the worst status of the files: 1 when some file could not be
// read, else 2 when some model had no optimum, else 0.
int RunSolveJson(const std::vector<std::string>& paths, bool maximize, std::ostream& out);

}  // namespace tessaro
