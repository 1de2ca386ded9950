// The state dump's "menus" part, filled from a form's menu bar.
#pragma once

#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/state_dump.h"

namespace sw::platform {

// Registers a contributor that writes "menus": `visible` is the visibility of the item
// named `bar_item` (the bar shows while it does), `debug` that of `debug_item`, and `items`
// every item of the form's menus by control name ("mnuFrameName(2)" for array members)
// with its visibility and check mark. The form may go away before the registration.
[[nodiscard]] StateDump::Registration RegisterMenuDump(StateDump& dump, std::weak_ptr<Form> form,
                                                       std::string bar_item,
                                                       std::string debug_item);

}  // namespace sw::platform
