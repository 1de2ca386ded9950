// The game window "Game": its controls, its load handler, the reset of the running game, the
// start of a new game, frame opening and the frame timer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/state_dump.h"
#include "platform/timer.h"

namespace sw {

class GameRuntime;
struct VideoPlacement;

// The transition of a frame change: its number and its duration in seconds.
struct FrameTransition {
  int number = 0;
  double seconds = 0;
};

class GameWindow {
  // Declared first: the control references below are initialised from the form.
  GameRuntime& runtime_;
  std::shared_ptr<platform::Form> form_;

 public:
  explicit GameWindow(GameRuntime& runtime);
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  platform::Form& form() { return *form_; }

  // The frame picture and the other controls frame opening works with.
  platform::PictureBoxElement& PictureBox;
  platform::ImageElement& BackImage;
  platform::ImageElement& ImageTile;
  platform::PictureBoxElement& CutSceneArea;
  platform::PictureBoxElement& PicRipplingWater;
  platform::PictureBoxElement& FrameMessageBox;
  platform::LabelElement& LabelMessageBox;
  platform::PictureBoxElement& Inventory1;
  platform::ImageElement& Inventory2;
  platform::TimerElement& Timer1;
  platform::TimerElement& TimerRipplingWater;
  platform::TimerElement& TimerAudioFade;
  platform::TimerElement& TimerMessageBox;
  platform::TimerElement& TimerInventory;
  platform::TimerElement& TimerUnloadMe;

  // The load handler: top-left corner, transition list, menu captions from the texts.
  void Load();
  // Puts the running game into its initial state.
  void ResetAll();
  // Loads the variables and opens the initial frame.
  void StartNewGame();
  // Replaces the current frame by `name`. With a transition the frame now shown is captured
  // first, then drawn over by the new one.
  void OpenFrame(const std::string& name, std::optional<FrameTransition> transition = {});
  // Starts a video as `placement` says: in the cut-scene area moved to the rectangle
  // (`toTwips` converts its pixels, with the caller's arithmetic), at its natural size, or
  // stretched into the rectangle. `path` is resolved already.
  void PlayVideo(const std::string& path, const VideoPlacement& placement,
                 int (*toTwips)(int16_t pixels));
  // Waits, letting events run, until the video ends or is stopped; the menus stay hidden
  // meanwhile. StopMovie is cleared afterwards.
  void WaitForVideoEnd();
  // Reads the first three values of a frame file into the current-frame header.
  void LoadFrameHeader(const std::string& name);
  void FramesHistoryAdd(const std::string& name);
  // Sizes and centres the window and the frame picture.
  void CenterWindowAndPictureBox();
  // Stops everything that runs on its own: video, timers, timed events, sounds.
  void StopAllActivity();
  // Stops the game: sets StopRequested, hides the frame, stops activity, shows the menus.
  void BeginClosing();

  // The frame names listed by the last reset (for the frame menu).
  const std::vector<std::string>& frame_names() const { return frame_names_; }

 private:
  void DrawBackground();
  void Timer1Tick();
  void WaitForRipplingWaterStep();

  std::vector<std::string> frame_names_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw
