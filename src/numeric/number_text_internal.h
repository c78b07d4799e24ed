#pragma once

#include <string>
#include <string_view>

// The number text of the value 0.d1d2d3... x 10^(exponent+1), that is digits with the
// first one of weight 10^exponent, in the form StrNumero writes (leading blank or "-").
// Trailing zeros of digits are dropped; digits must not be empty.
std::string NumberTextFromDigits(bool negative, std::string digits, int exponent);

// The number at the start of s, blanks skipped, as ValNumero reads it ("abc" is 0). False
// when the number is too large for a double: callers that must not take it for an empty
// cell refuse the text instead.
bool ReadLeadingNumber(std::string_view s, double& value);
