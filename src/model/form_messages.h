#pragma once

namespace tessaro {

// The messages of a failed check of the form exchange.
inline constexpr const char* MSG_ENTER_NUMBER = "Please enter a number.";
inline constexpr const char* MSG_ENTER_INTEGER = "Please enter an integer.";
// %1 and %2 are replaced by the lowest and highest accepted value.
inline constexpr const char* MSG_NUMBER_BETWEEN = "Please enter a number between %1 and %2.";

}  // namespace tessaro
