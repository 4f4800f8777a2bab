#pragma once
// The main window's document: the document flow with the window as its host (the
// file dialogs, questions and messages owned by the window, the list box as the
// colours, the window's title), and the copy of unsaved colours kept for recovery.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/recovery.h"
#include "platform/dialog.h"
#include "platform/recovery_folder.h"
#include "ui/colour_list_box.h"

namespace tl {

class WindowDocument final : private DocumentHost {
 public:
  WindowDocument(const Dialog& window, ColourListBox& list) : m_window(window), m_list(list) {}

  // New, Open, Save and the rest.
  Document& Flow() { return m_document; }
  const std::string& CurrentPath() const { return m_document.CurrentPath(); }

  // Restores the colours that instances no longer running left in folder, and from
  // now on keeps a copy of unsaved colours there.
  void StartRecovery(const std::string& folder);
  // Brings the copy up to date when the list changed since it was written.
  void KeepRecoveryCopy();
  // The colours are saved, or the user let them go.
  void DiscardRecoveryCopy();

 private:
  const std::vector<ColourValue>& Colours() const override { return m_list.Model().Colours(); }
  const std::vector<std::string>& Names() const override { return m_list.Model().Names(); }
  bool Modified() const override { return m_list.Model().Modified(); }
  void SetModified(bool modified) override { m_list.SetModified(modified); }
  void ReplaceColours(const std::vector<ColourValue>& colours,
                      const std::vector<std::string>& names) override;
  void AppendColours(const std::vector<ColourValue>& colours,
                     const std::vector<std::string>& names) override;
  std::optional<ChosenFile> ChooseFileToOpen() override;
  std::optional<ChosenFile> ChooseFileToSave(FileKind kind) override;
  std::optional<ChosenFile> ChooseFileToImport() override;
  Answer AskToSaveColours() override;
  void ShowCannotSave(const std::string& path) override;
  void ShowCannotOpen(const std::string& path) override;
  void ShowTooLarge(const std::string& path) override;
  void ShowExportFailed() override;
  void ShowNoColoursFound(const std::string& path) override;
  void SetTitle(const std::string& title) override;
  std::optional<ChosenFile> ChooseFile(bool toSave, const char* filter, const char* extension);
  HWND Owner() const { return m_window.Handle(); }

  const Dialog& m_window;
  ColourListBox& m_list;
  Document m_document{*this};
  std::unique_ptr<RecoveryFolder> m_recoveryFolder;
  std::unique_ptr<RecoveryKeeper> m_recovery;  // off until StartRecovery
};

}  // namespace tl
