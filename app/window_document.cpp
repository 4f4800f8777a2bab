#include "app/window_document.h"

#include <commdlg.h>

#include "files/file_io.h"
#include "res/product.h"

namespace tl {
namespace {

struct FileDialogKind {
  const char* filter;  // pairs of text and pattern, each ending in a zero
  const char* extension;
};

FileDialogKind DialogKindFor(FileKind kind) {
  switch (kind) {
    case FileKind::SwatchExchange:
      return {"Adobe Swatch Exchange files(*.ase)\0*.ase\0", "ase"};
    case FileKind::ColourTable:
      return {"Adobe Color Table Files(*.act)\0*.act\0", "act"};
    case FileKind::PhotoshopSwatches:
      return {"Photoshop Swatches(*.aco)\0*.aco\0", "aco"};
    case FileKind::GimpPalette:
      return {"GIMP Palette(*.gpl)\0*.gpl\0", "gpl"};
    case FileKind::ColourList:
    default:
      return {TL_PROGRAM_NAME " Color List File(*.clf)\0*.clf\0All Files(*.*)\0*.*\0", "clf"};
  }
}

// Every kind Tintlens reads, together first, then each alone.
constexpr char kImportFilter[] =
    "All Palettes(*.clf;*.ase;*.act;*.aco;*.gpl)\0*.clf;*.ase;*.act;*.aco;*.gpl\0"
    TL_PROGRAM_NAME " Color List File(*.clf)\0*.clf\0"
    "Adobe Swatch Exchange files(*.ase)\0*.ase\0"
    "Adobe Color Table Files(*.act)\0*.act\0"
    "Photoshop Swatches(*.aco)\0*.aco\0"
    "GIMP Palette(*.gpl)\0*.gpl\0";

}  // namespace

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
  const FileDialogKind kind = DialogKindFor(FileKind::ColourList);
  return ChooseFile(false, kind.filter, kind.extension);
}

std::optional<ChosenFile> WindowDocument::ChooseFileToSave(FileKind kind) {
  const FileDialogKind dialogKind = DialogKindFor(kind);
  return ChooseFile(true, dialogKind.filter, dialogKind.extension);
}

std::optional<ChosenFile> WindowDocument::ChooseFileToImport() {
  return ChooseFile(false, kImportFilter, nullptr);
}

Answer WindowDocument::AskToSaveColours() {
  switch (::MessageBoxA(Owner(), "Do you want to save the colors?", TL_PROGRAM_NAME,
                        MB_YESNOCANCEL)) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: return Answer::Cancel;
  }
}

void WindowDocument::ShowCannotSave(const std::string& path) {
  const std::string text = "The colors could not be saved to\n" + path + "\n\nThey are still in the list.";
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

void WindowDocument::SetTitle(const std::string& title) { ::SetWindowTextA(Owner(), title.c_str()); }

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
  m_recovery = std::make_unique<RecoveryKeeper>(*m_recoveryFolder,
                                                RecoveryFolder::NameForThisInstance());
  std::vector<std::string> names;
  const std::vector<ColourValue> recovered = m_recovery->TakeOrphans(&names);
  if (!recovered.empty()) m_document.Recover(recovered, names);
  // At once, not at the first idle moment: the copies restored are removed only
  // once their colours are in ours.
  KeepRecoveryCopy();
}

void WindowDocument::KeepRecoveryCopy() {
  if (m_recovery) m_recovery->Keep(m_list.Model().Generation(), Modified(), Colours(), Names());
}

void WindowDocument::DiscardRecoveryCopy() {
  if (m_recovery) m_recovery->Discard();
}

}  // namespace tl
