// The "A, B Probability" task panel: fourteen boxes of related probabilities of two events,
// completed from the ones the user types.
#pragma once

#include <QWidget>
#include <array>

#include "shared/program_state.h"
#include "probability/events_ab.h"

class QLabel;

namespace probability {

class EventBox;

class PanelPAB : public QWidget {
  Q_OBJECT

 public:
  PanelPAB(shared::ProgramState& state, QWidget* parent);

  // Calculate (Image24): read, check, solve, check again, write the boxes that were blank;
  // "Invalid data" and nothing written on contradictory input.
  void CmdCalcPAB_Click();
  // Delete (Image23), and once at load: empties the fourteen boxes.
  void CmdNEWPAB_Click();

  void TxtPAB_Change(int index);
  // Enter, Down and Tab go to the next box, Up to the one before, round the fourteen.
  bool TxtPAB_KeyDown(int index, int keyCode);

  EventBox* Box(int index) const { return TxtPAB[index]; }

 private:
  shared::ProgramState& state_;
  std::array<EventBox*, kBoxesPAB + 1> TxtPAB{};
  std::array<QLabel*, kBoxesPAB + 1> ImgPAB{};
  std::array<QLabel*, 2> ImgPABGRAF{};
};

}  // namespace probability
