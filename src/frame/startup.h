#pragma once

namespace frame {

// The program's start: sets up the application and its desktop services, shows the splash
// window and runs the event loop until the last window closes.
int RunProgram(int argc, char* argv[]);

// Shows the splash window, which hands over to the main window.
void Main();

// Shows the main window, creating it and installing the panels on first use.
void ShowMainWindow();

}  // namespace frame
