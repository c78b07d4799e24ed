// The hypothesis-testing panel (task 0) and the confidence-interval panel (task 1).
#pragma once

#include <array>

#include "inference/inference.h"
#include "inference/inference_panel.h"
#include "shared/panel_host.h"
#include "shared/program_state.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace inference {

// Builds both panels in the main window's task containers 0 and 1, gives the four picture
// buttons their commands and fills the per-type table at load.
void InstallInferencePanels(shared::PanelHost& form);

// Tests add the tail options, the null and alternative values, and a verdict.
class TestPanel : public InferencePanel {
 public:
  TestPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent);

  void OptCH_Click(int16_t index) { ChooseType(index); }
  void OptSIDE_Click(int16_t index);
  void CargarImagenes_CH() { LoadPictures(); }
  void Cmd_CHCalcular_Click() { Calculate(); }
  void Cmd_CHBorrar_Click() { Clear(); }

 private:
  void BuildBesideTypes() override;
  void BuildHypotheses() override;
  void BuildResults() override;
  void ShowTypeControls() override;
  void ShowTypePictures(int16_t type) override;
  bool ShowResult(int16_t type) override;

  std::array<QRadioButton*, 3> OptSIDE{};
  QGroupBox* Picture2 = nullptr;
  QLabel* ImgH0H1x = nullptr;
  // Result area.
  QLabel *ImgPP0 = nullptr, *ImgPER = nullptr, *ImgALFA2 = nullptr, *Img1MAlfa2 = nullptr;
  QLabel* LabelSemi = nullptr;
  QLineEdit *txtCH_ESTA = nullptr, *txtCH_Acep = nullptr;
  QLineEdit *txt_NCon2 = nullptr, *txt_NSig2 = nullptr;
  QPlainTextEdit *TxtAceptaH0 = nullptr, *TxtAceptaH1 = nullptr;
};

// Intervals add the interval, its estimation error and the percentage points.
class IntervalPanel : public InferencePanel {
 public:
  IntervalPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent);

  void OptIC_Click(int16_t index) { ChooseType(index); }
  void CargarImagenes_IC() { LoadPictures(); }
  void Cmd_ICCalcular_Click() { Calculate(); }
  void Cmd_ICBorrar_Click() { Clear(); }

 private:
  void BuildResults() override;
  void ShowTypePictures(int16_t type) override;
  bool ShowResult(int16_t type) override;

  QLabel *ImgPARAM = nullptr, *ImgIC_PTOPCT = nullptr, *Img_IC_Err = nullptr;
  QLabel *LabelInterval = nullptr, *LabelMargin = nullptr, *LabelPoints = nullptr;
  QLineEdit *Txt_IC = nullptr, *Txt_IC_ERR = nullptr, *TxtIC_PPCT1 = nullptr,
            *TxtIC_PPCT2 = nullptr;
  QLineEdit *txt_NCon2 = nullptr, *txt_NSig2 = nullptr;
};

}  // namespace inference
