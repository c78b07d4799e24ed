#pragma once

#include "shared/panel_host.h"

namespace probability {

// Puts the "Total and Bayes laws" and "A, B Probability" panels into their containers and
// gives Image9, Image10, Image23 and Image24 their commands.
void InstallEventPanels(shared::PanelHost& form);

}  // namespace probability
