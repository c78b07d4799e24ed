// The "Total and Bayes laws" task panel: 2 to 9 events A1..An that partition the sample
// space, each with P(Ai) and P(B/Ai), give P(B) and every P(Ai/B).
#pragma once

#include <QWidget>
#include <array>

#include "shared/program_state.h"
#include "probability/total_bayes.h"

class QLabel;
class QScrollBar;

namespace probability {

class EventBox;

class PanelPTB : public QWidget {
  Q_OBJECT

 public:
  PanelPTB(shared::ProgramState& state, QWidget* parent);

  // Shows the number of events and the rows in use.
  void ActualizaVistaPTB();
  // Builds rows 2..9 once and sets the captions and places of rows 1..9.
  void PreparaControlesPTB();
  // New (Image10), and once at load: empties every row and P(B); the count stays.
  void CmdNEWPTB_Click();
  // Calculate (Image9).
  void CmdPTBCal_Click();

  void VScroll3_Change() { ActualizaVistaPTB(); }
  void VScroll3_Scroll() { VScroll3_Change(); }
  // The scroll bar's value: the number of events, 9 at its top end and 2 at its bottom.
  int VScroll3Value() const;
  void SetVScroll3Value(int value);

  bool TxtPTB_NS_KeyDown(int keyCode);
  bool TxtPTB_A_KeyDown(int index, int keyCode);
  bool TxtPTB_BA_KeyDown(int index, int keyCode);
  void TxtPTB_A_Change(int index);
  void TxtPTB_BA_Change(int index);

  int NEventsPTB = kMinEventsPTB;
  bool PTBControlsReady = false;

 private:
  void BuildRow(int i);
  void PlaceRow(int i);
  // The six controls of row i: three captions and three boxes.
  std::array<QWidget*, 6> RowControls(int i) const;
  bool MoveCaret(bool inA, int index, int keyCode);

  shared::ProgramState& state_;
  std::array<EventBox*, kMaxEventsPTB + 1> TxtPTB_A{}, TxtPTB_BA{}, TxtPTB_AB{};
  std::array<QLabel*, kMaxEventsPTB + 1> LblPTB_A{}, LblPTB_BA{}, LblPTB_AB{};
  EventBox* TxtPTB_B = nullptr;
  EventBox* TxtPTB_NS = nullptr;
  QScrollBar* VScroll3 = nullptr;
};

}  // namespace probability
