#include "authoring/project_writer.h"

#include <fstream>
#include <map>
#include <sstream>

#include "core/project/procedures_cipher.h"
#include "core/valuefile/value_writer.h"
#include "platform/system/path_resolver.h"
#include "platform/system/private_profile.h"

namespace sw {

namespace fs = std::filesystem;

ProjectWriter::ProjectWriter(fs::path root, std::string_view codePage)
    : root_(std::move(root)), codec_(codePage) {
  for (const char* sub : {"Config", "Frames", "FramesData", "Areas", "Icons", "Inventory"}) {
    fs::create_directories(root_ / sub);
  }
}

void ProjectWriter::WriteRaw(const std::string& relativePath, const std::string& bytes) const {
  const fs::path path = root_ / relativePath;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void ProjectWriter::WriteText(const std::string& relativePath, const std::string& utf8) const {
  WriteRaw(relativePath, codec_.FromUtf8(utf8));
}

void ProjectWriter::WriteGeneral(const ProjectInfo& info, int lastField) const {
  ValueWriter w;
  WriteProjectInfo(w, info, lastField);
  w.SaveTo(root_ / "Config" / "General", codec_);
}

void ProjectWriter::WriteTexts(int mode, const std::vector<std::string>& custom) const {
  ValueWriter w;
  w.Integer(static_cast<int16_t>(mode)).EndLine();
  if (mode == 2) {
    for (int i = 0; i < 5; ++i) w.String("");
    w.EndLine();
    w.Integer(static_cast<int16_t>(custom.size())).EndLine();
    for (const auto& text : custom) w.String(text).EndLine();
  }
  w.SaveTo(root_ / "Config" / "Texts", codec_);
}

void ProjectWriter::WriteMoreSetting(const std::string& section, const std::string& key,
                                     const std::string& value) const {
  PathResolver resolver(codec_.code_page());
  PrivateProfile(resolver).Write((root_ / "Config" / "More").string(), section, key, value);
}

void ProjectWriter::WriteProcedures(const std::string& source, bool scrambled,
                                    const std::string& settingsSection) const {
  // The scrambling works on the code page's bytes.
  const int16_t sum = ProjectNameSum(codec_.FromUtf8(settingsSection));
  std::string bytes = "Procedures\r\nwritten by the Scenewright authoring library\r\n\r\n";
  size_t start = 0;
  while (true) {
    size_t end = source.find('\n', start);
    std::string line =
        source.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = codec_.FromUtf8(line);
    bytes += scrambled ? ScrambleLine(line, sum) : line;
    if (end == std::string::npos) break;
    bytes += "\r\n";
    start = end + 1;
  }
  WriteRaw("Config/Procedures", bytes);
  WriteMoreSetting("General", "ProcEncr", scrambled ? "1" : "0");
}

void ProjectWriter::WriteVariables(const std::vector<std::string>& integers,
                                   const std::vector<std::string>& variants) const {
  ValueWriter w;
  w.Integer(static_cast<int16_t>(integers.size() + variants.size())).EndLine();
  for (const auto& name : integers) w.String(name).EndLine();
  if (!variants.empty()) {
    w.String("***").EndLine();
    for (const auto& name : variants) w.String(name).EndLine();
  }
  w.SaveTo(root_ / "Config" / "Variables", codec_);
}

void ProjectWriter::WriteFrame(const std::string& name, const FrameFile& frame,
                               int lastField) const {
  ValueWriter w;
  WriteFrameFile(w, frame, lastField);
  w.SaveTo(root_ / "Frames" / (name + ".fme"), codec_);
}

std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(rowBytes * height);
  std::string out;
  auto le = [&out](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  out += "BM";
  le(54 + imageSize, 4);
  le(0, 4);
  le(54, 4);
  le(40, 4);
  le(static_cast<uint32_t>(width), 4);
  le(static_cast<uint32_t>(height), 4);
  le(1, 2);
  le(24, 2);
  le(0, 4);
  le(imageSize, 4);
  le(2835, 4);
  le(2835, 4);
  le(0, 4);
  le(0, 4);
  for (int y = height - 1; y >= 0; --y) {  // bottom-up rows
    int written = 0;
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = pixel(x, y);
      out.push_back(static_cast<char>(rgb & 0xFF));
      out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
      out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
      written += 3;
    }
    for (; written < rowBytes; ++written) out.push_back('\0');
  }
  return out;
}

}  // namespace sw
