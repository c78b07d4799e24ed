// The error function and the standard normal distribution.
#include <cmath>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/special_internal.h"

using numeric::Chk;
using numeric::Div;
using numeric::Horner;
using numeric::HornerMonic;

namespace {

// erf on |x| < 0.5, as a ratio in x^2. It is good to about 1E-8 relative (4E-11 at 0.3,
// 6E-9 near 0.49, 2.3E-15 near 0), the accuracy the results were published with, so it
// stays as it is.
constexpr double kErfP[] = {0.00754772803341863, 0.288805137207594, 14.3383842191748,
                            38.0140318123903,    3017.82788536508,  7404.07142710151,
                            80437.363096084};
constexpr double kErfQ[] = {1,
                            38.0190713951939,
                            658.07015545924,
                            6379.60017324428,
                            34216.5257924629,
                            80437.363096084};

// erfc on 0.5 <= x < 3, as e^(-x^2) times a ratio in x. The ratio is good to about 1E-14
// there and loses digits beyond (1.6E-8 at 9.99), where the continued fraction takes over.
constexpr double kErfcP[] = {0.56418778255074, 9.67580788298727, 77.0816173036843,
                             368.519615471001, 1143.26207070389, 2320.43959025164,
                             2898.02932921677, 1826.33488422951};
constexpr double kErfcQ[] = {1,
                             17.1498094362761,
                             137.125596050062,
                             661.736120710765,
                             2094.38436778954,
                             4429.61280388368,
                             6089.54242327244,
                             4958.82756472114,
                             1826.33488422951};

// Inverse normal: the central range 0.1353 < y < 0.8647 (P0/Q0), then the tails in
// z = 1/sqrt(-2 ln y), before (P1/Q1) and from (P2/Q2) sqrt(-2 ln y) = 8. Each Q has a
// leading 1 that is not stored.
constexpr double kNdtriP0[] = {-59.9633501014108, 98.0010754186, -56.676285746907,
                               13.931260938728, -1.23916583867381};
constexpr double kNdtriQ0[] = {1.95448858338142, 4.67627912898882, 86.3602421390891,
                               -225.462687854119, 200.260212380061, -82.0372256168333,
                               15.9056225126212, -1.1833162112133};
constexpr double kNdtriP1[] = {4.05544892305962,    31.5251094599894,   57.1628192246421,
                               44.0805073893201,    14.6849561928858,   2.1866330685079,
                               -0.140256079171354,  -0.0350424626827848,
                               -0.000857456785154685};
constexpr double kNdtriQ1[] = {15.7799883256467,   45.3907635128879,    41.3172038254672,
                               15.0425385692908,   2.50464946208309,    -0.142182922854788,
                               -0.0380806407691578, -0.000933259480895457};
constexpr double kNdtriP2[] = {3.23774891776946,     6.91522889068984,     3.93881025292474,
                               1.33303460815808,     0.201485389549179,    0.012371663481782,
                               0.000301581553508235, 2.65806974686738E-06, 6.23974539184983E-09};
constexpr double kNdtriQ2[] = {6.02427039364742,     3.67983563856161,     1.37702099489081,
                               0.216236993594497,    0.0134204006088543,   0.000328014464682128,
                               2.89247864745381E-06, 6.79019408009981E-09};

constexpr double kErfcFractionFrom = 3;
// Beyond this erfc is below the smallest double.
constexpr double kErfcUnderflow = 27.3;
constexpr double kOneOverSqrtPi = 0.56418958354775628;
constexpr double kTwoOverSqrtPi = 1.1283791670955126;
constexpr double kSqrtHalfPi = 1.2533141373155003;  // sqrt(pi / 2)

// e^(-x^2) with the digits of x^2 that a double drops kept: x is split into a head with 20
// bits after the point (25 in all below 32), whose square is exact, and the rest. Rounding
// x^2 would cost up to 1.5E-13 of the result at x = 26.
double ExpMinusSquare(double x) {
  const double head = std::ldexp(std::nearbyint(std::ldexp(x, 20)), -20);
  const double rest = x - head;
  return std::exp(-head * head) * std::exp(-(2 * head + rest) * rest);
}

// e^(x^2) erfc(x) for x >= 3 by the continued fraction 1/(sqrt(pi) (x + (1/2)/(x + 1/(x +
// (3/2)/(x + ...))))), from a depth that settles it to the last digit (4.2E-16 at the most
// from x = 3 on): 43 terms at 3, 10 far out. (A NaN runs no term and fails.)
double ErfcFraction(double x) {
  double fraction = x;
  for (double k = std::floor(10 + 300 / (x * x)); k >= 1; --k) fraction = x + 0.5 * k / fraction;
  return Chk(kOneOverSqrtPi / fraction);
}

// erf(x) for 0 <= x < 1/2 by its Taylor series, to the last digit: the published ratio there
// keeps only about 1E-8 (as the program shows erf, it stays the published one).
double ErfTaylor(double x) {
  const double x2 = x * x;
  double term = x, sum = x;
  for (int n = 1; n < 40; ++n) {
    term *= -x2 / n;
    const double add = term / (2 * n + 1);
    sum += add;
    if (std::fabs(add) < 1E-17 * sum) break;
  }
  return kTwoOverSqrtPi * sum;
}

constexpr double kExpMinus2 = 0.135335283236613;         // e^-2
constexpr double kOneMinusExpMinus2 = 0.864664716763387;  // 1 - e^-2
constexpr double kSqrt2Pi = 2.506628274631;

}  // namespace

double Erf(double x) {
  const double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
  const double a = std::fabs(x);
  if (a < 0.5) {
    const double t = a * a;
    return Chk(s * 1.12837916709551 * a * Horner(kErfP, t) / Horner(kErfQ, t));
  }
  if (a >= 10) return s;
  return s * (1 - ErfC(a));
}

double ErfC(double x) {
  if (x < 0) return 2 - ErfC(-x);
  if (x < 0.5) return 1 - Erf(x);
  if (x < kErfcFractionFrom) return Chk(std::exp(-x * x) * Horner(kErfcP, x) / Horner(kErfcQ, x));
  if (x >= kErfcUnderflow) return 0;
  return Chk(ExpMinusSquare(x) * ErfcFraction(x));
}

double numeric::ErfcScaled(double x) {
  if (!(x >= 0)) Fail();
  if (x < 0.5) return std::exp(x * x) * (1 - ErfTaylor(x));
  if (x < kErfcFractionFrom) return Chk(Horner(kErfcP, x) / Horner(kErfcQ, x));
  return ErfcFraction(x);
}

double NormalCola(double z) {
  return numeric::ContinueStyleValue([&] {
    // Each tail from its own side: the upper one as 1 minus the lower would keep no digit
    // of a small tail and be exactly 0 from about z = 8.25.
    const double root2 = numeric::Sqrt(2);
    if (z < 0) {
      return 0.5 * (1 + Erf(-z / root2));
    } else {
      return 0.5 * ErfC(z / root2);
    }
  });
}

double NormalInversa(double y) {
  return numeric::HandlerStyle([&]() -> double {
    if (y <= 0) return -1E+300;
    if (y >= 1) return 1E+300;
    bool negate = true;
    if (y > kOneMinusExpMinus2) {
      y = 1 - y;
      negate = false;
    }
    if (y > kExpMinus2) {
      const double u = y - 0.5;
      const double u2 = u * u;
      const double x = u + u * (u2 * Horner(kNdtriP0, u2) / HornerMonic(kNdtriQ0, u2));
      return x * kSqrt2Pi;
    }
    double x = numeric::Sqrt(-2 * numeric::Log(y));
    // ln(x)/x as ln(x) z: the divider is what the tail waits for.
    const double z = Div(1, x);
    const double x0 = x - numeric::Log(x) * z;
    const double x1 = x < 8 ? z * Horner(kNdtriP1, z) / HornerMonic(kNdtriQ1, z)
                            : z * Horner(kNdtriP2, z) / HornerMonic(kNdtriQ2, z);
    x = Chk(x0 - x1);
    return negate ? -x : x;
  });
}

double NormalCentral(double z) {
  return numeric::HandlerStyle([&]() -> double {
    // An infinite point is a point like any other.
    if (std::isinf(z)) return 1;
    // From erf itself: 1 - 2 P(Z > |z|) keeps no relative digit of a small central part.
    return Erf(Chk(std::fabs(z) / numeric::Sqrt(2)));
  });
}

double NormalCentralInversa(double p) {
  if (!(p >= 0 && p <= 1)) {
    ErrorFlag = 1;
    return 0;
  }
  if (p == 1) return 1E+300;
  // Below this the point is the first terms of the inverse of its series, erf(z/sqrt 2) =
  // sqrt(2/pi) (z - z^3/6 + ...): 1/2 + p/2 would lose the digits of p.
  constexpr double kSeriesBelow = 1E-4;
  if (p < kSeriesBelow) {
    const double u = p * kSqrtHalfPi;
    return u * (1 + u * u / 6);
  }
  return -NormalInversa((1 - p) / 2);
}

