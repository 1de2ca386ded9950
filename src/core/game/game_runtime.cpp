#include "core/game/game_runtime.h"

#include "base/ascii.h"
#include "base/vb_error.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/project/file_names.h"
#include "platform/geometry.h"
#include "platform/platform.h"
#include "platform/system/command_line.h"
#include "platform/system/shell.h"
#include "platform/system/user_dirs.h"

namespace sw {

namespace {
constexpr const char* kSettingsApp = "Software";
// The player's answer to whether this game may start the programs in its folder: "1" or "0".
constexpr const char* kAllowProgramsKey = "AllowPrograms";
}  // namespace

GameRuntime::GameRuntime(platform::Platform& platform, PathResolver& files, UserSettings& settings)
    : platform_(platform), files_(files), settings_(settings), profiles_(files) {}

GameRuntime::~GameRuntime() {
  // Script objects may call back into every subsystem when they end: end them first.
  if (subsystems_.scripts) subsystems_.scripts->ShutDown();
}

GameWindow& GameRuntime::LoadGameWindow() {
  if (!game_) game_ = std::make_unique<GameWindow>(*this);
  return *game_;
}

void GameRuntime::UnloadGameWindow() {
  game_.reset();
}

platform::MessageResult GameRuntime::ShowMessage(const std::string& text, const std::string& title,
                                                 platform::MessageStyle style) {
  return platform::ShowMessageBox(platform_, ForDisplay(text), ForDisplay(title), style);
}

void GameRuntime::ShowStandardError(const std::string& detail) {
  platform::MessageStyle style;
  style.icon = platform::MessageIcon::kCritical;
  ShowMessage(texts.StandardErrorText(detail), texts[InterfaceTexts::kTitleError], style);
}

std::string GameRuntime::ForDisplay(const std::string& text) const {
  return text;
}

std::string GameRuntime::SafeDir(const std::string& path) const {
  try {
    return files_.Lookup(path);
  } catch (...) {
    return "";  // a failed lookup only means "not found" to every caller
  }
}

void GameRuntime::DeleteFileIfExists(const std::string& path) {
  try {
    files_.DeleteIfExists(path);
  } catch (...) {
    // Deleting a file that is already gone or cannot be removed is not worth a message.
  }
}

std::string GameRuntime::ResolveMediaPath(const std::string& path) {
  if (!SafeDir(path).empty()) return path;
  std::string result = path;
  if (path.size() >= 5) {
    const std::string twin = AlternateExtension(path);
    if (!SafeDir(twin).empty()) return twin;
    result = subsystems_.discs->ResolveFromCD(path);
    if (!SafeDir(result).empty()) return result;
  }
  if (!StopRequested) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kWarning;
    ShowMessage(texts[33] + "\r\n" + result + "\r\n\r\n" + texts[34],
                texts[InterfaceTexts::kTitleError], style);
  }
  return result;
}

platform::Picture GameRuntime::LoadPicture(const std::string& path) {
  return platform_.pictures().Load(files_.Resolve(path));
}

bool GameRuntime::MayRunPrograms(const std::string& program) {
  const std::string kept = GetSetting(kAllowProgramsKey, "");
  if (kept == "1" || kept == "0") return kept == "1";
  platform::MessageStyle style;
  style.buttons = platform::MessageButtons::kYesNo;
  style.icon = platform::MessageIcon::kQuestion;
  style.default_button = 1;  // No
  const bool yes = ShowMessage("This game wants to start the program\r\n\r\n" + program +
                                   "\r\n\r\nDo you allow this game to start the programs in "
                                   "its folder? The answer is kept for this game.",
                               info.Title, style) == platform::MessageResult::kYes;
  // A closed window answers nothing: ask again next time.
  if (!platform_.events().quit_requested()) SaveSetting(kAllowProgramsKey, yes ? "1" : "0");
  return yes;
}

void GameRuntime::RunAndWait(const std::string& command, bool detailed) {
  try {
    // Only a program file of the game (its folder or its discs), never one found in PATH,
    // and only once the player has allowed this game to start programs.
    const CommandLine parsed = ParseWindowsCommandLine(command);
    if (parsed.program.empty()) throw VbError(vberr::kInvalidProcedureCall);
    AllowedRoots roots = FileRoots();
    roots.user_data.clear();
    const std::filesystem::path program = sw::ConfinedPath(files_, roots, parsed.program);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec)) throw VbError(vberr::kFileNotFound);
    if (!MayRunPrograms(parsed.program)) throw VbError(vberr::kPermissionDenied);
    RunFileAndWait(program, parsed, files_.Resolve(folders.ProjectFolder),
                   [this] { platform_.DoEvents(); });
  } catch (const std::exception& e) {
    if (detailed) {
      ShowStandardError(" Error opening the file titled '" +
                        CompleteGamePath(folders.ProjectFolder, command) + "'.\r\n\r\n" +
                        ErrorDescription(e));
    } else {
      platform::MessageStyle style;
      style.icon = platform::MessageIcon::kInformation;
      ShowMessage(
          "Error launching external application. Probably file not found (" + command + ").",
          "Error", style);
    }
  }
}

AllowedRoots GameRuntime::FileRoots() const {
  AllowedRoots roots;
  roots.game_folder = folders.ProjectFolder;
  if (subsystems_.discs) roots.disc_roots = subsystems_.discs->DiscRoots();
  roots.user_data = UserDataDir();
  return roots;
}

std::filesystem::path GameRuntime::ConfinedPath(const std::string& name) const {
  return sw::ConfinedPath(files_, FileRoots(), name);
}

void GameRuntime::ApplyDefaultPointer(platform::Element& element) {
  const std::string name = LowerAscii(info.DefaultPointer);
  if (name.empty() || name == "default") {
    element.SetMousePointer(platform::MousePointer::kDefault);
    element.SetMouseIcon({});
    return;
  }
  element.SetMouseIcon(LoadPicture(ResolveMediaPath(folders.IconsFolder + info.DefaultPointer)));
  element.SetMousePointer(platform::MousePointer::kCustom);
}

int32_t GameRuntime::ScreenWidthTwips() const {
  return platform::PixelsToTwips(ScreenWidthPixels);
}
int32_t GameRuntime::ScreenHeightTwips() const {
  return platform::PixelsToTwips(ScreenHeightPixels);
}

bool GameRuntime::IsAtProjectResolution() const {
  switch (info.ResolutionMode) {
    case 0:
      return SavedScreenWidth == 640 && SavedScreenHeight == 480;
    case 1:
      return SavedScreenWidth == 800 && SavedScreenHeight == 600;
    case 2:
      return SavedScreenWidth == 1024 && SavedScreenHeight == 768;
    default:
      return false;
  }
}

void GameRuntime::ResetCurrentFrameInfo() {
  CurrentFrameName.clear();
  FrameKind = 0;
  FrameBackground.clear();
  FrameTiled = false;
}

std::string GameRuntime::ResolveFrameTarget(const std::string& target, bool bracketed) {
  if (!IsLastVisitedFrame(target, bracketed)) return target;
  return FramesHistory.TakeLastVisited().value_or("");
}

std::string GameRuntime::VideoStatus() {
  return LowerAscii(subsystems_.video->Status());
}

bool GameRuntime::IsMoviePlaying() {
  return VideoStatus() == "playing";
}

std::string GameRuntime::GetSetting(const std::string& key, const std::string& defaultValue) const {
  return settings_.Get(kSettingsApp, info.SettingsSection, key, defaultValue);
}

void GameRuntime::SaveSetting(const std::string& key, const std::string& value) {
  settings_.Set(kSettingsApp, info.SettingsSection, key, value);
}

}  // namespace sw
