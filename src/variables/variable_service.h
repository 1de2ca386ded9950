// The game runtime's variable service, backed by the variable store that the subsystems which
// read or change variables (hotspots, actions, scripts, saved games) share.
#pragma once

#include <memory>
#include <type_traits>

#include "core/game/subsystems.h"
#include "variables/variable_store.h"

namespace sw {

// Every variable of a collection as its name and value, in order.
template <class Collection>
auto NamesAndValues(const Collection& collection) {
  using Value = std::decay_t<decltype(collection.At(1).Value())>;
  std::vector<std::pair<std::string, Value>> out;
  out.reserve(static_cast<size_t>(collection.Count()));
  collection.ForEach([&out](const auto& v) { out.emplace_back(v.Name(), v.Value()); });
  return out;
}

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
  std::vector<std::pair<std::string, int16_t>> IntegerValues() override {
    return NamesAndValues(store_->Variables);
  }
  std::vector<std::pair<std::string, int16_t>> DisappearedHotspots() override {
    return NamesAndValues(store_->Disappear);
  }
  std::vector<std::pair<std::string, Variant>> VariantValues() override {
    return NamesAndValues(store_->VariablesVariant);
  }
  void SetIntegerValue(const std::string& name, int16_t value) override {
    store_->SetVariableValue(name, value);
  }
  void ChangeVariableVariantValue(const std::string& name, const Variant& value) override {
    store_->ChangeVariableVariantValue(name, value);
  }
  void AddDisappeared(const std::string& frame, int16_t index) override {
    store_->AddDisappeared(frame, index);
  }
  const std::shared_ptr<VariableStore>& store() const { return store_; }

 private:
  std::shared_ptr<VariableStore> store_;
};

}  // namespace sw
