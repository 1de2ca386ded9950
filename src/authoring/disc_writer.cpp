#include "authoring/disc_writer.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "core/project/file_names.h"
#include "core/valuefile/value_writer.h"

namespace sw {

namespace fs = std::filesystem;

void WriteRunFromCD(const ProjectWriter& project) {
  project.WriteRaw("RunFromCD.dat", "1\r\n");
}

void WriteCDContents(const ProjectWriter& project, const CDContents& contents) {
  ValueWriter w;
  WriteCDContents(w, contents);
  w.SaveTo(project.root() / "Config" / "CDContents");
}

DiscWriter::DiscWriter(fs::path root, std::string title)
    : root_(std::move(root)), title_(std::move(title)) {
  fs::create_directories(root_ / "Data" / title_ / "Frames");
  fs::create_directories(root_ / "Data" / title_ / "Areas");
}

fs::path DiscWriter::WriteFile(CDFileKind kind, const std::string& name, const std::string& bytes,
                               bool upperCase) const {
  std::string stored = AlternateExtension(name);
  if (upperCase) {
    std::transform(stored.begin(), stored.end(), stored.begin(), [](char c) {
      return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
  }
  const fs::path path =
      root_ / "Data" / title_ / (kind == CDFileKind::kFrames ? "Frames" : "Areas") / stored;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return path;
}

}  // namespace sw
