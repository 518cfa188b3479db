#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "model/format_line.h"

namespace tessaro {

namespace {

// Decimals after which no double has a non-zero digit.
constexpr int kExactDecimals = 1074;
// Room for a sign, the 309 integer digits of the largest double, the point
// and the text of a non-finite value.
constexpr int kFixedIntegerChars = 320;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Decides between overflow and underflow for a number the conversion could
// not represent: the decimal exponent of its first significant digit,
// saturated, tells which side it lies on.
bool BeyondLargest(std::string_view mantissa, long long exponent) {
  long long position = 0;  // power of ten of the digit about to be read
  std::size_t point = mantissa.find('.');
  std::size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
  position = static_cast<long long>(intDigits) - 1;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c != '0') break;
    --position;
  }
  return position + exponent > 0;
}

}  // namespace

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  return text.substr(i);
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  std::size_t n = text.size();
  while (n > 0 && IsCSpace(text[n - 1])) --n;
  return text.substr(0, n);
}

NumberScan ScanNumber(std::string_view text) {
  NumberScan scan;
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  std::size_t afterInt = SkipDigits(text, i);
  std::size_t digits = afterInt - i;
  i = afterInt;
  if (i < text.size() && text[i] == '.') {
    std::size_t afterFrac = SkipDigits(text, i + 1);
    digits += afterFrac - (i + 1);
    if (digits > 0) i = afterFrac;
  }
  if (digits == 0) return scan;
  const std::size_t mantissaEnd = i;

  // An exponent counts only when at least one digit follows its marker.
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      expNegative = text[j] == '-';
      ++j;
    }
    std::size_t expEnd = SkipDigits(text, j);
    if (expEnd > j) {
      constexpr long long kCap = 1000000000LL;  // far beyond any double's range
      for (std::size_t k = j; k < expEnd; ++k) {
        if (exponent < kCap) exponent = exponent * 10 + (text[k] - '0');
      }
      if (expNegative) exponent = -exponent;
      i = expEnd;
    }
  }

  scan.found = true;
  scan.end = i;
  // std::from_chars is locale-independent; it takes no leading "+".
  const char* first = text.data() + mantissaStart;
  const char* last = text.data() + i;
  double magnitude = 0.0;
  std::from_chars_result r = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
    if (BeyondLargest(mantissa, exponent)) {
      scan.overflow = true;
      magnitude = std::numeric_limits<double>::max();
    } else {
      magnitude = 0.0;
    }
  }
  scan.value = negative ? -magnitude : magnitude;
  return scan;
}

double ConvertNumber(std::string_view text) {
  return ScanNumber(TrimLeft(text)).value;
}

bool ConvertFiniteNumber(std::string_view text, double& value) {
  NumberScan scan = ScanNumber(TrimLeft(text));
  if (scan.overflow) return false;
  value = scan.value;
  return true;
}

int ConvertInteger(std::string_view text) {
  text = TrimLeft(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that the int minimum is reachable.
  constexpr long long kMin = std::numeric_limits<int>::min();
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value > kMin) value = value * 10 - (text[i] - '0');
    if (value < kMin) value = kMin;
  }
  if (!negative) {
    value = -value;
    if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
  }
  return static_cast<int>(value);
}

bool ParseFormNumber(std::string_view text, double& value) {
  text = text.substr(0, FORM_FIELD_CHARS);
  std::size_t i = 0;
  while (i < text.size() && IsBlankOrTab(text[i])) ++i;
  if (i == text.size()) return false;
  NumberScan scan = ScanNumber(text.substr(i));
  if (!scan.found || scan.overflow) return false;
  for (std::size_t k = i + scan.end; k < text.size(); ++k) {
    if (!IsBlankOrTab(text[k])) return false;
  }
  if (scan.value == 0.0 && text[i] != '0') return false;
  value = scan.value;
  return true;
}

bool ParseFormInteger(std::string_view text, int& value) {
  text = text.substr(0, FORM_FIELD_CHARS);
  std::size_t i = 0;
  while (i < text.size() && IsBlankOrTab(text[i])) ++i;
  if (i == text.size()) return false;
  const std::size_t start = i;
  if (text[i] == '+' || text[i] == '-') ++i;
  std::size_t digitsEnd = SkipDigits(text, i);
  if (digitsEnd == i) return false;
  for (std::size_t k = digitsEnd; k < text.size(); ++k) {
    if (!IsBlankOrTab(text[k])) return false;
  }
  int parsed = 0;
  const char* first = text.data() + (text[start] == '+' ? start + 1 : start);
  std::from_chars_result r = std::from_chars(first, text.data() + digitsEnd, parsed);
  if (r.ec != std::errc()) return false;  // outside the int range
  if (parsed == 0 && text[start] != '0') return false;
  value = parsed;
  return true;
}

std::string FormatGeneral(double value) {
  // The text of "%.15g", without the locale's decimal point: at most 24
  // characters for any double.
  char buffer[64];
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (r.ec != std::errc()) return std::string();
  std::string text(buffer, r.ptr);
  std::size_t e = text.find('e');
  if (e == std::string::npos || e + 2 > text.size()) return text;
  // The exponent is written with at least three digits: e-05 -> e-005.
  std::size_t digitsStart = e + 2;
  std::size_t expDigits = text.size() - digitsStart;
  if (expDigits < 3) text.insert(digitsStart, 3 - expDigits, '0');
  return text;
}

std::string FormatFixed(double value, int precision, int minWidth) {
  precision = std::clamp(precision, 0, MAX_TEXT_DECIMALS);
  if (minWidth < 0) minWidth = 0;
  // Every double is a whole multiple of 2^-1074, so its decimal expansion
  // ends within 1074 decimals: the digits are written up to there and the
  // rest are zeros, which keeps a long text cheap to build.
  const int exact = std::min(precision, kExactDecimals);
  std::string text(static_cast<std::size_t>(kFixedIntegerChars + exact), '\0');
  const std::to_chars_result r =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, exact);
  if (r.ec != std::errc()) return std::string();
  text.resize(static_cast<std::size_t>(r.ptr - text.data()));
  if (std::isfinite(value)) text.append(static_cast<std::size_t>(precision - exact), '0');
  if (text.size() < static_cast<std::size_t>(minWidth)) {
    text.insert(0, static_cast<std::size_t>(minWidth) - text.size(), ' ');
  }
  return text;
}

}  // namespace tessaro
