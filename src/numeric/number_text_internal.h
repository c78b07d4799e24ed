#pragma once

#include <string>

// The number text of the value 0.d1d2d3... x 10^(exponent+1), that is digits with the
// first one of weight 10^exponent, in the form StrNumero writes (leading blank or "-").
// Trailing zeros of digits are dropped; digits must not be empty.
std::string NumberTextFromDigits(bool negative, std::string digits, int exponent);
