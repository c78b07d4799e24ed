#include "platform/fitted_number.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

// Past this length a plain form is never the better one: its zeros only say the exponent.
// It also keeps "1E+300" from being written out in full to be measured.
constexpr size_t kLongestPlain = 40;
// An exponent beyond any double's; larger ones are held at it.
constexpr long kExponentCap = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as its digits: the value is 0.d1d2d3... * 10^(position + 1).
struct Decimal {
  bool negative = false;
  std::string digits;  // from the first non-zero digit, without trailing zeros; "" for zero
  long position = 0;   // the power of ten of the first digit
  bool leadingZero = false;  // the text writes a whole part ("0.5", not ".5")
};

std::optional<Decimal> Parse(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  Decimal d;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
  std::string whole, fraction;
  while (i < text.size() && IsDigit(text[i])) whole += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) fraction += text[i++];
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
    while (i < text.size() && IsDigit(text[i])) {
      exponent = std::min(kExponentCap, exponent * 10 + (text[i++] - '0'));
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  d.leadingZero = !whole.empty();
  const std::string all = whole + fraction;
  const size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return d;  // zero
  d.digits = all.substr(first, all.find_last_not_of('0') + 1 - first);
  d.position = static_cast<long>(whole.size()) - 1 - static_cast<long>(first) + exponent;
  return d;
}

// The first `count` digits of d, rounded half away from zero; a carry out of the first
// digit moves it one place up.
Decimal Rounded(const Decimal& d, size_t count) {
  Decimal r = d;
  if (count >= d.digits.size()) return r;
  r.digits = d.digits.substr(0, count);
  if (d.digits[count] >= '5') {
    size_t k = count;
    while (k > 0 && r.digits[k - 1] == '9') r.digits[--k] = '0';
    if (k == 0) {
      r.digits.insert(r.digits.begin(), '1');
      r.position += 1;
    } else {
      r.digits[k - 1] += 1;
    }
  }
  r.digits.erase(r.digits.find_last_not_of('0') + 1);
  return r;
}

std::string Plain(const Decimal& d) {
  std::string text = d.negative ? "-" : "";
  if (d.position >= 0) {
    const size_t whole = static_cast<size_t>(d.position) + 1;
    std::string digits = d.digits;
    if (digits.size() < whole) digits.append(whole - digits.size(), '0');
    text += digits.substr(0, whole);
    if (digits.size() > whole) text += "." + digits.substr(whole);
  } else {
    if (d.leadingZero) text += "0";
    text += "." + std::string(static_cast<size_t>(-d.position - 1), '0') + d.digits;
  }
  return text;
}

std::string WithExponent(const Decimal& d) {
  std::string text = d.negative ? "-" : "";
  text += d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  std::string power = std::to_string(std::labs(d.position));
  if (power.size() < 2) power.insert(power.begin(), '0');
  return text + (d.position < 0 ? "E-" : "E+") + power;
}

}  // namespace

std::optional<std::string> FittedNumber(std::string_view text,
                                        const std::function<bool(const std::string&)>& fits,
                                        size_t mostDigits) {
  const std::optional<Decimal> number = Parse(text);
  if (!number) return std::nullopt;
  if (number->digits.empty()) return "0";
  // Where nothing fits, the shortest text overflows least; a whole number that is no longer
  // than one digit's exponent form says more than that form.
  std::string shortest;
  const auto fitted = [&](const std::string& form) {
    if (fits(form)) return true;
    if (shortest.empty() || form.size() < shortest.size()) shortest = form;
    return false;
  };
  const size_t most = std::clamp<size_t>(mostDigits, 1, number->digits.size());
  for (size_t count = most; count >= 1; --count) {
    const Decimal r = Rounded(*number, count);
    // A plain form rounds at the same place only while that place is not in the whole part.
    const bool plainKeepsWhole = count == number->digits.size() ||
                                 static_cast<long>(count) - 1 - number->position >= 0;
    const long reach = static_cast<long>(kLongestPlain);
    if (plainKeepsWhole && r.position < reach && -r.position < reach) {
      const std::string plain = Plain(r);
      if (plain.size() <= kLongestPlain && fitted(plain)) return plain;
    }
    const std::string exponentForm = WithExponent(r);
    if (fitted(exponentForm)) return exponentForm;
  }
  return shortest;
}

}  // namespace platform
