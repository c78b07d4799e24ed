// The probability-distribution panel without its widgets: the panel's fields, the texts of
// its five boxes, the reading of those boxes, the six calculators (normal, Student t,
// chi-square, F, binomial, Poisson) in the modes Left, Right, Interval and Centered
// interval or Point, the commands Calculate, Clear and Clear parameters, the boxes' change
// handlers, and what the view shows for the chosen distribution and mode.
//
// Which of the probability and point boxes are inputs is not fixed: the user fills the
// known ones and leaves the asked-for ones blank, and Calculate fills the blank ones.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shared/program_state.h"

namespace probability {

// The value stored for a blank probability or point box: the program's infinity.
inline constexpr double BlankDI = 1E+300;

inline constexpr int16_t kDistributionNormal = 0;
inline constexpr int16_t kDistributionT = 1;
inline constexpr int16_t kDistributionChi2 = 2;
inline constexpr int16_t kDistributionF = 3;
inline constexpr int16_t kDistributionBinomial = 4;
inline constexpr int16_t kDistributionPoisson = 5;
// Gamma (6) and Beta (7) have rows in the tables but no option the user can see.
inline constexpr int16_t kDistributionsShown = 6;

inline constexpr int16_t kSideLeft = 0;
inline constexpr int16_t kSideRight = 1;
inline constexpr int16_t kSideInterval = 2;
inline constexpr int16_t kSideCentred = 3;  // "Point" for the binomial and the Poisson

// The options' captions and tags, 0..7.
extern const std::array<const char*, shared::kDistributionCount> kOptDICaption;
extern const std::array<const char*, shared::kDistributionCount> kOptDITag;

bool IsDiscrete(int16_t tipo);
// The fourth mode's caption and tag for a distribution.
std::string SideCaption(int16_t tipo, int16_t side);
std::string SideTag(int16_t tipo, int16_t side);
// Whether the mode shows the second point box.
bool SecondPointShown(int16_t tipo, int16_t side);

// The five boxes of the panel, in tab order.
enum class BoxDI { TxtPAR1, TxtPAR2, txt_PROB, TxtPP1, TxtPP2 };
inline constexpr int kBoxCount = 5;
const char* BoxName(BoxDI box);

// The panel's fields, filled from the boxes by Leerdatos_DI.
struct DistributionFields {
  int16_t TipoDI = 0;
  int16_t SideDI = 0;
  double Par1DI = 0;
  double Par2DI = 0;
  double ProbDI = 0;
  double X1DI = 0;
  double X2DI = 0;
  std::string TagPanel;
};

// Everything the view shows for the chosen distribution and mode.
struct DistributionView {
  std::string graphPicture;    // "DI_NL.GIF"
  std::string formulaPicture;  // "DI_FNL.GIF"
  std::string par1Symbol;      // picture of ImgPAR1, "ImgNMVP_2.gif"
  std::string par2Symbol;      // picture of ImgPAR2; "" when it is hidden
  std::string point1Symbol;    // picture of ImgPP1, "ImgPP_40.gif"
  std::string point2Symbol;    // picture of ImgPP2; "" when it is hidden
  std::string label36;         // first parameter
  std::string label37;         // second parameter
  std::string label30;         // "Percentage point" or "Percentage point 1"
  std::string label31;         // "Percentage point 2"
  bool secondParameterShown = false;  // Label1(37), ImgPAR2, TxtPAR2
  bool secondPointShown = false;      // Label1(31), ImgPP2, TxtPP2
  bool probabilityReadOnly = false;
};

// The panel: its fields, its boxes' texts and what it shows.
class DistributionPanel {
 public:
  explicit DistributionPanel(shared::ProgramState& frame) : frame_(frame) {}

  // --- The boxes ---
  const std::string& Text(BoxDI box) const { return texts_[static_cast<int>(box)]; }
  // Code writes into a box: when the text changes, the box's change handler runs (and
  // returns at once while Updating is set).
  void SetText(BoxDI box, const std::string& text);
  // Whether a box is shown (TxtPAR2 and TxtPP2 can be hidden; a hidden box keeps its text).
  bool Shown(BoxDI box) const;
  // The change handlers. txt_PROB_Change returns true when it rewrote "." as "0." (the
  // caret then goes after the point).
  void TxtPAR_Change() {}
  bool txt_PROB_Change();
  void TxtPP1_Change();
  void TxtPP2_Change();
  void Change(BoxDI box);
  // A key typed into a box: "," becomes ".".
  static char KeyPress(char key) { return key == ',' ? '.' : key; }

  // --- Choice of distribution and mode ---
  void OptDI_Click(int16_t index);
  void OptSIDE_DI_Click(int16_t index);
  void CargarImagenes_DI();
  bool DistributionChosen() const { return chosen_; }
  int16_t SelectedSide() const { return selectedSide_; }
  // The title, Lbl_DP.
  const std::string& Title() const { return title_; }
  const DistributionView& View() const { return view_; }

  // --- Commands ---
  void Leerdatos_DI();
  void Cmd_DICalcular_Click();
  void Cmd_DIBorrar_Click();
  void Cmd_DIBorrar_CONFIG_Click();

  // --- The calculators: read the fields, write the blank boxes or set ErrorFlag ---
  void DI_NOR();
  void DI_TST();
  void DI_JI2();
  void DI_FSN();
  void DI_BIN();
  void DI_POI();

  DistributionFields& Fields() { return fields_; }
  const DistributionFields& Fields() const { return fields_; }
  shared::ProgramState& Frame() { return frame_; }

 private:
  // A continuous distribution as its calculator sees it.
  struct Continuous {
    std::function<double(double)> Q;     // P(X > x)
    std::function<double(double)> Qinv;  // the x with P(X > x) = p
    // P(X <= x) and the x with P(X <= x) = p, each computed from that lower tail itself;
    // mirrored from Q and Qinv for a symmetric distribution when left empty.
    std::function<double(double)> L;
    std::function<double(double)> Linv;
    bool symmetric = false;              // about centre: normal and Student t
    double centre = 0;
    // A symmetric distribution's central part P(|X - centre| <= h) and the h over a central
    // part p, each with its relative digits however small it is.
    std::function<double(double)> C;
    std::function<double(double)> Cinv;
    // P(x1 <= X <= x2), however short the interval; the width of the interval from x upward
    // or downward that holds p; and (chi-square and F) the other end of the equal-tailed
    // interval from x, also where x's tail is below the doubles.
    std::function<double(double, double)> R;
    std::function<double(double, double, bool)> W;
    std::function<double(double)> O;
  };
  void Write(BoxDI box, double value);
  void WriteProbability(double p);
  void ContinuousCalculator(const Continuous& distribution);
  void DiscreteCalculator(bool binomial);

  shared::ProgramState& frame_;
  DistributionFields fields_;
  std::array<std::string, kBoxCount> texts_{};
  bool chosen_ = false;
  int16_t selectedSide_ = 0;
  std::string title_ = "Probability distribution";
  DistributionView view_;
};

// Every picture file name the panel can ask for: the distribution and formula pictures of
// each distribution the user can choose in each mode, and the symbols beside the boxes.
std::vector<std::string> DistributionPictureNames(const shared::ProgramState& frame);

}  // namespace probability
