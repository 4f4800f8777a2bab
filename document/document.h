#pragma once
// The colour list as the program's one document: New, Open, Save, Save As, Import,
// the exports and the question asked before unsaved colours are dropped. It reads
// and writes the files itself; the host holds the list and shows the dialogs,
// questions and messages, so the flow is tested without a window.

#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/file_kind.h"
#include "files/palette_read.h"
#include "res/product.h"

namespace tl {

enum class Answer { Yes, No, Cancel };

struct ChosenFile {
  std::string path;   // full path
  std::string title;  // the name without folders, for the window title
};

class DocumentHost {
 public:
  // The list itself. Names go by index, as ColourList::Names has them.
  virtual const std::vector<ColourValue>& Colours() const = 0;
  virtual const std::vector<std::string>& Names() const = 0;
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual void ReplaceColours(const std::vector<ColourValue>& colours,
                              const std::vector<std::string>& names) = 0;
  // After the list's current entries, in the order given.
  virtual void AppendColours(const std::vector<ColourValue>& colours,
                             const std::vector<std::string>& names) = 0;

  // Dialogs, questions and messages.
  virtual std::optional<ChosenFile> ChooseFileToOpen() = 0;
  virtual std::optional<ChosenFile> ChooseFileToSave(FileKind kind) = 0;
  // A palette of any kind Tintlens reads.
  virtual std::optional<ChosenFile> ChooseFileToImport() = 0;
  virtual Answer AskToSaveColours() = 0;
  virtual void ShowCannotSave(const std::string& path) = 0;
  virtual void ShowCannotOpen(const std::string& path) = 0;
  virtual void ShowTooLarge(const std::string& path) = 0;
  virtual void ShowExportFailed() = 0;
  virtual void ShowNoColoursFound(const std::string& path) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // A file was opened or saved as the list's (Recent Files keeps it).
  virtual void FileUsed(const std::string& /*path*/) {}

 protected:
  ~DocumentHost() = default;
};

class Document {
 public:
  static constexpr const char* kProgramName = TL_PROGRAM_NAME;

  explicit Document(DocumentHost& host) : m_host(host) {}

  void New();
  // A colour list file, or any file the readers do not know, becomes the list and
  // its file. A palette of another kind gives its colours as Import does, to a
  // new, untitled list: its file is never written over with a colour list.
  void Open();
  // Open without the dialog: a file named on the command line, dropped on the
  // window or chosen from Recent Files. False when nothing was opened (the user
  // kept the list, or has been told why the file could not be read).
  bool OpenFile(const std::string& path);
  // True when the colours are safe: written, or nothing needed writing.
  bool Save();
  bool SaveAs();
  void Export(FileKind kind);
  // Adds a palette file's colours after the list's; the list's file stays its own.
  void Import();
  // Import without the dialog: a swatch file dropped on the window.
  void ImportFile(const std::string& path);
  // Asked before the program ends; false means the user chose to stay.
  bool ConfirmExit();
  // Empties the list, asking first about unsaved colours as New does; the list's
  // file stays its own.
  void ClearAll();
  // Colours an earlier session left unsaved (a crash, a kill, the end of the
  // Windows session) become the list: unsaved, in no file, and the title says
  // where they came from until the list is saved or cleared.
  void Recover(const std::vector<ColourValue>& colours, const std::vector<std::string>& names = {});

  const std::string& CurrentPath() const { return m_path; }

 private:
  // The question before unsaved colours are dropped; false: stop what was asked.
  bool SaveChangesFirst();
  bool WriteTo(const std::string& path);
  bool SaveThroughDialog();
  bool OpenChosen(const ChosenFile& chosen);
  // The chosen file's bytes, or nothing once the user has been told why not.
  std::optional<Bytes> ReadChosenFile(const std::string& path);
  // Tells the user when a palette gives no colours; true when it gave some.
  bool ReadPaletteOf(const std::string& path, const Bytes& bytes, PaletteRead& read);

  void SetFileTitle(const std::string& fileTitle);

  DocumentHost& m_host;
  std::string m_path;
  bool m_recovered = false;
};

}  // namespace tl
