// The test and interval panels from what the user types: the first two bytes choose the
// type and the tail, the rest are the panel's boxes (null hypothesis, sizes, means, variances,
// confidence level), one per line; a ninth line is a level typed into the significance box
// instead, the confidence box then showing its partner. Reading and computing must never
// crash, and what the panels show must hold together: finite numbers short of the infinite
// mark, infinite only as the open end of a one-sided region, an interval with its ends in
// order, a decision that agrees with the statistic and the acceptance region, and a level
// pair whose two halves add up to one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "inference/inference.h"
#include "numeric/numeric.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  lines.resize(9);
  return lines;
}

// The infinite mark: a shown number this large would read as an infinite end.
constexpr double kInfiniteMark = 1E+300;

// A shown number: digits with their sign, point and exponent only (not one of the texts a
// failed format leaves, nor an infinite end), finite and short of the mark.
double Shown(const std::string& text, const char* what) {
  Require(text.find_first_of("0123456789") != std::string::npos &&
              text.find_first_not_of("0123456789.E+-") == std::string::npos,
          what);
  const double v = LeerNumero(text);
  Require(std::isfinite(v) && v != NoValue, what);
  Require(std::fabs(v) < kInfiniteMark, "no shown number is at or beyond the infinite mark");
  return v;
}

// The semi-levels, "97.5 %" and "2.5 %": percentages that add up to 100.
void SemiLevels(const std::string& ncon2, const std::string& nsig2) {
  const std::string percent = " %";
  Require(ncon2.ends_with(percent) && nsig2.ends_with(percent), "the semi-levels are percentages");
  const double con = Shown(ncon2.substr(0, ncon2.size() - 2), "the semi-confidence is a number");
  const double sig = Shown(nsig2.substr(0, nsig2.size() - 2), "the semi-significance is a number");
  Require(std::fabs(con + sig - 100) <= 1E-3, "the semi-levels add up to 100");
}

// The two ends of "( a  ,  b )": numbers, or "-oo" below and "+oo" above for the infinite
// ends of a region (which then read as infinities).
struct Ends {
  double lo = 0, hi = 0;
  bool openLo = false, openHi = false;
};

Ends ReadEnds(const std::string& text) {
  const size_t open = text.find('('), comma = text.find(',', open), close = text.find(')', comma);
  Require(open != std::string::npos && comma != std::string::npos && close != std::string::npos,
          "a region or interval reads as two ends");
  auto end = [](std::string part, const char* infinite, double& value) {
    part.erase(0, part.find_first_not_of(' '));
    part.erase(part.find_last_not_of(' ') + 1);
    if (part == infinite) {
      value = part[0] == '-' ? -HUGE_VAL : HUGE_VAL;
      return true;
    }
    value = Shown(part, "an end of a region or interval is a number or its own side's infinity");
    return false;
  };
  Ends e;
  e.openLo = end(text.substr(open + 1, comma - open - 1), "-oo", e.lo);
  e.openHi = end(text.substr(comma + 1, close - comma - 1), "+oo", e.hi);
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto type = static_cast<int16_t>(data[0] % inference::kTypeCount);
  const auto side = static_cast<int16_t>(data[1] % 3);
  const std::vector<std::string> line =
      Lines(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
  inference::BoxTexts boxes{line[0], line[1], line[2], line[3],
                            line[4], line[5], line[6], line[7]};
  if (!line[8].empty()) {
    boxes.significanceTyped = true;
    boxes.Significance = line[8];
    boxes.Level = inference::LevelPair(line[8]).partner;
  }

  static inference::TypeTable table = [] {
    inference::TypeTable t;
    inference::FillTypeTable(t);
    return t;
  }();

  const std::string typed = boxes.significanceTyped ? boxes.Significance : boxes.Level;
  const inference::LevelChange pair = inference::LevelPair(typed);
  if (!pair.partner.empty()) {
    const double level = LeerNumero(pair.fixedDot ? "0." : typed);
    // A level typed as a percentage has a percentage as partner.
    const bool percent = pair.partner.back() == '%';
    Shown(percent ? pair.partner.substr(0, pair.partner.size() - 1) : pair.partner,
          "the level's partner is a number");
    const double partner = LeerNumero(pair.partner);
    Require(std::fabs(level + partner - 1) <= 1E-5, "the level and its partner add up to one");
  }

  inference::PanelInput input;
  inference::PanelResult result;
  ErrorFlag = 0;
  inference::Leerdatos_CH(table, type, boxes, input);
  if (ErrorFlag == 0) {
    const inference::TestOutcome test = inference::RunTest(type, side, input, result);
    if (test.ok) {
      const double statistic = Shown(test.statistic, "the statistic is a number");
      const Ends region = ReadEnds(test.region);
      // At most one end is infinite, the open one of a one-sided region: the upper end of
      // a left-tailed region always is, the lower end of a right-tailed one may be.
      Require(region.openHi == (side == inference::kLeft),
              "only a left-tailed region, and every one, is open above");
      Require(!region.openLo || side == inference::kRight,
              "only a right-tailed region is open below");
      Require(region.lo <= region.hi, "the acceptance region's ends are in order");
      if (test.aux) Shown(test.auxText, "the auxiliary value is a number");
      if (test.semiLevels) SemiLevels(test.ncon2, test.nsig2);
      // Both texts are rounded to 6 digits: judge only a statistic clearly in or out.
      const double margin = 1E-4 * std::fmax(1.0, std::fabs(statistic));
      if (statistic > region.lo + margin && statistic < region.hi - margin) {
        Require(test.reject == 0, "a statistic inside the region accepts the null hypothesis");
      } else if (statistic < region.lo - margin || statistic > region.hi + margin) {
        Require(test.reject == 1, "a statistic outside the region rejects it");
      }
    }
  }

  ErrorFlag = 0;
  inference::Leerdatos_IC(table, type, boxes, input);
  if (ErrorFlag == 0) {
    const inference::IntervalOutcome interval = inference::RunInterval(type, input, result);
    if (interval.ok) {
      const Ends ends = ReadEnds(interval.interval);
      Require(!ends.openLo && !ends.openHi, "an interval has finite ends");
      Require(ends.lo <= ends.hi, "the interval's ends are in order");
      if (interval.margin) Require(Shown(interval.marginText, "the margin is a number") >= 0,
                                   "the margin of error is not negative");
      Shown(interval.point1, "the percentage point is a number");
      if (interval.secondPoint) Shown(interval.point2, "the second point is a number");
      if (interval.aux) Shown(interval.auxText, "the auxiliary value is a number");
      SemiLevels(interval.ncon2, interval.nsig2);
    }
  }
  return 0;
}
