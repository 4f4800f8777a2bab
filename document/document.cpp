#include "document/document.h"

#include "files/colour_list_file.h"
#include "files/file_io.h"
#include "files/palette_reader.h"
#include "files/palette_writer.h"

namespace tl {
namespace {

// A colour list's magic was never checked, so an old list may start with any
// bytes: a file named .clf is another kind only by that kind's own magic, never
// by a size or a version word that a list's bytes can happen to have.
bool IsAnotherPaletteKind(const Bytes& bytes, const std::string& path) {
  const std::optional<FileKind> kind = DetectFileKind(bytes.data(), bytes.size(), path);
  if (!kind || *kind == FileKind::ColourList) return false;
  return FileKindOfExtension(path) != FileKind::ColourList || *kind == FileKind::SwatchExchange ||
         *kind == FileKind::GimpPalette;
}

}  // namespace

bool Document::WriteTo(const std::string& path) {
  // Written whole or not at all: a failed save leaves any earlier file as it was.
  if (WritePalette(FileKind::ColourList, path, m_host.Colours(), {}, m_host.Names())) return true;
  m_host.ShowCannotSave(path);  // path, title and the modified flag stay as they were
  return false;
}

// The title rule: the program's name alone, or with the list's file name.
void Document::SetFileTitle(const std::string& fileTitle) {
  m_recovered = false;
  m_host.SetTitle(fileTitle.empty() ? std::string(kProgramName)
                                    : std::string(kProgramName) + " - " + fileTitle);
}

bool Document::SaveThroughDialog() {
  const std::optional<ChosenFile> chosen = m_host.ChooseFileToSave(FileKind::ColourList);
  if (!chosen || !WriteTo(chosen->path)) return false;
  m_path = chosen->path;
  SetFileTitle(chosen->title);
  m_host.SetModified(false);
  m_host.FileUsed(m_path);
  return true;
}

bool Document::Save() {
  if (m_path.empty()) return SaveThroughDialog();  // even an empty, unmodified list
  if (!m_host.Modified()) return true;
  if (!WriteTo(m_path)) return false;
  m_host.SetModified(false);
  m_host.FileUsed(m_path);
  return true;
}

bool Document::SaveAs() { return SaveThroughDialog(); }

// Yes saves first, and a save that is cancelled or fails stops the command: the
// user asked for the colours to be kept.
bool Document::SaveChangesFirst() {
  switch (m_host.AskToSaveColours()) {
    case Answer::Cancel:
      return false;
    case Answer::No:
      return true;
    case Answer::Yes:
      return Save();
  }
  return false;
}

void Document::New() {
  if (m_host.Modified() && !m_host.Colours().empty() && !SaveChangesFirst()) return;
  m_host.ReplaceColours({}, {});
  m_host.SetModified(false);
  m_path.clear();
  SetFileTitle("");
}

std::optional<Bytes> Document::ReadChosenFile(const std::string& path) {
  FileBytes file = ReadWholeFile(path);
  switch (file.failure) {
    case ReadFailure::None:
      return std::move(file.bytes);
    case ReadFailure::TooLarge:
      m_host.ShowTooLarge(path);
      break;
    case ReadFailure::CannotOpen:
      m_host.ShowCannotOpen(path);
      break;
  }
  return std::nullopt;
}

bool Document::ReadPaletteOf(const std::string& path, const Bytes& bytes, PaletteRead& read) {
  read = ReadPalette(bytes.data(), bytes.size(), path);
  if (!read.Ok()) {
    m_host.ShowCannotOpen(path);
  } else if (read.colours.empty()) {
    m_host.ShowNoColoursFound(path);
  }
  return !read.colours.empty();
}

void Document::Open() {
  if (m_host.Modified() && !m_host.Colours().empty() && !SaveChangesFirst()) return;
  if (const std::optional<ChosenFile> chosen = m_host.ChooseFileToOpen()) OpenChosen(*chosen);
}

bool Document::OpenFile(const std::string& path) {
  if (m_host.Modified() && !m_host.Colours().empty() && !SaveChangesFirst()) return false;
  return OpenChosen({path, FileNameOf(path)});
}

bool Document::OpenChosen(const ChosenFile& chosen) {
  // A file that fails part-way gives nothing, never a list cut short.
  const std::optional<Bytes> bytes = ReadChosenFile(chosen.path);
  if (!bytes) return false;
  if (IsAnotherPaletteKind(*bytes, chosen.path)) {
    PaletteRead read;
    if (!ReadPaletteOf(chosen.path, *bytes, read)) return false;
    m_host.ReplaceColours(read.colours, read.names);
    m_path.clear();
    SetFileTitle("");
    m_host.SetModified(true);
    m_host.FileUsed(chosen.path);
    return true;
  }
  const PaletteRead list = ReadColourListFile(bytes->data(), bytes->size());
  m_host.ReplaceColours(list.colours, list.names);
  m_path = chosen.path;
  SetFileTitle(chosen.title);
  m_host.SetModified(false);
  m_host.FileUsed(m_path);
  return true;
}

void Document::Export(FileKind kind) {
  const std::optional<ChosenFile> chosen = m_host.ChooseFileToSave(kind);
  if (!chosen) return;
  // A GIMP palette is named after the file it goes into.
  if (!WritePalette(kind, chosen->path, m_host.Colours(), PaletteNameOf(chosen->path),
                    m_host.Names())) {
    m_host.ShowExportFailed();
  }
}

void Document::Import() {
  if (const std::optional<ChosenFile> chosen = m_host.ChooseFileToImport())
    ImportFile(chosen->path);
}

void Document::ImportFile(const std::string& path) {
  const std::optional<Bytes> bytes = ReadChosenFile(path);
  PaletteRead read;
  if (!bytes || !ReadPaletteOf(path, *bytes, read)) return;
  m_host.AppendColours(read.colours, read.names);
  m_host.SetModified(true);
}

bool Document::ConfirmExit() { return !m_host.Modified() || SaveChangesFirst(); }

// One extra key (Ctrl+Shift+C beside Ctrl+C) must not cost the colours: the
// question comes as before New. The modified flag stays as it was.
void Document::ClearAll() {
  if (m_host.Modified() && !m_host.Colours().empty() && !SaveChangesFirst()) return;
  m_host.ReplaceColours({}, {});
  if (m_recovered) SetFileTitle("");
}

void Document::Recover(const std::vector<ColourValue>& colours,
                       const std::vector<std::string>& names) {
  m_host.ReplaceColours(colours, names);
  m_host.SetModified(true);
  m_path.clear();
  m_host.SetTitle(std::string(kProgramName) + " - Recovered");
  m_recovered = true;
}

}  // namespace tl
