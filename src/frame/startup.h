#pragma once

namespace frame {

// The program's start: sets up the application and its desktop services, shows the first
// window and runs the event loop until the last window closes.
int RunProgram(int argc, char* argv[]);

}  // namespace frame
