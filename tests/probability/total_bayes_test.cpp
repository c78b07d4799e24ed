// The total probability and Bayes arithmetic: worked cases with 2 and 9 events, the
// refusals, and the completion of the one missing P(Ai).
#include <gtest/gtest.h>

#include "numeric/numeric.h"
#include "probability/total_bayes.h"

namespace {

using probability::CalculatePTB;
using probability::CompleteMissingPTB;
using Texts = std::vector<std::string>;

TEST(TotalBayes, WorkedPartitionsGiveTotalAndPosteriors) {
  // Nine events: P(Ai) = i/45 and P(B/Ai) = (10 - i)/10, so P(B) = 165/450 and
  // P(Ai/B) = i(10 - i)/165.
  Texts nineA, nineBA;
  std::vector<double> ninePosterior;
  for (int i = 1; i <= 9; ++i) {
    nineA.push_back(std::to_string(i) + "/45");
    nineBA.push_back("0." + std::to_string(10 - i));
    ninePosterior.push_back(i * (10.0 - i) / 165.0);
  }
  struct Case {
    const char* name;
    Texts a, ba;
    double pB;
    std::vector<double> posterior;
  };
  const Case cases[] = {
      {"two events", {"0.3", "0.7"}, {"0.5", "0.1"}, 0.22, {15.0 / 22, 7.0 / 22}},
      {"percent, fraction, comma-free", {"30%", "3/10", "0.4"}, {"1", "0", "0.5"}, 0.5,
       {0.6, 0, 0.4}},
      {"text without a number reads as 0", {"abc", "1"}, {"0.5", "0.25"}, 0.25, {0, 1}},
      {"blanks around numbers", {"  0.5 ", "0.5"}, {" 0.2", "0.6  "}, 0.4, {0.25, 0.75}},
      {"sum 1.000009 passes", {"0.500009", "0.5"}, {"0.5", "0.5"}, 0.5000045,
       {0.500009 / 1.000009, 0.5 / 1.000009}},
      {"nine events", nineA, nineBA, 165.0 / 450, ninePosterior},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = CalculatePTB(c.a, c.ba);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(probability::TotalTextPTB(result->pB), FormatoCifras(c.pB, 10));
    ASSERT_EQ(result->posterior.size(), c.posterior.size());
    for (size_t i = 0; i < c.posterior.size(); ++i) {
      EXPECT_EQ(probability::PosteriorTextPTB(result->posterior[i]),
                FormatoCifras(c.posterior[i], 9))
          << "row " << i + 1;
    }
  }
  EXPECT_EQ(probability::PosteriorTextPTB(15.0 / 22), "0.681818182");
  EXPECT_EQ(probability::TotalTextPTB(0.3 * 0.5 + 0.7 * 0.1), "0.22");
}

TEST(TotalBayes, InvalidDataGivesNoResult) {
  const std::tuple<const char*, Texts, Texts> cases[] = {
      {"sum 1.000011", {"0.500011", "0.5"}, {"0.5", "0.5"}},
      {"sum 0.9", {"0.4", "0.5"}, {"0.5", "0.5"}},
      {"total above 1", {"0.500009", "0.5"}, {"1", "1"}},
      {"total 0", {"0.5", "0.5"}, {"0", "0"}},
      {"negative", {"-0.1", "1.1"}, {"0.5", "0.5"}},
      {"above 1", {"1.5", "-0.5"}, {"0.5", "0.5"}},
      {"blank P(B/Ai) with P(Ai) = 0", {"0", "1"}, {"", "0.5"}},
      {"blank P(Ai)", {"", "1"}, {"0.5", "0.5"}},
      {"unreadable", {"1/0", "1"}, {"0.5", "0.5"}},
      {"conditional above 1", {"0.5", "0.5"}, {"0.5", "2"}},
  };
  for (const auto& [name, a, ba] : cases) {
    EXPECT_FALSE(CalculatePTB(a, ba).has_value()) << name;
  }
}

TEST(TotalBayes, EnterCompletesTheOneMissingProbability) {
  // Name, the P(Ai), the row of the Enter, the row written (0: none) and its text.
  const std::tuple<const char*, Texts, int, int, const char*> cases[] = {
      {"middle row from the first", {"0.2", "", "0.5"}, 1, 2, "0.3"},
      {"in the blank box itself", {"0.2", "", "0.5"}, 2, 0, ""},
      {"last row", {"1/3", "1/3", " "}, 2, 3, "0.33333333"},
      {"two blanks", {"0.2", "", ""}, 1, 0, ""},
      {"sum reaches 1", {"0.6", "0.4", ""}, 1, 0, ""},
      {"decimal sum of exactly 1", {"0.3", "0.6", "0.1", ""}, 1, 0, ""},
      {"sum above 1", {"0.7", "0.4", ""}, 2, 0, ""},
      {"value outside [0, 1]", {"-0.2", "0.4", ""}, 1, 0, ""},
      {"unreadable", {"1/0", "0.4", ""}, 1, 0, ""},
      {"no blank", {"0.2", "0.3"}, 1, 0, ""},
      {"nine rows", {"0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "", "0.1"}, 9, 8, "0.2"},
  };
  for (const auto& [name, a, entered, row, text] : cases) {
    const auto completion = CompleteMissingPTB(a, entered);
    EXPECT_EQ(completion.value_or(probability::CompletionPTB{}).row, row) << name;
    EXPECT_EQ(completion.value_or(probability::CompletionPTB{}).text, text) << name;
  }
}

}  // namespace
