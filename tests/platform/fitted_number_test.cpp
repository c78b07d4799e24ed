// Numbers too long for their room, rounded as a spreadsheet rounds them. The room is a count
// of characters here; every expected text is worked by hand from the digits.
#include "platform/fitted_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<std::string> Fitted(const std::string& text, size_t room) {
  return platform::FittedNumber(text, [room](const std::string& t) { return t.size() <= room; });
}

TEST(FittedNumber, RoundsToTheDigitsThatFitPlainWhileTheWholePartStaysAndNeverCuts) {
  struct Case { const char* text; size_t room; const char* shown; };
  const Case cases[] = {
      {"123456789012345", 15, "123456789012345"},
      // 14 digits and more need 16 characters or more; 1.234567890 drops its last 0.
      {"123456789012345", 14, "1.23456789E+14"},
      {"123456789012345", 9, "1.235E+14"},
      // The whole part of a plain form is never rounded: 10 digits at 3 decimals .890.
      {"-1234567.89012345", 12, "-1234567.89"},
      {"-1234567.89012345", 8, "-1234568"},
      {"-1234567.89012345", 7, "-1E+06"},
      // A carry into a new first digit.
      {"9.9999", 3, "10"},
      {"99999.7", 5, "1E+05"},
      // Half away from zero, on the digits as written.
      {"2.45", 3, "2.5"},
      {"-2.5", 2, "-3"},
      // Plain before the exponent form at as many digits; a "0" before the point as written.
      {"0.000123456", 8, "0.000123"},
      {".000123456", 8, ".0001235"},
      {"-.25", 3, "-.3"},
      {"1.5E-07", 7, "1.5E-07"},
      {"1.5E-07", 10, "0.00000015"},
      {"1.25E-300", 8, "1.3E-300"},
      {"1.5E+300", 6, "2E+300"},
      {"1e5", 10, "100000"},
      {"1200", 4, "1200"},
      {"1200", 3, "1200"},
      {"  +1234567  ", 7, "1234567"},
      {"+0001.50", 8, "1.5"},
      // Not written out in full: "1E+300" rather than 301 characters.
      {"1E+300", 1000, "1E+300"},
      // Zero in any form.
      {"-0.000", 1, "0"},
      {"0E+5", 3, "0"},
      // Nothing fits: the shortest form tried, the one with more digits where two are as
      // short. "1200" above is shorter than "1E+03", "12345" as short as "1E+04".
      {"123456789012345", 1, "1E+14"},
      {"0.5", 1, "0.5"},
      {"12", 1, "12"},
      {"-12345", 4, "-12345"},
      {"99", 1, "99"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fitted(c.text, c.room), std::optional<std::string>(c.shown))
        << c.text << " in " << c.room;
  }
  // Only the characters of the text are read, not what follows them in memory.
  const std::string longer = "15.57E+3";
  for (size_t length : {1, 2, 4}) {
    const std::string_view start = std::string_view(longer).substr(0, length);
    EXPECT_EQ(platform::FittedNumber(start, [](const std::string&) { return true; }),
              std::optional<std::string>(start)) << start;
  }
  // No more digits than asked for, at least one, rounded from all the text's digits:
  // 1.23456789|495 is 1.234567895 to 10 digits but 1.23456789 to 9, not 1.2345679.
  struct Capped { const char* text; size_t room; size_t most; const char* shown; };
  const Capped capped[] = {
      {"1.23456789495000e+00", 100, 10, "1.234567895"},
      {"1.23456789495000e+00", 10, 10, "1.23456789"},
      {"-2.15959370478000e+32", 15, 10, "-2.1595937E+32"},
      {"9.99999999999999e+00", 100, 10, "10"},
      // 123456789012 to 10 digits rounds its whole part: only the exponent form says so.
      {"1.23456789012000e+11", 100, 10, "1.23456789E+11"},
      {"4.94065645841247e-324", 100, 3, "4.94E-324"},
      {"2.5", 100, 0, "3"},
  };
  for (const Capped& c : capped) {
    EXPECT_EQ(platform::FittedNumber(
                  c.text, [&](const std::string& t) { return t.size() <= c.room; }, c.most),
              std::optional<std::string>(c.shown))
        << c.text << " in " << c.room << " at most " << c.most;
  }
  // A text that is no plain number is left to the caller.
  for (const char* text : {"1/3", "5%", "abc", "", " ", "-", ".", "1e", "1E+", "12abc", "1,5",
                           "1.2.3", "--1"}) {
    EXPECT_EQ(Fitted(text, 100), std::nullopt) << text;
  }
}

}  // namespace
