#include "authoring/project_writer.h"

#include <fstream>
#include <map>
#include <sstream>

#include "core/valuefile/value_writer.h"
#include "platform/system/path_resolver.h"
#include "platform/system/private_profile.h"

namespace sw {

namespace fs = std::filesystem;

ProjectWriter::ProjectWriter(fs::path root) : root_(std::move(root)) {
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

void ProjectWriter::WriteGeneral(const ProjectInfo& p, int lastField) const {
  ValueWriter w;
  int field = 0;
  // Each value is written only while its field number is within the requested length.
  auto put = [&](auto&& write) {
    if (++field <= lastField) write();
  };
  auto str = [&](const std::string& s) { put([&] { w.String(s); }); };
  auto i16 = [&](int16_t v) { put([&] { w.Integer(v); }); };
  auto i32 = [&](int32_t v) { put([&] { w.Long(v); }); };
  auto flag = [&](bool v) { put([&] { w.Boolean(v); }); };
  auto endl = [&] {
    if (field <= lastField) w.EndLine();
  };

  str(p.SettingsSection);
  str("");  // the editor's own data
  str(p.Title);
  i16(0);
  str(p.StartFrame);
  str(p.Version);
  i16(p.FrameWidth);
  i16(p.FrameHeight);
  endl();
  str(p.Author);
  str(p.Email);
  str(p.WebSite);
  i16(p.ResolutionOffer);
  str("");
  str("");
  str("");
  str(p.SchemeName);
  endl();
  str("");
  str("");
  str("");
  flag(p.HideLoad);
  flag(p.HideSave);
  flag(false);
  str("");
  str("");
  i32(p.InventoryMarginX);
  i32(p.InventoryMarginY);
  endl();
  flag(p.InventoryEnabled);
  flag(p.InventorySlideOpen);
  flag(p.InventorySlideClose);
  flag(p.HideEmptyInventoryHandle);
  flag(p.InventoryOpensOnPick);
  flag(p.InventoryCustomGraphics);
  str(p.InventoryHandleFile);
  str(p.InventoryBackgroundFile);
  i16(p.ResolutionMode);
  str("");
  str("");
  str(p.DefaultPointer);
  endl();
  str("");
  str("");
  flag(p.RunInWindow);
  str("");
  flag(p.StartAtOnce);
  flag(p.HideLogo);
  str("");
  flag(p.HideTransitionsOption);
  flag(p.HideEffectsOption);
  flag(p.MenusNeverShown);
  endl();
  w.SaveTo(root_ / "Config" / "General");
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
  w.SaveTo(root_ / "Config" / "Texts");
}

void ProjectWriter::WriteMoreSetting(const std::string& section, const std::string& key,
                                     const std::string& value) const {
  PathResolver resolver;
  PrivateProfile(resolver).Write((root_ / "Config" / "More").string(), section, key, value);
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
  w.SaveTo(root_ / "Config" / "Variables");
}

void ProjectWriter::WriteFrame(const std::string& name, const FrameFile& f, int lastField) const {
  ValueWriter w;
  int field = 0;
  auto put = [&](auto&& write) {
    if (++field <= lastField) write();
  };
  auto str = [&](const std::string& s) { put([&] { w.String(s); }); };
  auto i16 = [&](int16_t v) { put([&] { w.Integer(v); }); };
  auto i32 = [&](int32_t v) { put([&] { w.Long(v); }); };
  auto flag = [&](bool v) { put([&] { w.Boolean(v); }); };
  auto var = [&](const Variant& v) { put([&] { w.Value(v); }); };
  auto endl = [&] {
    if (field <= lastField) w.EndLine();
  };

  i16(f.FrameKind);
  str(f.FrameBackground);
  flag(f.FrameTiled);
  endl();
  flag(f.InterruptSound);
  str(f.SoundFile);
  flag(f.TimerEnabled);
  var(f.TimerDelay);
  str(f.TimerTarget);
  str(f.VideoFile);
  str("");
  endl();
  flag(f.StopAllSounds);
  flag(f.StopMusic);
  str(f.MusicFile);
  str("");
  str("");
  str("");
  endl();
  flag(f.VideoWithoutPlacement);
  flag(f.VideoInFrameArea);
  i16(f.VideoLeft);
  i16(f.VideoTop);
  i16(f.VideoWidth);
  i16(f.VideoHeight);
  endl();
  flag(f.LoopSound);
  flag(f.TimerTransition);
  i32(f.TimerTransitionDuration);
  i16(f.TimerTransitionNumber);
  endl();
  flag(f.ScriptEnabled);
  var(f.ScriptText);
  endl();
  for (int i = 0; i < 6; ++i) str("");
  var(f.FadeTime);
  i16(0);
  i16(f.ValuesPerChannel);
  endl();
  if (f.ValuesPerChannel <= 5 && field < lastField) {
    w.Integer(static_cast<int16_t>(f.Channels.size())).EndLine();
    for (const auto& entry : f.Channels) {
      for (int slot = 0; slot < f.ValuesPerChannel; ++slot)
        w.Value(entry[static_cast<size_t>(slot)]);
      w.EndLine();
    }
    w.Boolean(f.VideoFirst).EndLine();
  }
  w.SaveTo(root_ / "Frames" / (name + ".fme"));
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
