// Number text, independent of the user's locale: Qt and the C library switch to a decimal
// comma under many locales, so nothing here uses printf, strtod or iostreams.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>
#include <utility>

#include "numeric/numeric.h"
#include "numeric/number_text_internal.h"

namespace {

enum class Scan { Number, None, Overflow };

// Reads [sign] digits [. digits] [E|e [sign] digits] at the start of s. An unfinished
// exponent ("1e", "1e+") ends the number before the "e".
Scan ScanLeadingNumber(std::string_view s, double& value) {
  size_t i = 0;
  const size_t n = s.size();
  auto is_digit = [&](size_t k) { return k < n && s[k] >= '0' && s[k] <= '9'; };

  const size_t start = i;
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  const bool negative = i > start && s[start] == '-';
  const size_t mantissa_start = i;
  size_t int_digits = 0, frac_digits = 0;
  while (is_digit(i)) ++i, ++int_digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (is_digit(i)) ++i, ++frac_digits;
  }
  if (int_digits + frac_digits == 0) {
    value = 0.0;
    return Scan::None;
  }
  size_t end = i;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t k = i + 1;
    if (k < n && (s[k] == '+' || s[k] == '-')) ++k;
    if (is_digit(k)) {
      while (is_digit(k)) ++k;
      end = k;
    }
  }

  // from_chars does not take a leading '+', so the sign is applied afterwards.
  std::string_view lexeme = s.substr(mantissa_start, end - mantissa_start);
  double magnitude = 0.0;
  const auto result = std::from_chars(lexeme.data(), lexeme.data() + lexeme.size(), magnitude,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars reports overflow and underflow alike; tell them apart by the decimal
    // order of magnitude of the lexeme.
    const std::string_view mantissa = lexeme.substr(0, lexeme.find_first_of("eE"));
    long position = static_cast<long>(int_digits);
    long order = 0;  // decimal exponent of the first significant digit
    bool seen_nonzero = false;
    for (const char c : mantissa) {
      if (c == '.') continue;
      --position;
      if (c != '0') {
        order = position;
        seen_nonzero = true;
        break;
      }
    }
    if (!seen_nonzero) {
      value = 0.0;
      return Scan::Number;
    }
    long exponent = 0;
    const size_t e = lexeme.find_first_of("eE");
    if (e != std::string_view::npos) {
      size_t k = e + 1;
      bool exp_negative = false;
      if (lexeme[k] == '+' || lexeme[k] == '-') exp_negative = lexeme[k++] == '-';
      for (; k < lexeme.size(); ++k) {
        if (exponent < 100000) exponent = exponent * 10 + (lexeme[k] - '0');
      }
      if (exp_negative) exponent = -exponent;
    }
    if (order + exponent > 0) return Scan::Overflow;
    value = negative ? -0.0 : 0.0;
    return Scan::Number;
  }
  value = negative ? -magnitude : magnitude;
  return Scan::Number;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The value of a piece of typed text; false when it cannot be a double.
bool ReadValue(std::string_view s, double& value) {
  return ScanLeadingNumber(TrimBlanks(s), value) != Scan::Overflow;
}

}  // namespace

int16_t ErrorFlag = 0;

double LeerNumero(const std::string& text) {
  const std::string_view s = TrimBlanks(text);
  if (s.empty()) return 0.0;

  if (s.back() == '%') {
    double v = 0.0;
    if (!ReadValue(s.substr(0, s.size() - 1), v)) return NoValue;
    return v / 100.0;  // cannot overflow; underflow to 0 is no failure
  }

  const size_t slash = s.find('/', 1);
  if (slash != std::string_view::npos) {
    if (s.find('%') != std::string_view::npos) return NoValue;
    double a = 0.0, b = 0.0;
    if (!ReadValue(s.substr(0, slash), a) || !ReadValue(s.substr(slash + 1), b)) return NoValue;
    const double q = a / b;
    if (!std::isfinite(q)) return NoValue;  // division by zero, 0/0 or an overflowing quotient
    return q;
  }

  double v = 0.0;
  if (!ReadValue(s, v)) return NoValue;
  return v;
}

bool ReadLeadingNumber(std::string_view s, double& value) { return ReadValue(s, value); }

double ValNumero(const std::string& text) {
  double v = 0.0;
  if (!ReadValue(text, v)) return NoValue;
  return v;
}

std::string NumberTextFromDigits(bool negative, std::string digits, int exponent) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out(1, negative ? '-' : ' ');
  if (exponent < -4 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (exponent < 0) {
    out += '.';
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    const size_t int_len = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= int_len) {
      out += digits;
      out.append(int_len - digits.size(), '0');
    } else {
      out.append(digits, 0, int_len);
      out += '.';
      out.append(digits, int_len, std::string::npos);
    }
  }
  return out;
}

std::string StrNumero(double x) {
  if (x == 0.0 || std::isnan(x)) return " 0";
  if (std::isinf(x)) return x > 0 ? " 1E+309" : "-1E+309";

  // Fifteen significant digits, correctly rounded, as d.dddddddddddddde±x.
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                    std::chars_format::scientific, 14);
  const std::string_view sci(buf, static_cast<size_t>(result.ptr - buf));
  const size_t e_pos = sci.find('e');
  std::string digits(1, sci[0]);
  digits.append(sci.substr(2, e_pos - 2));
  const char* exp_begin = sci.data() + e_pos + 1;
  if (*exp_begin == '+') ++exp_begin;
  int exponent = 0;
  std::from_chars(exp_begin, sci.data() + sci.size(), exponent);
  return NumberTextFromDigits(x < 0, std::move(digits), exponent);
}
