#include "app/window_document.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "app/file_arrival.h"
#include "files/file_io.h"
#include "platform/code_page.h"
#include "res/product.h"
#include "res/resource_ids.h"
#include "app/recent_files_menu.h"

namespace tl {
// With UTF-8 as the code page a character can take three bytes (a surrogate pair
// four for two units), so the buffers hold the longest path and the longest name
// Windows allows, in UTF-16 units, three times over.
std::optional<ChosenFile> WindowDocument::ChooseFile(bool toSave, const char* filter,
                                                     const char* extension) {
  constexpr std::size_t kLongestPath = 32768, kLongestName = 256;
  std::string path(3 * kLongestPath, '\0');
  std::string title(3 * kLongestName, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Owner();
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrFileTitle = title.data();
  dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
  dialog.lpstrDefExt = extension;
  dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLESIZING;
  const BOOL chosen = toSave ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return ChosenFile{path.c_str(), title.c_str()};
}

std::optional<ChosenFile> WindowDocument::ChooseFileToOpen() {
  return ChooseFileToSaveOrOpen(false, FileKind::ColourList);
}

std::optional<ChosenFile> WindowDocument::ChooseFileToSave(FileKind kind) {
  return ChooseFileToSaveOrOpen(true, kind);
}

std::optional<ChosenFile> WindowDocument::ChooseFileToSaveOrOpen(bool toSave, FileKind kind) {
  const std::string filter = DialogFilterOf(kind);
  return ChooseFile(toSave, filter.c_str(), RowOf(kind).extension);
}

std::optional<ChosenFile> WindowDocument::ChooseFileToImport() {
  const std::string filter = ImportDialogFilter();
  return ChooseFile(false, filter.c_str(), nullptr);
}

// The file commands, the exports as rows of the file-kind table, and Recent Files.
bool WindowDocument::OnCommand(int id) {
  switch (id) {
    case ID_FILE_NEW:
      m_document.New();
      return true;
    case ID_FILE_OPEN:
      m_document.Open();
      return true;
    case ID_FILE_SAVE:
      m_document.Save();
      return true;
    case ID_FILE_SAVE_AS:
      m_document.SaveAs();
      return true;
    case ID_FILE_IMPORT:
      m_document.Import();
      return true;
    case ID_CLEAR_ALL:
      m_document.ClearAll();
      return true;
    default:
      break;
  }
  if (const FileKindRow* kind = RowOfExportCommand(id)) {
    m_document.Export(kind->kind);
    return true;
  }
  return OpenRecentFile(id);
}

Answer WindowDocument::AskToSaveColours() {
  switch (
      ::MessageBoxA(Owner(), "Do you want to save the colors?", TL_PROGRAM_NAME, MB_YESNOCANCEL)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void WindowDocument::ShowCannotSave(const std::string& path) {
  const std::string text =
      "The colors could not be saved to\n" + path + "\n\nThey are still in the list.";
  ::MessageBoxA(Owner(), text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONEXCLAMATION);
}

void WindowDocument::ShowCannotOpen(const std::string& path) {
  const std::string text = "The file could not be opened:\n" + path;
  ::MessageBoxA(Owner(), text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONEXCLAMATION);
}

void WindowDocument::ShowTooLarge(const std::string& path) {
  const std::string text = path + "\nis " + kTooLargeToBeAPalette + ".";
  ::MessageBoxA(Owner(), text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONEXCLAMATION);
}

void WindowDocument::ShowExportFailed() {
  ::MessageBoxA(Owner(), "Failed to export!", nullptr, MB_OK | MB_ICONINFORMATION);
}

void WindowDocument::ShowNoColoursFound(const std::string& path) {
  const std::string text = "No colors found in\n" + path;
  ::MessageBoxA(Owner(), text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONINFORMATION);
}

void WindowDocument::SetTitle(const std::string& title) {
  ::SetWindowTextA(Owner(), title.c_str());
}

void WindowDocument::FileUsed(const std::string& path) { RecentFilesMenu::Add(path); }

bool WindowDocument::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COPYDATA:
      if (const auto files = HandedFiles(*reinterpret_cast<const COPYDATASTRUCT*>(lParam))) {
        OpenFilesSoon(*files);
        result = TRUE;
      }
      return true;
    case kOpenArrivedFiles:
      OpenArrivedFiles();
      return true;
    case WM_DROPFILES:
      TakeDroppedFiles(DroppedFiles(reinterpret_cast<HDROP>(wParam)));
      return true;
    default:
      return false;
  }
}

void WindowDocument::OpenFilesSoon(const std::vector<std::string>& files) {
  if (files.empty()) return;
  const bool waiting = !m_arrivedFiles.empty();
  m_arrivedFiles.insert(m_arrivedFiles.end(), files.begin(), files.end());
  if (!waiting) ::PostMessageA(Owner(), kOpenArrivedFiles, 0, 0);
}

// A window in the tray or minimised comes back first: its question about unsaved
// colours must be seen.
void WindowDocument::OpenArrivedFiles() {
  // A dialog of ours is open (the window is disabled under it): the files wait
  // for the next idle moment after it closes, rather than ask over it.
  if (m_arrivedFiles.empty() || !::IsWindowEnabled(Owner())) return;
  const std::vector<std::string> files = std::exchange(m_arrivedFiles, {});
  if (!::IsWindowVisible(Owner())) ::ShowWindow(Owner(), SW_SHOW);
  if (::IsIconic(Owner())) ::ShowWindow(Owner(), SW_RESTORE);
  ::SetForegroundWindow(Owner());
  OpenFiles(files);
}

void WindowDocument::OpenFiles(const std::vector<std::string>& files) {
  if (files.empty() || !m_document.OpenFile(files.front())) return;
  for (std::size_t i = 1; i < files.size(); ++i) m_document.ImportFile(files[i]);
}

// The question about unsaved colours comes before the first file is read; a
// Cancel there drops the whole drop.
void WindowDocument::TakeDroppedFiles(const std::vector<std::string>& files) {
  const auto list = std::find_if(files.begin(), files.end(), [](const std::string& file) {
    return FileKindOfExtension(file) == FileKind::ColourList;
  });
  if (list != files.end() && !m_document.OpenFile(*list)) return;
  for (auto file = files.begin(); file != files.end(); ++file) {
    if (file != list) m_document.ImportFile(*file);
  }
}

bool WindowDocument::OpenRecentFile(int id) {
  const std::optional<std::string> path = RecentFilesMenu::PathOf(id);
  if (!path) return false;
  const DWORD attributes = ::GetFileAttributesW(WideChars(WideOfCodePage(*path)));
  const DWORD error = ::GetLastError();
  if (attributes == INVALID_FILE_ATTRIBUTES &&
      (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
    const std::string text =
        *path + "\n\nThis file is no longer there. It is taken off the Recent Files menu.";
    ::MessageBoxA(Owner(), text.c_str(), TL_PROGRAM_NAME, MB_OK | MB_ICONEXCLAMATION);
    RecentFilesMenu::Remove(*path);
    return true;
  }
  m_document.OpenFile(*path);
  return true;
}

void WindowDocument::ReplaceColours(const std::vector<ColourValue>& colours,
                                    const std::vector<std::string>& names) {
  m_list.Clear();
  m_list.Append(colours, names);
}

void WindowDocument::AppendColours(const std::vector<ColourValue>& colours,
                                   const std::vector<std::string>& names) {
  m_list.Append(colours, names);
}

void WindowDocument::StartRecovery(const std::string& folder) {
  m_recovery.reset();
  m_recoveryFolder = std::make_unique<RecoveryFolder>(folder);
  m_recovery =
      std::make_unique<RecoveryKeeper>(*m_recoveryFolder, RecoveryFolder::NameForThisInstance());
  std::vector<std::string> names;
  const std::vector<ColourValue> recovered = m_recovery->TakeOrphans(&names);
  if (!recovered.empty()) m_document.Recover(recovered, names);
  // At once, not at the first idle moment: the copies restored are removed only
  // once their colours are in ours.
  KeepRecoveryCopy();
}

void WindowDocument::OnIdle() {
  KeepRecoveryCopy();
  OpenArrivedFiles();
}

void WindowDocument::KeepRecoveryCopy() {
  if (m_recovery) m_recovery->Keep(m_list.Model().Generation(), Modified(), Colours(), Names());
}

void WindowDocument::DiscardRecoveryCopy() {
  if (m_recovery) m_recovery->Discard();
}

}  // namespace tl
