// Refining a percentage point against its tail probability; internal to the library.
#pragma once

#include <cstdint>
#include <functional>

namespace numeric {

// A tail probability T and the density f at a point x > 0.
struct TailAt {
  bool ok = false;        // false where T is 0 in doubles, or x too far out to compute it
  double ln_tail = 0;     // ln T(x)
  double ln_density = 0;  // ln f(x), f = |dT/dx|
  double rel_error = 0;   // how far the computed T can be from the true one, relative
};

// The tail of a distribution on x > 0 that shrinks as x moves outward: outward is +1 for an
// upper tail, -1 for a lower one. A failure inside counts as "too far out".
struct Tail {
  std::function<TailAt(double x)> at;
  int outward = 1;
};

// T and f at x; not ok where the tail cannot be computed, instead of failing.
TailAt EvaluateTail(const Tail& tail, double x);

// The x > 0 with T(x) = target, by Newton steps on ln T against ln x, kept inside a
// bracket that grows outward or inward until it holds the root. Starts from x_start
// (any x > 0 that is not too far out, else 1). Done when a Newton step moves the point by
// less than 1E-9 of itself, which leaves it about 1E-18 from the root. Fails
// (NumericFailure) when it cannot bring T(x) within 1E-8 of the target, or within what T can
// tell where it is less accurate than that (at most 1E-4).
double PolishQuantile(const Tail& tail, double x_start, double target);

// The finite series of the published Student t algorithm, 1 + sum of its terms from j on
// (j = 3 for odd k, 2 for even), with z = 1 + x²/k: k/2 passes at most, its terms shrinking
// with (j - 1)/(z j).
double StudentSeries(int32_t k, double z, double j);

// P(|T| < x) for x >= 0 by the finite series of the published Student t algorithm: k/2 cheap
// passes, exact but for a few roundings, and relatively so however small x is (a small
// upper tail 0.5 - P/2 keeps those roundings as absolute error).
double StudentCentral(int32_t k, double x);

// Student's t point with upper tail q (0 < q <= 0.5) for 1 or 2 degrees of freedom, from
// their closed forms; infinite where it lies beyond the doubles.
double StudentPointClosed(int32_t k, double q);

}  // namespace numeric
