#include "scripting/host/procedures.h"

#include "core/game/game_runtime.h"
#include "core/project/file_names.h"
#include "core/project/procedures_cipher.h"
#include "platform/system/file_io.h"

namespace sw {

namespace {

// Sequential line reading: CR LF, CR or LF end a line; reading past the end fails.
class LineReader {
 public:
  explicit LineReader(const std::string& bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  std::string ReadLine() {
    if (AtEnd()) throw VbError(vberr::kInputPastEnd);
    const size_t end = bytes_.find_first_of("\r\n", pos_);
    std::string line =
        bytes_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
    if (end == std::string::npos) {
      pos_ = bytes_.size();
    } else {
      pos_ = end + 1;
      if (bytes_[end] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
    return line;
  }

 private:
  const std::string& bytes_;
  size_t pos_ = 0;
};

}  // namespace

std::string ProceduresFromBytes(const std::string& bytes, bool scrambled, int16_t nameSum) {
  LineReader reader(bytes);
  for (int i = 0; i < 3 && !reader.AtEnd(); ++i) reader.ReadLine();
  std::string text;
  for (;;) {
    const std::string line = reader.ReadLine();
    text += scrambled ? UnscrambleLine(line, nameSum) : line;
    if (reader.AtEnd()) break;
    text += "\r\n";
  }
  return text;
}

std::string LoadProcedures(GameRuntime& runtime) {
  const TextCodec& codec = runtime.files().codec();
  // Unscrambling works on the code page's bytes; the text is decoded afterwards.
  const int16_t nameSum = ProjectNameSum(codec.FromUtf8(runtime.info.SettingsSection));
  const std::string more = runtime.folders.ConfigFolder + "More";
  const bool scrambled = ValOf(runtime.profiles().Read(more, "General", "ProcEncr", "")) == 1;
  const std::string path = runtime.folders.ConfigFolder + "Procedures";
  if (!runtime.FileExists(path)) return "";
  try {
    // Read as any project file: a pipe or a device in its place never blocks or fills memory.
    const std::string bytes = ReadRegularFile(runtime.files().Resolve(path), kMaxProjectFileBytes);
    return codec.ToUtf8(ProceduresFromBytes(bytes, scrambled, nameSum));
  } catch (const std::exception&) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kCritical;
    runtime.ShowMessage("Error loading projet procedures.", "Error", style);
    return "";
  }
}

}  // namespace sw
