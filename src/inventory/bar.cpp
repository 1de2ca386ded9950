#include "inventory/bar.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <nlohmann/json.hpp>

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "inventory/bar_pictures.h"
#include "inventory/inventory.h"
#include "inventory/item_files.h"
#include "inventory/layout.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/platform.h"

namespace sw {

using platform::ImageElement;

namespace {

constexpr const char* kBackground = "Inventory_Background";
// Sleep between passes of a slide while nothing else happens (real time only).
constexpr int kIdlePassMs = 2;

// "" or "default" in any letter case: the project has no picture of its own.
bool NamesNoPicture(const std::string& file) {
  return file.empty() || LowerAscii(file) == "default";
}

}  // namespace

void InventoryBar::Attach(GameWindow& window) {
  platform::Form& form = window.form();
  if (!form.Find(kBackground)) {
    auto& background = form.Add<ImageElement>(kBackground, &window.Inventory1);
    background.SetVisible(false);
    background.ZOrder(1);  // below the items
  }
  PointerZone = kNowhere;
  InventoryMoving = false;
  InventoryPoppedOpen = false;
  window.Inventory2.SetPicture(BuiltInHandlePicture());
  auto overInventory = [this](platform::Element&, const platform::MouseArgs&) {
    PointerOverInventory();
  };
  window.Inventory1.on.mouse_move = overInventory;
  window.Inventory2.on.mouse_move = overInventory;
  form.Get<platform::Element>(kBackground).on.mouse_move = overInventory;
  window.TimerInventory.on.timer = [this](platform::Element&) { TimerInventoryTimer(); };
}

ImageElement* InventoryBar::Background(GameWindow& window) {
  return dynamic_cast<ImageElement*>(window.form().Find(kBackground));
}

void InventoryBar::PointerOverInventory() {
  PointerZone = kOverInventory;
  if (!InventoryMoving && owner_.runtime().info.InventoryEnabled) Inventory_Move();
}

void InventoryBar::PointerOverFrame() {
  PointerZone = kOverFrame;
  if (!InventoryMoving && owner_.runtime().info.InventoryEnabled) Inventory_Move();
}

void InventoryBar::Inventory_Move() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Platform& platform = rt.platform();
  platform::Clock& clock = platform.clock();
  const ProjectInfo& info = rt.info;
  // The panel is held for the whole slide: an event during the slide may unload the window.
  std::shared_ptr<platform::Form> form = window->form().shared_from_this();
  platform::PictureBoxElement& panel = window->Inventory1;

  InventoryMoving = true;
  struct Moving {
    bool& flag;
    ~Moving() { flag = false; }
  } moving{InventoryMoving};

  // Milliseconds of the program's clock: unlike seconds since midnight they never run back.
  std::int64_t t0 = clock.NowMs();
  double step = 0;  // twips per pass
  int counter = 0;
  int passesSinceMeasure = 0;
  // The exact position: steps smaller than a twip add up instead of rounding away.
  double exact = panel.top();
  while (!platform.events().quit_requested() && rt.game() == window && !form->closed()) {
    const int h = panel.height();
    const int top = panel.top();
    if (top != static_cast<int>(std::lround(exact))) exact = top;  // moved by someone else
    const bool open = top >= 0;
    const bool closed = top <= -h;
    if ((closed && PointerZone == kOverFrame) || PointerZone == kNowhere ||
        (open && PointerZone == kOverInventory)) {
      return;
    }
    if (InventoryPoppedOpen) PointerZone = kOverInventory;
    counter = (counter + 1) % kPassesPerMeasure;
    if (counter == 2 && passesSinceMeasure > 0) {
      // The time of the passes since the last measure, per pass: the first measure covers
      // one pass, the later ones five.
      const std::int64_t now = clock.NowMs();
      step = static_cast<double>(now - t0) / 1000.0 * h / (kSlideSeconds * passesSinceMeasure);
      t0 = now;
      passesSinceMeasure = 0;
    }
    ++passesSinceMeasure;
    if (PointerZone == kOverInventory) {
      exact = info.InventorySlideOpen ? std::min(exact + step, 0.0) : 0.0;
    } else if (PointerZone == kOverFrame) {
      exact = info.InventorySlideClose ? std::max(exact - step, static_cast<double>(-h))
                                       : static_cast<double>(-h);
    }
    panel.SetTop(static_cast<int>(std::lround(exact)));
    if (!platform.events().DoEvents()) {
      if (clock.is_virtual()) {
        // Nothing moves time or the pointer any more: the slide ends where it was going.
        exact = PointerZone == kOverFrame ? -panel.height() : 0;
        panel.SetTop(static_cast<int>(exact));
      } else {
        platform.display().Wait(kIdlePassMs);
      }
    }
  }
}

void InventoryBar::PopUp() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  InventoryPoppedOpen = true;
  PointerZone = kOverInventory;
  if (!InventoryMoving && rt.info.InventoryEnabled) Inventory_Move();
  if (GameWindow* still = rt.game()) {
    still->TimerInventory.SetEnabled(false);
    still->TimerInventory.SetEnabled(true);
  }
}

void InventoryBar::TimerInventoryTimer() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  window->TimerInventory.SetEnabled(false);
  InventoryPoppedOpen = false;
  if (!rt.info.InventorySlideClose) return;
  PointerZone = kOverFrame;
  if (!InventoryMoving && rt.info.InventoryEnabled) Inventory_Move();
}

void InventoryBar::PlaceBackground(GameWindow& window) {
  ImageElement* background = Background(window);
  if (!background || !background->visible()) return;
  background->SetLeft(0);
  background->SetTop(window.Inventory1.height() - background->height());
}

void InventoryBar::Load_InventoryBackground() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  const ProjectInfo& info = rt.info;
  ImageElement* background = Background(*window);
  if (!background) return;
  // Each statement on its own: a picture that fails to load leaves the rest as it was.
  StepRunner steps;
  auto hideBackground = [&] {
    steps.Run([&] { background->SetVisible(false); });
    steps.Run([&] { background->SetPicture({}); });
  };
  if (!info.InventoryEnabled || !info.InventoryCustomGraphics) {  // 1
    hideBackground();
    return;
  }
  auto found = [&rt](const std::string& file) {
    return !NamesNoPicture(file) && IsNameInsideFolder(file) &&
           rt.FileExists(rt.folders.InventoryFolder + file);
  };
  if (!found(info.InventoryBackgroundFile)) {  // 2
    hideBackground();
  } else {
    steps.Run([&] {
      background->SetPicture(
          rt.LoadPicture(rt.folders.InventoryFolder + info.InventoryBackgroundFile));
    });
    steps.Run([&] { background->SetLeft(0); });
    steps.Run([&] { background->SetTop(window->Inventory1.height() - background->height()); });
    steps.Run([&] { background->SetVisible(true); });
  }
  if (found(info.InventoryHandleFile)) {  // 3
    steps.Run([&] {
      window->Inventory2.SetPicture(
          rt.LoadPicture(rt.folders.InventoryFolder + info.InventoryHandleFile));
    });
  }
}

void InventoryBar::LayOutBar() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  const ProjectInfo& info = rt.info;
  platform::Form& form = window->form();
  platform::Element& itemTemplate = form.Get<platform::Element>("PickedObject", 0);
  if (!info.InventoryEnabled) {
    form.SetContainer(itemTemplate, window->PictureBox);
    window->Inventory1.SetVisible(false);
    window->Inventory2.SetVisible(false);
    return;
  }
  const InventoryLayout layout(info);
  const int32_t height = layout.EmptyPanelHeight();
  window->Inventory1.Move(0, -height, layout.PanelWidth(), height);
  window->Inventory2.SetLeft(0);
  window->Inventory2.SetTop(0);
  window->Inventory1.SetVisible(true);
  form.SetContainer(itemTemplate, window->Inventory1);
  // The built-in look: drawn once per frame size and row spacing.
  const int gapPx = platform::TwipsToPixels(layout.CellHeight() - InventoryLayout::kIconTwips);
  const auto size =
      std::make_tuple(static_cast<int>(info.FrameWidth), static_cast<int>(info.FrameHeight), gapPx,
                      platform::TwipsToPixels(layout.CellHeight()));
  if (size != panel_picture_size_) {
    panel_picture_ = BuiltInPanelPicture(std::get<0>(size), std::get<1>(size), std::get<2>(size),
                                         std::get<3>(size));
    panel_picture_size_ = size;
  }
  window->Inventory1.SetPicture(panel_picture_);
  window->Inventory2.SetPicture(BuiltInHandlePicture());
  Load_InventoryBackground();
  window->Inventory2.SetVisible(!info.HideEmptyInventoryHandle);
}

nlohmann::json InventoryBar::Dump() {
  GameWindow* window = owner_.runtime().game();
  const platform::PictureBoxElement* panel = window ? &window->Inventory1 : nullptr;
  const bool shown = panel && panel->visible();
  return {{"top", panel ? platform::TwipsToPixels(panel->top()) : 0},
          {"height", panel ? platform::TwipsToPixels(panel->height()) : 0},
          {"open", shown && panel->top() >= 0},
          {"handleVisible", window && window->Inventory2.visible()},
          {"poppedOpen", InventoryPoppedOpen}};
}

}  // namespace sw
