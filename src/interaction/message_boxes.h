// Messages to the player: a dialog box, or a banner across the bottom of the frame that hides
// itself after 1 s + 70 ms per character, or at a click.
#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

namespace sw {

class Interaction;

class MessageBoxes {
 public:
  // The longest interval the banner's timer accepts, in milliseconds.
  static constexpr int kMaxTimerInterval = 65535;

  explicit MessageBoxes(Interaction& owner) : owner_(owner) {}

  // Shows `text` (game code page) as a dialog, or in the frame when `inFrame` is true.
  void DisplayTextMessage(const std::string& text, bool inFrame);
  // Hides the banner (its timer's tick, a click on it or its label).
  void HideBanner();

  // How long a banner of `text` stays, in milliseconds.
  static long BannerDuration(const std::string& text) {
    return 1000L + 70L * static_cast<long>(text.size());
  }

  nlohmann::json Dump() const;

 private:
  Interaction& owner_;
};

}  // namespace sw
