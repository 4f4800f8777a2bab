#pragma once
// The program's life on its UI thread: the message loop, the main window and the
// exit code. Apart from WinMain so that a test can run it.

#include <string>
#include <vector>

namespace tl {

// Creates the main window, shows it with showCommand and runs the message loop
// until the program exits; returns the exit code. When the window cannot be
// created, says why in a message box and returns kStartFailedExitCode.
// Files named on the command line open in it; when another instance runs, they
// are handed to it instead and this start ends at once, with no window.
int RunProgram(int showCommand, const std::vector<std::string>& files = {});

constexpr int kStartFailedExitCode = 1;

}  // namespace tl
