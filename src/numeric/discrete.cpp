// Upper tails and regions of the binomial and Poisson counts.
//
// A region is what the cumulative probabilities leave between them, but where both ends lie
// in one tail the difference of two nearly equal cumulative values keeps no digit, and past
// the incomplete functions' reach it is 0 - 0. There the region's terms are added instead,
// each from the saddle-point form of the probability of one count (C. Loader, 2000), which
// keeps its relative digits however far out the count lies.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "numeric/special_internal.h"

namespace {

constexpr double kLnSqrt2Pi = 0.918938533204672741780329736406;
constexpr double kLn2Pi = 1.837877066409345483560659472811;

// ln(n!) - ((n + 1/2) ln n - n + ln sqrt(2 pi)): the error of Stirling's formula, n >= 1.
double StirlingError(double n) {
  if (n <= 15) {
    double factorial = 1;  // exact up to 15!
    for (double i = 2; i <= n; ++i) factorial *= i;
    return std::log(factorial) - (n + 0.5) * std::log(n) + n - kLnSqrt2Pi;
  }
  // ln(n!) - ... = ln Gamma(n) - ((n - 1/2) ln n - n + ln sqrt(2 pi)).
  return numeric::StirlingCorrection(n);
}

// x ln(x / m) + m - x for m = m_hi + m_lo, without the cancellation of its terms when x is
// near m. m_lo keeps what a mean n p loses to its rounding, which next to the mean of 10^15
// trials is as much as x - m itself tells.
double Deviance(double x, double m_hi, double m_lo = 0) {
  const double m = m_hi;
  if (std::fabs(x - m) < 0.1 * (x + m)) {
    const double d = (x - m) - m_lo;  // x - m is exact, x and m being this close
    double v = d / (x + m + m_lo);
    double s = d * v;
    double ej = 2 * x * v;
    v = v * v;
    for (int j = 1; j < 1000; ++j) {
      ej *= v;
      const double next = s + ej / (2 * j + 1);
      if (next == s) return next;
      s = next;
    }
    return s;
  }
  return x * std::log(x / m) + m - x;
}

// ln P(X = k) for 0 <= k <= n whole.
double BinomialLnTerm(double k, double n, double p) {
  if (k == 0) return n * std::log1p(-p);
  if (k == n) return n * std::log(p);
  // The means n p and n (1 - p), each with what its rounding lost.
  const double q = 1 - p;
  const double q_lo = (1 - q) - p;  // q + q_lo = 1 - p exactly
  const double np = n * p, nq = n * q;
  const double np_lo = std::fma(n, p, -np), nq_lo = std::fma(n, q, -nq) + n * q_lo;
  const double lc = StirlingError(n) - StirlingError(k) - StirlingError(n - k) -
                    Deviance(k, np, np_lo) - Deviance(n - k, nq, nq_lo);
  return lc - 0.5 * (kLn2Pi + std::log(k) + std::log1p(-k / n));
}

// ln P(X = k) for a whole k >= 0 and lambda > 0.
double PoissonLnTerm(double k, double lambda) {
  if (k == 0) return -lambda;
  return -StirlingError(k) - Deviance(k, lambda) - 0.5 * (kLn2Pi + std::log(k));
}

// A count whose terms fall away from its mode: the term of k, and the ratios of
// neighbouring terms.
struct Counts {
  double mode;
  double (*ln_term)(const Counts&, double k);
  double (*up)(const Counts&, double k);    // P(k + 1) / P(k)
  double (*down)(const Counts&, double k);  // P(k - 1) / P(k)
  double n = 0, p = 0, lambda = 0;
};

// The sum of the terms from k1 to k2 (whole, k1 <= k2, inside the support): outward from
// the largest of them, relative to it, until the rest cannot change a digit. Fails where
// that takes more passes than is worth it (tens of thousands: a spread so wide that the
// tails keep the region's digits).
double SumOfTerms(const Counts& c, double k1, double k2) {
  constexpr long kMaxPasses = 20'000;
  const double peak = std::fmin(std::fmax(c.mode, k1), k2);
  double sum = 1;
  long passes = 0;
  double t = 1;
  for (double k = peak; k > k1; --k) {
    if (++passes > kMaxPasses) numeric::Fail();
    t *= c.down(c, k);
    sum += t;
    if (t < 1E-17 * sum) break;
  }
  t = 1;
  for (double k = peak; k < k2; ++k) {
    if (++passes > kMaxPasses) numeric::Fail();
    t *= c.up(c, k);
    sum += t;
    if (t < 1E-17 * sum) break;
  }
  return std::exp(c.ln_term(c, peak) + std::log(sum));
}

Counts Binomial(double n, double p) {
  Counts c;
  c.n = n;
  c.p = p;
  c.mode = std::fmin(std::floor((n + 1) * p), n);
  c.ln_term = [](const Counts& c, double k) { return BinomialLnTerm(k, c.n, c.p); };
  c.up = [](const Counts& c, double k) { return (c.n - k) / (k + 1) * (c.p / (1 - c.p)); };
  c.down = [](const Counts& c, double k) { return k / (c.n - k + 1) * ((1 - c.p) / c.p); };
  return c;
}

Counts Poisson(double lambda) {
  Counts c;
  c.lambda = lambda;
  c.mode = std::floor(lambda);
  c.ln_term = [](const Counts& c, double k) { return PoissonLnTerm(k, c.lambda); };
  c.up = [](const Counts& c, double k) { return c.lambda / (k + 1); };
  c.down = [](const Counts& c, double k) { return k / c.lambda; };
  return c;
}

// P(k1 <= X <= k2) from the cumulative probabilities below k1 and up to k2 (lower_*) and
// the upper tails beyond them (upper_*), taken on the side where both are small. Where the
// difference of the tails would keep fewer than ten digits (they cancel, or their own
// relative error tail_error is too large beside the region), the region's terms are added
// instead. That takes few terms where the tails cancel, as the region is then a small part
// of a tail's span; and the tails are trusted again where the terms would be too many.
double Region(const Counts& c, double tail_error, double k1, double k2, double lower_below,
              double lower_upto, double upper_below, double upper_upto) {
  double p, scale;
  if (lower_upto <= 0.5) {
    p = lower_upto - lower_below;
    scale = lower_upto;
  } else if (upper_below <= 0.5) {
    p = upper_below - upper_upto;
    scale = upper_below;
  } else {
    p = 1 - lower_below - upper_upto;
    scale = 1;
  }
  if (!(p > 0) || tail_error * scale > 1E-10 * p) {
    try {
      return std::fmin(SumOfTerms(c, k1, k2), 1.0);
    } catch (const numeric::NumericFailure&) {
      // too many terms to add: the tails it is
    }
  }
  return std::fmin(std::fmax(p, 0.0), 1.0);
}

}  // namespace

double BinomialCola(double k, double n, double p) {
  if (!(p >= 0 && p <= 1)) {
    ErrorFlag = 1;
    return 0;
  }
  if (k == n + 1) return 0;
  if (k > n) {
    ErrorFlag = 1;
    return 0;
  }
  if (k == -1) return 1;
  if (k < 0) {
    ErrorFlag = 1;
    return 0;
  }
  if (k == n) return 0;
  // The upper tail itself, from p and 1 - p as given (1 - p would round a small p away).
  return numeric::ContinueStyleValue([&] {
    return numeric::IncompleteBeta(numeric::Chk(n - k), numeric::Chk(k + 1), 1 - p, p).upper;
  });
}

double PoissonCola(int32_t k, double lambda) {
  if (k == -1) return 1;
  if (k < -1 || !(lambda >= 0)) {
    ErrorFlag = 1;
    return 0;
  }
  return numeric::ContinueStyleValue(
      [&] { return GammaIncInf(static_cast<double>(k) + 1, lambda); });
}

double BinomialIntervalo(double k1, double k2, double n, double p) {
  if (!(p > 0 && p < 1) || !(k1 >= 0 && k1 <= k2 && k2 <= n + 1) || std::floor(k1) != k1 ||
      std::floor(k2) != k2 || !(n >= 1) || std::floor(n) != n) {
    ErrorFlag = 1;
    return 0;
  }
  if (k1 > n) return 0;
  k2 = std::fmin(k2, n);
  const int16_t flag = ErrorFlag;
  const double lower_below = BinomialAcum(k1 - 1, n, p), lower_upto = BinomialAcum(k2, n, p);
  const double upper_below = BinomialCola(k1 - 1, n, p), upper_upto = BinomialCola(k2, n, p);
  if (ErrorFlag != flag) return 0;
  return numeric::ContinueStyleValue([&] {
    return Region(Binomial(n, p), numeric::kBetaTailError, k1, k2, lower_below, lower_upto,
                  upper_below, upper_upto);
  });
}

double PoissonIntervalo(int32_t k1, int32_t k2, double lambda) {
  if (!(lambda > 0 && std::isfinite(lambda)) || !(k1 >= 0 && k1 <= k2)) {
    ErrorFlag = 1;
    return 0;
  }
  const int16_t flag = ErrorFlag;
  const double lower_below = PoissonAcum(k1 - 1, lambda), lower_upto = PoissonAcum(k2, lambda);
  const double upper_below = PoissonCola(k1 - 1, lambda), upper_upto = PoissonCola(k2, lambda);
  if (ErrorFlag != flag) return 0;
  return numeric::ContinueStyleValue([&] {
    const double tail_error = std::fmax(numeric::GammaTailError(k1), numeric::GammaTailError(k2 + 1.0));
    return Region(Poisson(lambda), tail_error, k1, k2, lower_below, lower_upto,
                    upper_below, upper_upto);
  });
}
