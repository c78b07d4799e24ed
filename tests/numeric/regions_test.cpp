// The regions of the continuous distributions against tests/data/regions.tsv (mpmath at 40
// digits, every tail from its own side and a short interval's region from its density):
// intervals a hair wide, across the centre and far out, the width of an interval of a tiny
// probability, and the other end of an equal-tailed interval whose tail lies below the
// doubles, at parameters from 1 to 2147483647.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "numeric/numeric.h"
#include "support/reference_rows.h"

namespace {

// How far a result may lie from the exact value, relative. A region taken as a difference
// of tails keeps a quarter of the larger one, so it inherits four times the incomplete beta
// function's 1E-13; a width or a point found by steps on those regions, a little more.
constexpr double kRegionError = 5E-13;
constexpr double kPointError = 2E-12;

double Number(const std::string& text) { return std::stod(text); }

// The routine of a row at its parameters and arguments; the number of parameters follows
// from the distribution in the routine's name.
double Evaluate(const std::vector<std::string>& f, size_t& used) {
  const std::string& routine = f[0];
  const bool two = routine.rfind("Normal", 0) == 0 || routine.rfind("FSnedecor", 0) == 0;
  const double p1 = Number(f[1]);
  const double p2 = two ? Number(f[2]) : 0;
  const size_t a = two ? 3 : 2;
  const auto arg = [&](size_t i) { return Number(f[a + i]); };
  const auto k = [](double v) { return static_cast<int32_t>(v); };
  if (routine.find("Ancho") != std::string::npos) {
    used = a + 3;
    const bool up = f[a + 2] == "up";
    if (routine == "NormalIntervaloAncho") return NormalIntervaloAncho(p1, p2, arg(0), arg(1), up);
    if (routine == "TStudentIntervaloAncho")
      return TStudentIntervaloAncho(k(p1), arg(0), arg(1), up);
    if (routine == "Ji2IntervaloAncho") return Ji2IntervaloAncho(p1, arg(0), arg(1), up);
    return FSnedecorIntervaloAncho(k(p1), k(p2), arg(0), arg(1), up);
  }
  if (routine.find("Opuesto") != std::string::npos) {
    used = a + 1;
    return routine == "Ji2Opuesto" ? Ji2Opuesto(p1, arg(0))
                                   : FSnedecorOpuesto(k(p1), k(p2), arg(0));
  }
  used = a + 2;
  if (routine == "NormalIntervalo") return NormalIntervalo(p1, p2, arg(0), arg(1));
  if (routine == "TStudentIntervalo") return TStudentIntervalo(k(p1), arg(0), arg(1));
  if (routine == "Ji2Intervalo") return Ji2Intervalo(p1, arg(0), arg(1));
  return FSnedecorIntervalo(k(p1), k(p2), arg(0), arg(1));
}

TEST(Regions, AgreeWithTheExactValues) {
  int rows = 0;
  for (const auto& f : testing_support::ReferenceRows("regions.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    ErrorFlag = 0;
    size_t used = 0;
    const double got = Evaluate(f, used);
    ASSERT_EQ(f.size(), used + 2);
    ASSERT_EQ(f[used], "=");
    const double exact = Number(f[used + 1]);
    EXPECT_EQ(ErrorFlag, 0);
    const bool region =
        f[0].find("Intervalo") != std::string::npos && f[0].find("Ancho") == std::string::npos;
    const double error = region ? kRegionError : kPointError;
    EXPECT_NEAR(got, exact, error * exact) << f[0];
    ++rows;
  }
  EXPECT_GT(rows, 60);
}

// What has no answer fails as the library's routines do (ErrorFlag 1, result 0): no
// distribution, ends out of order, a probability that does not fit beside the given end, a
// point below 0. The ends answered without a search are no failure, and a failure flagged
// before a call stays flagged after a good one.
TEST(Regions, FailWhereThereIsNoAnswerAndKeepAnEarlierFailure) {
  struct Case {
    const char* what;
    double (*call)();
  };
  const Case failures[] = {
      {"sigma 0", [] { return NormalIntervalo(0, 0, -1, 1); }},
      {"ends out of order", [] { return NormalIntervalo(0, 1, 2, 1); }},
      {"no degrees of freedom", [] { return TStudentIntervalo(0, -1, 1); }},
      {"negative df", [] { return Ji2Intervalo(-1, 1, 2); }},
      {"no numerator df", [] { return FSnedecorIntervalo(0, 5, 1, 2); }},
      {"P the whole tail", [] { return NormalIntervaloAncho(0, 1, 0, 0.5, true); }},
      {"P of 0", [] { return TStudentIntervaloAncho(5, 0, 0, true); }},
      {"nothing below 0", [] { return Ji2IntervaloAncho(10, 0, 0.1, false); }},
      {"P above the tail", [] { return FSnedecorIntervaloAncho(5, 10, 3, 0.5, true); }},
      {"a negative point", [] { return Ji2Opuesto(10, -1); }},
      {"a negative F", [] { return FSnedecorOpuesto(5, 10, -1); }},
  };
  for (const Case& c : failures) {
    ErrorFlag = 0;
    EXPECT_EQ(c.call(), 0) << c.what;
    EXPECT_EQ(ErrorFlag, 1) << c.what;
  }
  // Nothing lies below 0: the other end of the interval from 0 is the infinite point.
  ErrorFlag = 0;
  EXPECT_EQ(Ji2Opuesto(10, 0), 1E+300);
  EXPECT_EQ(FSnedecorOpuesto(5, 10, 0), 1E+300);
  EXPECT_EQ(NormalIntervalo(0, 1, 1, 1), 0);
  EXPECT_EQ(ErrorFlag, 0);
  // By hand: P(-1 <= Z <= 1) = erf(1/sqrt 2) = 0.682689492137086 (Abramowitz and Stegun
  // 26.2); an earlier failure is not cleared by it.
  ErrorFlag = 1;
  EXPECT_NEAR(NormalIntervalo(0, 1, -1, 1), 0.682689492137086, 1E-14);
  EXPECT_EQ(ErrorFlag, 1);
}

}  // namespace
