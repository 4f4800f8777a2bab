// Reads the program's windows from outside, and stands in for other programs, for
// the end-to-end tests. Each command prints one line on stdout and exits 0, or
// says why on stderr and exits 1.
// Built with the console tool's manifest, which makes UTF-8 its code page, so
// arguments (file names among them) arrive as UTF-8 in any script.
//   find-window TITLE [CLASS [SKIP...]]  the first top-level window with that
//                                 title that is none of the SKIP windows
//   find-dialog TEXT              a dialog (#32770) with a control whose text
//                                 contains TEXT; prints the dialog and that text
//   hold-hotkey MODIFIERS VK      registers the hotkey, says "held", then keeps it
//                                 until killed (another program holding a hotkey)
//   lock-file PATH                opens the file shared with nobody, says "held",
//                                 and keeps it so until killed
//   foreground                    the foreground window
//   work-area                     left top right bottom
//   window-rect HWND              left top right bottom (screen)
//   client-origin HWND            client (0,0) in screen coordinates
//   window-title HWND             a window's title (UTF-8)
//   set-file-name HWND TEXT       fills the file name field of a file dialog
//   active HWND                   1 when it is its thread's active window, else 0
//   has-capture HWND              1 when its thread holds the mouse capture, else 0
//   visible HWND                  1 or 0
//   move-window HWND X Y          moves a window's top-left corner there
//   item-rect HWND ID             a control's rectangle (screen)
//   item-text HWND ID             a control's current text (UTF-8)
//   item-message HWND ID MSG      sends a control a message without parameters
//                                 and prints the answer
//   select-row HWND ID ROW        chooses a row of a drop-down list
//   list-items HWND ID            a list box's item texts, one per line
//   children HWND                 the client area (screen), then one line per
//                                 shown child: id class style left top right bottom
//   post-command HWND ID          posts WM_COMMAND with that id
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND ParseWindow(const char* text) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(text, nullptr, 0)));
}

struct FindRequest {
  std::wstring title;
  std::wstring className;
  std::vector<HWND> skip;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
  auto* request = reinterpret_cast<FindRequest*>(parameter);
  wchar_t title[256] = {}, className[256] = {};
  ::GetWindowTextW(window, title, 256);
  ::GetClassNameW(window, className, 256);
  if (request->title == title && (request->className.empty() || request->className == className) &&
      std::find(request->skip.begin(), request->skip.end(), window) == request->skip.end()) {
    request->found = window;
    return FALSE;
  }
  return TRUE;
}

struct DialogSearch {
  std::wstring text;
  HWND dialog;
  std::wstring found;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<DialogSearch*>(parameter);
  wchar_t text[1024] = {};
  ::SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  if (std::wstring(text).find(search->text) != std::wstring::npos) {
    search->found = text;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK VisitDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<DialogSearch*>(parameter);
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
  ::EnumChildWindows(window, VisitChild, parameter);
  if (search->found.empty()) return TRUE;
  search->dialog = window;
  return FALSE;
}

std::wstring Widen(const char* text) {
  wchar_t buffer[512] = {};
  ::MultiByteToWideChar(CP_UTF8, 0, text, -1, buffer, 512);
  return buffer;
}

void PrintRect(const RECT& r) { std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom); }

int Fail(const char* why) {
  std::fprintf(stderr, "probe: %s\n", why);
  return 1;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
  if (::GetParent(child) != reinterpret_cast<HWND>(parent) || !::IsWindowVisible(child)) {
    return TRUE;
  }
  char className[64] = {};
  ::GetClassNameA(child, className, sizeof className);
  RECT r{};
  ::GetWindowRect(child, &r);
  std::printf("%d %s %#lx %ld %ld %ld %ld\n", ::GetDlgCtrlID(child), className,
              static_cast<unsigned long>(::GetWindowLongW(child, GWL_STYLE)), r.left, r.top,
              r.right, r.bottom);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  // Physical pixels, as the program under test and the screen see them.
  ::SetProcessDPIAware();
  if (argc < 2) return Fail("no command");
  const std::string command = argv[1];
  if (command == "find-window" && argc >= 3) {
    FindRequest request{Widen(argv[2]), argc >= 4 ? Widen(argv[3]) : L"", {}, nullptr};
    for (int i = 4; i < argc; ++i) request.skip.push_back(ParseWindow(argv[i]));
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&request));
    if (!request.found) return Fail("no such window");
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(request.found)));
    return 0;
  }
  if (command == "find-dialog" && argc >= 3) {
    DialogSearch search{Widen(argv[2]), nullptr, L""};
    ::EnumWindows(VisitDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.dialog) return Fail("no such dialog");
    char utf8[4096] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, search.found.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%lld %s\n", static_cast<long long>(reinterpret_cast<INT_PTR>(search.dialog)), utf8);
    return 0;
  }
  if (command == "hold-hotkey" && argc >= 4) {
    if (!::RegisterHotKey(nullptr, 1, std::strtoul(argv[2], nullptr, 0),
                          std::strtoul(argv[3], nullptr, 0))) {
      return Fail("could not register the hotkey");
    }
    std::printf("held\n");
    std::fflush(stdout);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    }
    return 0;
  }
  if (command == "lock-file" && argc >= 3) {
    const HANDLE file = ::CreateFileW(Widen(argv[2]).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("could not open the file");
    std::printf("held\n");
    std::fflush(stdout);
    ::Sleep(INFINITE);
    return 0;
  }
  if (command == "foreground") {
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(::GetForegroundWindow())));
    return 0;
  }
  if (command == "work-area") {
    RECT r{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    PrintRect(r);
    return 0;
  }
  if (argc < 3) return Fail("missing window");
  const HWND window = ParseWindow(argv[2]);
  if (!::IsWindow(window)) return Fail("not a window");
  if (command == "window-rect") {
    RECT r{};
    ::GetWindowRect(window, &r);
    PrintRect(r);
  } else if (command == "window-title") {
    wchar_t text[512] = {};
    ::SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    char utf8[2048] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
  } else if (command == "set-file-name" && argc >= 4) {
    // The Explorer-style dialogs name their file field cmb13 (a combo box), the
    // older ones edt1.
    HWND field = ::GetDlgItem(window, 0x47C);
    if (!field) field = ::GetDlgItem(window, 0x480);
    if (!field) return Fail("no file name field");
    const std::wstring text = Widen(argv[3]);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    std::printf("ok\n");
  } else if (command == "client-origin") {
    POINT p{0, 0};
    ::ClientToScreen(window, &p);
    std::printf("%ld %ld\n", p.x, p.y);
  } else if (command == "active") {
    // Whether the window is its thread's active window, title bar and all.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    std::printf("%d\n", ::GetGUIThreadInfo(thread, &info) && info.hwndActive == window &&
                            info.hwndFocus != nullptr ? 1 : 0);
  } else if (command == "has-capture") {
    // Whether the window's thread holds the mouse capture (an icon drag under way).
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    std::printf("%d\n", ::GetGUIThreadInfo(thread, &info) && info.hwndCapture ? 1 : 0);
  } else if (command == "visible") {
    std::printf("%d\n", ::IsWindowVisible(window) ? 1 : 0);
  } else if (command == "move-window" && argc >= 5) {
    if (!::SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
      return Fail("cannot move it");
    }
    std::printf("moved\n");
  } else if ((command == "item-rect" || command == "item-text") && argc >= 4) {
    const HWND item = ::GetDlgItem(window, std::atoi(argv[3]));
    if (!item) return Fail("no such control");
    if (command == "item-rect") {
      RECT r{};
      ::GetWindowRect(item, &r);
      PrintRect(r);
    } else {
      // Another process's text comes back as UTF-16 only through the W message.
      wchar_t text[1024] = {};
      ::SendMessageW(item, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
      char utf8[4096] = {};
      ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
      std::printf("%s\n", utf8);
    }
  } else if (command == "item-message" && argc >= 5) {
    const HWND item = ::GetDlgItem(window, std::atoi(argv[3]));
    if (!item) return Fail("no such control");
    std::printf("%lld\n", static_cast<long long>(
                               ::SendMessageW(item, std::strtoul(argv[4], nullptr, 0), 0, 0)));
  } else if (command == "select-row" && argc >= 5) {
    // Chooses a row of a drop-down list as the user does: the selection, then the
    // notification that it changed.
    const int id = std::atoi(argv[3]);
    const HWND box = ::GetDlgItem(window, id);
    if (!box) return Fail("no such control");
    if (::SendMessageW(box, CB_SETCURSEL, std::atoi(argv[4]), 0) == CB_ERR) return Fail("no such row");
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    std::printf("ok\n");
  } else if (command == "list-items" && argc >= 4) {
    const HWND list = ::GetDlgItem(window, std::atoi(argv[3]));
    if (!list) return Fail("no such control");
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[256] = {};
      if (::SendMessageW(list, LB_GETTEXTLEN, i, 0) >= 256) return Fail("item too long");
      ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      char utf8[1024] = {};
      ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
      std::printf("%s\n", utf8);
    }
  } else if (command == "children") {
    RECT client{};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    PrintRect(client);
    ::EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
  } else if (command == "post-command" && argc >= 4) {
    if (!::PostMessageW(window, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0)) {
      return Fail("post failed");
    }
    std::printf("ok\n");
  } else {
    return Fail("unknown command");
  }
  return 0;
}
