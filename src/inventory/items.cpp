#include "inventory/items.h"

#include "core/frames/frame_paths.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/project/file_names.h"
#include "core/project/inventory_records.h"
#include "core/valuefile/stored_values.h"
#include "core/valuefile/value_reader.h"
#include "inventory/inventory.h"
#include "inventory/item_files.h"
#include "inventory/layout.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/platform.h"

namespace sw {

using platform::ImageElement;

namespace {

constexpr const char* kItemArray = "PickedObject";

// The drag icon: the item's picture, held at its centre.
platform::Picture DragIconOf(const platform::Picture& picture) {
  if (picture.empty()) return {};
  return platform::Picture(picture.pixels(), {picture.width() / 2, picture.height() / 2},
                           picture.source());
}

}  // namespace

void InventoryItems::Attach(GameWindow& window) {
  platform::Form& form = window.form();
  ObjectsCount = 0;
  DraggedItem = 0;
  auto& tmpl = form.Get<platform::Element>(kItemArray, 0);
  tmpl.on.mouse_down = [this](platform::Element& item, const platform::MouseArgs& args) {
    PickedObjectMouseDown(item, args);
  };
  tmpl.on.mouse_move = [this](platform::Element&, const platform::MouseArgs&) {
    owner_.bar.PointerOverInventory();
  };
  tmpl.on.drag_drop = [this](platform::Element& target, platform::Element& source, int, int) {
    PickedObjectDragDrop(static_cast<int16_t>(target.index()), source);
  };
}

void InventoryItems::AddPickedObject(const std::string& name, bool doNotPopup) {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  std::string icon;
  int16_t created = 0;
  try {
    window->TimerInventory.SetEnabled(false);  // 1
    if (!IsNameInsideFolder(name)) throw VbError(vberr::kBadFileName);
    {  // 2
      ValueReader reader = ValueReader::FromFile(rt.files().Resolve(ItemFilePath(rt.folders, name)),
                                                 rt.files().codec());
      icon = ReadItemRecord(reader).IconFile;
    }
    if (ObjectsCount == INT16_MAX) throw VbError(vberr::kOverflow);  // 3
    const auto k = static_cast<int16_t>(ObjectsCount + 1);
    auto& item = form.Load<ImageElement>(kItemArray, k);
    created = k;
    const ItemPlace place = InventoryLayout(rt.info).Place(k);  // 4
    item.SetLeft(place.left);
    item.SetTop(place.top);
    if (!IsNameInsideFolder(icon)) throw VbError(vberr::kBadFileName);
    const platform::Picture picture =
        rt.LoadPicture(rt.ResolveMediaPath(rt.folders.AreasFolder + icon));
    item.SetPicture(picture);
    item.SetDragIcon(DragIconOf(picture));
    item.SetToolTipText(name);
    item.SetTag(name);
    item.SetVisible(true);
    item.ZOrder(0);
    ObjectsCount = k;
    const ProjectInfo& info = rt.info;
    if (info.InventoryEnabled) {
      FitPanel(*window);                    // 5
      window->Inventory2.SetVisible(true);  // 6: at least one item now
    }
    created = 0;
  } catch (const std::exception&) {
    // Nothing of a failed pick-up stays behind: no gap, no item without a name.
    if (created != 0) {
      if (form.Find(kItemArray, created)) form.Unload(kItemArray, created);
      if (ObjectsCount >= created) ObjectsCount = static_cast<int16_t>(created - 1);
    }
    rt.ShowStandardError(" Unable to pick up the item named '" + name +
                         "'. The item may be unavailable, or the icon '" + icon +
                         "' associated to the item may be corrupt.");
    return;
  }
  if (rt.info.InventoryOpensOnPick && !doNotPopup) owner_.bar.PopUp();  // 7
}

void InventoryItems::RemovePickedObject(int16_t index) {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  try {
    // A position outside the items would otherwise take the last item away.
    if (index < 1 || index > ObjectsCount) throw VbError(vberr::kSubscriptOutOfRange);
    for (int i = index; i < ObjectsCount; ++i) {  // 1
      auto& item = form.Get<ImageElement>(kItemArray, i);
      const auto& next = form.Get<ImageElement>(kItemArray, i + 1);
      item.SetPicture(next.picture());
      item.SetDragIcon(next.drag_icon());
      item.SetTag(next.tag());
      item.SetToolTipText(next.tool_tip_text());
    }
    form.Unload(kItemArray, ObjectsCount);  // 2
    --ObjectsCount;
    const ProjectInfo& info = rt.info;
    if (info.InventoryEnabled && ObjectsCount >= 1) FitPanel(*window);  // 3
    if (info.InventoryEnabled && ObjectsCount == 0 && info.HideEmptyInventoryHandle) {
      window->Inventory2.SetVisible(false);  // 4
    }
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to remove the item from the inventory.");
  }
}

void InventoryItems::FitPanel(GameWindow& window) {
  GameRuntime& rt = owner_.runtime();
  const InventoryLayout layout(rt.info);
  const int32_t height = layout.PanelHeight(layout.Place(ObjectsCount).row);
  platform::PictureBoxElement& panel = window.Inventory1;
  // A closed panel stays closed when it grows or shrinks: no row hangs over the frame.
  const bool closed = panel.top() <= -panel.height();
  panel.SetHeight(height);
  if (closed) panel.SetTop(-height);
  owner_.bar.PlaceBackground(window);
}

void InventoryItems::PickOrNotPickObject(int16_t areaIndex) {
  GameRuntime& rt = owner_.runtime();
  auto exists = [&rt](const std::string& p) { return rt.FileExists(p); };
  const std::string path = FrameFilePath(rt.folders, exists, rt.CurrentFrameName, ".fm4");
  if (!exists(path)) return;
  try {
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    const auto item = FindPickUp(reader, areaIndex, [&rt] { return rt.StopRequested; });
    if (item) AddPickedObject(*item, false);
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      rt.ShowStandardError(" Error in the \"PickOrNotPickObject\" procedure.\r\n\r\n" +
                           ErrorDescription(e));
    }
  }
}

void InventoryItems::PickedObjectDragDrop(int16_t index, const platform::Element& source) {
  GameRuntime& rt = owner_.runtime();
  GameSubsystems& sub = rt.subsystems();
  GameWindow* window = owner_.Window();
  if (!window || source.name() != kItemArray || index == DraggedItem) return;
  try {
    platform::Form& form = window->form();
    const int16_t dragged = DraggedItem;
    const std::string a = form.Get<platform::Element>(kItemArray, dragged).tag();
    const std::string b = form.Get<platform::Element>(kItemArray, index).tag();
    if (!IsNameInsideFolder(a) || !IsNameInsideFolder(b)) return;
    const std::string path = CombinationFilePath(rt.folders, a, b);
    if (!rt.FileExists(path)) return;
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    CombinationRecord record;
    ReadCombinationPart(reader, CombinationPart::kRemovals, record);  // 2
    const bool draggedLeaves = EqualsOne(record.RemoveDraggedItem);
    const bool targetLeaves = EqualsOne(record.RemoveTargetItem);
    if (draggedLeaves) RemovePickedObject(dragged);
    if (targetLeaves) {
      RemovePickedObject(draggedLeaves && dragged < index ? static_cast<int16_t>(index - 1)
                                                          : index);
    }
    ReadCombinationPart(reader, CombinationPart::kResult, record);  // 3
    if (EqualsOne(record.AddResultItem)) {
      AddPickedObject(
          record.ResultItemName.IsEmpty() ? std::string() : record.ResultItemName.ToStringUtf8(),
          false);
    }
    if (reader.AtEnd()) return;  // 4
    ReadCombinationPart(reader, CombinationPart::kScript, record);
    if (rt.StopRequested) return;  // 5
    sub.scripts->ResetActionModule();
    const std::string script = UnescapeScriptText(record.ScriptText);
    if (!record.ScriptEnabled || script.empty()) return;
    sub.scripts->SetActionHotspotNumber(0);  // 6
    sub.scripts->ExecuteVBScript(script, true);
    sub.hotspots->ShowOrNotShowAreas();
    CarryOutScriptRequests();  // 7
  } catch (const std::exception&) {
    rt.ShowStandardError(" Unable to combine items.");
  }
}

void InventoryItems::CarryOutScriptRequests() {
  GameRuntime& rt = owner_.runtime();
  GameSubsystems& sub = rt.subsystems();
  const ScriptRequests requests = sub.scripts->Requests();
  if (requests.stopGame) {
    sub.shell->StartUnloading();
    return;
  }
  if (rt.StopRequested) return;
  const std::string frame = rt.ResolveFrameTarget(requests.frameToLoad, false);
  if (frame != requests.frameToLoad) sub.scripts->ResolvedFrameToLoad(frame);
  GameWindow* window = rt.game();
  if (frame.empty() || window == nullptr) {
    sub.timedEvents->StartTimedEvents();
    return;
  }
  std::optional<FrameTransition> transition;
  if (requests.transitionDuration != 0) {
    transition = FrameTransition{requests.transitionNumber, requests.transitionDuration};
  }
  window->OpenFrame(frame, transition);
}

void InventoryItems::PickedObjectMouseDown(platform::Element& item,
                                           const platform::MouseArgs& args) {
  GameRuntime& rt = owner_.runtime();
  rt.StopMovie = true;
  rt.UserInterrupt = true;
  if (rt.IsMoviePlaying()) return;
  rt.subsystems().shell->MenusOnMouseDown(args.button);
  if (args.button != platform::kLeftButton) return;
  DraggedItem = static_cast<int16_t>(item.index());
  item.Drag(1);
}

void InventoryItems::UnloadItems() {
  ObjectsCount = 0;
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  for (int index : form.Indices(kItemArray)) {
    if (index != 0) form.Unload(kItemArray, index);
  }
}

void InventoryItems::BringItemsToFront() {
  GameWindow* window = owner_.Window();
  if (!window) return;
  platform::Form& form = window->form();
  for (int i = 1; i <= ObjectsCount; ++i) {
    if (platform::Element* item = form.Find(kItemArray, i)) item->ZOrder(0);
  }
  window->Inventory2.ZOrder(0);
  window->Inventory1.ZOrder(0);
}

std::vector<std::string> InventoryItems::ItemNames() const {
  std::vector<std::string> names;
  GameWindow* window = owner_.runtime().game();
  if (!window) return names;
  const platform::Form& form = window->form();
  for (int i = 1; i <= ObjectsCount; ++i) {
    if (const platform::Element* item = form.Find(kItemArray, i)) names.push_back(item->tag());
  }
  return names;
}

}  // namespace sw
