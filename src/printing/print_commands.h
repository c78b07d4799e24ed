// File > Print on the main window: the printer-choice dialog and the two reports, read
// from the one- and two-variable panels as they stand.
#pragma once

#include "shared/panel_host.h"
class QWidget;

namespace printing {

struct Report1VInput;
struct Report2VInput;

// Gives the window's File menu its print commands, and installs the Qt printer service
// unless one is installed already (tests install their own).
void InstallPrinting(shared::PanelHost& form);

// What a report reads from its panel: the title label, the result boxes and the class
// words, by their control names. A control that is not there reads as empty.
Report1VInput ReadPanel1V(const QWidget* panel);
Report2VInput ReadPanel2V(const QWidget* panel);

}  // namespace printing
