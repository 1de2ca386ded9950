// Writes the player's icon into a folder at build time: scalable/apps/NAME.svg and
// NxN/apps/NAME.png for the usual sizes of the hicolor icon theme.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "icon_shapes.h"
#include "platform/picture.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-icon FOLDER NAME\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path root = argv[1];
  const std::string name = argv[2];
  try {
    fs::create_directories(root / "scalable" / "apps");
    std::ofstream(root / "scalable" / "apps" / (name + ".svg"), std::ios::binary)
        << icon::IconSvg();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      const fs::path folder = root / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
      fs::create_directories(folder);
      sw::platform::Pixmap pixmap(size, size, 0);
      const std::vector<uint32_t> pixels = icon::IconPixels(size);
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
          pixmap.SetPixel(x, y, pixels[static_cast<size_t>(y) * size + x]);
      }
      sw::platform::SavePng(pixmap, folder / (name + ".png"));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-icon: %s\n", e.what());
    return 1;
  }
  return 0;
}
