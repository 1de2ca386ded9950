#include "discs/multi_cd.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "base/vb_error.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/project/file_names.h"
#include "core/valuefile/value_reader.h"
#include "discs/run_from_cd.h"
#include "platform/platform.h"

namespace sw {

namespace {

constexpr const char* kDriveSetting = "DriveLetter";

std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// A path below a disc root that stays below it: no ".." among its parts.
bool StaysBelow(const std::string& relative) {
  std::size_t pos = 0;
  while (pos <= relative.size()) {
    std::size_t end = relative.find_first_of("/\\", pos);
    if (end == std::string::npos) end = relative.size();
    if (relative.compare(pos, end - pos, "..") == 0 && end - pos == 2) return false;
    pos = end + 1;
  }
  return true;
}

// The prompt's number is shown for the disc asked for; the scope clears it however the
// prompt ends.
class PromptScope {
 public:
  PromptScope(int& prompting, int cd) : prompting_(prompting) { prompting_ = cd; }
  ~PromptScope() { prompting_ = 0; }
  PromptScope(const PromptScope&) = delete;
  PromptScope& operator=(const PromptScope&) = delete;

 private:
  int& prompting_;
};

}  // namespace

MultiCD::MultiCD(GameRuntime& runtime, std::filesystem::path mountTable)
    : runtime_(runtime), mountTable_(std::move(mountTable)) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) { out["cd"] = Dump(); });
}

bool MultiCD::ModeOn() const {
  const ProjectFolders& folders = runtime_.folders;
  if (folders.ProjectFolder.empty()) return false;
  return runtime_.FileExists(folders.ProjectFolder + "RunFromCD.dat") &&
         runtime_.FileExists(folders.ConfigFolder + "CDContents");
}

void MultiCD::LoadCDIndex() {
  index_.clear();
  count_ = 0;
  cdCount_ = 0;
  if (!ModeOn()) return;
  try {
    ValueReader reader = ValueReader::FromFile(
        runtime_.files().Resolve(runtime_.folders.ConfigFolder + "CDContents"),
        runtime_.files().codec());
    cdCount_ = ReadCDContentsHeader(reader);
    while (!reader.AtEnd()) {
      CDContentsEntry entry = ReadCDContentsEntry(reader);
      if (entry.Name.empty() || entry.CDNumber < 1 || entry.CDNumber > cdCount_ ||
          entry.Kind == 0) {
        continue;
      }
      if (index_.size() >= static_cast<std::size_t>(kMaxIndexCount))
        throw VbError(vberr::kOverflow);
      index_.push_back(std::move(entry));
    }
    count_ = static_cast<int>(index_.size());
  } catch (const std::exception&) {
    count_ = 0;  // the entries read so far stay, but none is searched
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kCritical;
    runtime_.ShowMessage(
        runtime_.texts[31] + " Error loading CD index.\r\n\r\n" + runtime_.texts[30],
        runtime_.texts[InterfaceTexts::kTitleError], style);
  }
}

std::string MultiCD::DriveSetting() const {
  return runtime_.GetSetting(kDriveSetting, "");
}

std::vector<Drive> MultiCD::Drives() const {
  return ListDrives(runtime_.files(), ReadMountTable(mountTable_), runtime_.folders.ProjectFolder);
}

std::string MultiCD::DefaultCDDrive() const {
  return sw::DefaultCDDrive(Drives());
}

std::vector<std::string> MultiCD::DiscRoots() const {
  if (!ModeOn()) return {};
  std::vector<std::string> roots;
  // Every lookup keeps its drive in the setting before it reads; the drive of the last
  // lookup counts too, in case the setting could not be written.
  for (std::string root : {DriveSetting(), lastDrive_}) {
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end())
      roots.push_back(std::move(root));
  }
  return roots;
}

std::string MultiCD::Joined(const std::string& root, const std::string& relative) const {
  return (root.empty() || root.back() != '/' ? root + "/" : root) + relative;
}

bool MultiCD::ExistsOn(const std::string& root, const std::string& relative) const {
  if (root.empty()) return false;  // no drive chosen: never a path of the working folder
  return runtime_.FileExists(Joined(root, relative));
}

std::string MultiCD::ResolveFromCD(const std::string& path) {
  GameRuntime& rt = runtime_;
  if (!ModeOn()) return path;          // 1
  std::string drive = DriveSetting();  // 2
  if (drive.empty()) {
    drive = DefaultCDDrive();
    try {
      rt.SaveSetting(kDriveSetting, drive);
    } catch (const std::exception&) {
      // An unwritable settings file only means the default is looked for again next time.
    }
  }
  lastDrive_ = drive;
  const std::string dataFolder = "Data/" + rt.info.Title + "/";
  const std::string direct = AlternateExtension(dataFolder + "Frames/" + FileTitle(path));  // 3
  if (StaysBelow(direct) && ExistsOn(drive, direct)) return Joined(drive, direct);

  if (count_ <= 0) return AlternateExtension(path);  // 4
  const CaseFolder& folder = rt.files().case_folder();
  const std::string wanted = folder.Fold(Slashed(path));
  const CDContentsEntry* match = nullptr;
  for (int i = 0; i < count_; ++i) {
    const CDContentsEntry& entry = index_[static_cast<std::size_t>(i)];
    std::string owner;
    if (entry.Kind == static_cast<int16_t>(CDFileKind::kFrames)) owner = rt.folders.FramesFolder;
    if (entry.Kind == static_cast<int16_t>(CDFileKind::kAreas)) owner = rt.folders.AreasFolder;
    if (folder.Fold(Slashed(owner + entry.Name)) == wanted) {
      match = &entry;
      break;
    }
  }
  if (match == nullptr) return AlternateExtension(path);  // 5
  std::string relative;
  if (match->Kind == static_cast<int16_t>(CDFileKind::kFrames)) {
    relative = dataFolder + "Frames/" + match->Name;
  } else if (match->Kind == static_cast<int16_t>(CDFileKind::kAreas)) {
    relative = dataFolder + "Areas/" + match->Name;
  } else {
    return path;
  }
  relative = AlternateExtension(relative);  // 6
  // A name or title that climbs out of the disc's folder names no file of the disc.
  if (!StaysBelow(relative)) return AlternateExtension(path);
  drive = AskForDisc(match->CDNumber, drive, relative);
  lastDrive_ = drive;
  // Without a disc folder there is no path on a disc (the prompt was cancelled).
  if (drive.empty()) return AlternateExtension(path);
  return Joined(drive, relative);  // 7
}

std::string MultiCD::AskForDisc(int cd, std::string drive, const std::string& relative) {
  GameRuntime& rt = runtime_;
  // A lookup made while the prompt is open (by a timer the prompt did not stop) fails
  // instead of stacking a second prompt over the first.
  if (prompting_ != 0) return drive;
  bool remembered = false;
  bool timer1 = false;
  bool timerMessageBox = false;
  while (!ExistsOn(drive, relative) && !rt.StopRequested) {
    // The timers' states are taken before the first prompt stops them; later rounds would
    // only see them stopped.
    if (GameWindow* game = rt.game(); game != nullptr && !remembered) {
      timer1 = game->Timer1.enabled();
      timerMessageBox = game->TimerMessageBox.enabled();
      remembered = true;
    }
    if (GameWindow* game = rt.game()) game->StopAllActivity();  // 1
    {
      PromptScope scope(prompting_, cd);
      ShowPrompt(drive, rt.texts[47] + std::to_string(cd) + " " + rt.texts[48]);  // 2
    }
    if (rt.StopRequested) {  // 3
      if (GameWindow* game = rt.game()) game->BeginClosing();
      break;
    }
    drive = DriveSetting();  // 4
    if (ExistsOn(drive, relative)) {
      if (GameWindow* game = rt.game(); game != nullptr && remembered) {
        game->Timer1.SetEnabled(timer1);
        game->TimerMessageBox.SetEnabled(timerMessageBox);
      }
      rt.subsystems().timedEvents->StartTimedEvents();
      break;
    }
    const std::string shown =
        rt.files().codec().TryFromUtf8(Joined(drive, relative)).value_or(Joined(drive, relative));
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kWarning;
    rt.ShowMessage(rt.texts[45] + "\r\n\r\n" + shown + "\r\n\r\n" + rt.texts[46],  // 5
                   rt.info.Title, style);
  }
  return drive;
}

bool MultiCD::ShowPrompt(const std::string& root, const std::string& message) {
  RunFromCDWindow window(runtime_, Drives());
  window.SetDrive(root);
  window.SetMessage(message);
  return window.ShowModal();
}

nlohmann::json MultiCD::Dump() const {
  nlohmann::json out;
  out["on"] = ModeOn();
  out["count"] = count_;
  out["drive"] = ModeOn() ? DriveSetting() : std::string();
  out["prompt"] = prompting_;
  return out;
}

}  // namespace sw
