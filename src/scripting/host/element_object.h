// Window elements as script objects: scripts read and set their properties by the names of
// the original controls (Hotspot(3).Visible = False, Text(1).Caption = "x"), and control
// arrays answer indexing, Count, UBound, LBound and For Each.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/picture.h"
#include "variant/dispatch.h"

namespace sw::platform {
class Element;
class Form;
}  // namespace sw::platform

namespace sw {

class TextCodec;

// The element stays owned by its form; the object holds it alive while scripts keep it.
Ref<Dispatch> MakeElementObject(std::shared_ptr<platform::Element> element, const TextCodec& codec);

// A control array of a form by name; members are looked up at each access, so members loaded
// or unloaded later are seen.
Ref<Dispatch> MakeControlArrayObject(platform::Form& form, std::string arrayName,
                                     const TextCodec& codec);

// The element a script object stands for, or nullptr when the value is no element object.
std::shared_ptr<platform::Element> ElementOf(const Variant& value);

// A member of a control array that is not loaded: what `Hotspot(7)` gives for a hotspot that
// does not exist, so that Action.CreateObject can load it. Any other use fails with error 340.
struct UnloadedMember {
  platform::Form* form = nullptr;
  std::string array;
  int index = 0;
};
std::optional<UnloadedMember> UnloadedMemberOf(const Variant& value);

// Pictures as scripts hold them (LoadGraphicFile's result, an element's Picture property).
Ref<Dispatch> MakePictureObject(platform::Picture picture);
// The picture of a picture object; an empty picture for Empty, Nothing or no picture object.
platform::Picture PictureOf(const Variant& value);

}  // namespace sw
