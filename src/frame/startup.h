#pragma once

#include "platform/ui.h"

namespace frame {

// The program's start: sets up the application and its desktop services, shows the splash
// window and runs the event loop until the last window closes.
int RunProgram(int argc, char* argv[]);

// Installs the desktop services, and takes the program's folder (pictures, the manual, the
// first folder of the file dialogs) from where the executable lies, not from the working
// folder it was started in.
void InstallDesktop(platform::Ui& ui, platform::Settings& settings);

// Shows the splash window, which hands over to the main window.
void Main();

// Shows the main window, creating it and installing the panels on first use.
void ShowMainWindow();

}  // namespace frame
