// The graph window's printing controls in its top bar: the Print button, the printer list
// that keeps in step with the program's current printer, and the black-and-white choice.
#pragma once

#include <QComboBox>
#include <QObject>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace graph {
class FormGraficador;
}

namespace printing {

// A printer list that a pan of the graph never moves: it takes no keyboard focus and
// lets the wheel pass over it without effect. Its popup stands for its focus.
class PrinterList : public QComboBox {
  Q_OBJECT

 public:
  explicit PrinterList(QWidget* parent);
  void showPopup() override;
  void hidePopup() override;

 signals:
  void GotFocus();
  void LostFocus();

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

class GraphPrinting : public QObject {
  Q_OBJECT

 public:
  explicit GraphPrinting(graph::FormGraficador& form);

  void cmdPRINT_Click();
  void Combo1_Click();
  void Combo1_GotFocus();
  void Combo1_LostFocus();
  void Timer2_Timer();

 private:
  graph::FormGraficador& form_;
  QPushButton* cmdPRINT = nullptr;
  QLabel* Label2 = nullptr;
  PrinterList* Combo1 = nullptr;
  QCheckBox* Check1 = nullptr;
  QTimer* Timer2 = nullptr;
};

// Adds the controls to a graph window being loaded.
void InstallGraphPrinting(graph::FormGraficador& form);

}  // namespace printing
