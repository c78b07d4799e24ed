// The A and B events panel's arithmetic: worked cases, the checks, the cleaning of noise,
// and every consistent point of a 0.05 grid typed into any three boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "numeric/numeric.h"
#include "probability/events_ab.h"
#include "support/reference_rows.h"

namespace {

using probability::CalculatePAB;
using probability::TextsPAB;

// Boxes written "1=0.5 2=1/4 9=__": box number, text, and "_" for a blank in the text; "-"
// for no box.
TextsPAB Boxes(const std::string& list) {
  TextsPAB texts;
  std::stringstream in(list);
  for (std::string item; in >> item;) {
    std::string text = item.substr(item.find('=') + 1);
    std::replace(text.begin(), text.end(), '_', ' ');
    texts[std::stoi(item)] = text;
  }
  return texts;
}

// Worked cases write exactly the blank boxes they reach; contradictions found before or
// after solving write nothing.
TEST(EventsAB, ReferenceCasesWriteTheBlankBoxesOrAreRefused) {
  int cases = 0;
  for (const auto& f : testing_support::ReferenceRows("events_ab_cases.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    ASSERT_EQ(f.size(), 2u);
    const bool refused = f[1] == "Invalid data";
    const auto outcome = CalculatePAB(Boxes(f[0]));
    EXPECT_EQ(outcome.invalid, refused);
    EXPECT_EQ(outcome.written, refused ? TextsPAB{} : Boxes(f[1]));
    ++cases;
  }
  EXPECT_EQ(cases, 48);
}

// An event found from its conditional probability alone, where no other rule reaches it:
// P(B) = P(A and B) / P(A/B) = 0.2 / 0.5 = 0.4, then P(B') = 0.6, P(B - A) = 0.4 - 0.2 = 0.2;
// and P(A) = P(A - B) / (1 - P(B/A)) = 0.2 / 0.5 = 0.4 (since P(A - B) = P(A) (1 - P(B/A))),
// then P(A') = 0.6, P(A and B) = 0.4 * 0.5 = 0.2. Either way the complement of A and B is 0.8.
TEST(EventsAB, TwoBoxesReachAnEventThroughItsConditionalProbability) {
  const std::pair<const char*, const char*> cases[] = {
      {"3=0.2 6=0.5", "2=0.4 9=0.6 10=0.8 12=0.8 14=0.2"},
      {"7=0.5 13=0.2", "1=0.4 3=0.2 8=0.6 10=0.8 12=0.8"},
  };
  for (const auto& [typed, written] : cases) {
    SCOPED_TRACE(typed);
    const auto outcome = CalculatePAB(Boxes(typed));
    EXPECT_FALSE(outcome.invalid);
    EXPECT_EQ(outcome.written, Boxes(written));
  }
}

TEST(EventsAB, DerivedValuesLoseOnlyTheirNoise) {
  probability::ValuesPAB known, none;
  known.fill(NoValue);
  none.fill(NoValue);
  known[2] = 2.0 / 3;
  known[5] = 0.3;
  // Raw value, the known values beside it, the value stored.
  const std::tuple<double, const probability::ValuesPAB*, double> cases[] = {
      {1 - 0.7, &none, 0.3},         {-(0.1 + 0.2 - 0.3), &none, 0.0},
      {-0.0, &none, 0.0},            {2.0 / 3, &none, 2.0 / 3},
      {1.0 / 3 * 0.15, &none, 0.05}, {1.4, &none, 1.4},
      {1.0 / 11, &none, 0.090909090909},      {-1E-17, &known, 0.0},
      {0.5 + 2.0 / 3 - 0.5, &known, 2.0 / 3}, {2.0 / 3 + 5E-13, &known, 2.0 / 3},
      {2.0 / 3 + 2E-12, &known, 2.0 / 3 + 2E-12},
  };
  for (const auto& [raw, beside, clean] : cases) {
    const double got = probability::CleanDerived(raw, *beside);
    EXPECT_EQ(got, clean) << raw;
    EXPECT_FALSE(std::signbit(got)) << raw;
  }
}

// ---------------------------------------------------------------------------------------
// Every consistent P(A), P(B), P(A and B) counted in d-ths: A, B and C.

struct Fraction {
  long num, den;
};

std::array<Fraction, 15> Exact(long d, long A, long B, long C) {
  const long u = A + B - C;  // the union
  return {Fraction{0, 1}, {A, d},     {B, d},     {C, d},     {u, d},     {d - u, d},
          B == 0 ? Fraction{0, 1} : Fraction{C, B}, A == 0 ? Fraction{0, 1} : Fraction{C, A},
          {d - A, d},     {d - B, d}, {d - C, d}, {d - u, d}, {d - C, d}, {A - C, d},
          {B - C, d}};
}

// Twentieths as decimals ("0.35"), other fractions as the user would type them ("2/7").
std::string TypedText(Fraction f) {
  if (f.den != 20) return std::to_string(f.num) + "/" + std::to_string(f.den);
  if (f.num == 20) return "1";
  return (f.num < 2 ? "0.0" : "0.") + std::to_string(f.num * 5);
}

// Types the values of boxes i, j, k and checks that Calculate refuses nothing and writes
// each box it reaches with its exact value; on the 0.05 grid, also that it refuses nothing
// when run again on what it wrote. Returns the number of boxes written.
int CheckTyped(long d, long A, long B, long C, int i, int j, int k) {
  const auto exact = Exact(d, A, B, C);
  TextsPAB typed;
  for (int m : {i, j, k}) typed[m] = TypedText(exact[m]);
  SCOPED_TRACE(testing::Message() << A << "," << B << "," << C << " /" << d << " in boxes " << i
                                  << "," << j << "," << k);
  const auto outcome = CalculatePAB(typed);
  EXPECT_FALSE(outcome.invalid);
  TextsPAB shown = typed;
  int written = 0;
  for (int m = 1; m <= 14; ++m) {
    if (outcome.written[m].empty()) continue;
    ++written;
    shown[m] = outcome.written[m];
    EXPECT_EQ(outcome.written[m],
              FormatoCifras(static_cast<double>(exact[m].num) / exact[m].den, 8))
        << "box " << m;
  }
  EXPECT_TRUE(d != 20 || !CalculatePAB(shown).invalid) << "again";
  return written;
}

class EventsABGrid : public ::testing::TestWithParam<long> {};

// On the 0.05 grid any three boxes are typed; fractions such as 2/7, which carry digits far
// beyond the twelfth decimal, are typed into P(A), P(B), P(A and B).
TEST_P(EventsABGrid, ConsistentValuesCompleteToTheirExactValues) {
  const long d = GetParam();
  for (long A = 0; A <= d; ++A) {
    for (long B = 0; B <= d; ++B) {
      for (long C = std::max(0L, A + B - d); C <= std::min(A, B); ++C) {
        EXPECT_EQ(CheckTyped(d, A, B, C, 1, 2, 3), 11) << "P(A), P(B), P(A and B) give all";
        for (int i = 1; d == 20 && i <= 14; ++i) {
          for (int j = i + 1; j <= 14; ++j) {
            for (int k = j + 1; k <= 14; ++k) CheckTyped(d, A, B, C, i, j, k);
          }
        }
        if (HasFailure()) return;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Denominators, EventsABGrid,
                         ::testing::Values(20L, 3L, 6L, 7L, 11L, 12L, 13L));

}  // namespace
