#pragma once

// Which of the model file, LP and MPS a file holds, and reading the texts.

#include <cstdint>
#include <string_view>
#include <vector>

#include "doc/linear_program.h"

namespace tessaro {

enum class ModelFileKind { Kvr, Lp, Mps };

// The suffix decides (".kvr", ".lp", ".mps" in any case); otherwise the
// content: a model file, or text whose first line that is not blank or a
// comment opens an LP objective or an MPS section. Anything else is taken as
// a model file, whose reader then says what is wrong.
[[nodiscard]] ModelFileKind GuessModelFileKind(std::string_view path,
                                               const std::vector<std::uint8_t>& bytes);

// Reads LP or MPS bytes into a model.
[[nodiscard]] ImportResult ImportModelText(ModelFileKind kind,
                                           const std::vector<std::uint8_t>& bytes);

}  // namespace tessaro
