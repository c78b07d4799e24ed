// The distribution panel's core: the reference cases, the reading of the boxes, the boxes'
// change handlers, the commands, and the view per distribution and mode.
#include <gtest/gtest.h>

#include <set>

#include "numeric/numeric.h"
#include "probability/distribution_panel_core.h"
#include "support/reference_rows.h"
#include "support/scripted_ui.h"

namespace {

using probability::BlankDI;
using probability::BoxDI;
using Five = std::array<std::string, 5>;  // the boxes PAR1 PAR2 PROB PP1 PP2

constexpr BoxDI kAll[] = {BoxDI::TxtPAR1, BoxDI::TxtPAR2, BoxDI::txt_PROB, BoxDI::TxtPP1,
                          BoxDI::TxtPP2};

struct Panel {
  Panel(int16_t tipo, int16_t side) {
    shared::FillDistributionTable(state);
    core.OptDI_Click(tipo);
    core.OptSIDE_DI_Click(side);
  }
  // Fills the boxes as a user would who typed them all, in the order PAR1..PP2.
  void Type(const Five& texts) {
    state.Updating = true;
    for (int i = 0; i < 5; ++i) core.SetText(kAll[i], texts[i]);
    state.Updating = false;
  }
  Five Texts() const {
    Five texts;
    for (int i = 0; i < 5; ++i) texts[i] = core.Text(kAll[i]);
    return texts;
  }
  // Calculate; refused (after empty) with "Invalid data" and nothing written.
  void Calculate(const Five& typed, const Five& after) {
    Type(typed);
    testing_support::ScriptedUi ui;
    if (after[0].empty()) {
      ui.ExpectMsgBox("Invalid data", platform::Answer::Ok, "", platform::Icon::None);
    }
    core.Cmd_DICalcular_Click();
    EXPECT_EQ(Texts(), after[0].empty() ? typed : after);
    EXPECT_EQ(ErrorFlag, after[0].empty() ? 1 : 0);
    EXPECT_FALSE(state.Updating);
  }
  shared::ProgramState state;
  probability::DistributionPanel core{state};
};

// Replays a file of cases in the layout of distribution_cases.tsv, counting them.
void Replay(const std::string& name, int& cases) {
  for (const auto& f : testing_support::ReferenceRows(name)) {
    SCOPED_TRACE(name + ": " + testing::PrintToString(f));
    const bool refused = f.back() == "Invalid data";
    ASSERT_EQ(f.size(), refused ? 9u : 11u);
    const auto tipo = static_cast<int16_t>(std::string("NTXFBP").find(f[0]));
    const auto side = static_cast<int16_t>(f[1] == "P" ? 3 : std::string("LRIC").find(f[1]));
    Panel(tipo, side).Calculate({f[2], f[3], f[4], f[5], f[6]},
                                refused ? Five{} : Five{f[2], f[3], f[8], f[9], f[10]});
    ++cases;
  }
}

// The cases computed independently by tools/distribution_cases.py, and those worked by hand
// whose answers are exact fractions on a rounding tie or hinge on the program's own
// conventions.
TEST(DistributionCalculators, ReferenceCasesGiveTheirBoxes) {
  int computed = 0, byHand = 0;
  Replay("distribution_cases.tsv", computed);
  Replay("distribution_edge_cases.tsv", byHand);
  EXPECT_GT(computed, 80);
  EXPECT_EQ(byHand, 11);
}

// A centred interval given by one point of a normal whose mean is not 0: the central part
// is that of the point's distance from the mean (from 0 it would be P = 1), and the other
// end is the point's mirror image about the mean.
TEST(DistributionCalculators, ACentredIntervalFromOnePointAboutItsMean) {
  Panel panel(0, probability::kSideCentred);
  panel.Calculate({"100", "15", "", "70", ""}, {"100", "15", "0.9545", "70", "130"});
  Panel above(0, probability::kSideCentred);
  above.Calculate({"100", "15", "", "", "145"}, {"100", "15", "0.9973", "55", "145"});
}

TEST(DistributionCalculators, LeftOversOfAnEarlierCalculation) {
  // A negative second point left by a normal interval does not stop a chi-square Left.
  Panel panel(0, 2);
  panel.Calculate({"0", "1", "", "-2", "-1"}, {"0", "1", "0.135905", "-2", "-1"});
  panel.core.OptDI_Click(2);
  panel.core.OptSIDE_DI_Click(0);
  EXPECT_EQ(panel.core.Fields().X2DI, -1.0);
  panel.Calculate({"4", "", "", "2", ""}, {"4", "", "0.264241", "2", ""});  // 1 - 2/e
  // A second Calculate without clearing finds no blank box to fill.
  panel.Calculate({"4", "", "0.264241", "2", ""}, {});
}

TEST(DistributionReader, BoxesToFields) {
  struct Case {
    int16_t tipo, side;
    Five typed;
    bool fails;
    std::array<double, 4> fields;  // par2, prob, x1, x2: -7 where a field is not read
  };
  const Case cases[] = {
      {0, 0, {"0", "1", "", "1.96", "junk"}, false, {1, BlankDI, 1.96, -7}},
      {0, 2, {"0", "1", "1/2", "", " 3 "}, false, {1, 0.5, BlankDI, 3}},
      {1, 0, {"4", "not shown", "", "2", ""}, false, {-7, BlankDI, 2, -7}},
      {0, 0, {"", "1", "", "1", ""}, true, {-7, -7, -7, -7}},
      {0, 0, {"0", "  ", "", "1", ""}, true, {-7, -7, -7, -7}},
      {0, 0, {"0", "1", "0", "", ""}, true, {1, 0, -7, -7}},
      {0, 0, {"0", "1", "1", "", ""}, true, {1, 1, -7, -7}},
      // A text that cannot be evaluated is no number at all.
      {0, 0, {"0", "1/0", "", "1", ""}, true, {-7, -7, -7, -7}},
      {0, 2, {"0", "1", "", "1", "2/0"}, true, {1, BlankDI, 1, -7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed[1] + "|" + c.typed[2] + "|" + c.typed[4]);
    Panel panel(c.tipo, c.side);
    auto& fields = panel.core.Fields();
    fields.Par2DI = fields.ProbDI = fields.X1DI = fields.X2DI = -7;
    panel.Type(c.typed);
    panel.core.Leerdatos_DI();
    EXPECT_EQ(ErrorFlag, c.fails ? 1 : 0);
    EXPECT_EQ((std::array{fields.Par2DI, fields.ProbDI, fields.X1DI, fields.X2DI}), c.fields);
  }
}

TEST(DistributionCommands, ChoicesAndClearsEmptyOnlyWhatTheyShould) {
  Panel panel(1, 0);
  panel.Type({"5", "", "0.3", "", ""});
  panel.core.OptDI_Click(0);
  EXPECT_EQ(panel.Texts(), (Five{"5", "1", "0.3", "", ""})) << "a new distribution empties nothing";
  panel.core.OptSIDE_DI_Click(2);
  EXPECT_EQ(panel.Texts(), (Five{"5", "1", "", "", ""})) << "a new mode empties the results";
  panel.Type({"7", "8", "0.3", "2", "4"});
  panel.core.Cmd_DIBorrar_Click();
  EXPECT_EQ(panel.Texts(), (Five{"7", "8", "", "", ""})) << "the parameters stay";
  panel.core.Cmd_DIBorrar_CONFIG_Click();
  EXPECT_EQ(panel.Texts(), (Five{"0", "1", "", "", ""})) << "the normal's standard ones";
}

TEST(DistributionBoxes, TypingEmptiesTheOtherResultBoxes) {
  struct Case {
    int16_t tipo, side;
    BoxDI typedInto;
    std::string prob, x1, x2;  // after typing "5" into a box that held "", others "1","2","3"
  };
  const Case cases[] = {
      {0, 0, BoxDI::TxtPP1, "", "5", ""},     {0, 0, BoxDI::txt_PROB, "5", "", ""},
      {0, 3, BoxDI::TxtPP2, "", "", "5"},     {0, 2, BoxDI::TxtPP1, "1", "5", "3"},
      {4, 2, BoxDI::TxtPP1, "", "5", "3"},    {5, 2, BoxDI::TxtPP2, "", "2", "5"},
      {0, 2, BoxDI::txt_PROB, "5", "2", "3"}, {4, 0, BoxDI::TxtPAR1, "1", "2", "3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(probability::BoxName(c.typedInto)) + std::to_string(c.side));
    Panel panel(c.tipo, c.side);
    panel.Type({"1", "1", "1", "2", "3"});
    panel.core.SetText(c.typedInto, "5");
    EXPECT_EQ(panel.Texts(), (Five{panel.core.Text(BoxDI::TxtPAR1), "1", c.prob, c.x1, c.x2}));
    EXPECT_FALSE(panel.state.Updating);
  }
}

TEST(DistributionView, PerDistributionAndMode) {
  // The caption of mode 3 and the point's label are seen through the panel's widgets.
  struct Case {
    int16_t tipo, side;
    const char *title, *pictures, *par1, *par2, *pp1, *pp2;
    bool readOnly;
  };
  const Case cases[] = {
      {0, 0, "Normal", "NL", "ImgNMVP_2.gif", "ImgNMVP_3.gif", "ImgPP_40.gif", "", false},
      {0, 3, "Normal", "NC", "ImgNMVP_2.gif", "ImgNMVP_3.gif", "ImgPP_43.gif", "ImgPP_44.gif",
       false},
      {4, 3, "Binomial", "BP", "ImgNMVP_0.gif", "ImgNMVP_6.gif", "ImgPP_50.gif", "", true},
      {5, 2, "Poisson", "PI", "ImgNMVP_7.gif", "", "ImgPP_53.gif", "ImgPP_54.gif", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pictures);
    Panel panel(c.tipo, c.side);
    const auto& view = panel.core.View();
    EXPECT_EQ(panel.core.Title(), std::string("Probability distribution: ") + c.title);
    EXPECT_EQ(panel.core.Fields().SideDI, c.side);
    EXPECT_EQ(view.graphPicture + " " + view.formulaPicture,
              std::string("DI_") + c.pictures + ".GIF DI_F" + c.pictures + ".GIF");
    EXPECT_EQ(view.par1Symbol + " " + view.par2Symbol, c.par1 + std::string(" ") + c.par2);
    EXPECT_EQ(view.secondParameterShown, *c.par2 != '\0');
    EXPECT_EQ(view.point1Symbol + " " + view.point2Symbol, c.pp1 + std::string(" ") + c.pp2);
    EXPECT_EQ(view.secondPointShown, *c.pp2 != '\0');
    EXPECT_EQ(view.probabilityReadOnly, c.readOnly);
  }
  // Every view asks only for pictures of the list that the shipped pictures are checked against.
  const auto names = probability::DistributionPictureNames(Panel(0, 0).state);
  const std::set<std::string> listed(names.begin(), names.end());
  for (int16_t tipo = 0; tipo < 6; ++tipo) {
    for (int16_t side = 0; side < 4; ++side) {
      const Panel shown(tipo, side);
      const auto& view = shown.core.View();
      for (const std::string& name : {view.graphPicture, view.formulaPicture, view.par1Symbol,
                                      view.par2Symbol, view.point1Symbol, view.point2Symbol}) {
        EXPECT_TRUE(name.empty() || listed.count(name)) << name;
      }
    }
  }
}

}  // namespace
