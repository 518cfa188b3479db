#pragma once

#include <iosfwd>
#include <string>

#include "doc/linear_program.h"

namespace tessaro {

// The conversions between the model file and the LP and MPS texts.
enum class Conversion { ToLp, ToMps, FromLp, FromMps };

// `tessaro --to-lp MODEL.kvr OUT.lp [--min]` and the others: reads input,
// converts it and writes output atomically. Writing LP or MPS, sense is the
// objective's direction; reading, the direction the file asks for is
// reported on out. Returns 0 on success and 1 with a message naming the file
// on err when the input cannot be read or converted or the output written.
int RunConvertCommand(Conversion conversion, const std::string& input, const std::string& output,
                      Sense sense, std::ostream& out, std::ostream& err);

}  // namespace tessaro
