// Window elements as script objects: scripts read and set their properties by the names of
// the original controls (Hotspot(3).Visible = False, Text(1).Caption = "x"), and control
// arrays answer indexing, Count, UBound, LBound and For Each.
#pragma once

#include <memory>
#include <string>

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

}  // namespace sw
