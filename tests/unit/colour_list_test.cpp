#include "core/colour_list.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

TEST(ColourList, PickedColoursGoOnTopAndMarkTheListModified) {
  ColourList list;
  EXPECT_FALSE(list.Modified());
  list.AddColour(MakeColour(18, 52, 86));
  list.AddColour(kWhite);
  list.AddColour(kWhite);  // duplicates are kept
  EXPECT_TRUE(list.Modified());
  EXPECT_EQ(list.Colours(), (std::vector<ColourValue>{kWhite, kWhite, 5649426}));
}

TEST(ColourList, FileEntriesGoToTheEndAndLeaveTheFlag) {
  ColourList list;
  list.AppendEntry(1);
  list.Append({2, 3});
  EXPECT_FALSE(list.Modified());
  EXPECT_EQ(list.Colours(), (std::vector<ColourValue>{1, 2, 3}));
}

TEST(ColourList, ClearAndDeleteLeaveTheModifiedFlag) {
  ColourList list;
  list.AddColour(1);
  list.AddColour(2);
  list.DeleteAt(0);
  EXPECT_TRUE(list.Modified());
  const std::uint64_t before = list.Generation();
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.Modified());
  EXPECT_NE(list.Generation(), before) << "a copy of the list must learn of the clearing";
  list.SetModified(false);
  list.AppendEntry(3);
  list.DeleteAt(0);
  EXPECT_FALSE(list.Modified());
}

struct DeleteCase {
  int count;
  int index;
  bool deleted;
  int selection;
  std::vector<ColourValue> remaining;
  const char* why;
};

TEST(ColourList, DeleteSelectsTheEntryThatMovedUpElseTheNewLast) {
  const DeleteCase cases[] = {
      {5, 1, true, 1, {10, 12, 13, 14}, "middle: the next entry moves into the gap"},
      {5, 0, true, 0, {11, 12, 13, 14}, "first"},
      {5, 4, true, 3, {10, 11, 12, 13}, "last: the new last entry"},
      {1, 0, true, ColourList::kNoSelection, {}, "only entry: nothing left to select"},
      {5, -1, false, ColourList::kNoSelection, {10, 11, 12, 13, 14}, "nothing selected"},
      {5, 5, false, ColourList::kNoSelection, {10, 11, 12, 13, 14}, "past the end"},
      {0, 0, false, ColourList::kNoSelection, {}, "empty list"},
  };
  for (const DeleteCase& c : cases) {
    ColourList list;
    for (int i = 0; i < c.count; ++i) list.AppendEntry(static_cast<ColourValue>(10 + i));
    const std::uint64_t before = list.Generation();
    const ColourList::DeleteResult result = list.DeleteAt(c.index);
    EXPECT_EQ(result.deleted, c.deleted) << c.why;
    EXPECT_EQ(list.Generation() != before, c.deleted) << c.why;
    if (c.deleted) {
      EXPECT_EQ(result.selection, c.selection) << c.why;
    }
    EXPECT_EQ(list.Colours(), c.remaining) << c.why;
  }
}

}  // namespace
}  // namespace tl
