// The total probability and Bayes arithmetic: worked cases with 2 and 9 events, the
// refusals, and the completion of the one missing P(Ai), from tests/data.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "probability/total_bayes.h"

namespace {

// The rows of a list split by '|', an empty row at either end included.
std::vector<std::string> Rows(const std::string& list) {
  std::vector<std::string> rows;
  std::stringstream in(list + "|");  // so that an empty last row is read too
  for (std::string row; std::getline(in, row, '|');) rows.push_back(row);
  return rows;
}

TEST(TotalBayes, ReferenceCasesOfCalculateAndOfEnter) {
  std::ifstream file(std::string(ORVALIS_TEST_DATA_DIR) + "/total_bayes_cases.tsv");
  ASSERT_TRUE(file) << "tests/data/total_bayes_cases.tsv is missing";
  int cases = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    SCOPED_TRACE(line);
    std::vector<std::string> f;
    std::stringstream fields(line);
    for (std::string t; std::getline(fields, t, '\t');) f.push_back(t);
    ASSERT_EQ(f.size(), 4u);
    std::string shown;
    if (f[0] == "calc") {
      const auto result = probability::CalculatePTB(Rows(f[1]), Rows(f[2]));
      shown = result ? probability::TotalTextPTB(result->pB) : "Invalid data";
      for (double p : result ? result->posterior : std::vector<double>{}) {
        shown += "|" + probability::PosteriorTextPTB(p);
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
