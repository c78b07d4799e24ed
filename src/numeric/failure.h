// How a numeric routine turns a failed operation into a result.
//
// A failure is any operation whose result is not a finite double: a division by zero, an
// overflow, the logarithm or square root of a number outside its domain. Underflow to 0 is
// no failure. The checked operations below throw NumericFailure on a failure, which stops
// the statement at once, as it would stop an expression. Two styles handle it:
//  - handler style: the whole routine is abandoned (ErrorFlag = 1, result 0);
//  - continue style: only the failing statement is skipped and stores nothing; the routine
//    goes on and sets ErrorFlag = 1 at its end.
// Special functions beneath the distributions use the checked operations but catch
// nothing, so a failure reaches the distribution routine that called them.
#pragma once

#include <cmath>
#include <utility>

#include "numeric/numeric.h"

namespace numeric {

struct NumericFailure {};

// For a loop that can no longer reach its tolerance, or an argument outside the domain a
// routine can answer: stops the computation as a failed operation would.
[[noreturn]] inline void Fail() { throw NumericFailure{}; }

// Passes a finite value through; turns inf and NaN into a failure.
inline double Chk(double v) {
  if (!std::isfinite(v)) throw NumericFailure{};
  return v;
}

inline double Div(double a, double b) { return Chk(a / b); }
inline double Log(double x) { return Chk(std::log(x)); }
inline double Exp(double x) { return Chk(std::exp(x)); }
inline double Sqrt(double x) { return Chk(std::sqrt(x)); }
inline double Pow(double a, double b) { return Chk(std::pow(a, b)); }
inline double Mul(double a, double b) { return Chk(a * b); }
inline double Add(double a, double b) { return Chk(a + b); }
inline double Sub(double a, double b) { return Chk(a - b); }

// Handler style: runs body; on a failure sets ErrorFlag to 1 and yields 0.
template <class Body>
double HandlerStyle(Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (const NumericFailure&) {
    ErrorFlag = 1;
    return 0.0;
  }
}

// Continue style: each statement runs through Step; a failed statement is skipped, and
// Finish() reports whether any failed by setting ErrorFlag to 1.
class ContinueStyle {
 public:
  template <class Statement>
  void Step(Statement&& statement) {
    try {
      std::forward<Statement>(statement)();
    } catch (const NumericFailure&) {
      failed_ = true;
    }
  }
  bool Failed() const { return failed_; }
  void Finish() const {
    if (failed_) ErrorFlag = 1;
  }

 private:
  bool failed_ = false;
};

// A routine of one statement in the continue style: the statement's value, or 0 with
// ErrorFlag = 1 when it failed.
template <class Statement>
double ContinueStyleValue(Statement&& statement) {
  ContinueStyle run;
  double result = 0;
  run.Step([&] { result = std::forward<Statement>(statement)(); });
  run.Finish();
  return result;
}

}  // namespace numeric
