// Clicks and drops on the frame's picture elements: hotspots carry out their actions, the
// background and texts only open or close the menus.
#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "interaction/actions.h"
#include "interaction/interaction.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "variant/host_object.h"

namespace sw {

void Actions::SaveClickPos(float left, float top) {
  LastClickX = Variant(platform::TwipsToPixelsHalfEven(left)).ToInteger();
  LastClickY = Variant(platform::TwipsToPixelsHalfEven(top)).ToInteger();
}

void Actions::AreaClick(int16_t areaIndex, int button) {
  GameRuntime& rt = owner_.runtime();
  GameSubsystems& sub = rt.subsystems();
  GameWindow* window = owner_.Window();
  if (rt.StopRequested || !window) return;
  rt.InterruptMovie();
  if (rt.IsMoviePlaying() || sub.inventory->Moving()) return;
  if (button == platform::kRightButton) {
    if (!window->form().menu().Get("mnuExit").visible()) {
      sub.shell->ShowMenus();
    } else if (!rt.MenuJustOpened) {
      sub.shell->HideMenus();
    }
    return;
  }
  if (rt.MenuJustOpened) {
    sub.shell->HideMenus();
    return;
  }
  sub.shell->HideMenus();
  sub.inventory->PickOrNotPickObject(areaIndex);
  sub.sound->StepAudioFade(1);
  const int16_t outcome = MakeAction(areaIndex, 0);
  if (outcome != kFrameOpened) owner_.hotspots.ShowOrNotShowAreas();
  if (GameWindow* still = rt.game()) still->CutSceneArea.SetVisible(false);
  sub.video->Stop();
  if (outcome == kEndGame) sub.shell->StartUnloading();
}

void Actions::AreaDragDrop(int16_t index, const platform::Element& source, int x, int y) {
  if (LowerAscii(source.name()) != "pickedobject") return;
  const platform::ImageElement* area = owner_.hotspots.Area(index);
  if (!area) return;
  DropItem(index, *area, x, y);
}

void Actions::AniGifDragDrop(platform::Element& box, const platform::Element& source, int x,
                             int y) {
  if (LowerAscii(source.name()) != "pickedobject") return;
  DropItem(static_cast<int16_t>(box.index()), box, x, y);
}

void Actions::DropItem(int16_t index, const platform::Element& target, int x, int y) {
  GameRuntime& rt = owner_.runtime();
  GameSubsystems& sub = rt.subsystems();
  SaveClickPos(static_cast<float>(target.left() + x), static_cast<float>(target.top() + y));
  const int16_t outcome = MakeAction(index, static_cast<int16_t>(sub.inventory->DraggedItem()));
  if (outcome == kEndGame) {
    sub.shell->StartUnloading();
    return;
  }
  if (GameWindow* window = rt.game()) window->CutSceneArea.SetVisible(false);
  sub.video->Stop();
  if (outcome != kFrameOpened) owner_.hotspots.ShowOrNotShowAreas();
}

void Actions::AreaMouseDown(platform::Element& area, const platform::MouseArgs& args) {
  GameRuntime& rt = owner_.runtime();
  SaveClickPos(static_cast<float>(area.left() + args.x), static_cast<float>(area.top() + args.y));
  AreaClick(static_cast<int16_t>(area.index()), args.button);
  // A short pause with events running, so a double press does not act twice at once.
  auto& clock = rt.platform().clock();
  const auto returned = clock.NowMs();
  rt.platform().events().RunModal([&] { return clock.NowMs() - returned > kPauseAfterClickMs; });
  if (GameWindow* window = rt.game()) {
    window->form().client().SetMousePointer(platform::MousePointer::kDefault);
  }
}

void Actions::AniGifBoxMouseDown(platform::Element& box, const platform::MouseArgs& args) {
  SaveClickPos(static_cast<float>(box.left() + args.x), static_cast<float>(box.top() + args.y));
  AreaClick(static_cast<int16_t>(box.index()), args.button);
}

void Actions::BackgroundMouseDown(int button) {
  GameRuntime& rt = owner_.runtime();
  rt.InterruptMovie();
  if (!rt.IsMoviePlaying()) rt.subsystems().shell->MenusOnMouseDown(button);
}

void Actions::AttachHandlers(GameWindow& window) {
  platform::Form& form = window.form();
  auto& area = form.Get<platform::Element>("Area", 0);
  auto& text = form.Get<platform::Element>("Text", 0);
  auto overFrame = [this](platform::Element&, const platform::MouseArgs&) {
    owner_.runtime().subsystems().inventory->PointerOverFrame();
  };
  auto background = [this](platform::Element&, const platform::MouseArgs& args) {
    BackgroundMouseDown(args.button);
  };
  area.on.mouse_down = [this](platform::Element& e, const platform::MouseArgs& args) {
    AreaMouseDown(e, args);
  };
  area.on.drag_drop = [this](platform::Element& target, platform::Element& source, int x, int y) {
    AreaDragDrop(static_cast<int16_t>(target.index()), source, x, y);
  };
  area.on.mouse_move = overFrame;
  if (auto* box = form.Find("AniGifBox", 0)) {
    box->on.mouse_down = [this](platform::Element& e, const platform::MouseArgs& args) {
      AniGifBoxMouseDown(e, args);
    };
    box->on.mouse_move = overFrame;
    box->on.drag_drop = [this](platform::Element& target, platform::Element& source, int x, int y) {
      AniGifDragDrop(target, source, x, y);
    };
  }
  window.BackImage.on.mouse_down = background;
  window.BackImage.on.mouse_move = overFrame;
  text.on.mouse_down = background;
  text.on.mouse_move = overFrame;
  window.CutSceneArea.on.mouse_move = overFrame;
  window.FrameMessageBox.on.mouse_move = overFrame;
  window.LabelMessageBox.on.mouse_move = overFrame;
}

}  // namespace sw
