#include "interaction/message_boxes.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "interaction/interaction.h"
#include "platform/platform.h"

namespace sw {

namespace {
constexpr int kBannerPadding = 525;  // twips above and below the text
}

void MessageBoxes::DisplayTextMessage(const std::string& text, bool inFrame) {
  GameRuntime& rt = owner_.runtime();
  try {
    if (!inFrame) {
      platform::MessageStyle style;
      style.icon = platform::MessageIcon::kInformation;
      rt.ShowMessage(text, rt.info.Title, style);
      return;
    }
    GameWindow* window = owner_.Window();
    if (!window) throw VbError(vberr::kObjectRequired);
    auto& frame = window->FrameMessageBox;
    auto& label = window->LabelMessageBox;
    frame.SetLeft(0);
    frame.SetWidth(window->PictureBox.width());
    label.SetAutoSize(true);
    label.SetCaption("");
    label.SetLeft(frame.width() / 2);
    label.SetCaption(rt.ForDisplay(text));
    frame.SetHeight(label.height() + kBannerPadding);
    frame.SetTop(window->PictureBox.height() - frame.height());
    label.SetVisible(true);
    frame.SetVisible(true);
    frame.ZOrder(0);
    rt.platform().messages().Record({"", rt.ForDisplay(text), "none", "banner"});
    const long interval = BannerDuration(text);
    if (interval > kMaxTimerInterval)
      throw VbError(vberr::kInvalidPropertyValue, "Invalid property value");
    window->TimerMessageBox.SetInterval(static_cast<int>(interval));
    window->TimerMessageBox.SetEnabled(false);
    window->TimerMessageBox.SetEnabled(true);
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to display text message.");
  }
}

void MessageBoxes::HideBanner() {
  GameWindow* window = owner_.Window();
  if (!window) return;
  window->FrameMessageBox.SetVisible(false);
  window->LabelMessageBox.SetVisible(false);
  window->TimerMessageBox.SetEnabled(false);
  window->TimerMessageBox.SetInterval(0);
}

nlohmann::json MessageBoxes::Dump() const {
  GameWindow* window = owner_.runtime().game();
  if (!window) return {{"visible", false}, {"text", ""}};
  return {{"visible", window->FrameMessageBox.visible()},
          {"text", window->FrameMessageBox.visible() ? window->LabelMessageBox.caption() : ""}};
}

}  // namespace sw
