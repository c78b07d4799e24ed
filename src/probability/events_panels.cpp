#include "probability/events_panels.h"

#include "shared/PictureButton.h"
#include "probability/PanelPAB.h"
#include "probability/PanelPTB.h"

namespace probability {

void InstallEventPanels(shared::PanelHost& form) {
  QWidget* bayes = form.Panel(5);
  auto* ptb = new PanelPTB(form.State(), bayes);
  ptb->setGeometry(bayes->rect());
  form.Button(9)->SetCommand([ptb] { ptb->CmdPTBCal_Click(); });
  form.Button(10)->SetCommand([ptb] { ptb->CmdNEWPTB_Click(); });

  QWidget* events = form.Panel(6);
  auto* pab = new PanelPAB(form.State(), events);
  pab->setGeometry(events->rect());
  form.Button(24)->SetCommand([pab] { pab->CmdCalcPAB_Click(); });
  form.Button(23)->SetCommand([pab] { pab->CmdNEWPAB_Click(); });

  // The panels were laid over their containers after the buttons: bring these forward.
  for (int number : {9, 10, 23, 24}) form.Button(number)->raise();
}

}  // namespace probability
