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

  // Restores the colours that instances no longer running left in folder, and from
  // now on keeps a copy of unsaved colours there.
  void StartRecovery(const std::string& folder);
  // The messages files arrive by: a second start's hand-over, a drop from the
  // Explorer, and the request to open those that came while the loop was busy.
  // False for any other message.
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Files from the command line or a second start: opened from the message loop,
  // once the window shows, with the window brought to the front.
  void OpenFilesSoon(const std::vector<std::string>& files);

  // File > New, Open, Save, Save As, Import, Export To, Recent Files and Edit >
  // Clear All; false for any other command.
  bool OnCommand(int id);

  // Files named on the command line or handed over by a second start: the first
  // opens as File > Open opens it (a swatch file as an untitled list of its
  // colours) and any others are imported after it.
  void OpenFiles(const std::vector<std::string>& files);
  // Files dropped on the window: the first colour list file opens, and every
  // other file is imported, in the order given.
  void TakeDroppedFiles(const std::vector<std::string>& files);
  // A File > Recent Files item; false when id is not one. A file that is gone
  // is said to be so and leaves the menu.
  bool OpenRecentFile(int id);

  // The loop's idle moment: the copy brought up to date, and files that arrived
  // while a dialog was open opened.
  void OnIdle();
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
  void FileUsed(const std::string& path) override;
  std::optional<ChosenFile> ChooseFile(bool toSave, const char* filter, const char* extension);
  std::optional<ChosenFile> ChooseFileToSaveOrOpen(bool toSave, FileKind kind);
  HWND Owner() const { return m_window.Handle(); }
  void OpenArrivedFiles();

  const Dialog& m_window;
  ColourListBox& m_list;
  Document m_document{*this};
  std::unique_ptr<RecoveryFolder> m_recoveryFolder;
  std::unique_ptr<RecoveryKeeper> m_recovery;  // off until StartRecovery
  std::vector<std::string> m_arrivedFiles;     // handed over, waiting for the loop
};

}  // namespace tl
