// The hypothesis-testing panel (task 0) and the confidence-interval panel (task 1).
#pragma once

#include <QWidget>
#include <array>

#include "shared/panel_host.h"

#include "shared/program_state.h"
#include "inference/inference.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace inference {

// What both panels share: the per-type table, their state, the inputs and the results.
struct InferenceData {
  TypeTable table;
  PanelState state;
  PanelInput input;
  PanelResult result;
};

// Builds both panels in the main window's task containers 0 and 1, gives the four picture
// buttons their commands and fills the per-type table at load.
void InstallInferencePanels(shared::PanelHost& form);

class TestPanel : public QWidget {
 public:
  TestPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent);

  void OptCH_Click(int16_t index);
  void OptSIDE_Click(int16_t index);
  void CargarImagenes_CH();
  void Cmd_CHCalcular_Click();
  void Cmd_CHBorrar_Click();

 private:
  void Build();
  void BuildResults();
  BoxTexts Texts() const;
  void HideResult();
  void EnterComputes(QLineEdit* box);
  void LevelChanged(int which);
  void FocusFirstBox();

  InferenceData& data_;
  shared::ProgramState& frame_;
  std::array<QRadioButton*, kTypeCount> OptCH{};
  std::array<QRadioButton*, 3> OptSIDE{};
  QGroupBox* Picture2 = nullptr;
  QWidget* PicDATOS = nullptr;
  QWidget* PicRESULT = nullptr;
  QLabel* LblTITLE2 = nullptr;
  std::array<QFrame*, 2> Shape1{};
  QLabel *Img_CH_GRAF = nullptr, *Img_CH_FORM = nullptr, *ImgH0H1x = nullptr;
  QLabel *ImgSIZE_CH = nullptr, *ImgMEDIA_CH = nullptr, *ImgVARIANZA_CH = nullptr;
  QLabel *LabelSize = nullptr, *LabelMean = nullptr, *LabelVar = nullptr;
  QLineEdit *txtH0 = nullptr, *TxtH1 = nullptr;
  QLineEdit *TxtCH_N1 = nullptr, *TxtCH_N2 = nullptr, *TxtCH_X1 = nullptr, *TxtCH_X2 = nullptr;
  QLineEdit *TxtCH_S1 = nullptr, *TxtCH_S2 = nullptr;
  std::array<QLineEdit*, 2> level_{};  // txt_NCon_0, txt_NSig_0
  // Result area.
  QLabel *ImgPP0 = nullptr, *ImgPER = nullptr, *ImgALFA2 = nullptr, *Img1MAlfa2 = nullptr;
  QLabel *ImgPAR_ESP = nullptr, *LabelSemi = nullptr, *LabelAux = nullptr;
  QLineEdit *txtCH_ESTA = nullptr, *txtCH_Acep = nullptr, *TxtAUX = nullptr;
  QLineEdit *txt_NCon2 = nullptr, *txt_NSig2 = nullptr;
  QPlainTextEdit *TxtAceptaH0 = nullptr, *TxtAceptaH1 = nullptr;
};

class IntervalPanel : public QWidget {
 public:
  IntervalPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent);

  void OptIC_Click(int16_t index);
  void CargarImagenes_IC();
  void Cmd_ICCalcular_Click();
  void Cmd_ICBorrar_Click();

 private:
  void Build();
  void BuildResults();
  BoxTexts Texts() const;
  void HideResult();
  void LevelChanged(int which);

  InferenceData& data_;
  shared::ProgramState& frame_;
  std::array<QRadioButton*, kTypeCount> OptIC{};
  QWidget* PicDATOS = nullptr;
  QWidget* PicRESULT = nullptr;
  QLabel* LblTITLE2 = nullptr;
  std::array<QFrame*, 2> Shape1{};  // items 2 (formula) and 3 (graph)
  QLabel *Img_IC_GRAF = nullptr, *Img_IC_FORM = nullptr, *Img_IC_Err = nullptr;
  QLabel *ImgSIZE_IC = nullptr, *ImgMEDIA_IC = nullptr, *ImgVARIANZA_IC = nullptr;
  QLabel *LabelSize = nullptr, *LabelMean = nullptr, *LabelVar = nullptr, *LabelInterval = nullptr;
  QLineEdit *TxtIC_N1 = nullptr, *TxtIC_N2 = nullptr, *TxtIC_X1 = nullptr, *TxtIC_X2 = nullptr;
  QLineEdit *TxtIC_S1 = nullptr, *TxtIC_S2 = nullptr;
  std::array<QLineEdit*, 2> level_{};  // txt_NCon_1, txt_NSig_1
  // Result area.
  QLabel *ImgPARAM = nullptr, *ImgIC_PTOPCT = nullptr, *ImgPAR_ESP_IC = nullptr;
  QLabel *LabelMargin = nullptr, *LabelPoints = nullptr, *LabelAux = nullptr;
  QLineEdit *Txt_IC = nullptr, *Txt_IC_ERR = nullptr, *TxtIC_PPCT1 = nullptr,
            *TxtIC_PPCT2 = nullptr;
  QLineEdit *TxtAUX = nullptr, *txt_NCon2 = nullptr, *txt_NSig2 = nullptr;
};

}  // namespace inference
