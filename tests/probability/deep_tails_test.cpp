// The distribution panel in the far tails: the inputs the fuzzer found faults with, replayed
// the way its target drives the panel, and the sweep of deep tails in
// tests/data/deep_tails.tsv (tools/numeric_reference.py, 50-digit mpmath), each agreeing
// with the exact value to the six digits the panel shows. The sweep takes every tail from
// its own side: normal tails out to 37.5 standard deviations and intervals between far
// points, centred intervals of a probability down to 1E-300 or about a point a hair from
// the centre, points over a probability near 1, F points past a million degrees of
// freedom, and the t, F and binomial from a million degrees of freedom or trials to
// 2147483647.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "numeric/numeric.h"
#include "probability/distribution_panel_core.h"
#include "support/reference_rows.h"
#include "support/distribution_request.h"

namespace {

using probability::BoxDI;
using Five = testing_support::DistributionBoxes;
using testing_support::Request;

// As the fuzz target reads its input: byte 0 chooses the distribution, byte 1 the mode, and
// the rest are the five boxes, one per line.
Five Calculate(const std::string& input, int& messages, const char* expected = nullptr) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(input[i]); };
  Five typed;
  size_t box = 0;
  for (size_t i = 2; i < input.size() && box < typed.size(); ++i) {
    if (input[i] == '\n') {
      ++box;
    } else {
      typed[box] += input[i];
    }
  }
  return Request(static_cast<int16_t>(byte(0) % probability::kDistributionsShown),
                 static_cast<int16_t>(byte(1) % 4), typed, messages, expected);
}

std::string Decode64(const std::string& text) {
  static const std::string kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  int bits = 0, buffer = 0;
  for (char c : text) {
    if (c == '=') break;
    buffer = (buffer << 6) | static_cast<int>(kAlphabet.find(c));
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((buffer >> bits) & 0xFF);
    }
  }
  return out;
}

// The inputs that showed a fault, with the box the panel writes and the exact value there
// (mpmath, 50 digits): a binomial interval whose upper cumulative value underflowed while
// the lower one was a subnormal, written as a negative probability; and the t with 1 degree
// of freedom right of a probability 6/2222E+222, written as the infinite mark (right of
// 6/222E+298 the point 1.17775E+299 still lies below that mark, and is shown). Right of
// 6/2222E+299 the true point, 1.18E+301, lies beyond the infinite mark itself: written, it
// would read back as a blank box, so the panel refuses it and keeps every box; so it does
// right of 1E-300 for F(4, 2), whose point 9.99999...E+299 shows as that mark.
// A centred interval of P = 9E-12 about the median of F(4, 442090040): its two ends, a
// hair apart, come out in order.
TEST(DeepTails, ATinyCentredIntervalKeepsItsEndsInOrder) {
  int messages = -1;
  const Five now = Calculate(Decode64("//80ADY1MTEKNDQyMDkwMDQwCi45Lzk5OTk5OTk5OTk5kg=="),
                             messages);
  EXPECT_EQ(messages, 0);
  ASSERT_FALSE(now[3].empty());
  EXPECT_LE(LeerNumero(now[3]), LeerNumero(now[4])) << now[3] << " " << now[4];
}

TEST(DeepTails, FuzzFindingsGiveTheTrueValue) {
  struct Finding {
    const char* base64;
    Five typed;
    BoxDI written;
    const char* shown;
    const char* message = nullptr;
  };
  const Finding findings[] = {
      {"BAIyMDgwCi4zCgoxCjg=", {"2080", ".3", "", "1", "8"}, BoxDI::txt_PROB, "6.26853E-304"},
      {"/f0xAAD/NQrwCjA2LzIyMjJlMjIyZTYwNAo=",
       {std::string("1\0\0\xff" "5", 5), "\xf0", "06/2222e222e604", "", ""},
       BoxDI::TxtPP1,
       "1.17881E+224"},
      {"/f0xAAD/NQr/CjA2LzIyMmUyOThlNjA0Cw==",
       {std::string("1\0\0\xff" "5", 5), "\xff", "06/222e298e604\x0b", "", ""},
       BoxDI::TxtPP1,
       "1.17775E+299"},
      {"2zE0CjIKMWUtMzAw", {"4", "2", "1e-300", "", ""}, BoxDI::TxtPP1, "", "Invalid data"},
      {"/f0xAAD/NQr/CjA2LzIyMjJlMjk5ZTYwNAs=",
       {std::string("1\0\0\xff" "5", 5), "\xff", "06/2222e299e604\x0b", "", ""},
       BoxDI::TxtPP1,
       "",
       "Invalid data"},
  };
  for (const Finding& f : findings) {
    SCOPED_TRACE(f.base64);
    int messages = -1;
    const Five now = Calculate(Decode64(f.base64), messages, f.message);
    EXPECT_EQ(messages, f.message == nullptr ? 0 : 1);
    for (size_t i = 0; i < now.size(); ++i) {
      if (static_cast<BoxDI>(i) == f.written) {
        EXPECT_EQ(now[i], f.shown);
      } else {
        EXPECT_EQ(now[i], f.typed[i]) << "box " << i;
      }
    }
    if (f.written == BoxDI::txt_PROB) {
      const double p = LeerNumero(now[2]);
      EXPECT_TRUE(p >= 0 && p <= 1) << p;
    }
  }
}

// Every row of the sweep: the box the panel leaves blank shows the exact value's six
// digits, unless they would show as the blank-box mark itself. Where the exact value lies closer to a tie of its rounding than the routines'
// error (1E-8 relative, from logarithms of gamma functions of a million), either
// neighbouring text is right as long as the value is that close.
TEST(DeepTails, SweepAgreesWithTheExactValuesToTheDigitsShown) {
  constexpr double kError = 1E-8;
  int rows = 0, zeros = 0, nearTies = 0;
  for (const auto& f : testing_support::ReferenceRows("deep_tails.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    ASSERT_EQ(f.size(), 9u);
    const Five typed = {f[2], f[3], f[4], f[5], f[6]};  // "-" reads as blank
    const auto asked = static_cast<size_t>(f[4].empty() ? BoxDI::txt_PROB : BoxDI::TxtPP1);
    const double exact = std::stod(f[7]);
    const double tie = std::stod(f[8]);
    // A point whose six digits show as the blank-box mark 1E+300 is refused; any other
    // refusal's message fails the row.
    const bool beyond = std::fabs(LeerNumero(FormatoCifras(exact, 6))) >= probability::BlankDI;
    int messages = 0;
    const std::string shown =
        Request(f[0], f[1], typed, messages, beyond ? "Invalid data" : nullptr)[asked];
    ++rows;
    if (beyond) {
      EXPECT_EQ(shown, "");
      continue;
    }
    if (asked == static_cast<size_t>(BoxDI::txt_PROB)) {
      const double p = LeerNumero(shown);
      EXPECT_TRUE(p >= 0 && p <= 1) << shown;
    }
    if (exact == 0) {
      ++zeros;
      EXPECT_EQ(shown, "0");
      continue;
    }
    if (shown == FormatoCifras(exact, 6)) continue;
    ++nearTies;
    const bool roundedOtherWay = shown == FormatoCifras(exact * (1 - kError), 6) ||
                                 shown == FormatoCifras(exact * (1 + kError), 6);
    EXPECT_TRUE(tie < kError && roundedOtherWay) << "shown " << shown << ", exact " << f[7];
  }
  EXPECT_GT(rows, 2500);
  EXPECT_GT(zeros, 0);
  EXPECT_LT(nearTies, 10);
}

// From a million degrees of freedom or trials to 2147483647, the panel shows the t, F and
// binomial to their six digits, both ends of a centred interval included (each row is in
// deep_tails.tsv too, with its exact value): a normal in place of the t, or shapes taken
// in doubles past a million, would miss most of them.
TEST(DeepTails, LargeDegreesOfFreedomShowTheirSixDigits) {
  // What the panel writes: the probability from a point, or the point (a centred
  // interval's two ends) from a probability; every other box keeps what was typed.
  struct Shown {
    const char* dist;
    const char* mode;
    Five typed;
    const char* written;
    const char* end = "";
  };
  const Shown cases[] = {
      {"T", "R", {"1000001", "", "", "1.96", ""}, "0.024998"},
      {"T", "R", {"1000001", "", "", "3", ""}, "0.00134993"},
      {"T", "R", {"3000000", "", "", "30", ""}, "5.25007E-198"},
      {"T", "R", {"10000000", "", "0.49999", "", ""}, "2.50663E-05"},
      {"T", "C", {"1112594390", "", "0.00125919", "", ""}, "-0.00157816", "0.00157816"},
      {"T", "C", {"1000001", "", "0.0001", "", ""}, "-0.000125331", "0.000125331"},
      {"T", "C", {"10000000", "", "0.0001", "", ""}, "-0.000125331", "0.000125331"},
      {"T", "C", {"1000000000", "", "0.0001", "", ""}, "-0.000125331", "0.000125331"},
      {"T", "R", {"1000000000", "", "0.475", "", ""}, "0.0627068"},
      {"T", "R", {"953185741", "", "0.495", "", ""}, "0.0125335"},
      {"T", "R", {"2147483647", "", "0.4999", "", ""}, "0.000250663"},
      {"F", "R", {"1", "70372557", "", "0.00000203375", ""}, "0.998862"},
      {"F", "R", {"1", "1000000000", "", "0.000982069", ""}, "0.975"},
      {"F", "R", {"1", "1000000", "", "1E-12", ""}, "0.999999"},
      {"F", "L", {"1", "1000000000", "", "1", ""}, "0.682689"},
      {"F", "R", {"1", "1000000000", "", "1", ""}, "0.317311"},
      {"F", "R", {"100000000", "100000000", "", "1.0003", ""}, "0.0668363"},
      {"B", "L", {"1418358123", "0.66431051795459495", "", "942218457", ""}, "0.254195"},
  };
  for (const Shown& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.typed));
    Five shown = c.typed;
    if (c.typed[2].empty()) {
      shown[2] = c.written;
    } else {
      shown[3] = c.written;
      shown[4] = c.end;
    }
    int messages = -1;
    EXPECT_EQ(Request(c.dist, c.mode, c.typed, messages), shown) << c.dist << " " << c.mode;
    EXPECT_EQ(messages, 0);
  }
}

}  // namespace
