#include "app/startup.h"

#include <windows.h>

#include <optional>
#include <string>

#include "app/file_arrival.h"
#include "app/main_window.h"
#include "platform/message_loop.h"
#include "res/product.h"

namespace tl {
namespace {

// A start that fails must not look like a clean exit: the user is told, and the
// exit code says so to whatever started the program.
int ReportStartFailure(DWORD error) {
  std::string text = TL_PROGRAM_NAME " could not start: its window could not be created.";
  char reason[256] = {};
  if (error != 0 && ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, error, 0, reason, sizeof reason, nullptr) != 0) {
    text += "\n\n";
    text += reason;
  }
  if (error != 0) text += "\n(error " + std::to_string(error) + ")";
  ::MessageBoxA(nullptr, text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONERROR);
  return kStartFailedExitCode;
}

}  // namespace

int RunProgram(int showCommand, const std::vector<std::string>& files) {
  if (!files.empty() && HandFilesToRunningInstance(files)) return 0;
  int exitCode = 0;
  MessageLoop loop;
  {
    MainWindow window;
    if (window.Create(loop)) {
      if (const std::optional<std::string> folder = RecoveryFolder::Standard()) {
        window.StartRecovery(*folder);
      }
      ::ShowWindow(window.Handle(), showCommand);
      window.OpenFilesSoon(files);
      exitCode = loop.Run();
    } else {
      exitCode = ReportStartFailure(::GetLastError());
    }
  }
  return exitCode;
}

}  // namespace tl
