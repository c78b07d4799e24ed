// The total probability and Bayes arithmetic: worked cases with 2 and 9 events, the
// refusals, and the completion of the one missing P(Ai), from tests/data.
#include <gtest/gtest.h>

#include <sstream>

#include "probability/total_bayes.h"
#include "support/reference_rows.h"

namespace {

// The rows of a list split by '|', an empty row at either end included.
std::vector<std::string> Rows(const std::string& list) {
  std::vector<std::string> rows;
  std::stringstream in(list + "|");  // so that an empty last row is read too
  for (std::string row; std::getline(in, row, '|');) rows.push_back(row);
  return rows;
}

TEST(TotalBayes, ReferenceCasesOfCalculateAndOfEnter) {
  int cases = 0;
  for (const auto& f : testing_support::ReferenceRows("total_bayes_cases.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    ASSERT_EQ(f.size(), 4u);
    std::string shown;
    if (f[0] == "calc") {
      const auto result = probability::CalculatePTB(Rows(f[1]), Rows(f[2]));
      shown = result ? probability::TotalTextPTB(result->pB) : "Invalid data";
      for (double p : result ? result->posterior : std::vector<double>{}) {
        shown += '|';
        shown += probability::PosteriorTextPTB(p);
      }
    } else {
      const auto completion = probability::CompleteMissingPTB(Rows(f[1]), std::stoi(f[2]));
      const auto written = completion.value_or(probability::CompletionPTB{});
      shown = std::to_string(written.row) + "|" + written.text;
    }
    EXPECT_EQ(shown, f[3]);
    ++cases;
  }
  EXPECT_EQ(cases, 27);
}

}  // namespace
