// The total probability and Bayes panel's arithmetic: a partition A1..An of the sample
// space (2 <= n <= 9), each P(Ai) with its P(B/Ai), gives P(B) and every P(Ai/B). Plain
// C++, no Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace probability {

inline constexpr int kMinEventsPTB = 2;
inline constexpr int kMaxEventsPTB = 9;

// Calculate on the texts of rows 1..n (a[i] is P(Ai), ba[i] is P(B/Ai), index 0 is row 1).
// Every box must hold a number in [0, 1], the P(Ai) must add up to 1 within 1E-5, and
// P(B) must be positive and at most 1 + 1E-6. When the data is invalid, nothing is given
// and the panel shows no results at all.
struct ResultPTB {
  double pB = 0.0;
  std::vector<double> posterior;  // P(Ai/B), row order
};
std::optional<ResultPTB> CalculatePTB(const std::vector<std::string>& a,
                                      const std::vector<std::string>& ba);

// The texts the panel writes: P(Ai/B) with 9 significant digits, P(B) with 10.
std::string PosteriorTextPTB(double value);
std::string TotalTextPTB(double value);

// The completion on Enter in the P(Ai) box of row `enteredRow` (1-based), over the texts of
// rows 1..n: when exactly one box is blank, it is not that box, every other box reads as a
// number in [0, 1] and they add up to less than 1, gives the blank row (1-based) and the
// text 1 - sum to write there (8 significant digits).
struct CompletionPTB {
  int row = 0;
  std::string text;
};
std::optional<CompletionPTB> CompleteMissingPTB(const std::vector<std::string>& a,
                                                int enteredRow);

// The row captions: "p(A3) =", "p(B/A3) =", "p(A3/B) =".
std::string CaptionA(int row);
std::string CaptionBA(int row);
std::string CaptionAB(int row);

}  // namespace probability
