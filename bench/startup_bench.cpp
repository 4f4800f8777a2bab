// How long Tintlens takes to start, beside an empty dialog program started the
// same way, under the same Wine session (`make bench`).
//
// Each start is a process of its own (this program run again with "program" or
// "empty"), which measures with QueryPerformanceCounter from its entry to the
// first idle moment of its message loop, when the window is up and waiting for
// the user. It also gives the time since the system created the process, which
// adds the loader's work (Wine's, mostly) that both programs share.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/message_loop.h"
#include "platform/module.h"
#include "ui/tray_icon.h"

namespace {

constexpr int kStarts = 15;

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER g_entry;

// The first idle moment: report and leave.
class FirstIdle final : public tl::IdleHandler {
 public:
  void OnIdle() override {
    if (m_done) return;
    m_done = true;
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    FILETIME created, exited, kernel, user, current;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    ::GetSystemTimePreciseAsFileTime(&current);
    const auto value = [](FILETIME t) {
      return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    std::printf("%.0f %.0f\n", Microseconds(now.QuadPart - g_entry.QuadPart),
                static_cast<double>(value(current) - value(created)) / 10.0);
    std::fflush(stdout);
    ::PostQuitMessage(0);
  }

 private:
  bool m_done = false;
};

// As WinMain and RunProgram do it.
int StartProgram() {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&controls);
  tl::Module::Init(::GetModuleHandleA(nullptr));
  tl::TrayIcon::TaskbarCreatedMessage();
  tl::MessageLoop loop;
  FirstIdle idle;
  {
    tl::MainWindow window;
    if (!window.Create(loop)) return 1;
    ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    loop.AddIdleHandler(&idle);
    loop.Run();
    loop.RemoveIdleHandler(&idle);
  }
  ::CoUninitialize();
  return 0;
}

INT_PTR CALLBACK EmptyProcedure(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// A captioned dialog with nothing in it, from a template in memory.
int StartEmptyDialog() {
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title[9];
  } dialog{};
  dialog.header.style = WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_VISIBLE | DS_MODALFRAME;
  dialog.header.cx = 200;
  dialog.header.cy = 100;
  const wchar_t* title = L"Empty";
  std::memcpy(dialog.title, title, (std::wcslen(title) + 1) * sizeof(wchar_t));
  const HWND window = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), &dialog.header,
                                                   nullptr, EmptyProcedure, 0);
  if (!window) return 1;
  tl::MessageLoop loop;
  FirstIdle idle;
  loop.AddIdleHandler(&idle);
  loop.Run();
  ::DestroyWindow(window);
  return 0;
}

// Runs this program again as one start of `mode`; its two figures.
bool Measure(const char* mode, double& fromEntry, double& fromCreation) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  char tempFolder[MAX_PATH] = {}, output[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, tempFolder);
  ::GetTempFileNameA(tempFolder, "tls", 0, output);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = ::CreateFileA(output, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  std::string command = std::string("\"") + path + "\" " + mode;
  PROCESS_INFORMATION process{};
  const bool started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process) != FALSE;
  ::CloseHandle(file);
  if (!started) return false;
  ::WaitForSingleObject(process.hProcess, 60000);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  FILE* result = std::fopen(output, "r");
  const bool read = result && std::fscanf(result, "%lf %lf", &fromEntry, &fromCreation) == 2;
  if (result) std::fclose(result);
  ::DeleteFileA(output);
  return read;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  ::QueryPerformanceCounter(&g_entry);
  if (argc > 1 && std::strcmp(argv[1], "program") == 0) return StartProgram();
  if (argc > 1 && std::strcmp(argv[1], "empty") == 0) return StartEmptyDialog();

  const char* modes[] = {"program", "empty"};
  std::vector<double> entry[2], creation[2];
  double a = 0, b = 0;
  for (const char* mode : modes) Measure(mode, a, b);  // the first starts warm Wine up
  for (int i = 0; i < kStarts; ++i) {
    for (int m = 0; m < 2; ++m) {  // alternated, so both see the same machine
      if (!Measure(modes[m], a, b)) {
        std::printf("start of %s failed\n", modes[m]);
        return 1;
      }
      entry[m].push_back(a);
      creation[m].push_back(b);
    }
  }
  std::printf("start-up to the first idle moment, median of %d starts each, in ms\n", kStarts);
  std::printf("%-22s %16s %20s\n", "", "from entry", "from process start");
  std::printf("%-22s %16.1f %20.1f\n", "Tintlens", Median(entry[0]) / 1000,
              Median(creation[0]) / 1000);
  std::printf("%-22s %16.1f %20.1f\n", "empty dialog program", Median(entry[1]) / 1000,
              Median(creation[1]) / 1000);
  return 0;
}
