// The A and B events panel from what the user types: up to fourteen lines, one per box, in
// the panel's order. Calculate must never crash, must never write into a box the user
// filled, and what it completes must be probabilities that keep the identities between the
// boxes: complements, De Morgan and addition.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "numeric/numeric.h"
#include "probability/events_ab.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace probability;
  TextsPAB texts;
  int box = 1;
  for (size_t i = 0; i < size && box <= kBoxesPAB; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      ++box;
    } else {
      texts[box] += c;
    }
  }

  const OutcomePAB outcome = CalculatePAB(texts);
  if (outcome.invalid) return 0;

  ValuesPAB p = ReadPAB(texts);
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (outcome.written[k].empty()) continue;
    Require(TrimBlanks(texts[k]).empty(), "only blank boxes receive a value");
    const double v = LeerNumero(outcome.written[k]);
    Require(std::isfinite(v) && v != NoValue, "a completed box holds a number");
    Require(v >= -1E-8 && v <= 1 + 1E-8, "a completed box holds a probability");
    p[k] = v;
  }
  // The typed values passed the panel's own checks; with the completed ones (8 digits)
  // they must keep the identities the panel rests on.
  auto known = [&](int k) { return p[k] != NoValue; };
  auto near = [&](double a, double b) { return std::fabs(a - b) <= 1E-6; };
  const int complements[][2] = {{1, 8}, {2, 9}, {3, 10}, {4, 11}};
  for (const auto& c : complements) {
    if (known(c[0]) && known(c[1])) {
      Require(near(p[c[0]] + p[c[1]], 1), "an event and its complement add up to one");
    }
  }
  if (known(5) && known(11)) Require(near(p[5], p[11]), "P(A'nB') = P((AuB)')");
  if (known(12) && known(10)) Require(near(p[12], p[10]), "P(A'uB') = P((AnB)')");
  if (known(1) && known(2) && known(3) && known(4)) {
    Require(near(p[4], p[1] + p[2] - p[3]), "P(AuB) = P(A) + P(B) - P(AnB)");
  }
  if (known(1) && known(3) && known(13)) Require(near(p[13], p[1] - p[3]), "P(AnB') = P(A) - P(AnB)");
  if (known(2) && known(3) && known(14)) Require(near(p[14], p[2] - p[3]), "P(A'nB) = P(B) - P(AnB)");
  return 0;
}
