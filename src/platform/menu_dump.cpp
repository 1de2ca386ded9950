#include "platform/menu_dump.h"

#include <nlohmann/json.hpp>

namespace sw::platform {

StateDump::Registration RegisterMenuDump(StateDump& dump, std::weak_ptr<Form> form,
                                         std::string bar_item, std::string debug_item) {
  return dump.Add([form = std::move(form), bar_item = std::move(bar_item),
                   debug_item = std::move(debug_item)](nlohmann::json& j) {
    nlohmann::json menus = {
        {"visible", false}, {"debug", false}, {"items", nlohmann::json::object()}};
    if (auto f = form.lock()) {
      const MenuBar& bar = f->menu();
      if (MenuItem* item = bar.Find(bar_item)) menus["visible"] = item->visible();
      if (MenuItem* item = bar.Find(debug_item)) menus["debug"] = item->visible();
      for (MenuItem* item : bar.AllItems())
        menus["items"][item->DisplayName()] = {{"visible", item->visible()},
                                               {"checked", item->checked()}};
    }
    j["menus"] = std::move(menus);
  });
}

}  // namespace sw::platform
