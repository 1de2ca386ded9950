// The one game runtime object: the project (folders, interface texts, project information),
// the shared flags of the running game, the current frame, and the platform services every
// subsystem reaches through it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/frames/frames_history.h"
#include "core/game/subsystems.h"
#include "core/project/folders.h"
#include "core/project/interface_texts.h"
#include "core/project/project_info.h"
#include "platform/message_box.h"
#include "platform/picture.h"
#include "platform/system/confined_path.h"
#include "platform/system/path_resolver.h"
#include "platform/system/private_profile.h"
#include "platform/system/user_settings.h"

namespace sw::platform {
class Platform;
class Element;
}  // namespace sw::platform

namespace sw {

class GameWindow;

class GameRuntime {
 public:
  GameRuntime(platform::Platform& platform, PathResolver& files, UserSettings& settings);
  ~GameRuntime();
  GameRuntime(const GameRuntime&) = delete;
  GameRuntime& operator=(const GameRuntime&) = delete;

  platform::Platform& platform() { return platform_; }
  PathResolver& files() { return files_; }
  UserSettings& settings() { return settings_; }
  PrivateProfile& profiles() { return profiles_; }
  GameSubsystems& subsystems() { return subsystems_; }

  // The game window, once loaded (nullptr before the game starts and after it unloads).
  GameWindow* game() { return game_.get(); }
  GameWindow& LoadGameWindow();
  void UnloadGameWindow();

  // --- The project --------------------------------------------------------------------
  ProjectFolders folders;
  InterfaceTexts texts;
  ProjectInfo info;

  // --- Flags of the running game ------------------------------------------------------
  bool StopRequested = false;
  bool UserInterrupt = false;
  bool StopMovie = false;
  // The user interrupts: a playing movie is asked to stop (StopMovie, UserInterrupt).
  void InterruptMovie() {
    StopMovie = true;
    UserInterrupt = true;
  }
  bool MenuJustOpened = false;
  int16_t ControlsReferencesMode = 0;  // 0 undecided, 1 off, 2 the window is a script object
  int16_t DisplayModeRequestedByLoad = 0;
  bool TransitionErrorShown = false;
  bool AudioWarningShown = false;

  // --- The current frame ----------------------------------------------------------------
  std::string CurrentFrameName;
  int16_t FrameKind = 0;
  std::string FrameBackground;
  bool FrameTiled = false;
  // The frame timer's transition, from the frame file.
  bool TimerTransition = false;
  int32_t TimerTransitionDuration = 0;  // ms
  int16_t TimerTransitionNumber = 0;
  sw::FramesHistory FramesHistory;
  // A frame target with the "last visited frame" marker replaced by the frame it stands for,
  // taken from the visited frames; "" when there is nowhere to go back to. `bracketed`
  // selects the frame timer's spelling "[last visited frame]". Other targets come back as
  // they are.
  std::string ResolveFrameTarget(const std::string& target, bool bracketed);
  // Clears the current-frame header (name, kind, background, tiled).
  void ResetCurrentFrameInfo();
  // The video player's status in lower case: "playing", "stopped" or "".
  std::string VideoStatus();

  // --- Messages ----------------------------------------------------------------------------
  // Shows a message box; texts are in the game's code page.
  platform::MessageResult ShowMessage(const std::string& text, const std::string& title,
                                      platform::MessageStyle style = {});
  // Entry 30, two line breaks, entry 31 and the detail; critical icon, title entry 29.
  void ShowStandardError(const std::string& detail);
  // Game text as the window and the dump take it: text is decoded to UTF-8 when its file
  // is read, so this is the text itself, kept as the one place where text goes to display.
  std::string ForDisplay(const std::string& text) const;

  // --- Shared file routines ----------------------------------------------------------------
  // Finds a picture, sound or video file: the path itself, its numbered twin, the file on
  // the game's discs, or the path with a warning that it is missing.
  std::string ResolveMediaPath(const std::string& path);
  // The directory lookup: the file's name when it exists, else "" (never fails).
  std::string SafeDir(const std::string& path) const;
  bool FileExists(const std::string& path) const { return !SafeDir(path).empty(); }
  void DeleteFileIfExists(const std::string& path);
  // A picture from a game path (resolved without regard to case); VbError when it fails.
  platform::Picture LoadPicture(const std::string& path);

  // Starts a program and waits for its end while events go on; a failure to start shows the
  // detailed standard message or the short one. Only a program file inside the game folder
  // or its discs starts (a relative name lies in the project folder), and only once the
  // player allowed this game to start programs.
  void RunAndWait(const std::string& command, bool detailed);
  // Asks the player once per game (the answer is kept in the game's settings) whether it may
  // start programs; `program` is named in the question.
  bool MayRunPrograms(const std::string& program);
  // --- Where scripts may read and write -------------------------------------------------
  // The game folder, the disc roots (of the disc service) and the per-user data folder.
  AllowedRoots FileRoots() const;
  // The file on disk a script-given name stands for (relative names lie in the project
  // folder); VbError 70 "Permission denied" when it lies outside the allowed roots.
  std::filesystem::path ConfinedPath(const std::string& name) const;

  // Gives an element the project's default mouse pointer.
  void ApplyDefaultPointer(platform::Element& element);

  // --- Screen --------------------------------------------------------------------------------
  // The screen in pixels: the desktop the window lies on (the app sets it from the display).
  int32_t ScreenWidthPixels = 1024;
  int32_t ScreenHeightPixels = 768;
  int32_t ScreenWidthTwips() const;
  int32_t ScreenHeightTwips() const;
  // The desktop size at start-up, as the display-mode routines saved it.
  int32_t SavedScreenWidth = 0;
  int32_t SavedScreenHeight = 0;
  bool IsAtProjectResolution() const;
  bool IsMoviePlaying();

  // --- Per-user settings of this game ("Software", SettingsSection, key) ----------------
  std::string GetSetting(const std::string& key, const std::string& defaultValue) const;
  void SaveSetting(const std::string& key, const std::string& value);

 private:
  platform::Platform& platform_;
  PathResolver& files_;
  UserSettings& settings_;
  PrivateProfile profiles_;
  GameSubsystems subsystems_;
  std::unique_ptr<GameWindow> game_;
};

}  // namespace sw
