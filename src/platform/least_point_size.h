// The smallest size a text the program shows whole may shrink to, on the screen and on
// paper alike: below it digits stop being legible, so a longer number is rounded instead.
#pragma once

namespace platform {

inline constexpr double kLeastPointSize = 7.0;

}  // namespace platform
