#include "core/project/file_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/frames/frame_paths.h"
#include "core/project/folders.h"

namespace sw {
namespace {

TEST(FileNames, AlternateExtensionIgnoresCaseAndKeepsOthers) {
  EXPECT_EQ(AlternateExtension("Frames\\picture.BMP"), "Frames\\picture.004");
  EXPECT_EQ(AlternateExtension("a.Wav"), "a.010");
  EXPECT_EQ(AlternateExtension("movie.avi"), "movie.014");
  EXPECT_EQ(AlternateExtension("photo.png"), "photo.png");
  EXPECT_EQ(AlternateExtension("bmp"), "bmp");
}

TEST(FileNames, FileTitleAndScriptText) {
  EXPECT_EQ(FileTitle("C:\\Games\\Quest\\save1.sav"), "save1.sav");
  EXPECT_EQ(FileTitle("/home/a/b.txt"), "b.txt");
  EXPECT_EQ(FileTitle("plain"), "plain");
  EXPECT_EQ(UnescapeScriptText("MsgBox |Hello|"), "MsgBox \"Hello\"");
  EXPECT_EQ(UnescapeScriptText("no bars"), "no bars");
  EXPECT_EQ(ClampToZero(-5), 0);
  EXPECT_EQ(ClampToZero(7), 7);
}

TEST(Folders, OneTrailingSeparatorAndSchemesSetOnce) {
  ProjectFolders f;
  SetProjectFolders(f, "/games/quest//");
  EXPECT_EQ(f.ProjectFolder, "/games/quest/");
  EXPECT_EQ(f.FramesFolder, "/games/quest/Frames/");
  EXPECT_EQ(f.FramesDataFolder, "/games/quest/FramesData/");
  EXPECT_EQ(f.ConfigFolder, "/games/quest/Config/");
  SetProjectFolders(f, "/");
  EXPECT_EQ(f.ProjectFolder, "/");
  EXPECT_EQ(f.AreasFolder, "/Areas/");
  EXPECT_EQ(f.SchemesFolder, "/games/quest/Schemes/");  // kept from the first call
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST(FramePaths, EachFileInItsFolderOrTheOther) {
  ProjectFolders f;
  SetProjectFolders(f, "/g");
  std::vector<std::string> present = {"/g/Frames/Hall.FM2", "/g/FramesData/Hall.fm1"};
  auto exists = [&](const std::string& p) {
    return std::find(present.begin(), present.end(), p) != present.end();
  };
  EXPECT_EQ(FrameFilePath(f, exists, "Hall", ".fme"), "/g/Frames/Hall.fme");  // missing: home
  EXPECT_EQ(FrameFilePath(f, exists, "Hall", ".fm1"), "/g/FramesData/Hall.fm1");
  EXPECT_EQ(FrameFilePath(f, exists, "Hall", ".FM2"), "/g/Frames/Hall.FM2");  // the other one
  EXPECT_EQ(FrameFileFolder(f, ".CHN"), "/g/Frames/");
  EXPECT_EQ(FrameFileFolder(f, ".mr3"), "/g/FramesData/");
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST(FileNames, ValOfReadsTheLeadingNumber) {
  EXPECT_EQ(ValOf("16711680"), 16711680);
  EXPECT_EQ(ValOf("  1.0"), 1);
  EXPECT_EQ(ValOf("01"), 1);
  EXPECT_EQ(ValOf("2.5 seconds"), 2.5);
  EXPECT_EQ(ValOf("&HFF"), 255);
  EXPECT_EQ(ValOf(""), 0);
  EXPECT_EQ(ValOf("inf"), 0);
  EXPECT_EQ(ValOf("blue"), 0);
}

}  // namespace
}  // namespace sw
