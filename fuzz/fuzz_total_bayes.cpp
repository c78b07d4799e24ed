// The total probability and Bayes panel from what the user types: the first byte gives the
// number of events (2 to 9), then one line per box, P(A1), P(B/A1), P(A2), ... Calculate and
// the completion of a missing P(Ai) must never crash; P(B) must be a probability and the
// P(Ai/B) must be probabilities that add up to one; a completed P(Ai) makes the P(Ai) add
// up to one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "numeric/numeric.h"
#include "probability/total_bayes.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

double Shown(const std::string& text, const char* what) {
  const double v = LeerNumero(text);
  Require(std::isfinite(v) && v != NoValue, what);
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace probability;
  if (size < 2) return 0;
  const int n = kMinEventsPTB + data[0] % (kMaxEventsPTB - kMinEventsPTB + 1);
  const int enteredRow = 1 + data[1] % n;
  std::vector<std::string> boxes(1);
  for (size_t i = 2; i < size && boxes.size() <= static_cast<size_t>(2 * n); ++i) {
    if (data[i] == '\n') {
      boxes.emplace_back();
    } else {
      boxes.back() += static_cast<char>(data[i]);
    }
  }
  boxes.resize(2 * n);
  std::vector<std::string> a, ba;
  for (int i = 0; i < n; ++i) {
    a.push_back(boxes[2 * i]);
    ba.push_back(boxes[2 * i + 1]);
  }

  if (const auto result = CalculatePTB(a, ba)) {
    Require(result->pB > 0 && result->pB <= 1 + 1E-6, "P(B) is a positive probability");
    Require(result->posterior.size() == static_cast<size_t>(n), "one P(Ai/B) per event");
    double sum = 0;
    for (double q : result->posterior) {
      Require(q >= -1E-9 && q <= 1 + 1E-5, "each P(Ai/B) is a probability");
      sum += q;
      Shown(PosteriorTextPTB(q), "a P(Ai/B) is shown as a number");
    }
    Require(std::fabs(sum - 1) <= 1E-4, "the P(Ai/B) add up to one");
    Require(std::fabs(Shown(TotalTextPTB(result->pB), "P(B) is shown as a number") - result->pB) <=
                1E-9 * result->pB + 1E-300,
            "P(B) is shown to 10 digits");
  }

  if (const auto completion = CompleteMissingPTB(a, enteredRow)) {
    Require(completion->row >= 1 && completion->row <= n, "the completed row is one of the rows");
    Require(completion->row != enteredRow, "the box under the caret is not the one completed");
    const double v = Shown(completion->text, "the completed P(Ai) is a number");
    Require(v > 0 && v <= 1, "the completed P(Ai) is a probability");
    double sum = v;
    for (int i = 0; i < n; ++i) {
      if (i + 1 != completion->row) sum += LeerNumero(a[i]);
    }
    Require(std::fabs(sum - 1) <= 1E-7, "with the completed one the P(Ai) add up to one");
  }
  return 0;
}
