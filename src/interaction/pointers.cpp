#include "interaction/pointers.h"

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "interaction/interaction.h"
#include "platform/platform.h"
#include "variant/host_object.h"

namespace sw {

using platform::MousePointer;

bool Pointers::DefaultPointerIsStandard() const {
  const std::string& name = owner_.runtime().info.DefaultPointer;
  return name.empty() || LowerAscii(name) == "default";
}

void Pointers::ResetDefaultPointer() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  // Each target on its own: a failure leaves that one with the pointer it had.
  auto apply = [&](platform::Element* target) {
    if (!target) return;
    StepRunner step;
    step.Run([&] { rt.ApplyDefaultPointer(*target); });
  };
  apply(&window->PictureBox);
  apply(&window->BackImage);
  apply(form.Find("Area", 0));
  apply(form.Find("AniGifBox", 0));
  apply(form.Find("Text", 0));
  apply(&window->CutSceneArea);
  apply(&window->FrameMessageBox);
  apply(&window->LabelMessageBox);
  apply(form.Find("PickedObject", 0));
  apply(&window->Inventory1);
  apply(&window->Inventory2);
  apply(form.Find("Inventory_Background"));
  apply(form.Find("picWhere"));
  apply(&window->PicRipplingWater);
  // The screen object: the pointer picture it shows during a video.
  if (!DefaultPointerIsStandard()) {
    StepRunner step;
    step.Run([&] {
      screen_icon_ =
          rt.LoadPicture(rt.ResolveMediaPath(rt.folders.IconsFolder + rt.info.DefaultPointer));
    });
  } else {
    screen_icon_ = {};
  }
  rt.platform().desktop().SetScreenPointer(MousePointer::kDefault);
}

void Pointers::SetScreenPointerArrow() {
  auto& desktop = owner_.runtime().platform().desktop();
  if (DefaultPointerIsStandard()) {
    desktop.SetScreenPointer(MousePointer::kArrow);
  } else {
    desktop.SetScreenPointer(MousePointer::kCustom, screen_icon_);
  }
}

void Pointers::SetScreenPointerDefault() {
  owner_.runtime().platform().desktop().SetScreenPointer(MousePointer::kDefault);
}

}  // namespace sw
