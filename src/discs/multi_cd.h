// Games shipped on several discs. The game runs from its folder while frame pictures and
// hotspot files stay on the discs; a file missing from the game folder is looked up in the
// disc index and read from the disc that holds it, after asking for that disc when it is not
// in place. Mode on: the game folder holds "RunFromCD.dat" and its configuration
// "CDContents".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "core/project/cd_contents.h"
#include "discs/drives.h"
#include "platform/state_dump.h"

namespace sw {

class GameRuntime;

class MultiCD {
 public:
  // The most index entries kept: entries are numbered with 16-bit integers.
  static constexpr int kMaxIndexCount = 32767;

  // `mountTable`: where the mounted file systems are listed.
  explicit MultiCD(GameRuntime& runtime,
                   std::filesystem::path mountTable = std::filesystem::path(kSystemMountTable));
  MultiCD(const MultiCD&) = delete;
  MultiCD& operator=(const MultiCD&) = delete;

  // Both "RunFromCD.dat" and "CDContents" exist.
  bool ModeOn() const;

  // Reads the disc index; nothing when the mode is off. A read error shows its message and
  // leaves an index count of 0.
  void LoadCDIndex();
  // The path under which the file can be read: the path itself when the mode is off, the file
  // on the disc root in use, or the file on the disc the index names, asking for that disc
  // until it is found or the user cancels (which stops the game).
  std::string ResolveFromCD(const std::string& path);
  // The last optical disc mounted; "" when there is none.
  std::string DefaultCDDrive() const;
  // Every drive the disc prompt lists.
  std::vector<Drive> Drives() const;
  // The disc root in use (the setting "DriveLetter", which every lookup fills before it
  // reads); none when the mode is off or no disc was chosen. The folders a confinement of the
  // game's reads must allow besides the game folder. Cheap: no disc is searched.
  std::vector<std::string> DiscRoots() const;

  int IndexCount() const { return count_; }
  const std::vector<CDContentsEntry>& Index() const { return index_; }
  int16_t CDCount() const { return cdCount_; }
  // The disc the open prompt asks for; 0 while none is open.
  int Prompting() const { return prompting_; }

  // The drive root of the settings, as the lookup uses it ("" when none is chosen).
  std::string DriveSetting() const;

 private:
  // Shows frmRunFromCD with `root` proposed; true when OK kept a folder, false when the game
  // was stopped.
  bool ShowPrompt(const std::string& root, const std::string& message);
  bool ExistsOn(const std::string& root, const std::string& relative) const;
  std::string Joined(const std::string& root, const std::string& relative) const;
  // The prompt loop for a file of disc `cd`; returns the root the file was found on, or the
  // last one tried.
  std::string AskForDisc(int cd, std::string drive, const std::string& relative);
  nlohmann::json Dump() const;

  GameRuntime& runtime_;
  std::filesystem::path mountTable_;
  std::vector<CDContentsEntry> index_;
  int count_ = 0;
  int16_t cdCount_ = 0;
  int prompting_ = 0;
  std::string lastDrive_;  // the drive of the last lookup
  platform::StateDump::Registration dump_;
};

}  // namespace sw
