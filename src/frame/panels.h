#pragma once

class FormMain;

namespace frame {

// Puts each task's panel into its container of the main window and wires the panel's
// picture buttons, File menu commands and hooks. Runs once, before the window loads.
void InstallPanels(FormMain& form);

}  // namespace frame
