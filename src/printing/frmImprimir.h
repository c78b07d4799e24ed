// The printer-choice dialog of File > Print: the user picks the printer, which becomes the
// program's current printer at once, then prints or cancels.
#pragma once

#include <QDialog>
#include <string>

#include "platform/printers.h"
#include "platform/ui.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace shared {
struct ProgramState;
}  // namespace shared

namespace printing {

class frmImprimir : public QDialog, public platform::ModalWindow {
  Q_OBJECT

 public:
  // Loads afresh: the list shows the printers known now.
  frmImprimir(shared::ProgramState& state, platform::PrinterService& printers,
              QWidget* parent = nullptr);

  // platform::ModalWindow
  std::string ModalName() const override { return "frmImprimir"; }
  void ExecModal() override { exec(); }

  void Form_Load();
  void Combo1_Click();
  void cmdImprimir_Click();
  void cmdCancelar_Click();

 protected:
  // Esc cancels as "&Cancelar" does.
  void reject() override;

 private:
  shared::ProgramState& state_;
  platform::PrinterService& printers_;
  QLabel* Label3 = nullptr;
  QComboBox* Combo1 = nullptr;
  QPushButton* cmdCancelar = nullptr;
  QPushButton* cmdImprimir = nullptr;
};

}  // namespace printing
