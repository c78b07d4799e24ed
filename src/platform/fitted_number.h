// A number too long for its box even in the smallest font is shown as a spreadsheet shows
// it: rounded to the digits that fit, in exponent form where the whole part itself does not
// fit. Cutting it instead would show another number. Plain C++: the screen and the paper
// measure with their own fonts and ask through `fits`.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// text rounded half away from zero to the most significant digits that `fits` accepts, and
// to no more than mostDigits of them (at least one). With as many digits, the plain form
// ("-1234567.9") goes before the exponent form ("-1.2345679E+06", the exponent written with
// at least two digits as results are); a plain form never rounds the whole part. Zero is
// "0"; a "0" before the point is kept only when text has one (".5" stays ".5"). When not
// even one digit fits, the shortest of the forms tried, the one with more digits where two
// are as short: "12" rather than "1E+01". nullopt when text is not a plain decimal number
// (blanks around it, a sign, digits with one ".", an optional exponent): "1/3", "5%", "abc".
std::optional<std::string> FittedNumber(std::string_view text,
                                        const std::function<bool(const std::string&)>& fits,
                                        size_t mostDigits = std::numeric_limits<size_t>::max());

}  // namespace platform
