#include "scripting/host/platform_objects.h"

#include <unordered_map>
#include <vector>

#include "base/ascii.h"
#include "base/unicode_case.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/platform.h"
#include "platform/system/text_codec.h"
#include "scripting/host/element_object.h"
#include "scripting/host/player_version.h"
#include "variant/host_object.h"

namespace sw {

namespace {

using platform::kTwipsPerPixel;

Variant Long(int value) {
  return Variant(static_cast<int32_t>(value));
}

class WindowObject final : public Dispatch {
 public:
  WindowObject(GameWindow& window, const TextCodec& codec)
      : form_(window.form().shared_from_this()), codec_(codec) {
    platform::Form& f = *form_;
    fixed_.AddProperty("Name", [&f](Args) { return Variant(f.name()); });
    fixed_.AddProperty(
        "Caption", [&f](Args) { return Variant(f.caption()); },
        [&f](Args, const Variant& v) { f.SetCaption(v.ToStringUtf8()); });
    fixed_.AddProperty("Left", [](Args) { return Long(0); });
    fixed_.AddProperty("Top", [](Args) { return Long(0); });
    fixed_.AddProperty("Width", [&f](Args) { return Long(f.width()); });
    fixed_.AddProperty("Height", [&f](Args) { return Long(f.height()); });
    fixed_.AddProperty("ScaleWidth", [&f](Args) { return Long(f.scale_width()); });
    fixed_.AddProperty("ScaleHeight", [&f](Args) { return Long(f.scale_height()); });
    fixed_.AddProperty("Visible", [&f](Args) { return Variant(f.visible()); });
    fixed_.AddProperty(
        "BackColor", [&f](Args) { return Long(static_cast<int>(f.client().back_color())); },
        [&f](Args, const Variant& v) {
          f.client().SetBackColor(static_cast<uint32_t>(v.ToLong()));
        });
    fixed_.AddProperty(
        "MousePointer",
        [&f](Args) { return Variant(static_cast<int16_t>(f.client().mouse_pointer())); },
        [&f](Args, const Variant& v) {
          f.client().SetMousePointer(static_cast<platform::MousePointer>(v.ToInteger()));
        });
    fixed_.AddMethod(
        "Refresh", [](Args) { return Variant(); }, 0);
  }

  std::string TypeName() const override { return form_->name(); }

  int FindMember(std::string_view name) override {
    const int id = fixed_.FindMember(name);
    if (id != kUnknownMember) return id;
    // Controls are found by name at each lookup: arrays grow and shrink while the game runs.
    const std::string key = FoldCase(name);
    if (auto known = controlIds_.find(key); known != controlIds_.end()) return known->second;
    for (const auto& element : form_->elements()) {
      if (FoldCase(element->name()) != key) continue;
      controls_.push_back(element->name());
      const int newId = kFirstControlId + static_cast<int>(controls_.size()) - 1;
      controlIds_.emplace(key, newId);
      return newId;
    }
    return kUnknownMember;
  }

  Variant Invoke(int member, InvokeKind kind, Args args) override {
    if (member < kFirstControlId) return fixed_.Invoke(member, kind, args);
    const std::string& name = controls_.at(member - kFirstControlId);
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) throw VbError(vberr::kNotSupported);
    // A control gives the same object each time, made once (`Hotspot Is Hotspot`); the
    // array object finds its members at each access, and an element object is made again
    // only for another element of that name.
    Ref<Dispatch>& object = objects_[member - kFirstControlId];
    if (form_->UBound(name) >= 0) {
      if (!object || ElementOf(Variant(object)))
        object = MakeControlArrayObject(*form_, name, codec_);
    } else {
      platform::Element* element = form_->Find(name);
      if (element == nullptr) throw VbError(vberr::kNotSupported);
      if (ElementOf(Variant(object)).get() != element)
        object = MakeElementObject(element->shared_from_this(), codec_);
    }
    if (args.empty()) return Variant(object);
    return object->Invoke(kDefaultMember, InvokeKind::Get, args);
  }

 private:
  static constexpr int kFirstControlId = 1 << 20;

  std::shared_ptr<platform::Form> form_;
  const TextCodec& codec_;
  HostObject fixed_{"Form"};
  std::vector<std::string> controls_;
  std::unordered_map<std::string, int> controlIds_;
  std::unordered_map<int, Ref<Dispatch>> objects_;  // by control, as made last
};

}  // namespace

Ref<Dispatch> MakeScreenObject(GameRuntime& runtime) {
  auto screen = MakeRef<HostObject>("Screen");
  GameRuntime& rt = runtime;
  screen->AddProperty("Width", [&rt](Args) { return Variant(rt.ScreenWidthTwips()); });
  screen->AddProperty("Height", [&rt](Args) { return Variant(rt.ScreenHeightTwips()); });
  screen->AddProperty("TwipsPerPixelX",
                      [](Args) { return Variant(static_cast<int32_t>(kTwipsPerPixel)); });
  screen->AddProperty("TwipsPerPixelY",
                      [](Args) { return Variant(static_cast<int32_t>(kTwipsPerPixel)); });
  screen->AddProperty(
      "MousePointer",
      [&rt](Args) {
        return Variant(static_cast<int16_t>(rt.platform().desktop().screen_pointer().kind));
      },
      [&rt](Args, const Variant& v) {
        rt.platform().desktop().SetScreenPointer(
            static_cast<platform::MousePointer>(v.ToInteger()));
      });
  return screen;
}

Ref<Dispatch> MakeAppObject(GameRuntime& runtime) {
  auto app = MakeRef<HostObject>("App");
  GameRuntime& rt = runtime;
  app->AddProperty("Path", [&rt](Args) {
    std::string path = rt.folders.ProjectFolder;
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return Variant(path);
  });
  app->AddProperty("Title", [&rt](Args) { return Variant(rt.info.Title); });
  app->AddProperty("EXEName", [](Args) { return Variant(std::string("scenewright")); });
  app->AddProperty("Major", [](Args) { return Variant(kPlayerMajor); });
  app->AddProperty("Minor", [](Args) { return Variant(kPlayerMinor); });
  app->AddProperty("Revision", [](Args) { return Variant(kPlayerRevision); });
  return app;
}

Ref<Dispatch> MakeWindowObject(GameWindow& window, const TextCodec& codec) {
  return MakeRef<WindowObject>(window, codec);
}

}  // namespace sw
