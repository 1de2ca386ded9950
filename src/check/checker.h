// What the game check knows while it reads a game folder: the folder variables, the file
// lookup that reports missing files and letter-case slips, the declared variables, frames and
// items, and the findings so far. Each file kind is checked by its own source file.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "check/finding.h"
#include "core/frames/action_record.h"
#include "core/project/folders.h"
#include "core/project/project_info.h"
#include "core/valuefile/value_reader.h"
#include "platform/system/path_resolver.h"

namespace sw::check {

// The place a finding points at: a file below the game folder and a line in it.
struct Where {
  std::string file;
  int line = 0;
};

enum class MediaType { kPicture, kSound, kVideo };

class Checker {
 public:
  Checker(const std::filesystem::path& folder, std::string_view code_page);

  void Run();
  std::vector<Finding> TakeFindings() { return std::move(findings_); }

  // --- reporting and files (checker.cpp) ---
  void Report(const Where& where, Severity severity, std::string message);
  // A game path (built from the folder variables) as shown in findings: below the game
  // folder, "/" separators, as the game names it.
  std::string Shown(std::string_view gamePath) const;
  // The file on disk, or nothing after reporting it missing (`what` names it: "picture"...).
  // A file found only in another letter case, or only under its numbered extension, is
  // found; the first is reported as a warning.
  std::optional<std::filesystem::path> Find(const std::string& gamePath, const Where& where,
                                            std::string_view what, bool quiet = false);
  // Finds the file and tries to decode it.
  void CheckMedia(const std::string& gamePath, const Where& where, std::string_view what,
                  MediaType type);
  // A value file of the game opened for reading, or nothing after reporting why.
  std::optional<ValueReader> OpenValueFile(const std::string& gamePath,
                                           const std::filesystem::path& resolved);
  // Where in a file an error left the reader.
  Where At(const std::string& gamePath, const ValueReader& reader) const;

  // --- names the game uses (checker.cpp) ---
  void CheckFrameName(const std::string& name, const Where& where, std::string_view use);
  void CheckIntegerVariable(const std::string& name, const Where& where, std::string_view use);
  void CheckItemName(const std::string& name, const Where& where, std::string_view use);

  // --- scripts (script_check.cpp) ---
  void CheckProcedures();
  // A script as stored ("|" for double quotes), whose text starts on `where.line`.
  void CheckScript(const std::string& stored, const Where& where, std::string_view what);

  // --- configuration (config_check.cpp) ---
  bool CheckGeneral();
  void CheckTexts();
  void CheckVariables();
  void CheckPointerFile(const std::string& file, const Where& where);
  // Where value `field` (1-based) of "General" stands.
  Where GeneralField(int field);
  // Where value `index` (1-based) of a value file stands; line 0 when it cannot be read.
  Where ValueAt(const std::string& gamePath, const std::filesystem::path& resolved, int index);
  void CheckInventoryGraphics();

  // --- frames (frame_check.cpp) ---
  void ListFrames();
  void CheckFrame(const std::string& name);

  // --- inventory (item_check.cpp) ---
  void CheckItems();

  PathResolver& files() { return files_; }
  const ProjectFolders& folders() const { return folders_; }

 private:
  void CheckFrameFile(const std::string& frame, int& hotspotCount);
  int CheckHotspots(const std::string& frame);
  void CheckActions(const std::string& frame, int hotspotCount);
  void CheckItemActions(const std::string& frame, int hotspotCount);
  void CheckPickUps(const std::string& frame, int hotspotCount);
  void CheckOldChannels(const std::string& frame, int hotspotCount);
  void CheckWater(const std::string& frame);
  void CheckActionRecord(const ActionRecord& record, const Where& where, const std::string& what,
                         const std::string& fileBytes, int recordLine);
  void CheckOldChannelBlock(ValueReader& reader, const std::string& gamePath);
  void CheckObjectTimers(const std::string& text, const Where& where);
  std::string FramePath(const std::string& frame, const std::string& extension);
  void CheckCombination(const std::string& fileName);

  std::filesystem::path root_;
  PathResolver files_;
  ProjectFolders folders_;
  ProjectInfo info_;
  std::optional<std::filesystem::path> general_;
  std::vector<std::string> integers_;
  std::vector<std::string> variants_;
  bool variablesKnown_ = false;
  std::vector<std::string> frames_;  // frame names as their files are named on disk
  std::string procedures_;
  std::set<std::string> caseWarned_;
  std::vector<Finding> findings_;
};

// "" and "default" in any letter case: the built-in pointer or picture.
bool IsDefaultName(const std::string& name);
// The 1-based line on which byte `offset` lies.
int LineOfOffset(std::string_view bytes, size_t offset);

}  // namespace sw::check
