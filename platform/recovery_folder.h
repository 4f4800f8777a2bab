#pragma once
// The recovery folder on Windows. Beside each copy NAME.clf that an instance
// holds lies NAME.lock, which that instance keeps open shared with nobody and
// which goes when it is closed, also when the process is killed. So a copy
// whose lock can be taken belongs to no running instance; and the copy itself
// stays free to be replaced whole at every write.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/recovery.h"

namespace tl {

class RecoveryFolder final : public RecoveryFiles {
 public:
  // %LOCALAPPDATA%\Tintlens\Recovery; nothing when Windows cannot name it, or
  // cannot name it in the program's code page.
  static std::optional<std::string> Standard();
  // A copy's name that no other instance uses: when this one started, and its id.
  static std::string NameForThisInstance();

  explicit RecoveryFolder(std::string path);
  ~RecoveryFolder();
  RecoveryFolder(const RecoveryFolder&) = delete;
  RecoveryFolder& operator=(const RecoveryFolder&) = delete;

  std::vector<RecoveryFileEntry> List() override;
  bool Hold(const std::string& name) override;
  void Release(const std::string& name) override;
  std::optional<Bytes> Read(const std::string& name) override;
  bool Write(const std::string& name, const Bytes& bytes) override;
  bool Remove(const std::string& name) override;

 private:
  struct Lock;                                                               // an open lock file
  using Locks = std::vector<std::pair<std::string, std::unique_ptr<Lock>>>;  // by the copy's name
  std::string PathOf(const std::string& name) const { return m_path + "\\" + name; }
  Locks::iterator FindLock(const std::string& name);

  std::string m_path;
  Locks m_locks;
};

}  // namespace tl
