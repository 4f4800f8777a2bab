#pragma once
// Files that reach the program from outside: named on its command line (the
// Explorer's Open of a colour list file among them), handed over by a second
// start while this one runs, or dropped on the window.

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace tl {

// Posted by the main window to itself, so that the files are opened from the
// message loop: never inside the hand-over, whose sender waits for its answer.
constexpr UINT kOpenArrivedFiles = WM_USER + 0x206;

// The files named after the program's own name, as full paths: the instance they
// may be handed to has a current folder of its own. Paths the code page cannot
// hold are left out.
std::vector<std::string> FilesOnCommandLine();

// Marks window as the one a later start hands its files to, and lets files be
// dropped on it.
void ReceiveArrivingFiles(HWND window);
void StopReceivingFiles(HWND window);

// Gives the files to a running instance's window; false when none took them (none
// runs, or it did not answer within a few seconds, as a hung one would not).
bool HandFilesToRunningInstance(const std::vector<std::string>& files);

// The files of a WM_COPYDATA that is a hand-over; nothing for any other.
std::optional<std::vector<std::string>> HandedFiles(const COPYDATASTRUCT& data);

// The files of a WM_DROPFILES, in the order given; the drop is finished.
std::vector<std::string> DroppedFiles(HDROP drop);

}  // namespace tl
