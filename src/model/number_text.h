#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversions between numbers and the texts of the line fields and the
// form. None of them depends on the process locale: the decimal point is
// always ".".

namespace tessaro {

// White space as the C library classifies it in the "C" locale: space, tab,
// line feed, carriage return, vertical tab and form feed.
bool IsCSpace(char c);
// The text without leading white space.
std::string_view TrimLeft(std::string_view text);
// The text without leading and trailing white space.
std::string_view Trim(std::string_view text);

// The longest decimal number at the very start of a text (no white space is
// skipped): an optional sign, digits with an optional decimal point (at
// least one digit in all), and an optional exponent. Hexadecimal forms,
// "inf" and "nan" are not numbers here.
struct NumberScan {
  bool found = false;     // a number was read
  std::size_t end = 0;    // characters taken by the number
  double value = 0.0;     // its value; 0 when none, finite unless overflow
  bool overflow = false;  // the magnitude lies beyond the largest double
};
NumberScan ScanNumber(std::string_view text);

// Like the C library's string-to-double conversion: leading white space is
// skipped, the number is read as far as it goes and the rest is ignored; a
// text without a number gives 0. A magnitude beyond the largest double
// gives the largest finite double of that sign, so the result is always
// finite; a magnitude below the smallest one gives 0.
double ConvertNumber(std::string_view text);
// The same, but a magnitude beyond the largest double is reported as a
// failure (false) instead of being saturated.
bool ConvertFiniteNumber(std::string_view text, double& value);

// Like the C library's string-to-int conversion: leading white space, an
// optional sign and decimal digits as far as they go; no digits give 0.
// The result saturates at the int range.
int ConvertInteger(std::string_view text);

// The strict checks of the form's number and integer fields. At most the
// first FORM_FIELD_CHARS characters are looked at. The text must be
// optional blanks or tabs, the number, optional blanks or tabs; a value of
// zero is accepted only when its text starts with "0" (so ".0" and "-0" are
// refused). A number too large for a double and an integer outside the int
// range are refused.
inline constexpr std::size_t FORM_FIELD_CHARS = 31;
bool ParseFormNumber(std::string_view text, double& value);
bool ParseFormInteger(std::string_view text, int& value);

// General notation with up to 15 significant digits: fixed-point for
// decimal exponents from -4 to 14, otherwise scientific with an exponent of
// at least three digits; trailing zeros and a trailing point are dropped.
// 200 -> "200", 0.00001 -> "1e-005", 1e20 -> "1e+020".
std::string FormatGeneral(double value);

// Fixed-point notation with exactly `precision` decimals (a negative
// precision counts as 0), padded with blanks on the left to at least
// `minWidth` characters. Any magnitude gives the full text; a precision
// above MAX_TEXT_DECIMALS writes that many decimals. The decimal point is
// always "." whatever the process locale; non-finite values give "inf",
// "-inf", "nan" or "-nan".
std::string FormatFixed(double value, int precision, int minWidth);

}  // namespace tessaro
