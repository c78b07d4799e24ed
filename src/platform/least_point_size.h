// The smallest size a text the program shows whole may shrink to, on the screen and on
// paper alike: below it digits stop being legible, so a longer number is rounded instead.
#pragma once

#include <cmath>
#include <functional>
#include <optional>

namespace platform {

inline constexpr double kLeastPointSize = 7.0;

// The largest size in whole quarter points below design, down to kLeastPointSize, at which
// fits holds, tried from the top; none where even the least size does not fit. Screen and
// paper shrink a text by this one rule.
inline std::optional<double> ShrunkPointSize(double design,
                                             const std::function<bool(double)>& fits) {
  constexpr double kStep = 0.25;
  for (double size = std::ceil(design / kStep) * kStep - kStep; size >= kLeastPointSize;
       size -= kStep) {
    if (fits(size)) return size;
  }
  return std::nullopt;
}

}  // namespace platform
