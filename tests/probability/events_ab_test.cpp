// The A and B events panel's arithmetic: worked cases, the checks, the cleaning of noise,
// and every consistent point of a 0.05 grid typed into any three boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <sstream>

#include "numeric/numeric.h"
#include "probability/events_ab.h"

namespace {

using probability::CalculatePAB;
using probability::TextsPAB;

// Boxes written "1=0.5 2=1/4 9=__": box number, text, and "_" for a blank in the text.
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

TEST(EventsAB, WorkedExamplesWriteExactlyTheBlankBoxesTheyReach) {
  const std::pair<const char*, const char*> cases[] = {  // typed, written; others stay empty
      {"", ""},
      {"1=0.5 2=0.4 3=0.2",
       "4=0.7 5=0.3 6=0.5 7=0.4 8=0.5 9=0.6 10=0.8 11=0.3 12=0.8 13=0.3 14=0.2"},
      {"1=1/3 2=0.5 3=1/6",
       "4=0.66666667 5=0.33333333 6=0.33333333 7=0.5 8=0.66666667 9=0.5 10=0.83333333 "
       "11=0.33333333 12=0.83333333 13=0.16666667 14=0.33333333"},
      {"8=0.25 9=0.5 12=0.625",
       "1=0.75 2=0.5 3=0.375 4=0.875 5=0.125 6=0.75 7=0.5 10=0.625 11=0.125 13=0.375 14=0.125"},
      // An impossible event.
      {"1=0 4=0.6", "2=0.6 3=0 5=0.4 6=0 7=0 8=1 9=0.4 10=1 11=0.4 12=1 13=0 14=0.6"},
      {"2=0 4=0.5", "1=0.5 3=0 5=0.5 6=0 7=0 8=0.5 9=1 10=1 11=0.5 12=1 13=0.5 14=0"},
      {"3=0", "6=0 7=0 10=1 12=1"},
      {"1=0", "3=0 6=0 7=0 8=1 10=1 12=1 13=0"},
      {"1=0.5", "8=0.5"},
      {"1=50% 2=1/4 3=0", "4=0.75 5=0.25 6=0 7=0 8=0.5 9=0.75 10=1 11=0.25 12=1 13=0.5 14=0.25"},
      {"1=0.5 8=___ 9=1/0", "8=0.5"},  // a box of blanks receives; 1/0 keeps its text
      {"1=0.3 8=0.700000005", ""},     // a complement within 5E-9
      // The values the arithmetic gets only nearly right come out as the decimals meant.
      {"1=0.2 2=0.5 3=0.2", "4=0.5 5=0.5 6=0.4 7=1 8=0.8 9=0.5 10=0.8 11=0.5 12=0.8 13=0 14=0.3"},
      {"4=0.7 5=0.3", "11=0.3"},
      // 1/2 + 2/3 - 1/2 comes out a little below 2/3; the union is P(B) itself.
      {"1=3/6 2=4/6 3=3/6",
       "4=0.66666667 5=0.33333333 6=0.75 7=1 8=0.5 9=0.33333333 10=0.5 11=0.33333333 12=0.5 "
       "13=0 14=0.16666667"},
      // 2/3 keeps the digits it has beyond the twelfth decimal, so P(A and B) = P(A).
      {"1=2/3 7=1", "3=0.66666667 8=0.33333333 10=0.33333333 12=0.33333333 13=0"},
  };
  for (const auto& [typed, written] : cases) {
    SCOPED_TRACE(typed);
    const auto outcome = CalculatePAB(Boxes(typed));
    ASSERT_FALSE(outcome.invalid);
    EXPECT_EQ(outcome.written, Boxes(written));
  }
}

TEST(EventsAB, ContradictionsAreRefusedBeforeOrAfterSolving) {
  const char* cases[] = {
      "1=0.8 2=0.7 3=0.1",  // the union above 1 only after solving
      "5=1.2", "14=-0.1", "1=0.3 8=0.70000002", "2=0.3 9=0.6", "3=0.3 10=0.6", "4=0.3 11=0.6",
      "5=0.3 11=0.2", "10=0.3 12=0.2",  // De Morgan
      // The orderings of the events.
      "1=0.2 3=0.3", "2=0.2 3=0.3", "5=0.4 8=0.3", "5=0.4 9=0.3", "1=0.5 4=0.4", "2=0.5 4=0.4",
      "8=0.5 12=0.4", "9=0.5 12=0.4", "1=0.2 13=0.3", "2=0.2 14=0.3",
      // Events of probability 0 and 1.
      "1=0 13=0.1", "1=0 6=0.1", "2=0 14=0.1", "2=0 7=0.1", "1=1 4=0.9", "2=1 4=0.9",
      // Each identity on values typed alongside each other.
      "1=0.4 2=0.5 3=0.2 4=0.8", "2=0.5 3=0.2 6=0.5", "1=0.4 3=0.2 7=0.4",
      "1=0.4 3=0.2 13=0.1", "2=0.5 3=0.2 14=0.2", "8=0.6 9=0.5 10=0.8 11=0.2",
      "3=0.5 7=1E-300",  // a division by a value near 0 gives a huge P(A)
  };
  for (const char* typed : cases) {
    const auto outcome = CalculatePAB(Boxes(typed));
    EXPECT_TRUE(outcome.invalid) << typed;
    EXPECT_EQ(outcome.written, TextsPAB{}) << typed;
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
      {1.0 / 11, &none, 0.090909090909},
      {0.5 + 2.0 / 3 - 0.5, &known, 2.0 / 3},
      {2.0 / 3 + 5E-13, &known, 2.0 / 3},
      {2.0 / 3 + 2E-12, &known, 2.0 / 3 + 2E-12},
      {-1E-17, &known, 0.0},
  };
  for (const auto& [raw, beside, clean] : cases) {
    const double got = probability::CleanDerived(raw, *beside);
    EXPECT_EQ(got, clean) << raw;
    EXPECT_FALSE(std::signbit(got)) << raw;
  }
  const auto names = probability::PicturesPAB();
  EXPECT_EQ(names.size(), 16u);
  EXPECT_EQ(names[13] + names[14] + names[15], "ImgPAB_14.gifImgPABGRAF_0.gifImgPABGRAF_1.gif");
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
  const auto outcome = CalculatePAB(typed);
  const std::string where = std::to_string(A) + "," + std::to_string(B) + "," +
                            std::to_string(C) + " /" + std::to_string(d) + " in boxes " +
                            std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k);
  EXPECT_FALSE(outcome.invalid) << where;
  TextsPAB shown = typed;
  int written = 0;
  for (int m = 1; m <= 14; ++m) {
    if (outcome.written[m].empty()) continue;
    ++written;
    shown[m] = outcome.written[m];
    EXPECT_EQ(outcome.written[m],
              FormatoCifras(static_cast<double>(exact[m].num) / exact[m].den, 8))
        << where << ": box " << m;
  }
  EXPECT_TRUE(d != 20 || !CalculatePAB(shown).invalid) << where << ", again";
  return written;
}

class EventsABGrid : public ::testing::TestWithParam<int> {};

TEST_P(EventsABGrid, ConsistentValuesInAnyThreeBoxesCompleteWithoutNoise) {
  const long A = GetParam();
  for (long B = 0; B <= 20; ++B) {
    for (long C = std::max(0L, A + B - 20); C <= std::min(A, B); ++C) {
      EXPECT_EQ(CheckTyped(20, A, B, C, 1, 2, 3), 11) << "P(A), P(B), P(A and B) give all";
      for (int i = 1; i <= 14; ++i) {
        for (int j = i + 1; j <= 14; ++j) {
          for (int k = j + 1; k <= 14; ++k) CheckTyped(20, A, B, C, i, j, k);
        }
      }
      if (HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryP_A, EventsABGrid, ::testing::Range(0, 21));

// Fractions such as 2/7 carry digits far beyond the twelfth decimal.
TEST(EventsAB, TypedFractionsCompleteToTheirExactValues) {
  for (long d : {3L, 6L, 7L, 11L, 12L, 13L}) {
    for (long A = 0; A <= d; ++A) {
      for (long B = 0; B <= d; ++B) {
        for (long C = std::max(0L, A + B - d); C <= std::min(A, B); ++C) {
          EXPECT_EQ(CheckTyped(d, A, B, C, 1, 2, 3), 11);
        }
      }
    }
  }
}

}  // namespace
