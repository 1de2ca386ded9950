#include "interaction/interaction.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"

namespace sw {

using platform::Alignment;
using platform::ImageElement;
using platform::LabelElement;

namespace {

// The banner as designed: white bold text centred on a black band.
void DesignBanner(GameWindow& window) {
  window.FrameMessageBox.SetBackColor(0x000000);
  window.FrameMessageBox.SetBorderStyle(0);
  LabelElement& label = window.LabelMessageBox;
  label.SetBackStyle(0);
  label.SetForeColor(0xFFFFFF);
  label.SetAlignment(Alignment::kCenter);
  platform::Font font;
  font.name = "Arial";
  font.size = 12;
  font.bold = true;
  label.SetFont(font);
  label.SetTop(255);
}

}  // namespace

Interaction::Interaction(GameRuntime& runtime, std::shared_ptr<VariableStore> variables)
    : hotspots(*this),
      texts(*this),
      messages(*this),
      pointers(*this),
      actions(*this),
      runtime_(runtime),
      variables_(std::move(variables)) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    out["hotspots"] = hotspots.Dump();
    out["texts"] = texts.Dump();
    out["banner"] = messages.Dump();
  });
}

GameWindow* Interaction::Window() {
  return attachment_.Current(runtime_, [this](GameWindow& window) { Attach(window); });
}

void Interaction::Attach(GameWindow& window) {
  platform::Form& form = window.form();
  if (form.UBound("Area") < 0) form.AddArray<ImageElement>("Area", &window.PictureBox);
  if (form.UBound("Text") < 0) {
    auto& text = form.AddArray<LabelElement>("Text", &window.PictureBox);
    text.SetBackStyle(0);
    text.SetAutoSize(true);
  }
  form.Get<ImageElement>("Area", 0).SetVisible(false);
  form.Get<LabelElement>("Text", 0).SetVisible(false);
  DesignBanner(window);
  actions.AttachHandlers(window);
  window.TimerMessageBox.on.timer = [this](platform::Element&) { messages.HideBanner(); };
  window.FrameMessageBox.on.click = [this](platform::Element&) { messages.HideBanner(); };
  window.LabelMessageBox.on.click = [this](platform::Element&) { messages.HideBanner(); };
}

}  // namespace sw
