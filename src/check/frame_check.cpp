// The files of each frame: the frame file, its hotspots, actions, item drops, pick-ups, old
// sound blocks and water effect, with every file, frame, item and variable they name.
#include <algorithm>
#include <limits>

#include "check/checker.h"
#include "core/frames/frame_file.h"
#include "core/frames/frame_paths.h"
#include "core/project/file_names.h"
#include "core/valuefile/stored_values.h"
#include "platform/system/file_io.h"

namespace sw::check {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string AsText(const Variant& value) {
  return value.IsEmpty() ? std::string() : value.ToStringUtf8();
}

// The line on which `stored` appears in quotes, searching from line `fromLine` on; `fromLine`
// when it is not found.
int LineOfQuoted(const std::string& bytes, int fromLine, const std::string& stored) {
  size_t from = 0;
  for (int line = 1; line < fromLine && from < bytes.size(); ++line) {
    from = bytes.find_first_of("\r\n", from);
    if (from == std::string::npos) return fromLine;
    from += (bytes[from] == '\r' && from + 1 < bytes.size() && bytes[from + 1] == '\n') ? 2 : 1;
  }
  const size_t at = bytes.find('"' + stored + '"', from);
  return at == std::string::npos ? fromLine : LineOfOffset(bytes, at);
}

// Reading an action record checks the names it meets while it is read.
class CheckingEffects final : public ActionReadEffects {
 public:
  CheckingEffects(Checker& checker, const ValueReader& reader, std::string file, std::string what)
      : checker_(checker), reader_(reader), file_(std::move(file)), what_(std::move(what)) {}
  void ChangeVariable(const std::string& name, int16_t) override {
    checker_.CheckIntegerVariable(name, Here(), what_ + " changes a variable");
  }
  void Disappear() override {}
  void StopHotspotSound() override {}
  void StopAnyWavOrMP3() override {}
  void SetFadeTime(double) override {}
  void SetChannelOrder(int, const ChannelOrder& order) override {
    if (order.action == 2 && !order.file.empty()) {
      checker_.CheckMedia(checker_.folders().AreasFolder + order.file, Here(), "sound",
                          MediaType::kSound);
    }
  }
  void AddItem(const std::string& name) override {
    checker_.CheckItemName(name, Here(), what_ + " adds the item");
  }

 private:
  Where Here() const { return Where{file_, reader_.NextLine()}; }
  Checker& checker_;
  const ValueReader& reader_;
  std::string file_;
  std::string what_;
};

// The hotspots could not all be read: every hotspot number may exist.
constexpr int kUnknownCount = std::numeric_limits<int>::max();

}  // namespace

std::string Checker::FramePath(const std::string& frame, const std::string& extension) {
  return FrameFilePath(
      folders_, [this](const std::string& p) { return files_.IsFile(p); }, frame, extension);
}

void Checker::ListFrames() {
  if (!files_.IsDirectory(folders_.FramesFolder)) {
    Report(Where{Shown(folders_.FramesFolder), 0}, Severity::kError, "missing folder");
    return;
  }
  for (const std::string& name : files_.List(folders_.FramesFolder + "*.fme")) {
    if (name.size() > 4) frames_.push_back(name.substr(0, name.size() - 4));
  }
}

void Checker::CheckFrame(const std::string& frame) {
  int hotspotCount = 0;
  CheckFrameFile(frame, hotspotCount);
  hotspotCount = CheckHotspots(frame);
  CheckActions(frame, hotspotCount);
  CheckItemActions(frame, hotspotCount);
  CheckPickUps(frame, hotspotCount);
  CheckOldChannels(frame, hotspotCount);
  CheckWater(frame);
}

void Checker::CheckFrameFile(const std::string& frame, int&) {
  const std::string path = FramePath(frame, ".fme");
  const std::optional<std::filesystem::path> file = Find(path, Where{Shown(path), 0}, "frame file");
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  FrameFile f;
  try {
    f = ReadFrameFile(*reader);
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the frame file: ") + e.what());
    return;
  }
  if (f.FrameKind == 1) {
    if (f.FrameBackground.empty()) {
      Report(ValueAt(path, *file, 2), Severity::kError, "the picture frame names no picture");
    } else {
      CheckMedia(folders_.FramesFolder + f.FrameBackground, ValueAt(path, *file, 2),
                 "background picture", MediaType::kPicture);
    }
  }
  if (!f.SoundFile.empty()) {
    CheckMedia(folders_.AreasFolder + f.SoundFile, ValueAt(path, *file, 5), "sound",
               MediaType::kSound);
  }
  if (f.TimerEnabled) {
    if (f.TimerTarget.empty()) {
      Report(ValueAt(path, *file, 8), Severity::kError, "the frame timer names no frame");
    } else if (Lower(f.TimerTarget) != "[last visited frame]") {
      CheckFrameName(f.TimerTarget, ValueAt(path, *file, 8), "named by the frame timer");
    }
  }
  if (!f.Video.File.empty()) {
    CheckMedia(folders_.FramesFolder + f.Video.File, ValueAt(path, *file, 9), "video",
               MediaType::kVideo);
  }
  if (!f.MusicFile.empty()) {
    CheckMedia(folders_.FramesFolder + f.MusicFile, ValueAt(path, *file, 13), "music",
               MediaType::kSound);
  }
  if (f.ScriptEnabled)
    CheckScript(AsText(f.ScriptText), ValueAt(path, *file, 28), "the frame script");
  for (size_t k = 0; k < f.Channels.size(); ++k) {
    const ChannelEntry& entry = f.Channels[k];
    const std::string sound = AsText(entry[4]);
    if (entry[0].IsEmpty() || sound.empty()) continue;
    try {
      if (entry[0].ToDouble() != 2) continue;
    } catch (const std::exception&) {
      continue;
    }
    const int index = 38 + static_cast<int>(k) * f.ValuesPerChannel + 5;
    CheckMedia(folders_.AreasFolder + sound, ValueAt(path, *file, index), "sound",
               MediaType::kSound);
  }
}

int Checker::CheckHotspots(const std::string& frame) {
  std::string path = FramePath(frame, ".mr2");
  if (!files_.IsFile(path)) path = FramePath(frame, ".fm2");
  const std::optional<std::filesystem::path> file = Find(path, Where{}, "file", true);
  if (!file) return 0;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return 0;
  int i = 0;
  try {
    while (!reader->AtEnd()) {
      ++i;
      const std::string hotspot = "hotspot #" + std::to_string(i);
      reader->Skip();
      reader->ReadInteger();
      SkipValues(*reader, 8);
      for (int n = 0; n < 5; ++n) reader->ReadDouble();
      const bool hasPicture = reader->ReadBoolean();
      const Where pictureAt = At(path, *reader);
      const std::string picture = reader->ReadString();
      reader->ReadDouble();
      const Where pointerAt = At(path, *reader);
      const std::string pointer = reader->ReadString();
      const bool conditions = reader->ReadDouble() != 0;
      for (int list = 0; list < 2; ++list) {
        const int32_t count = ReadCount(*reader);
        for (int32_t n = 0; n < count; ++n) {
          const Where nameAt = At(path, *reader);
          const std::string name = reader->ReadString();
          if (conditions) CheckIntegerVariable(name, nameAt, "the condition of " + hotspot);
        }
      }
      if (!reader->IsSeparatorNext()) reader->ReadDouble();
      if (!reader->AtEnd()) reader->Skip();
      if (hasPicture && !picture.empty()) {
        CheckMedia(folders_.AreasFolder + picture, pictureAt, "picture of " + hotspot,
                   MediaType::kPicture);
      }
      CheckPointerFile(pointer, pointerAt);
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           "cannot read hotspot #" + std::to_string(i) + ": " + e.what());
    return kUnknownCount;
  }
  return i;
}

void Checker::CheckActionRecord(const ActionRecord& r, const Where& record, const std::string& what,
                                const std::string& bytes, int recordLine) {
  if (r.GameEnds) return;
  // A name is reported on the line of the record where it stands.
  const auto at = [&](const std::string& name) {
    return Where{record.file, LineOfQuoted(bytes, recordLine, name)};
  };
  if (r.GoToFrameEnabled != 0) {
    if (r.TargetFrame.empty()) {
      Report(record, Severity::kError, what + " goes to a frame but names none");
    } else if (Lower(r.TargetFrame) != "[last visited frame]") {
      CheckFrameName(r.TargetFrame, at(r.TargetFrame), "named by " + what);
    }
  }
  const std::string sound = AsText(r.SoundFile);
  if (IsOn(r.PlaySound) && !sound.empty()) {
    CheckMedia(folders_.AreasFolder + sound, at(sound), "sound", MediaType::kSound);
  }
  const std::string music = AsText(r.MusicFile);
  if (IsOn(r.PlayMusic)) {
    if (music.empty()) {
      Report(record, Severity::kError, what + " plays music but names no file");
    } else {
      CheckMedia(folders_.FramesFolder + music, at(music), "music", MediaType::kSound);
    }
  }
  if (r.PlayVideo != 0) {
    if (r.Video.File.empty()) {
      Report(record, Severity::kError, what + " plays a video but names no file");
    } else {
      CheckMedia(folders_.FramesFolder + r.Video.File, at(r.Video.File), "video",
                 MediaType::kVideo);
    }
  }
  const std::string script = AsText(r.ScriptText);
  if (r.ScriptEnabled && !script.empty()) {
    CheckScript(script, at(script), "the script of " + what);
  }
}

void Checker::CheckActions(const std::string& frame, int) {
  std::string path = FramePath(frame, ".mr3");
  if (!files_.IsFile(path)) path = FramePath(frame, ".fm3");
  const std::optional<std::filesystem::path> file = Find(path, Where{}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  const std::string bytes = files_.codec().ToUtf8(ReadFileBytes(*file).value_or(""));
  int i = 0;
  try {
    while (!reader->AtEnd()) {
      ++i;
      const std::string what = "the action of hotspot #" + std::to_string(i);
      const Where start = At(path, *reader);
      SkipValues(*reader, 10);
      CheckingEffects effects(*this, *reader, start.file, what);
      const ActionRecord record = ReadActionFields(*reader, effects);
      CheckActionRecord(record, start, what, bytes, start.line);
      SkipToSeparator(*reader);
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           "cannot read the action of hotspot #" + std::to_string(i) + ": " + e.what());
  }
}

void Checker::CheckItemActions(const std::string& frame, int hotspotCount) {
  const std::string path = FramePath(frame, ".fm0");
  const std::optional<std::filesystem::path> file = Find(path, Where{}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  const std::string bytes = files_.codec().ToUtf8(ReadFileBytes(*file).value_or(""));
  try {
    while (!reader->AtEnd()) {
      const Where start = At(path, *reader);
      reader->Skip();
      const std::string key = reader->ReadString();
      SkipValues(*reader, 8);
      // The key is "<hotspot>_<item>.drg".
      const size_t underscore = key.find('_');
      const std::string lowerKey = Lower(key);
      std::string what = "the drop '" + key + "'";
      if (underscore == std::string::npos || lowerKey.size() < 4 ||
          lowerKey.substr(lowerKey.size() - 4) != ".drg") {
        Report(start, Severity::kError,
               "the item drop key '" + key + "' is not <hotspot>_<item>.drg");
      } else {
        const std::string item = key.substr(underscore + 1, key.size() - 4 - underscore - 1);
        const int hotspot = static_cast<int>(ValOf(key.substr(0, underscore)));
        what = "the drop of '" + item + "' on hotspot #" + std::to_string(hotspot);
        CheckItemName(item, start, "named by " + what);
        if (hotspot < 1 || hotspot > hotspotCount) {
          Report(start, Severity::kWarning, what + ": the frame has no such hotspot");
        }
      }
      CheckingEffects effects(*this, *reader, start.file, what);
      const ActionRecord record = ReadActionFields(*reader, effects);
      CheckActionRecord(record, start, what, bytes, start.line);
      SkipToSeparator(*reader);
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the item drops: ") + e.what());
  }
}

void Checker::CheckPickUps(const std::string& frame, int hotspotCount) {
  const std::string path = FramePath(frame, ".fm4");
  const std::optional<std::filesystem::path> file = Find(path, Where{}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(path, *file);
  if (!reader) return;
  try {
    while (!reader->AtEnd()) {
      const Where start = At(path, *reader);
      reader->Skip();
      const int16_t hotspot = reader->ReadInteger();
      SkipValues(*reader, 8);
      if (EqualsOne(reader->ReadVariant())) {
        const Where nameAt = At(path, *reader);
        const std::string what = "the pick-up of hotspot #" + std::to_string(hotspot);
        CheckItemName(reader->ReadString(), nameAt, "named by " + what);
        if (hotspot < 1 || hotspot > hotspotCount) {
          Report(start, Severity::kWarning, what + ": the frame has no such hotspot");
        }
      }
      SkipToSeparator(*reader);
    }
  } catch (const std::exception& e) {
    Report(At(path, *reader), Severity::kError,
           std::string("cannot read the pick-ups: ") + e.what());
  }
}

void Checker::CheckOldChannelBlock(ValueReader& reader, const std::string& path) {
  for (int i = 0; i < 22; ++i) reader.Skip();
  for (int k = 1; k <= 5; ++k) {
    reader.Skip();
    reader.ReadBoolean();
    const bool play = reader.ReadBoolean();
    const Where fileAt = At(path, reader);
    const std::string sound = reader.ReadString();
    reader.ReadDouble();
    if (play && !sound.empty()) {
      CheckMedia(folders_.AreasFolder + sound, fileAt, "sound", MediaType::kSound);
    }
    if (reader.IsSeparatorNext()) break;
  }
}

void Checker::CheckOldChannels(const std::string& frame, int hotspotCount) {
  const std::string chn = FramePath(frame, ".chn");
  if (const auto file = Find(chn, Where{}, "file", true)) {
    if (std::optional<ValueReader> reader = OpenValueFile(chn, *file)) {
      try {
        CheckOldChannelBlock(*reader, chn);
      } catch (const std::exception& e) {
        Report(At(chn, *reader), Severity::kError,
               std::string("cannot read the frame's sound block: ") + e.what());
      }
    }
  }
  const std::string fm5 = FramePath(frame, ".fm5");
  const auto file = Find(fm5, Where{}, "file", true);
  if (!file) return;
  std::optional<ValueReader> reader = OpenValueFile(fm5, *file);
  if (!reader) return;
  try {
    while (!reader->AtEnd()) {
      const Where start = At(fm5, *reader);
      reader->Skip();
      const int16_t hotspot = reader->ReadInteger();
      SkipValues(*reader, 8);
      if (hotspot < 1 || hotspot > hotspotCount) {
        Report(start, Severity::kWarning,
               "the sound block of hotspot #" + std::to_string(hotspot) +
                   ": the frame has no such hotspot");
      }
      CheckOldChannelBlock(*reader, fm5);
      SkipToSeparator(*reader);
    }
  } catch (const std::exception& e) {
    Report(At(fm5, *reader), Severity::kError,
           std::string("cannot read the hotspots' sound blocks: ") + e.what());
  }
}

void Checker::CheckWater(const std::string& frame) {
  const std::string settings = FramePath(frame, ".rwe");
  const auto file = Find(settings, Where{}, "file", true);
  if (!file) return;
  if (std::optional<ValueReader> reader = OpenValueFile(settings, *file)) {
    try {
      SkipValues(*reader, 6);
      for (int i = 0; i < 6; ++i) reader->ReadInteger();
    } catch (const std::exception& e) {
      Report(At(settings, *reader), Severity::kError,
             std::string("cannot read the water effect: ") + e.what());
    }
  }
  CheckMedia(FramePath(frame, ".rwm"), Where{Shown(settings), 0}, "water mask",
             MediaType::kPicture);
}

}  // namespace sw::check
