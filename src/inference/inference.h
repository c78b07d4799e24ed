// The hypothesis-testing and confidence-interval panels without their windows: the nine
// parameter types, which boxes and pictures each type shows, the reading of the typed boxes,
// the confidence/significance level pair, the nine tests and the nine intervals. Every
// function returns the exact texts the panels show. Plain C++, no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace inference {

inline constexpr int kTypeCount = 9;

// Types, in the order of the option buttons of both panels.
enum Type : int16_t { MVC, MVD, VAR, PRO, M2C, M2D, M2I, VA2, PR2 };
// Tails of a test.
enum Side : int16_t { kLeft = 0, kTwoSided = 1, kRight = 2 };

// The option buttons' design: caption and Tag (the distribution: "DN" normal, "DT" Student
// t, "DX" chi-square, "DF" F), identical on both panels.
struct OptionDesign {
  const char* caption;
  const char* tag;
};
extern const std::array<OptionDesign, kTypeCount> kOptions;

// The per-type table the main window's load fills once. -1: no such picture.
struct TypeTable {
  std::array<std::string, kTypeCount> CodeCH;
  std::array<int16_t, kTypeCount> PicGroupH0{};  // into ImgH0H1; the tail is added
  std::array<int16_t, kTypeCount> TwoSamples{};  // also the ImgNMVP index of the size symbol
  std::array<int16_t, kTypeCount> PicMeanIdx{};  // into ImgNMVP
  std::array<int16_t, kTypeCount> PicVarIdx{};   // into ImgNMVP
  std::array<int16_t, kTypeCount> PicParamIdx{}; // into ImgIC
  std::array<std::string, kTypeCount> LabelSize, LabelMean, LabelVar, LabelParam;
};
void FillTypeTable(TypeTable& table);

// The panels' own state, written only by their option clicks and refreshes.
struct PanelState {
  int16_t TipoCH = 0;
  int16_t TipoIC = 0;
  int16_t SideCH = kTwoSided;  // the option shown selected at start
  std::string TagCH;
  int16_t ImgBaseCH = 0;  // into ImgPP: 0 "DN", 10 "DT", 20 "DX", 30 "DF"
  std::string TagPanel;
};

// The inputs both panels read into, and the last results of both.
struct PanelInput {
  double H0 = 0, N1 = 0, N2 = 0, X1 = 0, X2 = 0, S1 = 0, S2 = 0, Level = 0, Alpha = 0;
};
struct PanelResult {
  double StatZ = 0, StatT = 0, StatJi2 = 0, StatF = 0, WelchDF = 0, PooledS = 0, PooledP = 0;
};

// Which data boxes a type shows. Sizes: the first box always; the second ones exactly for
// the two-sample types.
struct Boxes {
  bool H0 = false;  // txtH0 and TxtH1 (tests only)
  bool N2 = false;
  bool X1 = false, X2 = false;
  bool S1 = false, S2 = false;
};
Boxes VisibleBoxes(const TypeTable& table, int16_t type);

// --- Pictures -------------------------------------------------------------------------

// The graph and formula pictures of a test with a tail, and of an interval.
struct TestPictures {
  std::string graph, formula;
};
TestPictures TestPictureNames(const TypeTable& table, int16_t type, int16_t side);
struct IntervalPictures {
  std::string graph, formula, margin;
};
IntervalPictures IntervalPictureNames(const TypeTable& table, int16_t type);
// A picture of a hidden control array, as a file: "ImgPP_11.gif".
std::string SymbolPicture(const std::string& array, int index);
// The statistic's picture base of a Tag.
int16_t ImgBaseOf(const std::string& tag);
// Every picture file name the two panels can ask for.
std::vector<std::string> AllPictureNames();

// --- Reading the boxes ----------------------------------------------------------------

// The texts of a panel's data boxes and of its level pair. The level is the one the user
// typed, in whichever box: the other one shows only its 6-digit partner.
struct BoxTexts {
  std::string H0, N1, N2, X1, X2, S1, S2, Level;
  std::string Significance{};
  bool significanceTyped = false;
};
// Read the boxes the type shows into input, in the panels' order, and set ErrorFlag to 1 at
// the first box that is blank (blanks only count as blank), unreadable, or a proportion
// (or a proportion test's H0) outside (0, 1). Fields of hidden boxes keep their values.
// The confidence box must hold a text; Level and Alpha come from the box the user typed.
void Leerdatos_CH(const TypeTable& table, int16_t type, const BoxTexts& boxes, PanelInput& input);
void Leerdatos_IC(const TypeTable& table, int16_t type, const BoxTexts& boxes, PanelInput& input);

// What a change of one box of the confidence/significance pair does.
struct LevelChange {
  bool fixedDot = false;      // a lone "." becomes "0.", with the caret at 2
  std::string partner;        // the other box's new text ("" for an invalid level)
};
LevelChange LevelPair(const std::string& text);

// --- Results --------------------------------------------------------------------------

// The result area of a test, as its boxes show it.
struct TestOutcome {
  bool ok = false;       // false: "Invalid data", result hidden
  std::string region;    // txtCH_Acep: "( -1.95996  ,   1.95996 )"
  std::string statistic; // txtCH_ESTA
  int16_t reject = 0;    // 0: TxtAceptaH0 shown; 1: TxtAceptaH1
  int16_t verdictPicture = 0;  // into ImgPP
  bool semiLevels = false;     // two-sided: the 1 - a/2 and a/2 boxes, caption and pictures
  std::string ncon2, nsig2;    // "97.5 %", "2.5 %" (two-sided only)
  bool aux = false;            // types 5, 6, 8: the auxiliary value
  std::string auxCaption, auxText;
  int16_t auxPicture = 0;      // into ImgPESP
};
// Runs the test of type (0..8) with the tail on input; writes its fields of result.
TestOutcome RunTest(int16_t type, int16_t side, const PanelInput& input, PanelResult& result);

struct IntervalOutcome {
  bool ok = false;
  std::string interval;        // Txt_IC: " ( 9.71601  ,   11.284 )"
  std::string ncon2, nsig2;
  bool margin = false;         // Txt_IC_ERR, its picture and caption
  std::string marginText;
  std::string point1, point2;  // TxtIC_PPCT1, TxtIC_PPCT2
  bool secondPoint = false;
  std::string pointCaption;    // "Percentage point" or "Percentage points"
  bool aux = false;
  std::string auxCaption, auxText;
  int16_t auxPicture = 0;
};
IntervalOutcome RunInterval(int16_t type, const PanelInput& input, PanelResult& result);

// The fixed verdict texts.
extern const char* const kAcceptH0Text;
extern const char* const kRejectH0Text;
// Messages.
inline constexpr const char* kNoDataMessage = "No data or invalid data";
inline constexpr const char* kNoDataTitle = "Error";
inline constexpr const char* kInvalidMessage = "Invalid data";

}  // namespace inference
