#include "scripting/host/element_object.h"

#include <unordered_map>

#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/system/text_codec.h"
#include "platform/timer.h"
#include "variant/host_object.h"

namespace sw {

namespace {

using platform::Element;

int32_t Int(const Variant& v) {
  return v.ToLong();
}

class ElementObject : public HostObject {
 public:
  ElementObject(std::shared_ptr<Element> element, const TextCodec& codec)
      : HostObject(TypeNameOf(*element)), element_(std::move(element)), codec_(codec) {
    Element& e = *element_;
    AddProperty("Name", [&e](Args) { return Variant(e.name()); });
    AddProperty("Index", [&e](Args) { return Variant(static_cast<int16_t>(e.index())); });
    AddGeometry("Left", &Element::left, &Element::SetLeft);
    AddGeometry("Top", &Element::top, &Element::SetTop);
    AddGeometry("Width", &Element::width, &Element::SetWidth);
    AddGeometry("Height", &Element::height, &Element::SetHeight);
    AddProperty(
        "Visible", [&e](Args) { return Variant(e.visible()); },
        [&e](Args, const Variant& v) { e.SetVisible(v.ToBool()); });
    AddProperty(
        "Enabled", [&e](Args) { return Variant(e.enabled()); },
        [&e](Args, const Variant& v) { e.SetEnabled(v.ToBool()); });
    // Tags hold game text as it is (frame names, for instance), not display text.
    AddProperty(
        "Tag", [&e](Args) { return Variant(e.tag()); },
        [&e](Args, const Variant& v) { e.SetTag(v.ToStringUtf8()); });
    AddProperty(
        "ToolTipText", [&e](Args) { return Variant(e.tool_tip_text()); },
        [&e](Args, const Variant& v) { e.SetToolTipText(v.ToStringUtf8()); });
    AddProperty(
        "MousePointer", [&e](Args) { return Variant(static_cast<int16_t>(e.mouse_pointer())); },
        [&e](Args, const Variant& v) {
          e.SetMousePointer(static_cast<platform::MousePointer>(v.ToInteger()));
        });
    AddMethod("ZOrder", [&e](Args a) {
      e.ZOrder(a.IsMissing(0) ? 0 : a[0].ToInteger());
      return Variant();
    });
    AddMethod("Move", [&e](Args a) {
      auto arg = [&a](size_t i, int current) { return a.IsMissing(i) ? current : Int(a[i]); };
      e.Move(arg(0, e.left()), arg(1, e.top()), arg(2, e.width()), arg(3, e.height()));
      return Variant();
    });
    AddMethod(
        "Refresh", [](Args) { return Variant(); }, 0);
    AddKindMembers();
  }

 private:
  static std::string TypeNameOf(const Element& e) {
    switch (e.kind()) {
      case platform::ElementKind::kImage:
        return "Image";
      case platform::ElementKind::kLabel:
        return "Label";
      case platform::ElementKind::kPictureBox:
        return "PictureBox";
      case platform::ElementKind::kTimer:
        return "Timer";
      default:
        return "Object";
    }
  }

  void AddGeometry(const char* name, int (Element::*get)() const, void (Element::*set)(int)) {
    Element& e = *element_;
    AddProperty(
        name, [&e, get](Args) { return Variant(static_cast<int32_t>((e.*get)())); },
        [&e, set](Args, const Variant& v) { (e.*set)(Int(v)); });
  }

  void AddKindMembers() {
    if (auto* label = dynamic_cast<platform::LabelElement*>(element_.get())) {
      AddLabelMembers(*label);
    } else if (auto* box = dynamic_cast<platform::PictureBoxElement*>(element_.get())) {
      AddProperty(
          "BackColor", [box](Args) { return Variant(static_cast<int32_t>(box->back_color())); },
          [box](Args, const Variant& v) { box->SetBackColor(static_cast<uint32_t>(Int(v))); });
      AddMethod("Cls", [box](Args) {
        box->Cls();
        return Variant();
      });
      AddPicture(*box);
    } else if (auto* image = dynamic_cast<platform::ImageElement*>(element_.get())) {
      AddProperty(
          "Stretch", [image](Args) { return Variant(image->stretch()); },
          [image](Args, const Variant& v) { image->SetStretch(v.ToBool()); });
      AddPicture(*image);
    } else if (auto* timer = dynamic_cast<platform::TimerElement*>(element_.get())) {
      AddProperty(
          "Interval", [timer](Args) { return Variant(static_cast<int32_t>(timer->interval())); },
          [timer](Args, const Variant& v) { timer->SetInterval(Int(v)); });
    }
  }

  // Pictures are objects: `Set Hotspot(1).Picture = Action.LoadGraphicFile("a.bmp")`; the
  // plain assignment of Nothing or Empty clears the picture.
  template <typename T>
  void AddPicture(T& element) {
    AddProperty(
        "Picture", [&element](Args) { return Variant(MakePictureObject(element.picture())); },
        [&element](Args, const Variant& v) { element.SetPicture(PictureOf(v)); });
  }

  void AddLabelMembers(platform::LabelElement& l) {
    AddProperty(
        "Caption", [&l](Args) { return Variant(l.caption()); },
        [&l](Args, const Variant& v) { l.SetCaption(v.ToStringUtf8()); });
    SetDefaultMember("Caption");
    AddProperty(
        "ForeColor", [&l](Args) { return Variant(static_cast<int32_t>(l.fore_color())); },
        [&l](Args, const Variant& v) { l.SetForeColor(static_cast<uint32_t>(Int(v))); });
    AddProperty(
        "BackColor", [&l](Args) { return Variant(static_cast<int32_t>(l.back_color())); },
        [&l](Args, const Variant& v) { l.SetBackColor(static_cast<uint32_t>(Int(v))); });
    AddProperty(
        "BackStyle", [&l](Args) { return Variant(static_cast<int16_t>(l.back_style())); },
        [&l](Args, const Variant& v) { l.SetBackStyle(v.ToInteger()); });
    AddProperty(
        "AutoSize", [&l](Args) { return Variant(l.auto_size()); },
        [&l](Args, const Variant& v) { l.SetAutoSize(v.ToBool()); });
    auto font = [&l](auto change) {
      platform::Font f = l.font();
      change(f);
      l.SetFont(f);
    };
    AddProperty(
        "FontName", [&l](Args) { return Variant(l.font().name); },
        [font](Args, const Variant& v) {
          font([&](platform::Font& f) { f.name = v.ToStringUtf8(); });
        });
    AddProperty(
        "FontSize", [&l](Args) { return Variant(l.font().size); },
        [font](Args, const Variant& v) {
          font([&](platform::Font& f) { f.size = v.ToDouble(); });
        });
    AddProperty(
        "FontBold", [&l](Args) { return Variant(l.font().bold); },
        [font](Args, const Variant& v) { font([&](platform::Font& f) { f.bold = v.ToBool(); }); });
    AddProperty(
        "FontItalic", [&l](Args) { return Variant(l.font().italic); },
        [font](Args, const Variant& v) {
          font([&](platform::Font& f) { f.italic = v.ToBool(); });
        });
    AddProperty(
        "FontUnderline", [&l](Args) { return Variant(l.font().underline); },
        [font](Args, const Variant& v) {
          font([&](platform::Font& f) { f.underline = v.ToBool(); });
        });
  }

 public:
  const std::shared_ptr<Element>& element() const { return element_; }

 private:
  std::shared_ptr<Element> element_;
  const TextCodec& codec_;
};

// Stands for a control array member that is not loaded; only CreateObject accepts it.
class UnloadedMemberObject final : public Dispatch {
 public:
  explicit UnloadedMemberObject(UnloadedMember member) : member_(std::move(member)) {}
  std::string TypeName() const override { return "Object"; }
  int FindMember(std::string_view) override { return 1; }
  Variant Invoke(int, InvokeKind, Args) override { throw NotLoaded(member_.index); }
  static VbError NotLoaded(int index) {
    return VbError(vberr::kControlArrayElementMissing,
                   "Control array element '" + std::to_string(index) + "' doesn't exist");
  }
  const UnloadedMember& member() const { return member_; }

 private:
  UnloadedMember member_;
};

class PictureObject final : public HostObject {
 public:
  explicit PictureObject(platform::Picture picture)
      : HostObject("Picture"), picture_(std::move(picture)) {
    // Sizes in HiMetric units (0.01 mm) at 96 pixels per inch, as picture objects report them.
    auto himetric = [](int pixels) { return Variant(static_cast<int32_t>(pixels * 2540 / 96)); };
    AddProperty("Width", [this, himetric](Args) { return himetric(picture_.width()); });
    AddProperty("Height", [this, himetric](Args) { return himetric(picture_.height()); });
    AddProperty("Type",
                [this](Args) { return Variant(static_cast<int16_t>(picture_.empty() ? 0 : 1)); });
    AddProperty("Handle",
                [this](Args) { return Variant(static_cast<int32_t>(picture_.empty() ? 0 : 1)); });
    SetDefaultMember("Handle");
  }
  const platform::Picture& picture() const { return picture_; }

 private:
  platform::Picture picture_;
};

class ControlArrayObject : public HostObject {
 public:
  ControlArrayObject(platform::Form& form, std::string name, const TextCodec& codec)
      : HostObject("Object"), form_(form), name_(std::move(name)), codec_(codec) {
    AddProperty("Item", [this](Args a) { return Member(a[0].ToInteger()); });
    SetDefaultMember("Item");
    AddProperty("Count", [this](Args) {
      return Variant(static_cast<int32_t>(form_.Indices(name_).size()));
    });
    AddProperty("UBound",
                [this](Args) { return Variant(static_cast<int32_t>(form_.UBound(name_))); });
    AddProperty("LBound", [this](Args) {
      const auto indices = form_.Indices(name_);
      return Variant(static_cast<int32_t>(indices.empty() ? 0 : indices.front()));
    });
    SetEnumerator([this] {
      std::vector<Variant> members;
      for (int index : form_.Indices(name_)) members.push_back(Member(index));
      return members;
    });
  }

 private:
  Variant Member(int index) {
    Element* e = form_.Find(name_, index);
    if (e != nullptr) {
      // The same member gives the same object (`Hotspot(1) Is Hotspot(1)`), made once: a
      // script reading a property in a loop does not build an object at each pass.
      auto known = members_.find(index);
      if (known != members_.end() &&
          static_cast<ElementObject*>(known->second.get())->element().get() == e)
        return Variant(known->second);
      // A script loading members without end keeps no old ones alive.
      if (members_.size() >= kMaxKnownMembers) members_.clear();
      Ref<Dispatch> made = MakeElementObject(e->shared_from_this(), codec_);
      members_[index] = made;
      return Variant(made);
    }
    // A member that is not loaded fails with "Control array element doesn't exist" as soon as
    // it is used, except as the argument of CreateObject, which loads it.
    if (form_.UBound(name_) < 0 || index < 0) throw UnloadedMemberObject::NotLoaded(index);
    return Variant(
        Ref<Dispatch>(MakeRef<UnloadedMemberObject>(UnloadedMember{&form_, name_, index})));
  }

  static constexpr size_t kMaxKnownMembers = 4096;

  platform::Form& form_;
  std::string name_;
  const TextCodec& codec_;
  std::unordered_map<int, Ref<Dispatch>> members_;
};

}  // namespace

Ref<Dispatch> MakeElementObject(std::shared_ptr<platform::Element> element,
                                const TextCodec& codec) {
  return MakeRef<ElementObject>(std::move(element), codec);
}

Ref<Dispatch> MakeControlArrayObject(platform::Form& form, std::string arrayName,
                                     const TextCodec& codec) {
  return MakeRef<ControlArrayObject>(form, std::move(arrayName), codec);
}

std::shared_ptr<platform::Element> ElementOf(const Variant& value) {
  if (!value.IsObject()) return nullptr;
  auto* object = dynamic_cast<ElementObject*>(value.AsObject());
  return object ? object->element() : nullptr;
}

std::optional<UnloadedMember> UnloadedMemberOf(const Variant& value) {
  if (!value.IsObject()) return std::nullopt;
  auto* object = dynamic_cast<UnloadedMemberObject*>(value.AsObject());
  if (object == nullptr) return std::nullopt;
  return object->member();
}

Ref<Dispatch> MakePictureObject(platform::Picture picture) {
  return MakeRef<PictureObject>(std::move(picture));
}

platform::Picture PictureOf(const Variant& value) {
  if (!value.IsObject() || value.AsObject() == nullptr) return {};
  auto* object = dynamic_cast<PictureObject*>(value.AsObject());
  return object ? object->picture() : platform::Picture{};
}

}  // namespace sw
