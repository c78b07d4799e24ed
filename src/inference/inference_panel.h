// The frame the hypothesis-testing and confidence-interval panels are both built on: the
// type options, the data rows, the level pair, the two picture frames, the result area and
// the reading, computing and clearing around them. What differs between the two panels is
// their design (names, places, captions) and a few hooks.
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <string>

#include "inference/inference.h"
#include "shared/program_state.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace inference {

// What both panels share: the per-type table, their state, the inputs and the results.
struct InferenceData {
  TypeTable table;
  PanelState state;
  PanelInput input;
  PanelResult result;
};

// The names and places that tell one inference panel from the other.
struct PanelDesign {
  int task;                  // 0 tests, 1 intervals: the suffix of the names both share
  const char* code;          // "CH" or "IC", in the names of the data boxes and symbols
  const char* title;         // LblTITLE_<task>
  const char* typesCaption;  // LblTypes_<task>
  const char* options;       // the option buttons' prefix
  int16_t PanelState::*type; // where the chosen type is kept
  // Reads the boxes the type shows; sets ErrorFlag on the first bad one.
  void (*read)(const TypeTable&, int16_t, const BoxTexts&, PanelInput&);
  QRect data;                // PicDATOS_<task>
  int firstRow;              // the size row's top; the mean and variance rows follow
  std::array<const char*, 3> rowCaptions;  // size, mean, variance
  int levels;                // the top of the level pair
  std::array<const char*, 2> frames;       // the graph's (top) and the formula's (bottom)
  bool formulaAtTop;         // the formula hangs from its frame's top instead of centring
  QRect result;              // PicRESULT_<task>
  bool resultBackground;     // the result area paints its own background
  const char* auxCaption;    // the auxiliary value's caption, picture and box
  QPoint aux;
  int auxCaptionWidth;
  const char* auxPicture;
  // Enter in a box computes when the data are complete; data boxes select their text on
  // focus (the level pair always does).
  bool enterComputes;
  bool selectDataOnFocus;
};

class InferencePanel : public QWidget {
 public:
  InferencePanel(const PanelDesign& design, InferenceData& data, shared::ProgramState& frame,
                 QWidget* parent);

 protected:
  // The panel's controls; the hooks below add each panel's own. Run once, from the
  // derived constructor.
  void Build();
  // What a click on a type option does.
  void ChooseType(int16_t index);
  // The pictures, symbols and captions of the chosen type.
  void LoadPictures();
  void Calculate();
  void Clear();
  // Computes when the boxes the type shows read without error.
  void CalculateIfComplete();
  void HideResult();
  void FocusFirstBox();
  // The graph picture centred in the top frame, the formula in the bottom one.
  void ShowFramePictures(const std::string& graph, const std::string& formula);
  // The auxiliary value of a result, or none.
  void ShowAux(bool shown, const std::string& caption, const std::string& text,
               int16_t picture);
  int16_t Type() const { return data_.state.*design_.type; }

  // Controls beside the type options.
  virtual void BuildBesideTypes() {}
  // Controls at the top of the data area, above the data rows.
  virtual void BuildHypotheses() {}
  // The result area's own controls, in result_.
  virtual void BuildResults() = 0;
  // What a chosen type shows besides the data area.
  virtual void ShowTypeControls() {}
  // The type's pictures, symbols and captions beyond the data rows.
  virtual void ShowTypePictures(int16_t type) = 0;
  // Runs the computation on the read input and shows it; false for invalid data.
  virtual bool ShowResult(int16_t type) = 0;

  const PanelDesign& design_;
  InferenceData& data_;
  shared::ProgramState& frame_;
  std::array<QRadioButton*, kTypeCount> options_{};
  QWidget* dataArea_ = nullptr;  // PicDATOS
  QWidget* result_ = nullptr;    // PicRESULT
  QLabel* typeTitle_ = nullptr;
  // The null and alternative value boxes, where a panel has them.
  QLineEdit* h0_ = nullptr;
  QLineEdit* h1_ = nullptr;

 private:
  BoxTexts Texts() const;
  void EnterComputes(QLineEdit* box);
  void LevelChanged(int which);
  void ShowDataRows(int16_t type);

  std::array<QLabel*, 3> rowCaption_{};
  std::array<QLabel*, 3> rowSymbol_{};
  std::array<QLineEdit*, 3> first_{};   // N1, X1, S1
  std::array<QLineEdit*, 3> second_{};  // N2, X2, S2
  std::array<QLineEdit*, 2> level_{};   // confidence, significance
  int levelTyped_ = 0;                  // the box of the pair the user typed the level in
  std::array<QFrame*, 2> frames_{};
  QLabel *graph_ = nullptr, *formula_ = nullptr;
  // The auxiliary value.
  QLabel *auxCaption_ = nullptr, *auxPicture_ = nullptr;
  QLineEdit* auxBox_ = nullptr;
};

}  // namespace inference
