// Open and Save of 100,000 colours through the real main window, under Wine:
// `make bench`. A helper thread answers the file dialogs as a user would, so the
// figures include the dialogs' own round trips. Then scrolling and selecting in
// the full list, which must stay quick.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/main_window.h"
#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "res/resource_ids.h"

namespace {

int kColours = 100000;

double Now() {
  LARGE_INTEGER f, t;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Waits for the file dialog with this title, fills in the path and presses its
// default button.
void AnswerFileDialog(const char* title, std::string path) {
  HWND dialog = nullptr;
  // Found, and shown: before that its fields may not be filled in yet.
  for (int i = 0; i < 4000; ++i) {
    dialog = ::FindWindowA("#32770", title);
    if (dialog && ::IsWindowVisible(dialog)) break;
    ::Sleep(5);
  }
  if (!dialog) return;
  HWND field = ::GetDlgItem(dialog, 0x47C);
  if (!field) field = ::GetDlgItem(dialog, 0x480);
  ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  std::fprintf(stderr, "answered %s\n", title);
}

double TimeCommand(HWND window, int command, const char* dialogTitle, const std::string& path) {
  std::thread answer(AnswerFileDialog, dialogTitle, path);
  const double start = Now();
  ::SendMessageA(window, WM_COMMAND, command, 0);
  const double elapsed = Now() - start;
  answer.join();
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kColours = std::atoi(argv[1]);
  char folder[MAX_PATH];
  ::GetTempPathA(sizeof folder, folder);
  const std::string source = std::string(folder) + "tintlens-bench-100k.clf";
  const std::string saved = std::string(folder) + "tintlens-bench-saved.clf";
  std::vector<tl::ColourValue> colours(kColours);
  for (int i = 0; i < kColours; ++i)
    colours[i] = static_cast<tl::ColourValue>(i * 2654435761u) & 0xFFFFFF;
  if (!tl::WriteFileReplacing(source, tl::EncodeColourListFile(colours))) return 1;
  ::DeleteFileA(saved.c_str());

  tl::MessageLoop loop;
  tl::MainWindow window;
  if (!window.Create(loop)) return 1;
  ::ShowWindow(window.Handle(), SW_SHOW);
  ::UpdateWindow(window.Handle());

  std::fprintf(stderr, "opening\n");
  const double open = TimeCommand(window.Handle(), ID_FILE_OPEN, "Open", source);
  const HWND list = ::GetDlgItem(window.Handle(), IDC_COLOUR_LIST);
  const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  std::fprintf(stderr, "saving\n");
  const double saveAs = TimeCommand(window.Handle(), ID_FILE_SAVE_AS, "Save As", saved);
  const tl::Bytes bytes = tl::ReadWholeFile(saved).bytes;
  const bool same = tl::DecodeColourListFile(bytes.data(), bytes.size()) == colours;

  double start = Now();
  for (int i = 0; i < 50; ++i) {
    ::SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(i * (kColours / 50)), 0);
    ::UpdateWindow(list);
  }
  const double scroll = (Now() - start) / 50;
  start = Now();
  for (int i = 0; i < 50; ++i) {
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(kColours - 1 - i * 1000), 0);
    ::SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_COLOUR_LIST, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    ::UpdateWindow(window.Handle());
  }
  const double select = (Now() - start) / 50;

  std::printf("%d colours: Open %.0f ms (%ld entries shown), Save As %.0f ms (file %s)\n", kColours,
              open, static_cast<long>(count), saveAs, same ? "identical" : "DIFFERENT");
  std::printf("with the full list: scroll and repaint %.2f ms, select and show a colour %.2f ms\n",
              scroll, select);
  ::DeleteFileA(source.c_str());
  ::DeleteFileA(saved.c_str());
  return same && count == kColours ? 0 : 1;
}
