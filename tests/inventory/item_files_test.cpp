// Where the inventory's files lie, and names that would lead out of the game.
#include <gtest/gtest.h>

#include "core/project/folders.h"
#include "inventory/item_files.h"

namespace sw {
namespace {

TEST(InventoryFileNames, NamesThatLeaveTheFolderAreRefused) {
  EXPECT_TRUE(IsNameInsideFolder("Rope"));
  EXPECT_TRUE(IsNameInsideFolder("tools\\Rope"));
  EXPECT_TRUE(IsNameInsideFolder("..Rope.."));
  EXPECT_FALSE(IsNameInsideFolder("..\\..\\etc\\passwd"));
  EXPECT_FALSE(IsNameInsideFolder("tools/../../x"));
  EXPECT_FALSE(IsNameInsideFolder("/etc/passwd"));
  EXPECT_FALSE(IsNameInsideFolder("C:\\x"));
  EXPECT_FALSE(IsNameInsideFolder(".."));
}

TEST(InventoryFileNames, PathsOfItemsAndCombinations) {
  ProjectFolders folders;
  SetProjectFolders(folders, "/game/");
  EXPECT_EQ(ItemFilePath(folders, "Rope"), folders.AreasFolder + "Rope.obj");
  EXPECT_EQ(CombinationFilePath(folders, "Rope", "Hook"), folders.AreasFolder + "Rope_on_Hook.drg");
}

}  // namespace
}  // namespace sw
