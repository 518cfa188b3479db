#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <limits>

namespace tessaro::fuzz {

// A double from the input, often one of the values that break careless
// code: NaN, infinities, negative zero, the extremes and the tiny.
inline double AnyDouble(FuzzedDataProvider& in) {
  using L = std::numeric_limits<double>;
  switch (in.ConsumeIntegralInRange<int>(0, 15)) {
    case 0:
      return L::quiet_NaN();
    case 1:
      return L::infinity();
    case 2:
      return -L::infinity();
    case 3:
      return -0.0;
    case 4:
      return L::max();
    case 5:
      return L::lowest();
    case 6:
      return L::denorm_min();
    case 7:
      return -8888.0;
    case 8:
      return static_cast<double>(in.ConsumeIntegralInRange<int>(-1000, 1000));
    case 9:
      return in.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    default:
      return in.ConsumeFloatingPoint<double>();
  }
}

}  // namespace tessaro::fuzz
