// Reads the program's windows from outside, and stands in for other programs, for
// the end-to-end tests. Each command prints its answer on stdout and exits 0, or
// says why on stderr and exits 1.
// Built with the console tool's manifest, which makes UTF-8 its code page, so
// arguments (file names among them) arrive as UTF-8 in any script.
//   find-window TITLE [CLASS [SKIP...]]  the first top-level window with that
//                                 title that is none of the SKIP windows
//   find-dialog TEXT              a shown dialog (#32770) with a control whose text
//                                 contains TEXT; prints the dialog and that text
//   hold-hotkey MODIFIERS VK      registers the hotkey, says "held", then keeps it
//                                 until killed (another program holding a hotkey)
//   lock-file PATH                opens the file shared with nobody, says "held",
//                                 and keeps it so until killed
//   pattern                       shows a test pattern of known colours, says "held",
//                                 and keeps it until killed:
//                                 (760, 20) to (1010, 270) of 220, 20, 60; a
//                                 one-pixel line of 30, 160, 70 at x = 890; a block
//                                 of 40, 60, 200 from (770, 200) to (830, 260); and
//                                 a field of 3 x 3 cells from (900, 150) whose
//                                 colours change across and down (for the eye)
//   rect HWND [ID]                a window's or its control's left top right
//                                 bottom (screen)
//   text HWND [ID]                a window's or its control's current text (UTF-8)
//   set-file-name HWND TEXT       fills the file name field of a file dialog
//   state HWND                    four flags, 1 or 0: shown; the foreground window;
//                                 its thread's active window with the focus in it;
//                                 its thread holds the mouse capture
//   move-window HWND X Y          moves a window's top-left corner there
//   item-message HWND ID MSG      sends a control a message without parameters
//                                 and prints the answer
//   select-row HWND ID ROW        chooses a row of a drop-down list
//   list-items HWND ID            a list box's item texts, one per line
//   children HWND                 the client area (screen), then one line per
//                                 shown child: id class style left top right bottom
//   post-command HWND ID          posts WM_COMMAND with that id
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND ParseWindow(const char* text) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(text, nullptr, 0)));
}

long long Number(HWND window) { return static_cast<long long>(reinterpret_cast<INT_PTR>(window)); }

std::wstring Widen(const char* text) {
  wchar_t buffer[512] = {};
  ::MultiByteToWideChar(CP_UTF8, 0, text, -1, buffer, 512);
  return buffer;
}

std::string Narrow(const std::wstring& text) {
  char utf8[4096] = {};
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

// Another process's text comes back as UTF-16 only through the W message.
std::wstring Text(HWND window) {
  wchar_t text[1024] = {};
  ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

void PrintRect(const RECT& r) {
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
}

int Fail(const char* why) {
  std::fprintf(stderr, "probe: %s\n", why);
  return 1;
}

template <typename Visit>
BOOL CALLBACK Call(HWND window, LPARAM visit) {
  return (*reinterpret_cast<Visit*>(visit))(window) ? TRUE : FALSE;
}

// Calls visit(window) for each top-level window (parent null) or each child of
// parent until it returns false.
template <typename Visit>
void Each(HWND parent, Visit visit) {
  if (parent) {
    ::EnumChildWindows(parent, Call<Visit>, reinterpret_cast<LPARAM>(&visit));
  } else {
    ::EnumWindows(Call<Visit>, reinterpret_cast<LPARAM>(&visit));
  }
}

// The pattern's window paints in screen coordinates less its corner.
constexpr int kLeft = 760, kTop = 20, kSize = 250;

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const HBRUSH brush = ::CreateSolidBrush(colour);
  const RECT rect{left - kLeft, top - kTop, right - kLeft, bottom - kTop};
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

LRESULT CALLBACK PaintPattern(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  const HDC dc = ::BeginPaint(window, &paint);
  Fill(dc, kLeft, kTop, kLeft + kSize, kTop + kSize, RGB(220, 20, 60));
  Fill(dc, 890, kTop, 891, kTop + kSize, RGB(30, 160, 70));
  Fill(dc, 770, 200, 830, 260, RGB(40, 60, 200));
  Fill(dc, 830, 90, 871, 131, RGB(0, 0, 0));  // a lone white pixel, (850, 110), on black
  Fill(dc, 850, 110, 851, 111, RGB(255, 255, 255));
  for (int y = 150; y < kTop + kSize; y += 3) {
    for (int x = 900; x < kLeft + kSize; x += 3) {
      Fill(dc, x, y, x + 3, y + 3, RGB((x - 900) * 2, 250 - (y - 150) * 2, 255 - (x - 900) * 2));
    }
  }
  ::EndPaint(window, &paint);
  return 0;
}

// Says "held" once what it holds or shows is in place, then serves its messages
// until it is killed.
int Hold() {
  std::printf("held\n");
  std::fflush(stdout);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Physical pixels, as the program under test and the screen see them.
  ::SetProcessDPIAware();
  if (argc < 2) return Fail("no command");
  const std::string command = argv[1];
  if (command == "find-window" && argc >= 3) {
    const std::wstring title = Widen(argv[2]), className = argc >= 4 ? Widen(argv[3]) : L"";
    HWND found = nullptr;
    Each(nullptr, [&](HWND window) {
      for (int i = 4; i < argc; ++i) {
        if (ParseWindow(argv[i]) == window) return true;
      }
      wchar_t text[256] = {};
      ::GetWindowTextW(window, text, 256);
      if (title != text || (!className.empty() && ClassName(window) != className)) {
        return true;
      }
      found = window;
      return false;
    });
    if (!found) return Fail("no such window");
    std::printf("%lld\n", Number(found));
  } else if (command == "find-dialog" && argc >= 3) {
    const std::wstring wanted = Widen(argv[2]);
    std::wstring matched;
    HWND found = nullptr;
    Each(nullptr, [&](HWND window) {
      if (ClassName(window) != L"#32770" || !::IsWindowVisible(window)) return true;
      Each(window, [&](HWND child) {
        if (Text(child).find(wanted) == std::wstring::npos) return true;
        matched = Text(child);
        found = window;
        return false;
      });
      return !found;
    });
    if (!found) return Fail("no such dialog");
    std::printf("%lld %s\n", Number(found), Narrow(matched).c_str());
  } else if (command == "hold-hotkey" && argc >= 4) {
    if (!::RegisterHotKey(nullptr, 1, std::strtoul(argv[2], nullptr, 0),
                          std::strtoul(argv[3], nullptr, 0))) {
      return Fail("could not register the hotkey");
    }
    return Hold();
  } else if (command == "lock-file" && argc >= 3) {
    if (::CreateFileW(Widen(argv[2]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr) == INVALID_HANDLE_VALUE) {
      return Fail("could not open the file");
    }
    return Hold();
  } else if (command == "pattern") {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PaintPattern;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TintlensTestPattern";
    ::RegisterClassW(&windowClass);
    ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName,
                      L"Tintlens test pattern", WS_POPUP | WS_VISIBLE, kLeft, kTop, kSize, kSize,
                      nullptr, nullptr, windowClass.hInstance, nullptr);
    return Hold();
  } else if (argc < 3 || !::IsWindow(ParseWindow(argv[2]))) {
    return Fail("not a window");
  } else {
    const HWND window = ParseWindow(argv[2]);
    // The control that the third argument names, or the window itself.
    const bool onItem = command == "rect" || command == "text" || command == "item-message" ||
                        command == "select-row" || command == "list-items" ||
                        command == "combo-items";
    const HWND item = onItem && argc >= 4 ? ::GetDlgItem(window, std::atoi(argv[3])) : window;
    if (!item) return Fail("no such control");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread);
    if (command == "rect") {
      RECT r{};
      ::GetWindowRect(item, &r);
      PrintRect(r);
    } else if (command == "text") {
      std::printf("%s\n", Narrow(Text(item)).c_str());
    } else if (command == "set-file-name" && argc >= 4) {
      // The Explorer-style dialogs name their file field cmb13 (a combo box), the
      // older ones edt1.
      HWND field = ::GetDlgItem(window, 0x47C);
      if (!field) field = ::GetDlgItem(window, 0x480);
      if (!field) return Fail("no file name field");
      ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(argv[3]).c_str()));
    } else if (command == "state") {
      // Active with the title bar and all: it or a control of it has the focus.
      std::printf("%d %d %d %d\n", ::IsWindowVisible(window) ? 1 : 0,
                  ::GetForegroundWindow() == window ? 1 : 0,
                  thread.hwndActive == window && thread.hwndFocus ? 1 : 0,
                  thread.hwndCapture ? 1 : 0);
    } else if (command == "move-window" && argc >= 5) {
      if (!::SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        return Fail("cannot move it");
      }
    } else if (command == "item-message" && argc >= 5) {
      std::printf("%lld\n", static_cast<long long>(
                                ::SendMessageW(item, std::strtoul(argv[4], nullptr, 0), 0, 0)));
    } else if (command == "select-row" && argc >= 5) {
      // As the user chooses: the selection, then the notification that it changed.
      if (::SendMessageW(item, CB_SETCURSEL, std::atoi(argv[4]), 0) == CB_ERR) {
        return Fail("no such row");
      }
      ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(item), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(item));
    } else if (command == "list-items" && argc >= 4) {
      const LRESULT count = ::SendMessageW(item, LB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (::SendMessageW(item, LB_GETTEXTLEN, i, 0) >= 256) return Fail("item too long");
        ::SendMessageW(item, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", Narrow(text).c_str());
      }
    } else if (command == "combo-items" && argc >= 4) {
      const LRESULT count = ::SendMessageW(item, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (::SendMessageW(item, CB_GETLBTEXTLEN, i, 0) >= 256) return Fail("item too long");
        ::SendMessageW(item, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", Narrow(text).c_str());
      }
    } else if (command == "children") {
      RECT client{};
      ::GetClientRect(window, &client);
      ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
      PrintRect(client);
      Each(window, [&](HWND child) {
        RECT r{};
        ::GetWindowRect(child, &r);
        char className[64] = {};
        ::GetClassNameA(child, className, sizeof className);
        if (::GetParent(child) == window && ::IsWindowVisible(child)) {
          std::printf("%d %s %#lx %ld %ld %ld %ld\n", ::GetDlgCtrlID(child), className,
                      static_cast<unsigned long>(::GetWindowLongW(child, GWL_STYLE)), r.left, r.top,
                      r.right, r.bottom);
        }
        return true;
      });
    } else if (command == "post-command" && argc >= 4) {
      if (!::PostMessageW(window, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0)) {
        return Fail("post failed");
      }
    } else {
      return Fail("unknown command");
    }
  }
  return 0;
}
