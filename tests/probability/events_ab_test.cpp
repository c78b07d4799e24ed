// The A and B events panel's arithmetic: worked cases, the checks, the cleaning of noise,
// and every consistent point of a 0.05 grid typed into any three boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>

#include "numeric/numeric.h"
#include "probability/events_ab.h"

namespace {

using probability::CalculatePAB;
using probability::TextsPAB;

TextsPAB Typed(const std::map<int, std::string>& boxes) {
  TextsPAB texts;
  for (const auto& [k, text] : boxes) texts[k] = text;
  return texts;
}

struct Worked {
  const char* name;
  std::map<int, std::string> typed;
  std::map<int, std::string> written;  // every other box stays as it was
};

TEST(EventsAB, WorkedExamplesWriteExactlyTheBlankBoxesTheyReach) {
  const Worked cases[] = {
      {"all empty", {}, {}},
      {"A, B, A and B",
       {{1, "0.5"}, {2, "0.4"}, {3, "0.2"}},
       {{4, "0.7"}, {5, "0.3"}, {6, "0.5"}, {7, "0.4"}, {8, "0.5"}, {9, "0.6"}, {10, "0.8"},
        {11, "0.3"}, {12, "0.8"}, {13, "0.3"}, {14, "0.2"}}},
      {"fractions",
       {{1, "1/3"}, {2, "0.5"}, {3, "1/6"}},
       {{4, "0.66666667"}, {5, "0.33333333"}, {6, "0.33333333"}, {7, "0.5"}, {8, "0.66666667"},
        {9, "0.5"}, {10, "0.83333333"}, {11, "0.33333333"}, {12, "0.83333333"},
        {13, "0.16666667"}, {14, "0.33333333"}}},
      {"complements",
       {{8, "0.25"}, {9, "0.5"}, {12, "0.625"}},
       {{1, "0.75"}, {2, "0.5"}, {3, "0.375"}, {4, "0.875"}, {5, "0.125"}, {6, "0.75"},
        {7, "0.5"}, {10, "0.625"}, {11, "0.125"}, {13, "0.375"}, {14, "0.125"}}},
      {"A impossible",
       {{1, "0"}, {4, "0.6"}},
       {{2, "0.6"}, {3, "0"}, {6, "0"}, {7, "0"}, {13, "0"}, {14, "0.6"}, {5, "0.4"}, {9, "0.4"},
        {11, "0.4"}, {8, "1"}, {10, "1"}, {12, "1"}}},
      {"B impossible",
       {{2, "0"}, {4, "0.5"}},
       {{1, "0.5"}, {3, "0"}, {6, "0"}, {7, "0"}, {14, "0"}, {5, "0.5"}, {8, "0.5"}, {11, "0.5"},
        {13, "0.5"}, {9, "1"}, {10, "1"}, {12, "1"}}},
      {"disjoint alone", {{3, "0"}}, {{6, "0"}, {7, "0"}, {10, "1"}, {12, "1"}}},
      {"A alone", {{1, "0.5"}}, {{8, "0.5"}}},
      {"percent and fraction", {{1, "50%"}, {2, "1/4"}, {3, "0"}},
       {{4, "0.75"}, {5, "0.25"}, {6, "0"}, {7, "0"}, {8, "0.5"}, {9, "0.75"}, {10, "1"},
        {11, "0.25"}, {12, "1"}, {13, "0.5"}, {14, "0.25"}}},
      {"blank box receives, 1/0 keeps its text", {{1, "0.5"}, {8, "   "}, {9, "1/0"}},
       {{8, "0.5"}}},
      {"complement within 5E-9", {{1, "0.3"}, {8, "0.700000005"}}, {}},
      // The values the arithmetic gets only nearly right come out as the decimals meant.
      {"A inside B", {{1, "0.2"}, {2, "0.5"}, {3, "0.2"}},
       {{4, "0.5"}, {5, "0.5"}, {6, "0.4"}, {7, "1"}, {8, "0.8"}, {9, "0.5"}, {10, "0.8"},
        {11, "0.5"}, {12, "0.8"}, {13, "0"}, {14, "0.3"}}},
      {"union and its complement typed", {{4, "0.7"}, {5, "0.3"}}, {{11, "0.3"}}},
      // 1/2 + 2/3 - 1/2 comes out a little below 2/3; the union is P(B) itself.
      {"A inside B, in sixths", {{1, "3/6"}, {2, "4/6"}, {3, "3/6"}},
       {{4, "0.66666667"}, {5, "0.33333333"}, {6, "0.75"}, {7, "1"}, {8, "0.5"},
        {9, "0.33333333"}, {10, "0.5"}, {11, "0.33333333"}, {12, "0.5"}, {13, "0"},
        {14, "0.16666667"}}},
      // 2/3 keeps the digits it has beyond the twelfth decimal, so P(A and B) = P(A).
      {"B certain given A", {{1, "2/3"}, {7, "1"}},
       {{3, "0.66666667"}, {8, "0.33333333"}, {10, "0.33333333"}, {12, "0.33333333"},
        {13, "0"}}},
  };
  for (const Worked& c : cases) {
    SCOPED_TRACE(c.name);
    const auto outcome = CalculatePAB(Typed(c.typed));
    ASSERT_FALSE(outcome.invalid);
    for (int k = 1; k <= probability::kBoxesPAB; ++k) {
      const auto it = c.written.find(k);
      EXPECT_EQ(outcome.written[k], it == c.written.end() ? "" : it->second) << "box " << k;
    }
  }
}

TEST(EventsAB, ContradictionsAreRefusedBeforeOrAfterSolving) {
  const std::pair<const char*, std::map<int, std::string>> cases[] = {
      {"union above 1 after solving", {{1, "0.8"}, {2, "0.7"}, {3, "0.1"}}},
      {"above 1", {{5, "1.2"}}},
      {"below 0", {{14, "-0.1"}}},
      {"complement 2E-8 off", {{1, "0.3"}, {8, "0.70000002"}}},
      {"B complement", {{2, "0.3"}, {9, "0.6"}}},
      {"intersection complement", {{3, "0.3"}, {10, "0.6"}}},
      {"union complement", {{4, "0.3"}, {11, "0.6"}}},
      {"De Morgan, union", {{5, "0.3"}, {11, "0.2"}}},
      {"De Morgan, intersection", {{10, "0.3"}, {12, "0.2"}}},
      {"A and B above A", {{1, "0.2"}, {3, "0.3"}}},
      {"A and B above B", {{2, "0.2"}, {3, "0.3"}}},
      {"neither above not-A", {{5, "0.4"}, {8, "0.3"}}},
      {"neither above not-B", {{5, "0.4"}, {9, "0.3"}}},
      {"union below A", {{1, "0.5"}, {4, "0.4"}}},
      {"union below B", {{2, "0.5"}, {4, "0.4"}}},
      {"not both below not-A", {{8, "0.5"}, {12, "0.4"}}},
      {"not both below not-B", {{9, "0.5"}, {12, "0.4"}}},
      {"A minus B above A", {{1, "0.2"}, {13, "0.3"}}},
      {"B minus A above B", {{2, "0.2"}, {14, "0.3"}}},
      {"A impossible, A minus B", {{1, "0"}, {13, "0.1"}}},
      {"A impossible, A given B", {{1, "0"}, {6, "0.1"}}},
      {"B impossible, B minus A", {{2, "0"}, {14, "0.1"}}},
      {"B impossible, B given A", {{2, "0"}, {7, "0.1"}}},
      {"A certain, union", {{1, "1"}, {4, "0.9"}}},
      {"B certain, union", {{2, "1"}, {4, "0.9"}}},
      // Each check of an identity on values typed alongside each other.
      {"addition", {{1, "0.4"}, {2, "0.5"}, {3, "0.2"}, {4, "0.8"}}},
      {"A given B", {{2, "0.5"}, {3, "0.2"}, {6, "0.5"}}},
      {"B given A", {{1, "0.4"}, {3, "0.2"}, {7, "0.4"}}},
      {"A minus B", {{1, "0.4"}, {3, "0.2"}, {13, "0.1"}}},
      {"B minus A", {{2, "0.5"}, {3, "0.2"}, {14, "0.2"}}},
      {"addition through complements", {{8, "0.6"}, {9, "0.5"}, {10, "0.8"}, {11, "0.2"}}},
      // A division by a value near 0 gives a huge P(A): refused, not written.
      {"huge quotient", {{3, "0.5"}, {7, "1E-300"}}},
  };
  for (const auto& [name, typed] : cases) {
    SCOPED_TRACE(name);
    const auto outcome = CalculatePAB(Typed(typed));
    EXPECT_TRUE(outcome.invalid);
    for (int k = 1; k <= probability::kBoxesPAB; ++k) EXPECT_EQ(outcome.written[k], "");
  }
}

TEST(EventsAB, CleaningClearsOnlyNoise) {
  const std::tuple<double, double> cases[] = {
      {1 - 0.7, 0.3},
      {0.5 - 0.2 - 0.3, 0.0},
      {-(0.1 + 0.2 - 0.3), 0.0},
      {-0.0, 0.0},
      {2.0 / 3.0, 2.0 / 3.0},
      {1.0 / 3.0 * 0.15, 0.05},
      {1.4, 1.4},
  };
  for (const auto& [raw, clean] : cases) {
    const double got = probability::CleanDerived(raw);
    EXPECT_EQ(got, clean) << raw;
    EXPECT_FALSE(std::signbit(got) && got == 0) << "no negative zero";
  }
}

TEST(EventsAB, ADerivedValueNearAKnownOneTakesIt) {
  probability::ValuesPAB known;
  known.fill(NoValue);
  known[2] = 2.0 / 3;
  known[5] = 0.3;
  known[6] = 0.0;
  const std::tuple<double, double> cases[] = {
      {0.5 + 2.0 / 3 - 0.5, 2.0 / 3},
      {1 - 0.7, 0.3},
      {2.0 / 3 + 5E-13, 2.0 / 3},
      {2.0 / 3 + 2E-12, 2.0 / 3 + 2E-12},
      {-1E-17, 0.0},
      {1.0 / 11, 0.090909090909},
  };
  for (const auto& [raw, clean] : cases) {
    const double got = probability::CleanDerived(raw, known);
    EXPECT_EQ(got, clean) << raw;
    EXPECT_FALSE(std::signbit(got)) << raw;
  }
}

TEST(EventsAB, PicturesAreTheLabelsTheVennDiagramAndTheFormulaSheet) {
  const auto names = probability::PicturesPAB();
  ASSERT_EQ(names.size(), 16u);
  EXPECT_EQ(names.front(), "ImgPAB_1.gif");
  EXPECT_EQ(names[13], "ImgPAB_14.gif");
  EXPECT_EQ(names[14], "ImgPABGRAF_0.gif");
  EXPECT_EQ(names[15], "ImgPABGRAF_1.gif");
}

// ---------------------------------------------------------------------------------------
// Every consistent P(A), P(B), P(A and B) on a 0.05 grid, typed into any three boxes. The
// values are counted in twentieths: A, B and C for P(A), P(B) and P(A and B).

struct Fraction {
  long num;
  long den;
};

std::array<Fraction, 15> Exact(long A, long B, long C) {
  std::array<Fraction, 15> p{};
  p[1] = {A, 20};
  p[2] = {B, 20};
  p[3] = {C, 20};
  p[4] = {A + B - C, 20};
  p[5] = {20 - A - B + C, 20};
  p[6] = B == 0 ? Fraction{0, 1} : Fraction{C, B};
  p[7] = A == 0 ? Fraction{0, 1} : Fraction{C, A};
  p[8] = {20 - A, 20};
  p[9] = {20 - B, 20};
  p[10] = {20 - C, 20};
  p[11] = p[5];
  p[12] = p[10];
  p[13] = {A - C, 20};
  p[14] = {B - C, 20};
  return p;
}

// Twentieths as decimals ("0.35"), other fractions as the user would type them ("2/3").
std::string TypedText(Fraction f) {
  if (f.den == 20) {
    const long hundredths = f.num * 5;
    if (hundredths == 100) return "1";
    return "0." + std::string(hundredths < 10 ? "0" : "") + std::to_string(hundredths);
  }
  return std::to_string(f.num) + "/" + std::to_string(f.den);
}

class EventsABGrid : public ::testing::TestWithParam<int> {};

TEST_P(EventsABGrid, ConsistentValuesInAnyThreeBoxesCompleteWithoutNoise) {
  const long A = GetParam();
  long runs = 0;
  for (long B = 0; B <= 20; ++B) {
    for (long C = std::max(0L, A + B - 20); C <= std::min(A, B); ++C) {
      const auto exact = Exact(A, B, C);
      std::array<std::string, 15> expected;
      for (int k = 1; k <= 14; ++k) {
        expected[k] = FormatoCifras(static_cast<double>(exact[k].num) / exact[k].den, 8);
      }
      for (int i = 1; i <= 14; ++i) {
        for (int j = i + 1; j <= 14; ++j) {
          for (int k = j + 1; k <= 14; ++k) {
            const TextsPAB typed = Typed({{i, TypedText(exact[i])},
                                          {j, TypedText(exact[j])},
                                          {k, TypedText(exact[k])}});
            const auto outcome = CalculatePAB(typed);
            ++runs;
            ASSERT_FALSE(outcome.invalid) << A << "/20, " << B << "/20, " << C << "/20 in boxes "
                                          << i << ", " << j << ", " << k;
            for (int m = 1; m <= 14; ++m) {
              if (outcome.written[m].empty()) continue;
              ASSERT_EQ(outcome.written[m], expected[m])
                  << A << "/20, " << B << "/20, " << C << "/20 in boxes " << i << ", " << j
                  << ", " << k << ": box " << m;
            }
            if (i == 1 && j == 2 && k == 3) {
              for (int m = 4; m <= 14; ++m) EXPECT_EQ(outcome.written[m], expected[m]);
            }
            // Calculate again on what the panel now shows: nothing to refuse.
            TextsPAB shown = typed;
            for (int m = 1; m <= 14; ++m) {
              if (!outcome.written[m].empty()) shown[m] = outcome.written[m];
            }
            ASSERT_FALSE(CalculatePAB(shown).invalid)
                << A << "/20, " << B << "/20, " << C << "/20 again, boxes " << i << ", " << j
                << ", " << k;
          }
        }
      }
    }
  }
  EXPECT_GT(runs, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryP_A, EventsABGrid, ::testing::Range(0, 21));

// Fractions such as 2/7 carry digits far beyond the twelfth decimal; typed as P(A), P(B)
// and P(A and B), every consistent choice completes to the exact values.
TEST(EventsAB, TypedFractionsCompleteToTheirExactValues) {
  for (long d : {3L, 6L, 7L, 11L, 12L, 13L}) {
    for (long A = 0; A <= d; ++A) {
      for (long B = 0; B <= d; ++B) {
        for (long C = std::max(0L, A + B - d); C <= std::min(A, B); ++C) {
          const auto f = [d](long num) { return std::to_string(num) + "/" + std::to_string(d); };
          const auto outcome = CalculatePAB(Typed({{1, f(A)}, {2, f(B)}, {3, f(C)}}));
          ASSERT_FALSE(outcome.invalid) << f(A) << ", " << f(B) << ", " << f(C);
          const double u = 1.0 / static_cast<double>(d);
          const double exact[15] = {0,
                                    0,
                                    0,
                                    0,
                                    static_cast<double>(A + B - C) * u,
                                    static_cast<double>(d - A - B + C) * u,
                                    B == 0 ? 0 : static_cast<double>(C) / static_cast<double>(B),
                                    A == 0 ? 0 : static_cast<double>(C) / static_cast<double>(A),
                                    static_cast<double>(d - A) * u,
                                    static_cast<double>(d - B) * u,
                                    static_cast<double>(d - C) * u,
                                    static_cast<double>(d - A - B + C) * u,
                                    static_cast<double>(d - C) * u,
                                    static_cast<double>(A - C) * u,
                                    static_cast<double>(B - C) * u};
          for (int m = 4; m <= 14; ++m) {
            EXPECT_EQ(outcome.written[m], FormatoCifras(exact[m], 8))
                << f(A) << ", " << f(B) << ", " << f(C) << ": box " << m;
          }
        }
      }
    }
  }
}

}  // namespace
