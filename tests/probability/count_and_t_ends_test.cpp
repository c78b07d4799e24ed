// The distribution panel at the ends of what its boxes accept, against the exact values of
// tests/data/count_and_t_ends.tsv (tools/numeric_reference.py --ends, mpmath at 40 digits):
// the t beyond |t| = 1.34E+154, where t*t overflows, at 1 to 2147483647 degrees of freedom,
// in every mode that takes a point (the tail of k = 1 at 1E+200 is 3.18310E-201, of k = 2 at
// 1.4E+154 below the normal doubles, so 0); and the largest count, 2147483647, a Poisson
// count like any other in Left, Right, Interval and Point, about means from 5 to 2.2E+9.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric/numeric.h"
#include "support/distribution_request.h"
#include "support/reference_rows.h"

namespace {

using probability::BoxDI;
using testing_support::DistributionBoxes;

// Each row's probability box shows the exact value's six digits (0 below the smallest normal
// double), with no message; the other boxes keep what was typed, but for the end a centred
// interval mirrors about 0.
TEST(CountAndTEnds, ThePanelShowsTheExactValues) {
  int rows = 0, tails_past_the_square = 0, largest_counts = 0;
  for (const auto& f : testing_support::ReferenceRows("count_and_t_ends.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    ASSERT_EQ(f.size(), 9u);
    const DistributionBoxes typed = {f[2], f[3], f[4], f[5], f[6]};
    const double exact = std::stod(f[7]);
    int messages = -1;
    const DistributionBoxes shown = testing_support::Request(f[0], f[1], typed, messages);
    EXPECT_EQ(messages, 0);
    const std::string& probability = shown[static_cast<size_t>(BoxDI::txt_PROB)];
    EXPECT_EQ(probability, exact == 0 ? "0" : FormatoCifras(exact, 6));
    DistributionBoxes expected = typed;
    expected[static_cast<size_t>(BoxDI::txt_PROB)] = probability;
    if (f[1] == "C") expected[static_cast<size_t>(BoxDI::TxtPP2)] = f[5].substr(1);
    EXPECT_EQ(shown, expected);
    ++rows;
    const double x1 = std::fabs(LeerNumero(f[5]));
    tails_past_the_square += f[0] == "T" && x1 > 1.35E+154 && exact > 0 && exact < 1;
    largest_counts += f[0] == "P" && f[6] == "2147483647" && exact > 0 && exact < 1;
  }
  EXPECT_GE(rows, 250);
  EXPECT_GE(tails_past_the_square, 15);
  EXPECT_GE(largest_counts, 2);
}

}  // namespace
