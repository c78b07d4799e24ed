// The tests' and intervals' core: worked cases computed independently (tests/data), the
// readers, the level pair, the failures and the pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <tuple>

#include "inference/inference.h"
#include "numeric/numeric.h"
#include "support/reference_rows.h"

namespace {

using namespace inference;

// The fields of a line split at sep; "-" stands for a box left blank.
std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, sep);) fields.push_back(f == "-" ? "" : f);
  if (!line.empty() && line.back() == sep) fields.push_back("");
  return fields;
}

// The eight boxes H0 N1 N2 X1 X2 S1 S2 Level, written "10|25||10.5||4||0.95".
BoxTexts Boxes8(const std::string& text) {
  const auto f = Split(text, '|');
  return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
}

class InferenceCore : public ::testing::Test {
 protected:
  InferenceCore() { FillTypeTable(table); }

  // A test's shown texts against a reference row's from field i on: region, statistic,
  // reject, the two semi-levels and the auxiliary value.
  void ExpectTest(int16_t type, int16_t side, const BoxTexts& boxes,
                  const std::vector<std::string>& f, size_t i) {
    ErrorFlag = 1;
    Leerdatos_CH(table, type, boxes, input);
    ASSERT_EQ(ErrorFlag, 0);
    const TestOutcome out = RunTest(type, side, input, result);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(std::tie(out.region, out.statistic), std::tie(f[i], f[i + 1]));
    EXPECT_EQ(out.reject, std::stoi(f[i + 2]));
    EXPECT_EQ(std::tie(out.ncon2, out.nsig2, out.auxText), std::tie(f[i + 3], f[i + 4], f[i + 5]));
    EXPECT_EQ(out.aux, !f[i + 5].empty());
  }

  // An interval's: the interval, the semi-levels, the margin, the points and the auxiliary
  // value.
  void ExpectInterval(int16_t type, const BoxTexts& boxes, const std::vector<std::string>& f,
                      size_t i) {
    Leerdatos_IC(table, type, boxes, input);
    ASSERT_EQ(ErrorFlag, 0);
    const IntervalOutcome out = RunInterval(type, input, result);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.interval, f[i]);
    EXPECT_EQ(std::tie(out.ncon2, out.nsig2, out.marginText),
              std::tie(f[i + 1], f[i + 2], f[i + 3]));
    EXPECT_EQ(out.margin, !f[i + 3].empty());
    EXPECT_EQ(std::tie(out.point1, out.point2, out.auxText),
              std::tie(f[i + 4], f[i + 5], f[i + 6]));
  }

  TypeTable table;
  PanelInput input;
  PanelResult result;
};

// Every worked case, from the typed texts through the reader to the shown texts.
TEST_F(InferenceCore, WorkedCasesMatchTheIndependentComputation) {
  int intervals = 0;
  std::set<std::pair<int, int>> testSides;
  for (const auto& f : testing_support::ReferenceRows("inference_cases.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    const auto type = static_cast<int16_t>(std::stoi(f[1]));
    if (f[0] == "test") {
      ASSERT_EQ(f.size(), 17u);
      const auto side = static_cast<int16_t>(std::stoi(f[2]));
      ExpectTest(type, side, {f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]}, f, 11);
      testSides.insert({type, side});
    } else {
      ASSERT_EQ(f.size(), 16u);
      ExpectInterval(type, {"", f[2], f[3], f[4], f[5], f[6], f[7], f[8]}, f, 9);
      ++intervals;
    }
  }
  EXPECT_EQ(testSides.size(), 27u) << "every test with every tail";
  EXPECT_GE(intervals, 18);
}

// The level pair as the user leaves it: the level typed into one box ("NCon" confidence,
// "NSig" significance), the other showing its 6-digit partner.
BoxTexts WithLevel(BoxTexts boxes, const std::string& box, const std::string& typed) {
  const std::string partner = LevelPair(typed).partner;
  boxes.significanceTyped = box == "NSig";
  boxes.Level = boxes.significanceTyped ? partner : typed;
  boxes.Significance = boxes.significanceTyped ? typed : partner;
  return boxes;
}

// Cases at the ends of the boxes (tools/inference_reference.py, 40-digit mpmath): a level
// typed in either box is computed as typed, not as its partner's 6 digits read back; and
// variances next to the ends of the doubles give the results a double holds, where their
// squares, their quotients by the sizes or Welch's terms squared do not.
TEST_F(InferenceCore, ExtremeCasesMatchTheFortyDigitComputation) {
  int significances = 0;
  for (const auto& f : testing_support::ReferenceRows("inference_extremes.tsv")) {
    SCOPED_TRACE(testing::PrintToString(f));
    const auto type = static_cast<int16_t>(std::stoi(f[1]));
    if (f[0] == "test") {
      ASSERT_EQ(f.size(), 18u);
      const auto side = static_cast<int16_t>(std::stoi(f[2]));
      const BoxTexts boxes = {f[3], f[4], f[5], f[6], f[7], f[8], f[9], ""};
      ExpectTest(type, side, WithLevel(boxes, f[10], f[11]), f, 12);
    } else {
      ASSERT_EQ(f.size(), 17u);
      const BoxTexts boxes = {"", f[2], f[3], f[4], f[5], f[6], f[7], ""};
      ExpectInterval(type, WithLevel(boxes, f[8], f[9]), f, 10);
    }
    significances += std::count(f.begin(), f.end(), "NSig");
  }
  EXPECT_GE(significances, 20);
}

// The auxiliary values' texts are in the worked cases; their captions and the verdict
// pictures are not.
TEST_F(InferenceCore, AuxiliaryCaptionsAndVerdictPictures) {
  input = {0, 10, 15, 20.5, 18.1, 4, 9, 0.95, 1 - 0.95};
  const auto welch = RunTest(M2D, kTwoSided, input, result);
  const auto pooled = RunInterval(M2I, input, result);
  EXPECT_EQ(RunInterval(M2D, input, result).auxCaption, welch.auxCaption);
  EXPECT_EQ(RunTest(M2I, kLeft, input, result).auxCaption, pooled.auxCaption);
  EXPECT_EQ(welch.auxPicture * 10 + pooled.auxPicture, 56);
  input = {0, 50, 70, 0.2, 0.5, 0, 0, 0.95, 0.05};
  const TestOutcome p = RunTest(PR2, kLeft, input, result);
  EXPECT_EQ(p.auxCaption + " " + p.auxText, "Mean of ratio samples 0.375");
  EXPECT_EQ(p.verdictPicture, 2) << "z outside the region";
  EXPECT_EQ(RunTest(PR2, kRight, input, result).verdictPicture, 1);
  input = {4, 11, 0, 0, 0, 6, 0, 0.95, 0.05};
  EXPECT_EQ(RunTest(VAR, kLeft, input, result).verdictPicture, 21);
  input.S2 = 5, input.N2 = 11;
  EXPECT_EQ(RunTest(VA2, kLeft, input, result).verdictPicture, 31);
  EXPECT_EQ(RunTest(MVD, kLeft, input, result).verdictPicture, 12);
}

TEST_F(InferenceCore, InputsThatFailTheChecksOrTheArithmeticAreInvalid) {
  // What, type, H0 N1 N2 X1 X2 S1 S2 Level Alpha, whether the interval (which reads no null
  // value) fails too.
  const std::tuple<const char*, int16_t, PanelInput, bool> cases[] = {
      {"size 1 with a sample variance", MVD, {10, 1, 0, 11, 0, 4, 0, 0.95, 0.05}, true},
      {"size 1 variance", VAR, {4, 1, 0, 0, 0, 6, 0, 0.95, 0.05}, true},
      {"size 1 Welch", M2D, {0, 1, 10, 1, 2, 4, 9, 0.95, 0.05}, true},
      {"size 2.5", MVC, {10, 2.5, 0, 11, 0, 4, 0, 0.95, 0.05}, true},
      {"size 0", PRO, {0.5, 0, 0, 0.3, 0, 0, 0, 0.95, 0.05}, true},
      {"negative size", M2C, {0, -3, 10, 1, 2, 4, 9, 0.95, 0.05}, true},
      {"variance 0", MVC, {10, 25, 0, 11, 0, 0, 0, 0.95, 0.05}, true},
      {"negative second variance", M2C, {0, 25, 10, 1, 2, 4, -9, 0.95, 0.05}, true},
      {"variance test H0 below 0", VAR, {-4, 11, 0, 0, 0, 6, 0, 0.95, 0.05}, false},
      {"level 0", PR2, {0, 25, 10, 0.1, 0.2, 0, 0, 0, 1}, true},
      {"level 95", MVC, {10, 25, 0, 11, 0, 4, 0, 95, -94}, true},
      {"statistic overflows", MVC, {-1E+308, 25, 0, 1E+308, 0, 4, 0, 0.95, 0.05}, false},
      {"interval end overflows", M2C, {0, 25, 10, 1.7E+308, -1.7E+308, 4, 9, 0.95, 0.05}, true},
      // Huge variances alone no longer fail (the 40-digit extreme cases); results past the
      // doubles or the infinite mark still do.
      {"Welch statistic overflows", M2D, {0, 2, 2, 1.7E+308, -1.7E+308, 1, 1, 0.95, 0.05}, true},
      {"pooled statistic at the mark", M2I, {0, 2, 2, 1E+300, -1E+300, 1, 1, 0.95, 0.05}, true},
      {"degrees of freedom beyond a Long", MVD, {10, 3E+9, 0, 11, 0, 4, 0, 0.95, 0.05}, true},
      {"F degrees beyond a Long", VA2, {0, 10, 5E+9, 0, 0, 4, 9, 0.95, 0.05}, true},
      {"pooled degrees beyond a Long", M2I, {0, 2E+9, 2E+9, 1, 2, 4, 9, 0.95, 0.05}, true},
      // The statistic 5.69E+300 lies beyond the marks of the region's open ends.
      {"statistic beyond the infinite mark", VAR, {1, 6.324E+299, 0, 0, 0, 9, 0, 0.24, 0.76},
       false},
      // A region starting at 2.2E+300 and interval ends near 3E+300 would show as "+oo".
      {"region beyond the infinite mark", VAR, {4, 2.2E+300, 0, 0, 0, 0.52, 0, 0.08, 0.92},
       false},
      {"interval beyond the infinite mark", VA2, {0, 9, 915, 0, 0, 5.6324E+300, 2, 0.09, 0.91},
       true},
  };
  for (const auto& [what, type, in, interval] : cases) {
    for (int16_t side = 0; side < 3; ++side) {
      EXPECT_FALSE(RunTest(type, side, in, result).ok) << what << " side " << side;
    }
    EXPECT_TRUE(!interval || !RunInterval(type, in, result).ok) << what;
  }
}

// Finite results the size of the infinite mark once showed as its open ends, "( +oo  ,   +oo )":
// the inputs random fuzzing found (kept in fuzz/regressions/inference_input) and a t point
// the library puts at the mark. They are refused; -oo and +oo stay the open end of a
// one-sided region only.
TEST_F(InferenceCore, FiniteResultsAtTheInfiniteMarkAreRefused) {
  // H0|N1|N2|X1|X2|S1|S2|Level, the type, the tail, the test's statistic and region ("":
  // refused), the level typed as a significance instead ("": none).
  const std::tuple<const char*, int16_t, int16_t, const char*, const char*, const char*> cases[] = {
      // (1E300 - 22) / sqrt(0.1/10 + 22222/12) = 2.32380E+298 (30-digit mpmath); the interval
      // 1E300 -+ 84.3 is refused.
      {"0|10|12|1E300|22|.1|22222|.95", M2C, kTwoSided, "2.3238E+298",
       "( -1.95996  ,   1.95996 )", ""},
      // The same with Welch's 11 degrees of freedom (11.0001, mpmath).
      {"0|10|12|-1E300|22|.1|22222|.95", M2D, kTwoSided, "-2.3238E+298",
       "( -2.20099  ,   2.20099 )", ""},
      // 1E300 - 1 degrees of freedom put both chi-square points at the mark: the region's
      // lower end and the interval's points.
      {"2222|1E300||||5||0.8", VAR, kLeft, "", "", ""},
      {"2222|1E300||||5||0.8", VAR, kRight, "", "", ""},
      // One degree of freedom: the t point of 5E-302 is 1/(pi 5E-302) = 6.4E+300.
      {"0|2||1||1||", MVD, kTwoSided, "", "", "1E-301"},
      {"0|2||1||1||", MVD, kRight, "", "", "1E-301"},
  };
  for (const auto& [texts, type, side, statistic, region, significance] : cases) {
    SCOPED_TRACE(texts);
    BoxTexts boxes = Boxes8(texts);
    if (*significance != '\0') boxes = WithLevel(boxes, "NSig", significance);
    Leerdatos_CH(table, type, boxes, input);
    ASSERT_EQ(ErrorFlag, 0);
    const TestOutcome test = RunTest(type, side, input, result);
    EXPECT_EQ(test.ok, *statistic != '\0');
    EXPECT_EQ(std::tie(test.statistic, test.region), std::tie(statistic, region));
    Leerdatos_IC(table, type, boxes, input);
    ASSERT_EQ(ErrorFlag, 0);
    EXPECT_FALSE(RunInterval(type, input, result).ok);
  }
}

// A level as close to 1 as a double goes leaves an alpha below the rounding of 1: each
// point comes from the small tail itself (z of 5.55E-17 is 8.29236, of 1.11E-16 8.20954,
// from 30-digit mpmath). A chi-square of 1E+17 degrees of freedom still has its points, the
// interval of a variance of 6 then being 6 to within 1E-8.
TEST_F(InferenceCore, DeepLevelsAndHugeSamplesKeepTheirPoints) {
  const double level = 0.9999999999999999;
  const PanelInput mean{0, 3, 0, 9, 0, 4, 0, level, 1 - level};
  const IntervalOutcome interval = RunInterval(MVC, mean, result);
  ASSERT_TRUE(interval.ok);
  EXPECT_EQ(interval.point1, "8.29236");
  EXPECT_EQ(RunTest(MVC, kTwoSided, mean, result).region, "( -8.29236  ,   8.29236 )");
  EXPECT_EQ(RunTest(MVC, kLeft, mean, result).region, "( -8.20954  ,   +oo )");
  EXPECT_EQ(RunTest(MVC, kRight, mean, result).region, "( -oo  ,   8.20954 )");

  // A level near 0 leaves tails a hair below one half each: both ends of the region come
  // from one routine and stay in order.
  const PanelInput ratio{0, 10, 1.04446E+9, 0, 0, 4, 2, 5.4E-10, 1 - 5.4E-10};
  const std::string region = RunTest(VA2, kTwoSided, ratio, result).region;
  const size_t comma = region.find(',');
  ASSERT_NE(comma, std::string::npos) << region;
  EXPECT_LE(LeerNumero(region.substr(1, comma - 1)), LeerNumero(region.substr(comma + 1)))
      << region;

  // A tiny significance puts the lower end of a variance ratio's region at a tiny lower
  // tail, which only its own routine keeps: from 1 - 1E-12 it would be 2.46729E-24.
  const double tiny = 1E-12;
  EXPECT_EQ(RunTest(VA2, kLeft, {0, 2, 2, 0, 0, 1, 1, 1 - tiny, tiny}, result).region,
            "( 2.4674E-24  ,   +oo )");
  EXPECT_EQ(RunTest(VA2, kLeft, {0, 5, 10, 0, 0, 1, 1, 1 - tiny, tiny}, result).region,
            "( 6.39603E-07  ,   +oo )");

  const PanelInput variance{4, 1E+17, 0, 0, 0, 6, 0, 0.95, 0.05};
  const IntervalOutcome wide = RunInterval(VAR, variance, result);
  ASSERT_TRUE(wide.ok);
  EXPECT_EQ(wide.interval, " ( 6  ,   6 )");
  EXPECT_TRUE(RunTest(VAR, kTwoSided, variance, result).ok);
}

TEST_F(InferenceCore, AStatisticOnAnEndOfTheRegionIsNotRejected) {
  // With a variance of 1 and one observation the statistic is X1 - H0 itself.
  const double c = NormalInversa(1 - 0.05 / 2), c1 = NormalInversa(1 - 0.05);
  const std::tuple<int16_t, double, int16_t> cases[] = {
      {kTwoSided, c, 0}, {kTwoSided, -c, 0}, {kTwoSided, std::nextafter(c, 9), 1},
      {kTwoSided, std::nextafter(-c, -9), 1}, {kRight, c1, 0}, {kRight, std::nextafter(c1, 9), 1},
      {kLeft, -c1, 0}, {kLeft, std::nextafter(-c1, -9), 1}, {kLeft, 1E+6, 0}, {kRight, -1E+6, 0}};
  for (const auto& [side, x1, reject] : cases) {
    const TestOutcome out = RunTest(MVC, side, {0, 1, 0, x1, 0, 1, 0, 0.95, 1 - 0.95}, result);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.reject, reject) << side << " " << x1;
  }
}

TEST_F(InferenceCore, TheReadersStopAtTheFirstBadBox) {
  using P = PanelInput;
  // What, Leerdatos_CH (else Leerdatos_IC), type, the boxes H0|N1|N2|X1|X2|S1|S2|Level, the
  // flag, a field the reader must not reach (nullptr: none).
  const std::tuple<const char*, bool, int16_t, const char*, int16_t, double P::*> cases[] = {
      {"all of MVC", true, MVC, "10|25||10.5||4||0.95", 0, nullptr},
      {"blanks only", true, MVC, "10|25||10.5||   ||0.95", 1, &P::Level},
      {"blank H0", true, MVC, " |25||10.5||4||0.95", 1, &P::N1},
      {"H0 hidden for 2VA", true, VA2, "|10|15|||4|9|0.95", 0, nullptr},
      {"proportion H0 1", true, PRO, "1|25||0.3||||0.95", 1, &P::N1},
      {"proportion 0", true, PRO, "0.5|25||0||||0.95", 1, &P::Level},
      {"mean 1.2 is no proportion", true, M2C, "0|25|30|0.3|1.2|4|5|0.95", 0, nullptr},
      {"division by zero", true, MVC, "10|25||1/0||4||0.95", 1, &P::S1},
      {"too large", true, MVC, "10|25||10.5||1E+400||0.95", 1, &P::Level},
      {"text reads as a number", true, MVC, "10|25||abc||4||0.95", 0, nullptr},
      {"blank level", true, MVC, "10|25||10.5||4||", 1, nullptr},
      {"interval second proportion 1", false, PR2, "|25|30|0.5|1|||0.95", 1, &P::Level},
      {"interval blank second size", false, M2C, "|25||1|2|4|5|0.95", 1, &P::X1},
      {"interval variance as a fraction", false, VAR, "|11||||12/2||95%", 0, nullptr},
  };
  for (const auto& [what, test, type, texts, flag, untouched] : cases) {
    SCOPED_TRACE(what);
    const BoxTexts boxes = Boxes8(texts);
    PanelInput in;
    in.H0 = in.N1 = in.N2 = in.X1 = in.X2 = in.S1 = in.S2 = in.Level = -5;
    ErrorFlag = 1 - flag;
    (test ? Leerdatos_CH : Leerdatos_IC)(table, type, boxes, in);
    EXPECT_EQ(ErrorFlag, flag);
    EXPECT_TRUE(untouched == nullptr || in.*untouched == -5);
    if (flag != 0) continue;
    // Fields of hidden boxes keep their values.
    const auto visible = VisibleBoxes(table, type);
    EXPECT_EQ(in.S1, visible.S1 ? LeerNumero(boxes.S1) : -5);
    EXPECT_TRUE(visible.N2 || in.N2 == -5);
    EXPECT_TRUE((test && visible.H0) || in.H0 == -5);
  }
}

TEST_F(InferenceCore, TheLevelPairFillsThePartner) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"0.95", false, "0.05"}, {"95%", false, "5%"},  {"1/20", false, "0.95"},
      {"95", false, ""},       {".", true, ""},       {"0", false, ""},
      {"100%", false, ""},     {"", false, ""},       {"1/0", false, ""},
      {" 0.9 ", false, "0.1"}, {"0.123456789", false, "0.876543"}};
  for (const auto& [typed, fixedDot, partner] : cases) {
    ErrorFlag = 1;
    const LevelChange change = LevelPair(typed);
    EXPECT_EQ(change.fixedDot, fixedDot) << typed;
    EXPECT_EQ(change.partner, partner) << typed;
    EXPECT_EQ(ErrorFlag, 1) << "the pair leaves the flag alone";
  }
}

// A picture's name joins the type's law or code with the tail: L, R, or B for both.
TEST_F(InferenceCore, PictureNamesJoinTheTypeAndTheTail) {
  EXPECT_EQ(TestPictureNames(table, VA2, kLeft).graph, "CH_DFL.gif");
  EXPECT_EQ(TestPictureNames(table, M2C, kRight).formula, "CH_F2MCR.gif");
  EXPECT_EQ(TestPictureNames(table, MVD, kTwoSided).graph, "CH_DTB.gif");
  EXPECT_EQ(TestPictureNames(table, VAR, kTwoSided).formula, "CH_FVARB.gif");
  const IntervalPictures ip = IntervalPictureNames(table, M2I);
  EXPECT_EQ(ip.graph + " " + ip.formula + " " + ip.margin, "IC_DT.GIF IC_F2MI.GIF IC_E2MI.GIF");
  // That every name the panels can ask for is shipped is the picture set's own test.
}

}  // namespace
