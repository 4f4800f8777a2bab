// Entry point: prepares the UI thread, creates the main window and runs the
// program's one message loop.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"
#include "platform/message_loop.h"
#include "platform/module.h"
#include "ui/tray_icon.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&controls);
  tl::Module::Init(instance);
  tl::TrayIcon::TaskbarCreatedMessage();  // known before any window can receive it

  int exitCode = 0;
  {
    tl::MessageLoop loop;
    tl::LoopTable::Add(::GetCurrentThreadId(), &loop);
    {
      tl::MainWindow window;
      if (window.Create()) {
        ::ShowWindow(window.Handle(), showCommand);
        exitCode = loop.Run();
      }
      tl::LoopTable::Remove(::GetCurrentThreadId());
    }
  }

  tl::Module::Term();
  ::CoUninitialize();
  return exitCode;
}
