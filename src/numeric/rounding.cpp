#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/failure.h"
#include "numeric/number_text_internal.h"
#include "numeric/numeric.h"

using numeric::Chk;

double Redondear(double x, double m) {
  ErrorFlag = 0;
  return numeric::HandlerStyle([&] {
    const double s = Chk(std::pow(10.0, -1.0 - m));
    return Chk(Chk(std::floor(Chk(Chk(x * s) + 0.5))) / s);
  });
}

namespace {

// Below about 1E-299 the single power of ten that Redondear scales by overflows. Scale in
// two steps instead and take the digits straight from the rounded integer, so that tiny
// results keep all their digits (the double they stand for may be subnormal).
std::string FormatTiny(bool negative, double a, int e, int n) {
  const int scale = n - 1 - e;  // a * 10^scale has n digits before the point
  const double y = (a * 1e300) * std::pow(10.0, scale - 300);
  const double rounded = std::floor(y + 0.5);
  if (rounded == 0.0) return "0";
  char buf[32];
  const auto written = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, 0);
  std::string digits(buf, written.ptr);
  const int exponent = static_cast<int>(digits.size()) - 1 - scale;
  std::string t = NumberTextFromDigits(negative, std::move(digits), exponent);
  if (t.front() == ' ') t.erase(0, 1);
  return t;
}

}  // namespace

std::string FormatoCifras(double x, double n) {
  if (x == 0.0) return "0";
  const bool negative = x < 0;
  const double a = std::fabs(x);

  double e = 0, m = 0;
  try {
    e = Chk(std::floor(Chk(Chk(std::log(a)) / Chk(std::log(10.0)))));
    m = Chk(e - n);
  } catch (const numeric::NumericFailure&) {
    ErrorFlag = 1;
    return "";
  }

  if (-1.0 - m > 308.0 && n >= 1 && n <= 17) {
    ErrorFlag = 0;  // as Redondear would on entry
    return FormatTiny(negative, a, static_cast<int>(e), static_cast<int>(n));
  }

  const double r = Redondear(a, m);
  if (r == 0.0) return "0";  // never "-0"
  // Built front to back: GCC 12 at -O3 takes inserts at the front of a short string for
  // overlapping copies and warns (-Wrestrict) although they are sound.
  const std::string plain = StrNumero(r);
  std::string_view body(plain);
  body.remove_prefix(std::min(body.find_first_not_of(' '), body.size()));
  std::string t;
  t.reserve(body.size() + 2);
  if (negative) t += '-';
  if (body.front() == '.') t += '0';
  t += body;
  return t;
}
