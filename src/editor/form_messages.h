#pragma once

namespace tessaro {

// The messages of a failed check of the form exchange.
inline constexpr const char* MSG_ENTER_NUMBER = "Please enter a number.";
inline constexpr const char* MSG_ENTER_INTEGER = "Please enter an integer.";
// %1 and %2 are replaced by the lowest and highest accepted value.
inline constexpr const char* MSG_NUMBER_BETWEEN = "Please enter a number between %1 and %2.";
// A range whose minimum lies above its maximum.
inline constexpr const char* MSG_X_MIN_ABOVE_MAX = "X Min must not be greater than X Max.";
inline constexpr const char* MSG_Y_MIN_ABOVE_MAX = "Y Min must not be greater than Y Max.";

}  // namespace tessaro
