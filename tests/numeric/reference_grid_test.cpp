// Every routine against the exact values of tests/data/numeric_reference.tsv (mpmath, 40
// digits): within the accuracy its algorithm reaches there, and with the exact value's
// 6-digit text wherever that accuracy decides the text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "numeric/failure.h"
#include "numeric/numeric.h"
#include "accuracy.h"
#include "reference_data.h"

namespace {

using numeric_testing::BetaLogTerms;
using numeric_testing::BetaSlope;
using numeric_testing::GammaLogTerms;
using numeric_testing::kEps;
using numeric_testing::ReferenceRow;

// Allowed error: rel * |exact| + abs.
struct Accuracy {
  double rel = 0;
  double abs = 0;
};

struct RoutineCase {
  std::string routine;
  std::function<double(const ReferenceRow&)> compute;
  std::function<Accuracy(const ReferenceRow&)> accuracy;
};

// Q(a, x) is taken as 1 - P(a, x) below x = a or x = 1, and P as 1 - Q above: those keep
// an absolute error of a few roundings of 1.
Accuracy GammaQAccuracy(double a, double x) {
  return {1E-13 + kEps * GammaLogTerms(a, x), (x < 1 || x < a) ? 1E-15 : 0};
}
Accuracy GammaPAccuracy(double a, double x) {
  return {1E-13 + kEps * GammaLogTerms(a, x), (x > 1 && x > a) ? 1E-15 : 0};
}
// Above the mean the result is 1 - I_(1-x)(b, a), capped at 0.9999999999999994.
Accuracy BetaAccuracy(double a, double b, double x) {
  return {1E-13 + kEps * BetaLogTerms(a, b, x), x > a / (a + b) ? 3 * kEps : 0};
}

// The same where the routine computes x itself.
Accuracy ComputedBetaAccuracy(double a, double b, double x) {
  Accuracy acc = BetaAccuracy(a, b, x);
  acc.abs += 2 * kEps * BetaSlope(a, b, x);
  return acc;
}
// The inverse of Q(a, .) stops its halving when Q is within 5E-15 of y, so near y = 1 it
// knows the small P = 1 - y only to 5E-15 absolute, and x ~ P^(1/a).
Accuracy GammaInverseAccuracy(double a, double y, double x) {
  return {1E-12 + kEps * GammaLogTerms(a, x) + 1E-14 / ((1 - y) * std::fmin(a, 1)), 0};
}
// Beta and F inverses: the forward function's error, and above y = 0.5 the rounding of
// values near 1 against the small 1 - y.
Accuracy BetaInverseAccuracy(double a, double b, double y, double x) {
  return {1E-12 + kEps * BetaLogTerms(a, b, x) + (y > 0.5 ? kEps / (1 - y) : 0), 0};
}

double A0(const ReferenceRow& r) { return r.arg[0]; }
double A1(const ReferenceRow& r) { return r.arg[1]; }
double A2(const ReferenceRow& r) { return r.arg[2]; }
int32_t K(double v) { return static_cast<int32_t>(v); }

std::vector<RoutineCase> Cases() {
  return {
      {"Erf", [](auto& r) { return Erf(A0(r)); },
       [](auto& r) {
         // The small-argument table as printed: 4E-11 at 0.3, 7E-9 just below 0.5.
         return std::fabs(A0(r)) < 0.5 ? Accuracy{1E-8, 0} : Accuracy{2E-15, 0};
       }},
      {"ErfC", [](auto& r) { return ErfC(A0(r)); },
       [](auto& r) {
         const double x = A0(r);
         if (std::fabs(x) < 0.5) return Accuracy{1E-8, 0};  // 1 - Erf(x)
         if (x < 3) return Accuracy{1E-14, 0};
         // The printed ratio's own accuracy falls towards 10 (3E-12 at 4, 1.6E-8 at 9.99);
         // from 10 on erfc is taken as 0.
         if (x < 10) return Accuracy{3E-8, 0};
         return Accuracy{1, 0};
       }},
      {"NormalCola", [](auto& r) { return NormalCola(A0(r)); },
       [](auto& r) {
         const double small_erf = std::fabs(A0(r)) < 0.7072 ? 2E-10 : 0;
         // 1 - 0.5(1 + erf) keeps an absolute error of one rounding of 1, and is 0 beyond
         // about z = 8.25 (pinned in the normal tests).
         return Accuracy{small_erf + 2E-15, A0(r) >= 0 ? kEps : 0};
       }},
      {"NormalInversa", [](auto& r) { return NormalInversa(A0(r)); },
       [](auto&) { return Accuracy{2E-15, 0}; }},
      {"LnGamma",
       [](auto& r) {
         double sign;
         return LnGamma(A0(r), sign);
       },
       // absolute near its zeros at 1 and 2
       [](auto&) { return Accuracy{1E-15, 2E-15}; }},
      {"LnGammaSign",
       [](auto& r) {
         double sign;
         LnGamma(A0(r), sign);
         return sign;
       },
       [](auto&) { return Accuracy{0, 0}; }},
      {"Gamma", [](auto& r) { return Gamma(A0(r)); }, [](auto&) { return Accuracy{2E-15, 0}; }},
      {"GammaIncInf", [](auto& r) { return GammaIncInf(A0(r), A1(r)); },
       [](auto& r) { return GammaPAccuracy(A0(r), A1(r)); }},
      {"GammaIncSup", [](auto& r) { return GammaIncSup(A0(r), A1(r)); },
       [](auto& r) { return GammaQAccuracy(A0(r), A1(r)); }},
      {"GammaIncSupInversa", [](auto& r) { return GammaIncSupInversa(A0(r), A1(r)); },
       [](auto& r) { return GammaInverseAccuracy(A0(r), A1(r), r.exact); }},
      {"Ji2Cola", [](auto& r) { return Ji2Cola(A0(r), A1(r)); },
       [](auto& r) { return GammaQAccuracy(A0(r) / 2, std::fmax(A1(r) / 2, 1E-300)); }},
      {"Ji2Inversa", [](auto& r) { return Ji2Inversa(A0(r), A1(r)); },
       [](auto& r) { return GammaInverseAccuracy(A0(r) / 2, A1(r), r.exact / 2); }},
      {"PoissonAcum", [](auto& r) { return PoissonAcum(K(A0(r)), A1(r)); },
       [](auto& r) { return GammaQAccuracy(A0(r) + 1, A1(r)); }},
      {"BetaInc", [](auto& r) { return BetaInc(A0(r), A1(r), A2(r)); },
       [](auto& r) { return BetaAccuracy(A0(r), A1(r), A2(r)); }},
      {"BetaIncInversa", [](auto& r) { return BetaIncInversa(A0(r), A1(r), A2(r)); },
       [](auto& r) { return BetaInverseAccuracy(A0(r), A1(r), A2(r), r.exact); }},
      {"TStudentCola", [](auto& r) { return TStudentCola(K(A0(r)), A1(r)); },
       [](auto& r) {
         const double k = A0(r), t = A1(r);
         // Within |t| <= 2 a series of up to k/2 terms, each adding a few roundings.
         if (std::fabs(t) <= 2) return Accuracy{1E-13 + 2 * kEps * k, 0};
         Accuracy acc = ComputedBetaAccuracy(k / 2, 0.5, k / (k + t * t));
         acc.rel *= 2;  // the tail is half of I, or 1 minus that half
         acc.abs += t < 0 ? kEps : 0;
         return acc;
       }},
      {"TStudentInversa", [](auto& r) { return TStudentInversa(K(A0(r)), A1(r)); },
       [](auto& r) {
         const double k = A0(r), p = A1(r), t = std::fabs(r.exact);
         if (p == 0.5) return Accuracy{0, 0};
         const double q = std::fmin(p, 1 - p);
         // 1 - (1 - p) keeps p to one rounding of 1; a point that misses its tail by more
         // than 1E-8 is refined. Near the centre t is the small difference 1 - 2q.
         return Accuracy{1E-12 + kEps * BetaLogTerms(k / 2, 0.5, k / (k + t * t)) +
                             std::fmin(kEps / q, 1E-8) + kEps / std::fabs(1 - 2 * q),
                         0};
       }},
      {"FSnedecorCola", [](auto& r) { return FSnedecorCola(K(A0(r)), K(A1(r)), A2(r)); },
       [](auto& r) {
         const double ia = A0(r), ib = A1(r), x = A2(r);
         if (x == 0) return Accuracy{0, 0};
         return ComputedBetaAccuracy(ib / 2, ia / 2, ib / (ib + ia * x));
       }},
      {"FSnedecorInversa", [](auto& r) { return FSnedecorInversa(K(A0(r)), K(A1(r)), A2(r)); },
       [](auto& r) {
         const double ia = A0(r), ib = A1(r), y = A2(r), x = r.exact;
         return BetaInverseAccuracy(ib / 2, ia / 2, y, ib / (ib + ia * x));
       }},
      {"BinomialAcum", [](auto& r) { return BinomialAcum(A0(r), A1(r), A2(r)); },
       [](auto& r) {
         const double k = A0(r), n = A1(r), p = A2(r);
         // (1 - p)^n carries the rounding of 1 - p n times over.
         if (k == 0) return Accuracy{1E-14 + kEps * n, 0};
         if (p == 0 || p == 1) return Accuracy{0, 0};
         return ComputedBetaAccuracy(n - k, k + 1, 1 - p);
       }},
  };
}

class ReferenceGrid : public testing::TestWithParam<RoutineCase> {
 protected:
  static const std::vector<ReferenceRow>& AllRows() {
    static const std::vector<ReferenceRow> rows =
        numeric_testing::LoadReference("numeric_reference.tsv");
    return rows;
  }
};

std::string Describe(const ReferenceRow& r) {
  std::string s = r.routine + "(";
  for (int i = 0; i < r.args; ++i) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%.17g", i ? ", " : "", r.arg[i]);
    s += buf;
  }
  return s + ")";
}

TEST_P(ReferenceGrid, MatchesTheExactValuesWithinItsAccuracy) {
  const RoutineCase& c = GetParam();
  const auto rows = numeric_testing::RowsOf(AllRows(), c.routine);
  ASSERT_GE(rows.size(), 20u) << "too few reference rows for " << c.routine;

  std::size_t texts_compared = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(Describe(row) + " at line " + std::to_string(row.line));
    ErrorFlag = 0;
    double value = 0;
    try {
      value = c.compute(row);
    } catch (const numeric::NumericFailure&) {
      ADD_FAILURE() << "failed";
      continue;
    }
    EXPECT_EQ(ErrorFlag, 0);
    const Accuracy acc = c.accuracy(row);
    const double allowed = acc.rel * std::fabs(row.exact) + acc.abs;
    EXPECT_LE(std::fabs(value - row.exact), allowed)
        << "exact " << row.exact << ", got " << value;
    // Within the allowed error of the exact value, and the exact value farther than that
    // (and than 1E-9) from a tie: the 6-digit text is the exact value's.
    const double tie = row.tie_distance * std::fabs(row.exact);
    if (row.tie_distance > 1E-9 && tie > allowed) {
      ++texts_compared;
      EXPECT_EQ(FormatoCifras(value, 6), FormatoCifras(row.exact, 6));
    }
  }
  // The text check must cover most of the grid, not only the easy corner of it.
  EXPECT_GE(texts_compared * 3, rows.size() * 2)
      << texts_compared << " of " << rows.size() << " texts compared";
}

INSTANTIATE_TEST_SUITE_P(Routines, ReferenceGrid, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<RoutineCase>& info) {
                           return info.param.routine;
                         });

}  // namespace
