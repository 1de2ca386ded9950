// Writes game folders in the authoring tool's formats: used by tests to build fixture
// projects, by the sample game, and by authors who make games on Linux.
#pragma once

#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/frames/frame_file.h"
#include "core/project/project_info.h"
#include "platform/system/text_codec.h"

namespace sw {

class ProjectWriter {
 public:
  // Creates the project folder and its standard sub-folders when they are missing. Text
  // (UTF-8 here) is written in the code page, as the authoring tool of that language did.
  explicit ProjectWriter(std::filesystem::path root,
                         std::string_view codePage = TextCodec::kDefaultCodePage);

  const std::filesystem::path& root() const { return root_; }
  const TextCodec& codec() const { return codec_; }

  // Writes Config/General. `lastField` (1..48) stops after that field, as files written by
  // older versions of the authoring tool do; the default writes every field.
  void WriteGeneral(const ProjectInfo& info, int lastField = INT_MAX) const;

  // Writes Config/Texts: mode 0 or 1 picks a built-in wording, mode 2 stores `custom` as
  // entries 1..n.
  void WriteTexts(int mode, const std::vector<std::string>& custom = {}) const;

  // Sets one key of the Config/More settings file (created when missing).
  void WriteMoreSetting(const std::string& section, const std::string& key,
                        const std::string& value) const;

  // Writes Config/Procedures: three header lines, then the source with CR LF line breaks.
  // Scrambled, each line is stored as the player unscrambles it for `settingsSection`, and
  // "ProcEncr" in Config/More says so; plain, "ProcEncr" is set to 0.
  void WriteProcedures(const std::string& source, bool scrambled = false,
                       const std::string& settingsSection = "None") const;

  // Writes Config/Variables: the integer variables, then "***", then the variant variables.
  void WriteVariables(const std::vector<std::string>& integers,
                      const std::vector<std::string>& variants = {}) const;

  // Writes Frames/<name>.fme. `lastField` stops after the given field number (3 = header only;
  // 10, 13, 22, 23, 25, 26, 28 are the other places where older files end; the channel
  // entries count from 38 on); the default writes every field.
  void WriteFrame(const std::string& name, const FrameFile& frame, int lastField = INT_MAX) const;

  // Writes raw bytes to a file below the project folder (path with "/" separators).
  void WriteRaw(const std::string& relativePath, const std::string& bytes) const;
  // Writes UTF-8 text there, encoded in the project's code page.
  void WriteText(const std::string& relativePath, const std::string& utf8) const;

 private:
  std::filesystem::path root_;
  TextCodec codec_;
};

// An uncompressed 24-bit BMP of the given size; `pixel(x, y)` returns 0x00RRGGBB.
std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel);

}  // namespace sw
