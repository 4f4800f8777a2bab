#include "document/recovery.h"

#include <algorithm>

#include "files/colour_list_file.h"
#include "files/file_kind.h"
#include "files/temporary_file.h"

namespace tl {

bool IsRecoveryCopyName(const std::string& name) {
  return FileKindOfExtension(name) == FileKind::ColourList;
}

std::vector<ColourValue> ColoursOfRecoveryCopy(const Bytes& bytes,
                                               std::vector<std::string>* names) {
  const Bytes header = EncodeColourListFile({});
  const std::size_t markEnd = header.size() - 4;  // the magic and the marker; then the count
  if (bytes.size() < header.size() ||
      !std::equal(header.begin(), header.begin() + markEnd, bytes.begin())) {
    return {};
  }
  // A names block right after the counted entries, even one cut short, says
  // the count is sound: its bytes are no colours.
  const std::uint64_t counted = GetLittleEndian32(bytes.data() + markEnd);
  const std::uint64_t namesAt = kColourListHeaderSize + 4 * counted;
  if (namesAt < bytes.size() &&
      StartsLikeNamesBlock(bytes.data() + namesAt, bytes.size() - namesAt)) {
    PaletteRead named = ReadColourListFile(bytes.data(), bytes.size());
    if (names) *names = std::move(named.names);
    return std::move(named.colours);
  }
  // Every whole entry after the header, whatever the count says.
  return DecodeColourListEntries(bytes.data() + kColourListHeaderSize,
                                 bytes.size() - kColourListHeaderSize);
}

std::vector<ColourValue> RecoveryKeeper::TakeOrphans(std::vector<std::string>* colourNames) {
  if (colourNames) colourNames->clear();
  std::vector<RecoveryFileEntry> copies = m_files.List();
  std::vector<std::string> names;
  for (const RecoveryFileEntry& entry : copies) names.push_back(entry.name);
  for (const std::string& stale : StaleTemporaryFiles(names, "", m_processGone))
    m_files.Remove(stale);
  copies.erase(std::remove_if(copies.begin(), copies.end(),
                              [this](const RecoveryFileEntry& entry) {
                                return !IsRecoveryCopyName(entry.name) || entry.name == m_ownName;
                              }),
               copies.end());
  std::sort(copies.begin(), copies.end(),
            [](const RecoveryFileEntry& a, const RecoveryFileEntry& b) {
              return a.writeTime != b.writeTime ? a.writeTime > b.writeTime : a.name > b.name;
            });
  std::vector<ColourValue> colours;
  for (const RecoveryFileEntry& copy : copies) {
    if (!m_files.Hold(copy.name)) continue;  // its instance is still running
    const std::optional<Bytes> bytes = m_files.Read(copy.name);
    // A copy that cannot be read, or restores nothing (its header damaged), is
    // not removed with the others: it stays for a later start.
    std::vector<ColourValue> found;
    std::vector<std::string> foundNames;
    if (bytes) found = ColoursOfRecoveryCopy(*bytes, &foundNames);
    if (found.empty()) {
      m_files.Release(copy.name);
      continue;
    }
    if (colourNames && !foundNames.empty()) {
      colourNames->resize(colours.size());
      colourNames->insert(colourNames->end(), foundNames.begin(), foundNames.end());
    }
    colours.insert(colours.end(), found.begin(), found.end());
    m_orphans.push_back(copy.name);
  }
  return colours;
}

void RecoveryKeeper::Keep(std::uint64_t generation, bool modified,
                          const std::vector<ColourValue>& colours,
                          const std::vector<std::string>& names) {
  if (m_discarded) return;
  if (!modified || colours.empty()) {
    // Saved, or let go by the user: nothing is left to lose.
    RemoveOwn();
    RemoveOrphans();
    return;
  }
  // Runs at every idle moment, also while picking: a list already in the copy
  // asks the system for nothing. One that is not (a failed write: a full disk,
  // a copy locked by another program) is tried again at the next moment.
  if (m_writtenGeneration == generation) return;
  if (!m_ownHeld) m_ownHeld = m_files.Hold(m_ownName);
  if (!m_ownHeld || !m_files.Write(m_ownName, EncodeColourListFile(colours, names))) return;
  m_writtenGeneration = generation;
  m_ownWritten = true;
  RemoveOrphans();  // their colours are in our own copy now
}

void RecoveryKeeper::Discard() {
  RemoveOwn();
  RemoveOrphans();
  m_discarded = true;
}

// A copy that cannot be removed is not tried again at every idle moment: it is
// restored, as an orphan, at the next start, which loses nothing.
void RecoveryKeeper::RemoveOwn() {
  if (m_ownWritten) {
    m_files.Remove(m_ownName);
  } else if (m_ownHeld) {
    m_files.Release(m_ownName);
  }
  m_ownHeld = m_ownWritten = false;
  m_writtenGeneration.reset();
}

void RecoveryKeeper::RemoveOrphans() {
  for (const std::string& name : m_orphans) m_files.Remove(name);
  m_orphans.clear();
}

}  // namespace tl
