// The probability-distribution panel (task 4): the distribution options, the mode row,
// the parameter, probability and point boxes with their symbols, the two pictures, and the
// commands Calculate, Clear and Clear parameters. The panel's logic is DistributionPanel;
// this widget shows it and hands it what the user does.
#pragma once

#include <QWidget>
#include <array>

#include "shared/panel_host.h"

#include "probability/distribution_panel_core.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace shared {
class PictureButton;
}  // namespace shared

namespace probability {

class PanelDI : public QWidget {
  Q_OBJECT

 public:
  PanelDI(shared::ProgramState& frame, QWidget* parent);

  DistributionPanel& Core() { return core_; }

  // The user's choices and commands, as the options and picture buttons deliver them.
  void OptDI_Click(int16_t index);
  void OptSIDE_DI_Click(int16_t index);
  void Cmd_DICalcular_Click();
  void Cmd_DIBorrar_Click();
  void Cmd_DIBorrar_CONFIG_Click();

  // The Calculate, Clear and Clear parameters buttons belong to the data area: they are
  // shown with it.
  void AdoptButtons(shared::PictureButton* calculate, shared::PictureButton* clear,
                    shared::PictureButton* clearParameters);

 private:
  void BuildOptions();
  void BuildModeRow();
  void BuildDataArea();
  void BuildPictures();
  void BoxEdited(BoxDI box, const QString& text);
  // Shows what the core holds: title, captions, labels, symbols, pictures and texts.
  void Refresh();
  void PushTexts();
  void PlaceSymbolAndBox(QLabel* symbol, const std::string& picture, QLineEdit* box, int rowTop);
  void FocusFirstParameter();

  DistributionPanel core_;
  QLabel* Lbl_DP = nullptr;
  std::array<QRadioButton*, shared::kDistributionCount> OptDI{};
  QWidget* Picture2_4 = nullptr;
  std::array<QRadioButton*, 4> OptSIDE_DI{};
  QWidget* PicDATOS_4 = nullptr;
  QLabel* Label1_36 = nullptr;
  QLabel* Label1_37 = nullptr;
  QLabel* Label1_30 = nullptr;
  QLabel* Label1_31 = nullptr;
  QLabel* ImgPAR1 = nullptr;
  QLabel* ImgPAR2 = nullptr;
  QLabel* ImgPP1 = nullptr;
  QLabel* ImgPP2 = nullptr;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  QFrame* Shape1_11 = nullptr;
  QFrame* Shape1_12 = nullptr;
  QLabel* Img_DI_GRAF = nullptr;
  QLabel* Img_DI_FORM = nullptr;
};

// Puts the panel into the main window's task 4 and gives it its picture buttons.
void InstallDistributionPanel(shared::PanelHost& form);

}  // namespace probability
