// The tests' and intervals' core: worked cases computed independently (tests/data), the
// readers, the level pair, the failures and the pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "inference/inference.h"
#include "numeric/numeric.h"

namespace {

using namespace inference;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.push_back("");
  return fields;
}

std::vector<std::vector<std::string>> WorkedCases() {
  std::ifstream in(std::string(ORVALIS_TEST_DATA_DIR) + "/inference_cases.tsv");
  EXPECT_TRUE(in) << "cannot read inference_cases.tsv";
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') rows.push_back(Fields(line));
  }
  return rows;
}

std::string Typed(const std::string& field) { return field == "-" ? "" : field; }

class InferenceCore : public ::testing::Test {
 protected:
  InferenceCore() { FillTypeTable(table); }
  TypeTable table;
  PanelInput input;
  PanelResult result;
};

// Every worked case, from the typed texts through the reader to the shown texts.
TEST_F(InferenceCore, WorkedCasesMatchTheIndependentComputation) {
  int tests = 0, intervals = 0;
  std::set<std::pair<int, int>> testSides;
  for (const auto& f : WorkedCases()) {
    const int16_t type = static_cast<int16_t>(std::stoi(f[1]));
    if (f[0] == "test") {
      ASSERT_EQ(f.size(), 17u);
      const int16_t side = static_cast<int16_t>(std::stoi(f[2]));
      const BoxTexts boxes{Typed(f[3]), f[4],        Typed(f[5]), Typed(f[6]),
                           Typed(f[7]), Typed(f[8]), Typed(f[9]), f[10]};
      SCOPED_TRACE("test " + f[1] + " side " + f[2] + " H0 " + f[3] + " N1 " + f[4]);
      ErrorFlag = 1;
      Leerdatos_CH(table, type, boxes, input);
      ASSERT_EQ(ErrorFlag, 0);
      const TestOutcome out = RunTest(type, side, input, result);
      ASSERT_TRUE(out.ok);
      EXPECT_EQ(out.region, f[11]);
      EXPECT_EQ(out.statistic, f[12]);
      EXPECT_EQ(out.reject, std::stoi(f[13]));
      EXPECT_EQ(out.semiLevels, side == kTwoSided);
      EXPECT_EQ(out.ncon2, f[14]);
      EXPECT_EQ(out.nsig2, f[15]);
      EXPECT_EQ(out.aux, !f[16].empty());
      EXPECT_EQ(out.auxText, f[16]);
      EXPECT_EQ(ErrorFlag, 0);
      testSides.insert({type, side});
      ++tests;
    } else {
      ASSERT_EQ(f.size(), 16u);
      const BoxTexts boxes{"",          f[2],        Typed(f[3]), Typed(f[4]),
                           Typed(f[5]), Typed(f[6]), Typed(f[7]), f[8]};
      SCOPED_TRACE("interval " + f[1] + " N1 " + f[2]);
      Leerdatos_IC(table, type, boxes, input);
      ASSERT_EQ(ErrorFlag, 0);
      const IntervalOutcome out = RunInterval(type, input, result);
      ASSERT_TRUE(out.ok);
      EXPECT_EQ(out.interval, f[9]);
      EXPECT_EQ(out.ncon2, f[10]);
      EXPECT_EQ(out.nsig2, f[11]);
      EXPECT_EQ(out.margin, !f[12].empty());
      EXPECT_EQ(out.marginText, f[12]);
      EXPECT_EQ(out.point1, f[13]);
      EXPECT_EQ(out.point2, f[14]);
      EXPECT_EQ(out.secondPoint, type == VAR || type == VA2);
      EXPECT_EQ(out.pointCaption, out.secondPoint ? "Percentage points" : "Percentage point");
      EXPECT_EQ(out.auxText, f[15]);
      ++intervals;
    }
  }
  EXPECT_EQ(testSides.size(), 27u) << "every test with every tail";
  EXPECT_GE(intervals, 18);
  EXPECT_GE(tests, 54);
}

TEST_F(InferenceCore, AuxiliaryValuesKeepTheirCaptionsAndStayInTheResults) {
  input = {0, 10, 15, 20.5, 18.1, 4, 9, 0.95, 1 - 0.95};
  struct Case {
    int16_t type;
    const char* caption;
    int16_t picture;
    double PanelResult::*field;
    double value;
  };
  const Case cases[] = {
      {M2D, "Degrees of freedom (Welch approximation)", 5, &PanelResult::WelchDF, 23},
      {M2I, "Pooled standard deviation", 6, &PanelResult::PooledS, 
       std::sqrt(9 * 4 + 14 * 9) / std::sqrt(23.0)},
  };
  for (const Case& c : cases) {
    const TestOutcome test = RunTest(c.type, kTwoSided, input, result);
    EXPECT_EQ(test.auxCaption, c.caption);
    EXPECT_EQ(test.auxPicture, c.picture);
    EXPECT_NEAR(result.*c.field, c.value, 1E-12 * c.value);
    const IntervalOutcome interval = RunInterval(c.type, input, result);
    EXPECT_EQ(interval.auxCaption, c.caption);
    EXPECT_EQ(interval.auxPicture, c.picture);
  }
  input = {0, 50, 70, 0.2, 0.5, 0, 0, 0.95, 0.05};
  const TestOutcome p = RunTest(PR2, kLeft, input, result);
  EXPECT_EQ(p.auxCaption, "Mean of ratio samples");
  EXPECT_EQ(p.auxText, "0.375");
  EXPECT_EQ(p.verdictPicture, 2) << "z outside the region";
  EXPECT_TRUE(RunTest(PR2, kRight, input, result).ok);
  EXPECT_EQ(RunTest(PR2, kRight, input, result).verdictPicture, 1);
  EXPECT_FALSE(RunInterval(PR2, input, result).aux) << "no auxiliary value";
  input = {4, 11, 0, 0, 0, 6, 0, 0.95, 0.05};
  EXPECT_EQ(RunTest(VAR, kLeft, input, result).verdictPicture, 21);
  input.S2 = 5, input.N2 = 11;
  EXPECT_EQ(RunTest(VA2, kLeft, input, result).verdictPicture, 31);
  EXPECT_EQ(RunTest(MVD, kLeft, input, result).verdictPicture, 12);
}

TEST_F(InferenceCore, InputsThatFailTheChecksOrTheArithmeticAreInvalid) {
  struct Case {
    const char* what;
    int16_t type;
    PanelInput in;  // H0 N1 N2 X1 X2 S1 S2 Level Alpha
  };
  const Case cases[] = {
      {"size 1 with a sample variance", MVD, {10, 1, 0, 11, 0, 4, 0, 0.95, 0.05}},
      {"size 1 variance", VAR, {4, 1, 0, 0, 0, 6, 0, 0.95, 0.05}},
      {"size 1 Welch", M2D, {0, 1, 10, 1, 2, 4, 9, 0.95, 0.05}},
      {"size 1 pooled", M2I, {0, 10, 1, 1, 2, 4, 9, 0.95, 0.05}},
      {"size 1 variance ratio", VA2, {0, 10, 1, 0, 0, 4, 9, 0.95, 0.05}},
      {"size 2.5", MVC, {10, 2.5, 0, 11, 0, 4, 0, 0.95, 0.05}},
      {"size 0", PRO, {0.5, 0, 0, 0.3, 0, 0, 0, 0.95, 0.05}},
      {"negative size", M2C, {0, -3, 10, 1, 2, 4, 9, 0.95, 0.05}},
      {"variance 0", MVC, {10, 25, 0, 11, 0, 0, 0, 0.95, 0.05}},
      {"negative second variance", M2C, {0, 25, 10, 1, 2, 4, -9, 0.95, 0.05}},
      {"variance test H0 0", VAR, {0, 11, 0, 0, 0, 6, 0, 0.95, 0.05}},
      {"level 1", MVC, {10, 25, 0, 11, 0, 4, 0, 1, 0}},
      {"level 0", PR2, {0, 25, 10, 0.1, 0.2, 0, 0, 0, 1}},
      {"level 95", MVC, {10, 25, 0, 11, 0, 4, 0, 95, -94}},
      {"statistic overflows", MVC, {-1E+308, 25, 0, 1E+308, 0, 4, 0, 0.95, 0.05}},
      {"interval end overflows", M2C, {0, 25, 10, 1.7E+308, -1.7E+308, 4, 9, 0.95, 0.05}},
      {"Welch quotient overflows", M2D, {0, 2, 2, 1, 2, 1E+300, 1E+300, 0.95, 0.05}},
      {"pooled variance overflows", M2I, {0, 2, 2, 1, 2, 1E+308, 1E+308, 0.95, 0.05}},
      {"degrees of freedom beyond a Long", MVD, {10, 3E+9, 0, 11, 0, 4, 0, 0.95, 0.05}},
      {"F degrees beyond a Long", VA2, {0, 10, 5E+9, 0, 0, 4, 9, 0.95, 0.05}},
      {"pooled degrees beyond a Long", M2I, {0, 2E+9, 2E+9, 1, 2, 4, 9, 0.95, 0.05}},
  };
  for (const Case& c : cases) {
    for (int16_t side = 0; side < 3; ++side) {
      result.StatZ = 77;
      ErrorFlag = 0;
      const TestOutcome out = RunTest(c.type, side, c.in, result);
      EXPECT_FALSE(out.ok) << c.what << " side " << side;
      EXPECT_TRUE(out.region.empty()) << c.what;
    }
    // The intervals read no null value.
    if (std::string(c.what) != "statistic overflows" &&
        std::string(c.what) != "variance test H0 0") {
      EXPECT_FALSE(RunInterval(c.type, c.in, result).ok) << c.what;
    }
  }
  // A failing test keeps the older results for the checks that come first.
  result.StatZ = 77;
  RunTest(MVC, kTwoSided, cases[8].in, result);
  EXPECT_EQ(result.StatZ, 77);
}

TEST_F(InferenceCore, AStatisticOnAnEndOfTheRegionIsNotRejected) {
  // With a variance of 1 and one observation the statistic is X1 - H0 itself.
  const double c = NormalInversa(1 - 0.05 / 2), c1 = NormalInversa(1 - 0.05);
  struct Case {
    int16_t side;
    double x1;
    int16_t reject;
  };
  const Case cases[] = {
      {kTwoSided, c, 0},  {kTwoSided, -c, 0},  {kTwoSided, std::nextafter(c, 9), 1},
      {kTwoSided, std::nextafter(-c, -9), 1},  {kRight, c1, 0},
      {kRight, std::nextafter(c1, 9), 1},      {kLeft, -c1, 0},
      {kLeft, std::nextafter(-c1, -9), 1},     {kLeft, 1E+6, 0},
      {kRight, -1E+6, 0},
  };
  for (const Case& k : cases) {
    const TestOutcome out = RunTest(MVC, k.side, {0, 1, 0, k.x1, 0, 1, 0, 0.95, 1 - 0.95}, result);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.reject, k.reject) << k.side << " " << k.x1;
  }
}

TEST_F(InferenceCore, TheReadersStopAtTheFirstBadBox) {
  struct Case {
    const char* what;
    bool test;  // Leerdatos_CH, else Leerdatos_IC
    int16_t type;
    BoxTexts boxes;  // H0 N1 N2 X1 X2 S1 S2 Level
    int16_t flag;
    double PanelInput::*untouched;  // a field the reader must not reach (nullptr: none)
  };
  const Case cases[] = {
      {"all of MVC", true, MVC, {"10", "25", "", "10.5", "", "4", "", "0.95"}, 0, nullptr},
      {"blank variance", true, MVC, {"10", "25", "", "10.5", "", "", "", "0.95"}, 1,
       &PanelInput::Level},
      {"blanks only", true, MVC, {"10", "25", "", "10.5", "", "   ", "", "0.95"}, 1,
       &PanelInput::Level},
      {"blank H0", true, MVC, {" ", "25", "", "10.5", "", "4", "", "0.95"}, 1, &PanelInput::N1},
      {"H0 hidden for 2VA", true, VA2, {"", "10", "15", "", "", "4", "9", "0.95"}, 0, nullptr},
      {"H0 hidden for 2PR", true, PR2, {"", "10", "15", "0.2", "0.3", "", "", "0.95"}, 0,
       nullptr},
      {"proportion H0 1", true, PRO, {"1", "25", "", "0.3", "", "", "", "0.95"}, 1,
       &PanelInput::N1},
      {"proportion 0", true, PRO, {"0.5", "25", "", "0", "", "", "", "0.95"}, 1,
       &PanelInput::Level},
      {"proportion test passes", true, PRO, {"0.5", "25", "", "0.3", "", "", "", "0.95"}, 0,
       nullptr},
      {"second proportion 1.2", true, PR2, {"", "25", "30", "0.3", "1.2", "", "", "0.95"}, 1,
       &PanelInput::Level},
      {"mean 1.2 is no proportion", true, M2C, {"0", "25", "30", "0.3", "1.2", "4", "5", "0.95"},
       0, nullptr},
      {"division by zero", true, MVC, {"10", "25", "", "1/0", "", "4", "", "0.95"}, 1,
       &PanelInput::S1},
      {"too large", true, MVC, {"10", "25", "", "10.5", "", "1E+400", "", "0.95"}, 1,
       &PanelInput::Level},
      {"level 100% passes the reader", true, MVC, {"10", "25", "", "1", "", "4", "", "100%"}, 0,
       nullptr},
      {"text reads as a number", true, MVC, {"10", "25", "", "abc", "", "4", "", "0.95"}, 0,
       nullptr},
      {"blank level", true, MVC, {"10", "25", "", "10.5", "", "4", "", ""}, 1, nullptr},
      {"interval ignores H0", false, MVC, {"", "25", "", "10.5", "", "4", "", "0.95"}, 0,
       nullptr},
      {"interval proportion 1.5", false, PRO, {"", "25", "", "1.5", "", "", "", "0.95"}, 1,
       &PanelInput::Level},
      {"interval second proportion 1", false, PR2, {"", "25", "30", "0.5", "1", "", "", "0.95"},
       1, &PanelInput::Level},
      {"interval blank second size", false, M2C, {"", "25", "", "1", "2", "4", "5", "0.95"}, 1,
       &PanelInput::X1},
      {"interval variance as a fraction", false, VAR, {"", "11", "", "", "", "12/2", "", "95%"}, 0,
       nullptr},
  };
  for (const Case& c : cases) {
    PanelInput in;
    in.H0 = in.N1 = in.N2 = in.X1 = in.X2 = in.S1 = in.S2 = in.Level = -5;
    ErrorFlag = 1 - c.flag;
    if (c.test) {
      Leerdatos_CH(table, c.type, c.boxes, in);
    } else {
      Leerdatos_IC(table, c.type, c.boxes, in);
    }
    EXPECT_EQ(ErrorFlag, c.flag) << c.what;
    if (c.untouched != nullptr) {
      EXPECT_EQ(in.*c.untouched, -5) << c.what;
    }
    if (c.flag == 0) {
      const Boxes visible = VisibleBoxes(table, c.type);
      EXPECT_EQ(in.Alpha, 1 - in.Level) << c.what;
      EXPECT_EQ(in.N1, LeerNumero(c.boxes.N1)) << c.what;
      if (!visible.N2) {
        EXPECT_EQ(in.N2, -5) << c.what << ": a hidden box keeps its field";
      }
      if (!visible.S1) {
        EXPECT_EQ(in.S1, -5) << c.what;
      }
      if (!c.test || !visible.H0) {
        EXPECT_EQ(in.H0, -5) << c.what;
      }
      if (visible.S1) {
        EXPECT_EQ(in.S1, LeerNumero(c.boxes.S1)) << c.what;
      }
    }
  }
}

TEST_F(InferenceCore, TheLevelPairFillsThePartner) {
  struct Case {
    const char* typed;
    bool fixedDot;
    const char* partner;
  };
  const Case cases[] = {
      {"0.95", false, "0.05"}, {"95%", false, "5%"},     {"97.5%", false, "2.5%"},
      {"1/20", false, "0.95"}, {"95", false, ""},        {".", true, ""},
      {"0", false, ""},        {"1", false, ""},         {"100%", false, ""},
      {"", false, ""},         {"1/0", false, ""},       {"0.123456789", false, "0.876543"},
      {"-0.5", false, ""},     {"abc", false, ""},       {" 0.9 ", false, "0.1"},
  };
  for (const Case& c : cases) {
    ErrorFlag = 1;
    const LevelChange change = LevelPair(c.typed);
    EXPECT_EQ(change.fixedDot, c.fixedDot) << c.typed;
    EXPECT_EQ(change.partner, c.partner) << c.typed;
    EXPECT_EQ(ErrorFlag, 1) << "the pair leaves the flag alone";
  }
}

TEST_F(InferenceCore, EachTypeShowsItsBoxesAndPictures) {
  struct Case {
    int16_t type;
    const char* boxes;  // H0 N2 X1 X2 S1 S2 as 0/1
    const char* graphLeft;
    const char* formulaRight;
    const char* intervalGraph;
    const char* intervalFormula;
    const char* margin;
  };
  const Case cases[] = {
      {MVC, "101010", "CH_DNL.gif", "CH_FMVCR.gif", "IC_DN.GIF", "IC_FMVC.GIF", "IC_EMVC.GIF"},
      {MVD, "101010", "CH_DTL.gif", "CH_FMVDR.gif", "IC_DT.GIF", "IC_FMVD.GIF", "IC_EMVD.GIF"},
      {VAR, "100010", "CH_DXL.gif", "CH_FVARR.gif", "IC_DX.GIF", "IC_FVAR.GIF", "IC_EVAR.GIF"},
      {PRO, "101000", "CH_DNL.gif", "CH_FPROR.gif", "IC_DN.GIF", "IC_FPRO.GIF", "IC_EPRO.GIF"},
      {M2C, "111111", "CH_DNL.gif", "CH_F2MCR.gif", "IC_DN.GIF", "IC_F2MC.GIF", "IC_E2MC.GIF"},
      {M2D, "111111", "CH_DTL.gif", "CH_F2MDR.gif", "IC_DT.GIF", "IC_F2MD.GIF", "IC_E2MD.GIF"},
      {M2I, "111111", "CH_DTL.gif", "CH_F2MIR.gif", "IC_DT.GIF", "IC_F2MI.GIF", "IC_E2MI.GIF"},
      {VA2, "010011", "CH_DFL.gif", "CH_F2VAR.gif", "IC_DF.GIF", "IC_F2VA.GIF", "IC_E2VA.GIF"},
      {PR2, "011100", "CH_DNL.gif", "CH_F2PRR.gif", "IC_DN.GIF", "IC_F2PR.GIF", "IC_E2PR.GIF"},
  };
  for (const Case& c : cases) {
    const Boxes b = VisibleBoxes(table, c.type);
    const std::string shown{char('0' + b.H0), char('0' + b.N2), char('0' + b.X1),
                            char('0' + b.X2), char('0' + b.S1), char('0' + b.S2)};
    EXPECT_EQ(shown, c.boxes) << c.type;
    EXPECT_EQ(TestPictureNames(table, c.type, kLeft).graph, c.graphLeft);
    EXPECT_EQ(TestPictureNames(table, c.type, kRight).formula, c.formulaRight);
    const IntervalPictures ip = IntervalPictureNames(table, c.type);
    EXPECT_EQ(ip.graph, c.intervalGraph);
    EXPECT_EQ(ip.formula, c.intervalFormula);
    EXPECT_EQ(ip.margin, c.margin);
  }
  EXPECT_EQ(TestPictureNames(table, MVD, kTwoSided).graph, "CH_DTB.gif");
  EXPECT_EQ(TestPictureNames(table, MVD, kTwoSided).formula, "CH_FMVDB.gif");

  const std::vector<std::string> all = AllPictureNames();
  const std::set<std::string> unique(all.begin(), all.end());
  EXPECT_EQ(unique.size(), all.size()) << "no name twice";
  // 12 graphs and 27 formulas of the tests, 4 + 9 + 9 of the intervals, 18 hypotheses, 10
  // size/mean/variance symbols, 6 parameters, 9 percentage points, 12 statistics, 3
  // auxiliary symbols and the two semi-significance pictures.
  EXPECT_EQ(all.size(), 12u + 27 + 22 + 18 + 10 + 6 + 9 + 12 + 3 + 2);
  for (const char* name : {"ImgH0H1_21.gif", "ImgPP_11.gif", "ImgNMVP_10.gif", "ImgIC_3.gif",
                           "ImgIC_PAR_7.gif", "ImgPESP_5.gif", "ImgALFA2.gif", "Img1MAlfa2.gif",
                           "CH_DFB.gif", "IC_E2PR.GIF"}) {
    EXPECT_EQ(unique.count(name), 1u) << name;
  }
}

}  // namespace
