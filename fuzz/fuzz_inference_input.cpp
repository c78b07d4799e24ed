// The test and interval panels from what the user types: the first two bytes choose the
// type and the tail, the rest are the panel's boxes (null hypothesis, sizes, means, variances,
// confidence level), one per line. Reading and computing must never crash, and what the
// panels show must hold together: finite numbers, an interval with its ends in order, a
// decision that agrees with the statistic and the acceptance region, and a level pair whose
// two halves add up to one.
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
  lines.resize(8);
  return lines;
}

// A shown number: finite, and not one of the texts a failed format leaves.
double Shown(const std::string& text, const char* what) {
  Require(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos, what);
  const double v = LeerNumero(text);
  Require(std::isfinite(v) && v != NoValue, what);
  return v;
}

// The two ends of "( a  ,  b )"; "-oo" and "+oo" stand for the infinite ends of a region.
bool Ends(const std::string& text, double& lo, double& hi) {
  const size_t open = text.find('('), comma = text.find(',', open), close = text.find(')', comma);
  if (open == std::string::npos || comma == std::string::npos || close == std::string::npos) {
    return false;
  }
  auto end = [](std::string part, double infinite) {
    part.erase(0, part.find_first_not_of(' '));
    part.erase(part.find_last_not_of(' ') + 1);
    if (part == "-oo" || part == "+oo") return infinite;
    return Shown(part, "an end of a region or interval is a number");
  };
  lo = end(text.substr(open + 1, comma - open - 1), -HUGE_VAL);
  hi = end(text.substr(comma + 1, close - comma - 1), HUGE_VAL);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto type = static_cast<int16_t>(data[0] % inference::kTypeCount);
  const auto side = static_cast<int16_t>(data[1] % 3);
  const std::vector<std::string> line =
      Lines(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
  const inference::BoxTexts boxes{line[0], line[1], line[2], line[3],
                                  line[4], line[5], line[6], line[7]};

  static inference::TypeTable table = [] {
    inference::TypeTable t;
    inference::FillTypeTable(t);
    return t;
  }();

  const inference::LevelChange pair = inference::LevelPair(boxes.Level);
  if (!pair.partner.empty()) {
    const double level = LeerNumero(pair.fixedDot ? "0." : boxes.Level);
    const double partner = Shown(pair.partner, "the level's partner is a number");
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
      double lo = 0, hi = 0;
      Require(Ends(test.region, lo, hi), "the acceptance region reads as two ends");
      Require(lo <= hi, "the acceptance region's ends are in order");
      // Both texts are rounded to 6 digits: judge only a statistic clearly in or out.
      const double margin = 1E-4 * std::fmax(1.0, std::fabs(statistic));
      if (statistic > lo + margin && statistic < hi - margin) {
        Require(test.reject == 0, "a statistic inside the region accepts the null hypothesis");
      } else if (statistic < lo - margin || statistic > hi + margin) {
        Require(test.reject == 1, "a statistic outside the region rejects it");
      }
    }
  }

  ErrorFlag = 0;
  inference::Leerdatos_IC(table, type, boxes, input);
  if (ErrorFlag == 0) {
    const inference::IntervalOutcome interval = inference::RunInterval(type, input, result);
    if (interval.ok) {
      double lo = 0, hi = 0;
      Require(Ends(interval.interval, lo, hi), "the interval reads as two ends");
      Require(std::isfinite(lo) && std::isfinite(hi), "an interval has finite ends");
      Require(lo <= hi, "the interval's ends are in order");
      if (interval.margin) Require(Shown(interval.marginText, "the margin is a number") >= 0,
                                   "the margin of error is not negative");
      Shown(interval.point1, "the percentage point is a number");
      if (interval.secondPoint) Shown(interval.point2, "the second point is a number");
    }
  }
  return 0;
}
