#include "app/file_arrival.h"

#include "platform/code_page.h"

namespace tl {
namespace {

constexpr char kReceiverProperty[] = "Tintlens.FileReceiver";
constexpr ULONG_PTR kHandOverTag = 0x544C4F46;  // "TLOF"
constexpr UINT kHandOverMilliseconds = 5000;

std::optional<std::string> FullPath(const wchar_t* path) {
  const DWORD length = ::GetFullPathNameW(path, 0, nullptr, nullptr);
  if (length == 0) return std::nullopt;
  std::u16string full(length, u'\0');
  const DWORD written = ::GetFullPathNameW(path, length, WideChars(full), nullptr);
  if (written == 0 || written >= length) return std::nullopt;
  full.resize(written);
  return CodePageOfWide(full);
}

BOOL CALLBACK FindReceiver(HWND window, LPARAM found) {
  if (!::GetPropA(window, kReceiverProperty)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

std::vector<std::string> FilesOnCommandLine() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> files;
  for (int i = 1; arguments && i < count; ++i) {
    if (arguments[i][0] == L'\0') continue;
    if (std::optional<std::string> path = FullPath(arguments[i])) files.push_back(std::move(*path));
  }
  ::LocalFree(arguments);
  return files;
}

void ReceiveArrivingFiles(HWND window) {
  ::SetPropA(window, kReceiverProperty, reinterpret_cast<HANDLE>(1));
  ::DragAcceptFiles(window, TRUE);
}

void StopReceivingFiles(HWND window) { ::RemovePropA(window, kReceiverProperty); }

// The paths go as one block, each ended by a zero, so that they arrive together
// and in order.
bool HandFilesToRunningInstance(const std::vector<std::string>& files) {
  HWND receiver = nullptr;
  ::EnumWindows(FindReceiver, reinterpret_cast<LPARAM>(&receiver));
  if (!receiver) return false;
  std::string block;
  for (const std::string& file : files) block += file + '\0';
  COPYDATASTRUCT data{kHandOverTag, static_cast<DWORD>(block.size()), block.data()};
  // The running window comes to the front to ask its questions: this start is
  // the foreground one, and lets it.
  DWORD process = 0;
  ::GetWindowThreadProcessId(receiver, &process);
  ::AllowSetForegroundWindow(process);
  DWORD_PTR taken = FALSE;
  return ::SendMessageTimeoutA(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kHandOverMilliseconds, &taken) != 0 &&
         taken == TRUE;
}

std::optional<std::vector<std::string>> HandedFiles(const COPYDATASTRUCT& data) {
  if (data.dwData != kHandOverTag || (data.cbData != 0 && !data.lpData)) return std::nullopt;
  const char* bytes = static_cast<const char*>(data.lpData);
  std::vector<std::string> files;
  std::size_t start = 0;
  for (std::size_t i = 0; i < data.cbData; ++i) {
    if (bytes[i] != '\0') continue;
    if (i > start) files.emplace_back(bytes + start, i - start);
    start = i + 1;
  }
  return files;
}

std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> files;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::u16string path(length + 1, u'\0');
    path.resize(::DragQueryFileW(drop, i, WideChars(path), length + 1));
    if (std::optional<std::string> file = CodePageOfWide(path)) files.push_back(std::move(*file));
  }
  ::DragFinish(drop);
  return files;
}

}  // namespace tl
