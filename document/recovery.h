#pragma once
// Recovery copies: while the colour list holds colours that are in no file, a copy
// of it is kept in a folder of its own, one file per running instance, so that a
// crash, a kill or the end of the Windows session loses nothing. At the next start
// the copies that instances no longer running left behind become the list.
//
// The rules live here; the folder, and how a running instance keeps others off
// its copy, behind RecoveryFiles.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "files/byte_order.h"
#include "files/file_io.h"

namespace tl {

struct RecoveryFileEntry {
  std::string name;         // without the folder
  std::uint64_t writeTime;  // when it was last written; larger is newer
};

class RecoveryFiles {
 public:
  // Every file in the folder; none while there is no folder.
  virtual std::vector<RecoveryFileEntry> List() = 0;
  // Takes a copy for this instance, to write or to restore: false while a running
  // instance (this one included) holds it. Held until Release or Remove.
  virtual bool Hold(const std::string& name) = 0;
  virtual void Release(const std::string& name) = 0;
  virtual std::optional<Bytes> Read(const std::string& name) = 0;
  // Through a temporary file and replace, as Save writes: a failure part-way
  // leaves the earlier copy whole.
  virtual bool Write(const std::string& name, const Bytes& bytes) = 0;
  // Deletes a file of the folder (a copy, then lets go of it); true when it is gone.
  virtual bool Remove(const std::string& name) = 0;

 protected:
  ~RecoveryFiles() = default;
};

// A copy is a colour list file; the folder's other files (temporary files, what
// keeps a copy held) are not copies.
bool IsRecoveryCopyName(const std::string& name);

// What can be read from a copy: nothing unless it starts as a colour list file,
// then every whole entry after the header. The count is not trusted either way:
// we always write it to match, so where it disagrees the file was damaged, and
// the entries themselves are what the user would lose. Only where the count's
// entries are followed by a names block are they the entries, and `names`, when
// given, gets the block's names (by index, as ColourList::Names).
std::vector<ColourValue> ColoursOfRecoveryCopy(const Bytes& bytes,
                                               std::vector<std::string>* names = nullptr);

class RecoveryKeeper {
 public:
  RecoveryKeeper(RecoveryFiles& files, std::string ownName,
                 bool (*processGone)(std::uint32_t) = ProcessIsGone)
      : m_files(files), m_ownName(std::move(ownName)), m_processGone(processGone) {}

  // The colours of every copy that no running instance holds, the newest copy's
  // first. The copies stay on disk, held by this instance, until their colours
  // are safe: in this instance's own copy, in a saved file, or let go by the user
  // (see Keep). A copy that cannot be read, or gives no colour, is left for a
  // later start. The temporary files of writes killed part-way, ours or an
  // earlier build's, go once their process is gone. `colourNames`, when given, gets
  // the colours' names (by index, as ColourList::Names).
  std::vector<ColourValue> TakeOrphans(std::vector<std::string>* colourNames = nullptr);

  // The list as it is now, at each idle moment and when the session ends. While
  // it holds unsaved colours, the own copy is written whenever it is behind the
  // list (once per change, however often this is called, but again after a
  // write that failed); once nothing is unsaved, the copies are removed. The
  // names go into the copy with the colours.
  void Keep(std::uint64_t generation, bool modified, const std::vector<ColourValue>& colours,
            const std::vector<std::string>& names = {});

  // The user had the last word (the program exits after the save question): no
  // copy stays, and none is written again.
  void Discard();

 private:
  void RemoveOwn();
  void RemoveOrphans();

  RecoveryFiles& m_files;
  std::string m_ownName;
  bool (*m_processGone)(std::uint32_t);
  bool m_ownHeld = false;
  bool m_ownWritten = false;
  std::optional<std::uint64_t> m_writtenGeneration;  // the list in the own copy
  std::vector<std::string> m_orphans;  // restored, removed once their colours are safe
  bool m_discarded = false;
};

}  // namespace tl
