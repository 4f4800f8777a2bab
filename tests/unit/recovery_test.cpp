#include "document/recovery.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "files/colour_list_file.h"

namespace tl {
namespace {

// A folder in memory. Copies that running instances hold are listed in
// `heldElsewhere`; what this instance does is logged in order.
class FakeFolder : public RecoveryFiles {
 public:
  struct File {
    Bytes bytes;
    std::uint64_t time;
  };

  std::vector<RecoveryFileEntry> List() override {
    std::vector<RecoveryFileEntry> entries;
    for (const auto& [name, file] : files) entries.push_back({name, file.time});
    return entries;
  }
  bool Hold(const std::string& name) override {
    if (heldElsewhere.count(name)) return false;
    held.insert(name);
    return true;
  }
  void Release(const std::string& name) override {
    held.erase(name);
    log += "release:" + name + " ";
  }
  std::optional<Bytes> Read(const std::string& name) override {
    if (!held.count(name)) ADD_FAILURE() << "read without holding " << name;
    if (unreadable.count(name)) return std::nullopt;
    return files.at(name).bytes;
  }
  bool Write(const std::string& name, const Bytes& bytes) override {
    if (!held.count(name)) ADD_FAILURE() << "written without holding " << name;
    log += "write:" + name + " ";
    if (failWrites) return false;
    files[name] = {bytes, 100};
    return true;
  }
  bool Remove(const std::string& name) override {
    files.erase(name);
    held.erase(name);
    log += "remove:" + name + " ";
    return true;
  }

  std::vector<ColourValue> ColoursIn(const std::string& name) const {
    const Bytes& bytes = files.at(name).bytes;
    return DecodeColourListFile(bytes.data(), bytes.size());
  }

  std::map<std::string, File> files;
  std::set<std::string> heldElsewhere, unreadable, held;
  bool failWrites = false;
  std::string log;
};

Bytes Copy(const std::vector<ColourValue>& colours) { return EncodeColourListFile(colours); }

TEST(Recovery, OrphansAreTheCopiesNoRunningInstanceHoldsNewestFirstAndGoOnceOursIsWritten) {
  FakeFolder folder;
  folder.files = {
      {"old.clf", {Copy({1}), 10}},
      {"newest.clf", {Copy({3, 3}), 30}},
      {"running.clf", {Copy({9}), 40}},       // another instance's, still running
      {"damaged.clf", {Copy({2, 5}), 20}},    // cut off inside its second entry
      {"unreadable.clf", {Copy({8}), 25}},    // locked by some other program
      {"own.lock", {{}, 50}},
      {"tl12-1.tmp", {Copy({6}), 50}},
  };
  folder.files["damaged.clf"].bytes.resize(kColourListHeaderSize + 6);
  folder.heldElsewhere = {"running.clf"};
  folder.unreadable = {"unreadable.clf"};
  RecoveryKeeper keeper(folder, "own.clf");

  EXPECT_EQ(keeper.TakeOrphans(), (std::vector<ColourValue>{3, 3, 2, 1}));
  EXPECT_EQ(folder.log, "release:unreadable.clf ") << "left for a later start";
  EXPECT_EQ(folder.held, (std::set<std::string>{"newest.clf", "damaged.clf", "old.clf"}));

  keeper.Keep(1, true, {3, 3, 2, 1});
  EXPECT_EQ(folder.log,
            "release:unreadable.clf write:own.clf remove:newest.clf remove:damaged.clf "
            "remove:old.clf ");
  EXPECT_EQ(folder.ColoursIn("own.clf"), (std::vector<ColourValue>{3, 3, 2, 1}));
  EXPECT_TRUE(folder.files.count("running.clf") && folder.files.count("unreadable.clf"));
}

TEST(Recovery, OrphansStayWhileOurCopyCannotBeWrittenAndGoOnceTheListIsSaved) {
  FakeFolder folder;
  folder.files = {{"orphan.clf", {Copy({1, 2}), 10}}};
  folder.failWrites = true;
  RecoveryKeeper keeper(folder, "own.clf");
  ASSERT_EQ(keeper.TakeOrphans(), (std::vector<ColourValue>{1, 2}));
  keeper.Keep(1, true, {1, 2});
  keeper.Keep(1, true, {1, 2});
  EXPECT_EQ(folder.log, "write:own.clf ") << "tried once per change, never removed";
  EXPECT_TRUE(folder.files.count("orphan.clf"));
  keeper.Keep(1, false, {1, 2});  // saved
  EXPECT_EQ(folder.log, "write:own.clf release:own.clf remove:orphan.clf ");
}

TEST(Recovery, TheOwnCopyFollowsTheUnsavedListOnceEachChangeAndGoesWithTheLastWord) {
  struct Step {
    std::uint64_t generation;
    bool modified;
    std::vector<ColourValue> colours;
    const char* log;  // what this step did
    const char* why;
  };
  const Step steps[] = {
      {1, false, {}, "", "nothing unsaved, nothing written"},
      {2, true, {5}, "write:own.clf ", "a pick"},
      {2, true, {5}, "", "an idle moment without a change"},
      {3, true, {6, 5}, "write:own.clf ", "another pick"},
      {3, false, {6, 5}, "remove:own.clf ", "saved"},
      {3, false, {6, 5}, "", "nothing to remove twice"},
      {4, true, {7, 6, 5}, "write:own.clf ", "a pick after the save"},
      {5, true, {}, "remove:own.clf ", "every colour deleted"},
      {6, true, {8}, "write:own.clf ", "a pick"},
  };
  FakeFolder folder;
  RecoveryKeeper keeper(folder, "own.clf");
  for (const Step& step : steps) {
    folder.log.clear();
    keeper.Keep(step.generation, step.modified, step.colours);
    EXPECT_EQ(folder.log, step.log) << step.why;
    if (folder.files.count("own.clf")) {
      EXPECT_EQ(folder.ColoursIn("own.clf"), step.colours) << step.why;
    }
  }
  folder.log.clear();
  keeper.Discard();  // Exit, after the save question
  keeper.Keep(7, true, {9, 8});
  EXPECT_EQ(folder.log, "remove:own.clf ") << "nothing is written after the last word";
  EXPECT_TRUE(folder.files.empty());
}

TEST(Recovery, ADamagedCopyGivesEveryWholeEntryItHolds) {
  auto withCount = [](std::vector<ColourValue> colours, std::uint32_t count) {
    Bytes bytes = Copy(colours);
    for (int i = 0; i < 4; ++i) bytes[9 + i] = static_cast<std::uint8_t>(count >> (8 * i));
    return bytes;
  };
  Bytes cutShort = Copy({1, 2, 3});
  cutShort.resize(cutShort.size() - 1);
  Bytes notAList = Copy({1, 2});
  notAList[0] = 'X';
  const std::pair<Bytes, std::vector<ColourValue>> cases[] = {
      {Copy({1, 2, 3}), {1, 2, 3}},
      {cutShort, {1, 2}},
      {withCount({1, 2, 3}, 0), {1, 2, 3}},
      {withCount({1, 2, 3}, 1000), {1, 2, 3}},
      {Bytes(cutShort.begin(), cutShort.begin() + 12), {}},
      {notAList, {}},
      {{}, {}},
  };
  for (const auto& [bytes, colours] : cases) {
    EXPECT_EQ(ColoursOfRecoveryCopy(bytes), colours) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace tl
