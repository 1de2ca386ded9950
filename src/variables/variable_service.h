// The game runtime's variable service, backed by the variable store that the subsystems which
// read or change variables (hotspots, actions, scripts, saved games) share.
#pragma once

#include <memory>

#include "core/game/subsystems.h"
#include "variables/variable_store.h"

namespace sw {

// The runtime's hook for the variables, backed by a shared store.
class VariableServiceImpl final : public VariableService {
 public:
  explicit VariableServiceImpl(std::shared_ptr<VariableStore> store) : store_(std::move(store)) {}
  void RemoveAll() override { store_->RemoveAll(); }
  void LoadVariables() override { store_->LoadVariables(); }
  std::vector<std::pair<std::string, Ref<Dispatch>>> ScriptObjects() override {
    std::vector<std::pair<std::string, Ref<Dispatch>>> objects;
    auto add = [&objects](auto& variable) {
      objects.emplace_back(variable.Name(), Ref<Dispatch>(&variable));
    };
    store_->Variables.ForEach(add);
    store_->VariablesVariant.ForEach(add);
    return objects;
  }
  std::vector<std::string> Names() override {
    std::vector<std::string> names;
    auto add = [&names](auto& variable) { names.push_back(variable.Name()); };
    store_->Variables.ForEach(add);
    store_->VariablesVariant.ForEach(add);
    return names;
  }
  const std::shared_ptr<VariableStore>& store() const { return store_; }

 private:
  std::shared_ptr<VariableStore> store_;
};

}  // namespace sw
