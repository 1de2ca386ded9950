#include "interaction/hotspots.h"

#include <nlohmann/json.hpp>

#include "base/ascii.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "interaction/frame_data_files.h"
#include "interaction/interaction.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "variant/host_object.h"

namespace sw {

using platform::ImageElement;

namespace {

constexpr int kShrink = 30;  // twips: 2 pixels on every side
constexpr int kAnimatedPlaceholder = 15;

// Stored lengths are Singles: out-of-range values are clamped rather than cast.
int Twips(double value) {
  return platform::TwipsFromNumber(value);
}

// The stored size shrunk by 2 pixels on both sides, never below 1 twip.
int ShrunkSize(double size) {
  const double shrunk = size - 2 * kShrink;
  return shrunk >= 1 ? Twips(shrunk) : 1;
}

bool IsDefaultPointerName(const std::string& file) {
  return file.empty() || LowerAscii(file) == "default";
}

}  // namespace

ImageElement* Hotspots::Area(int index) const {
  GameWindow* window = owner_.runtime().game();
  if (!window || index < 1) return nullptr;
  return dynamic_cast<ImageElement*>(window->form().Find("Area", index));
}

int Hotspots::AnimationIndex(int index) const {
  auto it = animation_index_.find(index);
  return it == animation_index_.end() ? 0 : it->second;
}

void Hotspots::ApplyHotspotPointer(platform::Element& element, const std::string& pointerFile) {
  GameRuntime& rt = owner_.runtime();
  if (IsDefaultPointerName(pointerFile)) {
    rt.ApplyDefaultPointer(element);
    return;
  }
  const std::string path = rt.ResolveMediaPath(rt.folders.IconsFolder + pointerFile);
  element.SetMousePointer(platform::MousePointer::kCustom);
  // A missing file was reported by the lookup; the element keeps no picture.
  element.SetMouseIcon(rt.FileExists(path) ? rt.LoadPicture(path) : platform::Picture());
}

void Hotspots::LoadOneArea(ValueReader& reader, int i, bool& recordDone) {
  GameRuntime& rt = owner_.runtime();
  GameWindow& window = *owner_.Window();
  reader.Skip();
  const int16_t mergeMarker = reader.ReadInteger();
  if (mergeMarker == 1 && i != 1 && MergedHotspotStart == 1) {
    MergedHotspotStart = static_cast<int16_t>(i);
  }
  SkipValues(reader, 8);
  const double left = reader.ReadDouble();
  const double top = reader.ReadDouble();
  const double width = reader.ReadDouble();
  const double height = reader.ReadDouble();
  const double animated = reader.ReadDouble();
  const bool hasPicture = reader.ReadBoolean();
  const std::string pictureFile = reader.ReadString();
  const double stretch = reader.ReadDouble();
  const std::string pointerFile = reader.ReadString();
  reader.ReadDouble();  // conditions: ShowOrNotShowAreas reads them
  for (int list = 0; list < 2; ++list) {
    const int32_t count = ReadCount(reader);
    for (int32_t n = 0; n < count; ++n) reader.Skip();
  }
  double speed = 0;
  if (!reader.IsSeparatorNext()) speed = reader.ReadDouble();
  reader.Skip();  // the separator
  recordDone = true;

  platform::Form& form = window.form();
  if (hasPicture && animated != 0) {
    auto& area = form.Load<ImageElement>("Area", i);
    area.SetVisible(false);
    area.SetPicture({});
    area.Move(0, 0, kAnimatedPlaceholder, kAnimatedPlaceholder);
    AnimationService& animations = *rt.subsystems().animations;
    const int k = animations.AniGifNewWithIndex(
        i, rt.ResolveMediaPath(rt.folders.AreasFolder + pictureFile), Twips(left + kShrink),
        Twips(top + kShrink), Variant(speed).ToInteger());
    animation_index_[i] = k;
    if (platform::Element* box = animations.AniGifBox(k)) ApplyHotspotPointer(*box, pointerFile);
    return;
  }
  if (rt.StopRequested) return;
  auto& area = form.Load<ImageElement>("Area", i);
  area.Move(Twips(left + kShrink), Twips(top + kShrink), ShrunkSize(width), ShrunkSize(height));
  area.SetStretch(stretch == 1);
  platform::Picture picture;
  if (hasPicture) {
    const std::string path = rt.ResolveMediaPath(rt.folders.AreasFolder + pictureFile);
    if (rt.FileExists(path)) picture = rt.LoadPicture(path);
  }
  area.SetPicture(picture);
  if (rt.StopRequested) return;
  ApplyHotspotPointer(area, pointerFile);
  area.ZOrder(0);
}

void Hotspots::LoadAreas() {
  GameRuntime& rt = owner_.runtime();
  if (!owner_.Window()) return;
  const std::string path = MergedOrFrameFile(rt, rt.CurrentFrameName, '2');
  if (path.empty()) return;
  MergedHotspotStart = 1;
  int i = 0;
  try {
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    while (!reader.AtEnd() && !rt.StopRequested) {
      ++i;
      bool recordDone = false;
      try {
        LoadOneArea(reader, i, recordDone);
      } catch (const std::exception& e) {
        if (!rt.StopRequested) {
          rt.ShowStandardError(" Unable to load hotspot #" + std::to_string(i) + ". " +
                               ErrorDescription(e));
        }
        // Goes on with the next record, so the same failure cannot repeat without end.
        if (!recordDone) SkipToSeparator(reader);
      }
      if (rt.StopRequested) return;
    }
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      rt.ShowStandardError(" Unable to load hotspot #" + std::to_string(i) + ". " +
                           ErrorDescription(e));
    }
  }
}

void Hotspots::ResetFrameAreas() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  animation_index_.clear();
  if (!window) return;
  platform::Form& form = window->form();
  StepRunner steps;
  for (int last = form.UBound("Area"); last >= 1; last = form.UBound("Area")) {
    if (!steps.Run([&] { form.Unload("Area", last); })) break;
  }
  steps.Run([&] { rt.subsystems().animations->UnloadAnimations(); });
}

void Hotspots::ShowOrNotShowAreas() {
  GameRuntime& rt = owner_.runtime();
  GameWindow* window = owner_.Window();
  if (!window) return;
  const std::string path = MergedOrFrameFile(rt, rt.CurrentFrameName, '2');
  if (path.empty()) return;
  VariableStore& variables = owner_.variables();
  try {
    ValueReader reader = ValueReader::FromFile(rt.files().Resolve(path), rt.files().codec());
    int i = 0;
    while (!reader.AtEnd()) {
      if (rt.StopRequested) return;
      ++i;
      SkipValues(reader, 10);
      bool visible = true;
      // Decides visibility; returns as soon as the hotspot is hidden.
      [&] {
        if (variables.HasDisappeared(rt.CurrentFrameName, static_cast<int16_t>(i))) {
          visible = false;
          return;
        }
        SkipValues(reader, 9);
        if (reader.ReadDouble() == 0) return;
        for (const int16_t wanted : {int16_t{1}, int16_t{0}}) {
          const int32_t count = ReadCount(reader);
          for (int32_t n = 0; n < count; ++n) {
            const int16_t v = variables.GetVariableValue(reader.ReadString());
            if (v != wanted && v != VariableStore::kMissing) {
              visible = false;
              return;
            }
          }
        }
      }();
      // To the end of the record (the speed may come before the separator).
      if (reader.IsSeparatorNext()) {
        if (!reader.AtEnd()) reader.Skip();
      } else {
        SkipToSeparator(reader);
      }
      window->form().Get<ImageElement>("Area", i).SetVisible(visible);
      if (const int k = AnimationIndex(i); k > 0) {
        StepRunner step;
        step.Run([&] { rt.subsystems().animations->SetAnimationVisible(k, visible); });
      }
    }
  } catch (const std::exception& e) {
    if (!rt.StopRequested) {
      rt.ShowStandardError(" Unable to set hotspots visibility. " + ErrorDescription(e));
    }
  }
}

nlohmann::json Hotspots::Dump() const {
  auto out = nlohmann::json::array();
  GameWindow* window = owner_.runtime().game();
  if (!window || window->form().UBound("Area") < 0) return out;
  for (const int index : window->form().Indices("Area")) {
    if (index < 1) continue;
    const platform::Element* area = window->form().Find("Area", index);
    out.push_back({{"index", index},
                   {"visible", area->visible()},
                   {"left", platform::TwipsToPixels(area->left())},
                   {"top", platform::TwipsToPixels(area->top())},
                   {"width", platform::TwipsToPixels(area->width())},
                   {"height", platform::TwipsToPixels(area->height())}});
  }
  return out;
}

}  // namespace sw
