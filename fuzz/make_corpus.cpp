// Writes the seed corpora of the fuzz targets from a sample game folder and a few inputs
// made here: make-fuzz-corpus GAME_FOLDER OUTPUT_FOLDER. Each target gets a folder of its
// own below OUTPUT_FOLDER; the project-file seeds carry the byte that picks their reader.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "authoring/project_writer.h"
#include "platform/picture.h"
#include "platform/pixmap.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The reader of the project-files target that a file of the game goes to, or -1.
int ProjectReaderOf(const fs::path& file) {
  const std::string name = Lower(file.filename().string());
  const std::string ext = Lower(file.extension().string());
  if (name == "general") return 0;
  if (name == "texts") return 1;
  if (ext == ".fme") return 2;
  if (ext == ".fm3") return 4;
  if (ext == ".obj") return 5;
  if (ext == ".fm0") return 6;
  if (ext == ".drg") return 7;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-fuzz-corpus GAME_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const fs::path game = argv[1], out = argv[2];
  int written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(game)) {
    if (!entry.is_regular_file()) continue;
    const fs::path& file = entry.path();
    const std::string bytes = Slurp(file);
    const std::string name = file.filename().string();
    const std::string ext = Lower(file.extension().string());
    if (ext == ".bmp" || ext == ".gif" || ext == ".png" || ext == ".jpg" || ext == ".ico" ||
        ext == ".cur") {
      Put(out / "picture" / name, bytes);
      ++written;
      continue;
    }
    if (ext == ".wav" || ext == ".mid" || ext == ".mp3" || ext == ".avi") continue;
    Put(out / "value_reader" / name, std::string(1, '\0') + bytes);
    if (name == "More") Put(out / "ini" / name, bytes);
    const int reader = ProjectReaderOf(file);
    if (reader >= 0) {
      Put(out / "project_files" / name, std::string(1, static_cast<char>(reader)) + bytes);
      if (reader == 2) {
        Put(out / "project_files" / (name + ".header"), std::string(1, '\3') + bytes);
      }
    }
    written += 1;
  }
  // Inputs the sample game does not have.
  Put(out / "ini" / "profile.ini",
      "; comment\r\n[Main]\r\nVolume=7\r\nName = \"quoted value\" \r\n\r\n[Other]\r\nKey\r\n"
      "=empty\r\n[Main]\r\nVolume=8\r\n");
  Put(out / "ini" / "unix.ini", "[a]\nb=c\n[ d ]\n e = f \n");
  Put(out / "value_reader" / "values",
      std::string("\x03", 1) +
          "\"text\",12,-32768,#TRUE#,#FALSE#,#NULL#,1.5E+3,"
          "#2003-03-07 14:05:00#,\"----- SEPARATOR -----\"\r\n2147483647\r\n");
  sw::platform::Pixmap pixmap(3, 2, 0xFF336699u);
  pixmap.SetPixel(0, 0, 0x80FF0000u);
  sw::platform::SavePng(pixmap, out / "picture" / "small.png");
  Put(out / "picture" / "small.bmp",
      sw::MakeBmp(4, 3, [](int x, int y) { return static_cast<uint32_t>(x * 0x400000 + y * 80); }));
  // A GIF of two frames, an icon, and the start of a JPEG.
  static constexpr char kTwoFrameGif[] =
      "GIF89a\x02\x00\x02\x00\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF"
      "\x21\xF9\x04\x01\x0A\x00\x01\x00"
      "\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02\x02\x44\x01\x00"
      "\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02\x02\x8C\x01\x00\x3B";
  Put(out / "picture" / "two.gif", std::string(kTwoFrameGif, sizeof kTwoFrameGif - 1));
  const std::string dib = std::string("\x28\0\0\0\x02\0\0\0\x04\0\0\0\x01\0\x20\0", 16) +
                          std::string(24, '\0') + std::string(16, '\x7F') + std::string(8, '\0');
  Put(out / "picture" / "icon.ico", std::string("\0\0\1\0\1\0\x02\x02\0\0\1\0\x20\0", 14) +
                                        std::string(1, static_cast<char>(dib.size())) +
                                        std::string("\0\0\0\x16\0\0\0", 7) + dib);
  Put(out / "picture" / "start.jpg",
      std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
                  "\xFF\xC0\x00\x0B\x08\x00\x02\x00\x02\x01\x01\x11\x00\xFF\xD9",
                  35));
  // Saved games: one of each version, the newest with variants of every kind.
  const std::string savedStart =
      "\"Hall\"\r\n2\r\n\"Door\"\r\n1\r\n\"Lamp\"\r\n-1\r\n1\r\n\"Hall\"\r\n3\r\n"
      "2\r\n\"Key\"\r\n\"Old map\"\r\n";
  Put(out / "saved_game" / "old.sav", savedStart);
  const std::string savedHistory = savedStart + "2\r\n\"Start\"\r\n\"Hall\"\r\n";
  Put(out / "saved_game" / "history.sav", savedHistory);
  Put(out / "saved_game" / "newest.sav",
      savedHistory +
          "\"\"\r\n\"\"\r\n\"\"\r\n\"MyGame\"\r\n\"My Game\"\r\n\"03/07/2003\"\r\n"
          "\"Version 3.3.0\"\r\n6\r\n\"Said\"\r\n\"yes, it's late\"\r\n\"Met\"\r\n"
          "#2003-03-07#\r\n\"Flag\"\r\n#TRUE#\r\n\"Ratio\"\r\n2.5\r\n\"None\"\r\n\r\n"
          "\"Gone\"\r\n#NULL#\r\n");
  std::printf("%d seeds from %s in %s\n", written, game.c_str(), out.c_str());
  return 0;
}
