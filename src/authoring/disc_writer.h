// Writes games shipped on several discs: the game folder's "RunFromCD.dat" and disc index
// ("CDContents"), and the folders of the discs themselves.
#pragma once

#include <filesystem>
#include <string>

#include "authoring/project_writer.h"
#include "core/project/cd_contents.h"

namespace sw {

// Marks the game as one that reads files from its discs.
void WriteRunFromCD(const ProjectWriter& project);
// Writes Config/CDContents.
void WriteCDContents(const ProjectWriter& project, const CDContents& contents);

// One disc: a folder (a disc's root, or a disc copied to the hard disk) holding
// Data/<title>/Frames and Data/<title>/Areas.
class DiscWriter {
 public:
  DiscWriter(std::filesystem::path root, std::string title);

  const std::filesystem::path& root() const { return root_; }

  // Writes a file of the frames or areas folder of the disc under the name the player looks
  // for: a known extension is replaced by its numbered twin (".bmp" becomes ".004"). With
  // `upperCase` the name is written in capitals, as discs mastered on Windows have them.
  // Returns the file written.
  std::filesystem::path WriteFile(CDFileKind kind, const std::string& name,
                                  const std::string& bytes, bool upperCase = false) const;

 private:
  std::filesystem::path root_;
  std::string title_;
};

}  // namespace sw
