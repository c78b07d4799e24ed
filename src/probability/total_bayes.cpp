#include "probability/total_bayes.h"

#include <cmath>

#include "numeric/numeric.h"
#include "probability/events_ab.h"

namespace probability {
namespace {

// A box of a row: it must not be blank and must read as a probability. Unreadable text
// reads as NoValue, which is negative, so it fails too.
std::optional<double> ReadProbability(const std::string& text) {
  if (TrimBlanks(text).empty()) return std::nullopt;
  const double v = LeerNumero(text);
  if (!(v >= 0 && v <= 1)) return std::nullopt;
  return v;
}

}  // namespace

std::optional<ResultPTB> CalculatePTB(const std::vector<std::string>& a,
                                      const std::vector<std::string>& ba) {
  const size_t n = a.size();
  if (n == 0 || ba.size() != n) return std::nullopt;
  std::vector<double> pA(n), pBA(n);
  double sum = 0;
  for (size_t i = 0; i < n; ++i) {
    const auto ai = ReadProbability(a[i]);
    if (!ai) return std::nullopt;
    pA[i] = *ai;
    sum += pA[i];
    const auto bai = ReadProbability(ba[i]);
    if (!bai) return std::nullopt;
    pBA[i] = *bai;
  }
  if (std::abs(sum - 1) > 1E-5) return std::nullopt;

  ResultPTB result;
  for (size_t i = 0; i < n; ++i) result.pB += pBA[i] * pA[i];
  if (!(result.pB > 0 && result.pB - 1 <= 1E-6)) return std::nullopt;
  for (size_t i = 0; i < n; ++i) {
    const double posterior = pBA[i] * pA[i] / result.pB;
    if (!(posterior >= 0 && posterior <= 1)) return std::nullopt;
    result.posterior.push_back(posterior);
  }
  return result;
}

std::string PosteriorTextPTB(double value) { return FormatoCifras(value, 9); }
std::string TotalTextPTB(double value) { return FormatoCifras(value, 10); }

std::optional<CompletionPTB> CompleteMissingPTB(const std::vector<std::string>& a,
                                                int enteredRow) {
  double sum = 0;
  int blanks = 0;
  int lastBlank = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (TrimBlanks(a[i]).empty()) {
      ++blanks;
      lastBlank = static_cast<int>(i) + 1;
      continue;
    }
    const double v = LeerNumero(a[i]);
    if (v == NoValue || v < 0 || v > 1) return std::nullopt;
    sum += v;
  }
  // Typed values such as 0.3, 0.6 and 0.1 add up to 1 in decimals but not quite in binary;
  // their sum is taken without that noise, so they leave nothing to complete.
  sum = CleanDerived(sum);
  if (!(sum < 1) || blanks != 1 || lastBlank == enteredRow) return std::nullopt;
  return CompletionPTB{lastBlank, FormatoCifras(CleanDerived(1 - sum), 8)};
}

std::string CaptionA(int row) { return "p(A" + std::to_string(row) + ") ="; }
std::string CaptionBA(int row) { return "p(B/A" + std::to_string(row) + ") ="; }
std::string CaptionAB(int row) { return "p(A" + std::to_string(row) + "/B) ="; }

}  // namespace probability
