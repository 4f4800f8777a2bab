#pragma once
// The names of the temporary files a replacing write makes beside its target. A
// write killed between making one and putting it in the target's place leaves it
// behind; its name says which target and which process it was for, so a later
// write of the same file can tell it is stale (its process is gone) and remove
// it, and nobody else's file is ever taken for one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tl {

// ".tl-<8 hex digits of the target's name>-<process id>.tmp". The name is hashed,
// not repeated, so that the temporary file fits wherever its target does, however
// long the target's name. The hash ignores ASCII case, as Windows names do.
std::string TemporaryNameFor(const std::string& targetName, std::uint32_t processId);

// The process whose temporary file for targetName `name` is, by the exact
// pattern; with an empty targetName, for any target, and also by the pattern of
// earlier versions, "tl<process id>-<n>.tmp", which named no target.
std::optional<std::uint32_t> TemporaryFileOwner(const std::string& name,
                                                const std::string& targetName);

// Those of a folder's names that are such temporary files (see TemporaryFileOwner)
// whose process is gone.
std::vector<std::string> StaleTemporaryFiles(const std::vector<std::string>& names,
                                             const std::string& targetName,
                                             bool (*processGone)(std::uint32_t));

}  // namespace tl
