// The special functions and their inverses against a peer library's published test tables
// (tests/data/boost-math, from Boost.Math's own tests, 25 digits): erf and erfc out to
// where a double ends, the normal points, the incomplete gamma and beta functions and every
// inverse on both tails, each within the accuracy its algorithm claims there. A value beyond
// the normal doubles has no digits to compare and is passed over.
#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "reference_data.h"
#include "support/reference_rows.h"

namespace {

using numeric_testing::Accuracy;
using numeric_testing::BetaAccuracy;
using numeric_testing::BetaInverseAccuracy;
using numeric_testing::GammaAccuracy;
using numeric_testing::GammaInverseAccuracy;
using numeric_testing::kEps;
using Row = std::vector<std::string>;

// A table's rows after its line of column names.
std::vector<Row> Table(const std::string& name) {
  auto rows = testing_support::ReferenceRows("boost-math/" + name + ".tsv");
  if (!rows.empty()) rows.erase(rows.begin());
  return rows;
}

// The double of a column, or false where it is empty or beyond the normal doubles.
bool Value(const Row& row, size_t column, double& value) {
  if (column >= row.size() || row[column].empty()) return false;
  errno = 0;
  value = std::strtod(row[column].c_str(), nullptr);
  return errno != ERANGE && (value == 0 || std::fabs(value) >= DBL_MIN);
}

// Checks a routine against an exact value that is a normal double (a row's column, or one
// derived from it), and counts the checks: a table that checks nothing fails.
struct Checker {
  int checked = 0;
  void Against(const Row& row, double exact, const std::function<double()>& routine,
               const std::function<Accuracy(double exact)>& accuracy) {
    if (!(std::fabs(exact) >= DBL_MIN)) return;
    ++checked;
    SCOPED_TRACE(testing::PrintToString(row));
    ErrorFlag = 0;
    double value = 0;
    EXPECT_NO_THROW(value = routine());
    EXPECT_EQ(ErrorFlag, 0);
    const Accuracy acc = accuracy(exact);
    EXPECT_LE(std::fabs(value - exact), acc.rel * std::fabs(exact) + acc.abs)
        << "exact " << exact << ", got " << value;
  }
  void operator()(const Row& row, size_t exact_column, const std::function<double()>& routine,
                  const std::function<Accuracy(double exact)>& accuracy) {
    double exact;
    if (Value(row, exact_column, exact)) Against(row, exact, routine, accuracy);
  }
};

double Column(const Row& row, size_t column) {
  double value = 0;
  EXPECT_TRUE(Value(row, column, value)) << testing::PrintToString(row);
  return value;
}

// erf to about 1E-8 below 0.5 (the published small-argument ratio), 2E-15 above; erfc to
// 1E-14 from 0.5 on, down to the last normal double; the normal tail through z = sqrt(2) x,
// whose rounding costs 4 x^2 roundings.
TEST(PeerTables, ErfAndTheNormalTail) {
  Checker erf, erfc, tail;
  for (const char* name : {"erf_data", "erf_large_data", "erf_small_data"}) {
    for (const Row& r : Table(name)) {
      const double x = Column(r, 0);
      const bool small = std::fabs(x) < 0.5;
      erf(r, 1, [&] { return Erf(x); }, [&](double) { return Accuracy{small ? 1E-8 : 2E-15}; });
      erfc(r, 2, [&] { return ErfC(x); }, [&](double) { return Accuracy{small ? 1E-8 : 1E-14}; });
      double e;
      if (x >= 0 && Value(r, 2, e)) {
        const double z = x * std::sqrt(2.0);
        tail.Against(r, e / 2, [&] { return NormalCola(z); }, [&](double) {
          return Accuracy{(small ? 1E-8 : 1E-14) + 4 * kEps * x * x};
        });
      }
    }
  }
  EXPECT_GT(erf.checked, 900);
  EXPECT_GT(erfc.checked, 700);
  EXPECT_GT(tail.checked, 400);
}

// The normal point over a lower tail, as small as 1E-300, and the half-width of a central
// part (sqrt 2 erf^-1(z)).
TEST(PeerTables, NormalPoints) {
  Checker point, half;
  for (const char* name : {"erf_inv_data", "erfc_inv_data", "erfc_inv_big_data"}) {
    for (const Row& r : Table(name)) {
      double p;
      if (Value(r, 2, p)) point(r, 3, [&] { return NormalInversa(p); }, [](double) {
        return Accuracy{2E-15};
      });
    }
  }
  for (const Row& r : Table("erf_inv_data")) {
    const double z = Column(r, 0);
    if (z <= 0) continue;
    const double exact = Column(r, 1) * std::sqrt(2.0);
    half.Against(r, exact, [&] { return NormalCentralInversa(z); },
                 [&](double) { return Accuracy{3E-15 + kEps / z}; });
  }
  EXPECT_GT(point.checked, 200);
  EXPECT_GT(half.checked, 40);
}

TEST(PeerTables, IncompleteGamma) {
  Checker upper, lower;
  for (const char* name :
       {"igamma_big_data", "igamma_int_data", "igamma_med_data", "igamma_small_data"}) {
    for (const Row& r : Table(name)) {
      const double a = Column(r, 0), x = Column(r, 1);
      upper(r, 2, [&] { return GammaIncSup(a, x); }, [&](double) {
        return GammaAccuracy(a, x, true);
      });
      lower(r, 3, [&] { return GammaIncInf(a, x); }, [&](double) {
        return GammaAccuracy(a, x, false);
      });
    }
  }
  EXPECT_GT(upper.checked, 1200);
  EXPECT_GT(lower.checked, 1300);
}

// Both inverses on both sides of 1/2: near 1 each searches the other, small tail.
TEST(PeerTables, IncompleteGammaInverses) {
  Checker lower, upper;
  for (const char* name : {"gamma_inv_data", "gamma_inv_big_data", "gamma_inv_small_data"}) {
    for (const Row& r : Table(name)) {
      const double a = Column(r, 0), p = Column(r, 1);
      lower(r, 2, [&] { return GammaIncInfInversa(a, p); }, [&](double x) {
        return GammaInverseAccuracy(a, p, x);
      });
      upper(r, 3, [&] { return GammaIncSupInversa(a, p); }, [&](double x) {
        return GammaInverseAccuracy(a, p, x);
      });
    }
  }
  EXPECT_GT(lower.checked, 450);
  EXPECT_GT(upper.checked, 450);
}

// I_x(a, b), and its complement as I_(1-x)(b, a) where 1 - x is a double.
TEST(PeerTables, IncompleteBeta) {
  Checker value, complement;
  for (const char* name :
       {"ibeta_data", "ibeta_int_data", "ibeta_large_data", "ibeta_small_data"}) {
    for (const Row& r : Table(name)) {
      const double a = Column(r, 0), b = Column(r, 1), x = Column(r, 2);
      value(r, 4, [&] { return BetaInc(a, b, x); }, [&](double) { return BetaAccuracy(a, b, x); });
      double xc;
      if (!Value(r, 3, xc)) continue;
      complement(r, 5, [&] { return BetaInc(b, a, xc); }, [&](double) {
        return BetaAccuracy(b, a, xc);
      });
    }
  }
  EXPECT_GT(value.checked, 2800);
  EXPECT_GT(complement.checked, 2800);
}

// The x with I_x(a, b) = p, and the one with I_x(a, b) = 1 - p: the second searches the
// upper tail where p is small, which near 1 stopped within 1E-6 of it.
TEST(PeerTables, IncompleteBetaInverse) {
  Checker lower, upper;
  for (const Row& r : Table("ibeta_inv_data")) {
    const double a = Column(r, 0), b = Column(r, 1), p = Column(r, 2);
    lower(r, 4, [&] { return BetaIncInversa(a, b, p); }, [&](double x) {
      return BetaInverseAccuracy(a, b, p, x);
    });
    double q;
    if (!Value(r, 3, q)) continue;
    upper(r, 5, [&] { return BetaIncInversa(a, b, q); }, [&](double x) {
      return BetaInverseAccuracy(a, b, q, x);
    });
  }
  EXPECT_GT(lower.checked, 1000);
  EXPECT_GT(upper.checked, 950);
}

// Spot values of the distributions, within four times the reference's own accuracy or
// 1E-12: the t probabilities are given at quantiles rounded to 14 digits, which moves a tail
// of 1E-5 by 2.2E-12 (the value at the rounded point is what the routine gives).
TEST(PeerTables, DistributionSpots) {
  Checker spots;
  const auto arg = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
  const auto k = [&](const std::string& text) { return static_cast<int32_t>(arg(text)); };
  for (const Row& r : Table("spots")) {
    const std::string& routine = r[0];
    const double a = arg(r[1]), b = arg(r[2]), c = r[3].empty() ? 0 : arg(r[3]);
    std::function<double()> f;
    if (routine == "TStudentCola") f = [&] { return TStudentCola(k(r[1]), b); };
    if (routine == "TStudentInversa") f = [&] { return TStudentInversa(k(r[1]), b); };
    if (routine == "FSnedecorCola") f = [&] { return FSnedecorCola(k(r[1]), k(r[2]), c); };
    if (routine == "FSnedecorAcum") f = [&] { return FSnedecorAcum(k(r[1]), k(r[2]), c); };
    if (routine == "FSnedecorInversa") f = [&] { return FSnedecorInversa(k(r[1]), k(r[2]), c); };
    if (routine == "FSnedecorAcumInversa") {
      f = [&] { return FSnedecorAcumInversa(k(r[1]), k(r[2]), c); };
    }
    if (routine == "BinomialAcum") f = [&] { return BinomialAcum(a, b, c); };
    // (the binomial's pdf table: P(X = k) as the region from k to k)
    if (routine == "BinomialIntervalo") f = [&] { return BinomialIntervalo(a, a, b, c); };
    if (routine == "PoissonAcum") f = [&] { return PoissonAcum(k(r[1]), b); };
    if (routine == "PoissonCola") f = [&] { return PoissonCola(k(r[1]), b); };
    if (routine == "PoissonIntervalo") f = [&] { return PoissonIntervalo(k(r[1]), k(r[2]), c); };
    ASSERT_TRUE(f) << "unknown routine " << routine;
    const double reference_accuracy = arg(r[5]);
    spots(r, 4, f, [&](double) { return Accuracy{4 * std::fmax(reference_accuracy, 1E-12)}; });
  }
  EXPECT_GT(spots.checked, 90);
}

}  // namespace
