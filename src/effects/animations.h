// Animated hotspot pictures: the AniGif pictures in their AniGifBox containers, one per
// animated hotspot and numbered like it, playing their images by their own clock.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "platform/animated_picture.h"
#include "platform/image.h"
#include "platform/picture_box.h"

namespace sw {
class GameWindow;
}

namespace sw::effects {

class Effects;

class Animations {
 public:
  // The speed a picture plays at when the project gives none (0 or less): the file's delays.
  static constexpr int kDefaultSpeed = 50;
  // How often the pictures look at the clock, in milliseconds.
  static constexpr int kClockInterval = 10;

  explicit Animations(Effects& owner) : owner_(owner) {}

  // Makes box and picture `NewIndex` at (X, Y) twips and loads the file; returns NewIndex,
  // or 0 (nothing made) for an empty file name or an index below 1.
  int16_t AniGifNewWithIndex(int16_t NewIndex, const std::string& FileName, int X, int Y,
                             int16_t Speed);
  // Loads a file into picture `index` and starts it; an empty name removes the picture.
  void AniGifUpdate(int16_t index, const std::string& FileName, int16_t Speed);

  platform::PictureBoxElement* AniGifBox(int index) const;
  platform::ImageElement* AniGif(int index) const;
  // True when hotspot `index` shows an animated picture.
  bool IsAnimated(int index) const { return playing_.count(index) != 0; }
  // The picture's first image (empty when no file is loaded).
  platform::Picture FirstImage(int index) const;

  // Shows or hides a picture as the hotspot refresh does: one that appears starts again.
  void SetAnimationVisible(int index, bool visible);
  // The control's stop and start: back to the first image, playing.
  void Stop(int index);
  void Start(int index);
  // Restarts every picture whose box is visible (after a transition).
  void RestartVisible();
  // Removes every picture and box.
  void UnloadAnimations();
  // Shows the image due now in every playing picture (the pictures' own clock).
  void Update();

  // [{index, image, visible}] for the state dump.
  nlohmann::json Dump() const;

  // Gives the window its animation clock.
  void Attach(GameWindow& window);

 private:
  struct Playing {
    std::string file;
    platform::AnimatedPicture picture;
    int speed = kDefaultSpeed;
    bool running = false;
    std::size_t image = 0;
    std::int64_t due_ms = 0;
  };
  int DelayMs(const Playing& p, std::size_t image) const;
  void Show(int index, Playing& p);
  void UpdateClock();

  Effects& owner_;
  std::map<int, Playing> playing_;
};

}  // namespace sw::effects
