// Entry point: prepares the process and runs the program on this thread.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/file_arrival.h"
#include "app/startup.h"
#include "platform/module.h"
#include "ui/tray_icon.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&controls);
  tl::Module::Init(instance);
  tl::TrayIcon::TaskbarCreatedMessage();  // known before any window can receive it

  const int exitCode = tl::RunProgram(showCommand, tl::FilesOnCommandLine());

  tl::Module::Term();
  ::CoUninitialize();
  return exitCode;
}
