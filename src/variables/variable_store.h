// The variables of the running game: the integer and variant variables read from the
// project's "Variables" file, the hotspots that disappeared, and the operations that change
// and read them by name.
#pragma once

#include <cstdint>
#include <string>

#include "platform/state_dump.h"
#include "variables/variable_collection.h"

namespace sw {

class GameRuntime;

class VariableStore {
 public:
  // The value GetVariableValue gives for a name that is no integer variable.
  static constexpr int16_t kMissing = -32000;
  // ChangeVariableValue's new value that toggles the lowest bit.
  static constexpr int16_t kToggle = -1;

  explicit VariableStore(GameRuntime& runtime);
  VariableStore(const VariableStore&) = delete;
  VariableStore& operator=(const VariableStore&) = delete;

  VariablesCollection Variables;
  VariantCollection VariablesVariant;
  // Name = frame name, Value = hotspot number.
  VariablesCollection Disappear;

  // (Re)builds both variable collections from the variables file; Disappear stays.
  void LoadVariables();
  // Empties the variables and the disappeared hotspots (a game reset).
  void RemoveAll();
  // Sets every integer variable of that exact name; kToggle inverts the lowest bit.
  void ChangeVariableValue(const std::string& name, int16_t newValue);
  // Sets every integer variable of that exact name to the value, -1 included (a saved game
  // restores a -1 as it was, where ChangeVariableValue would toggle).
  void SetVariableValue(const std::string& name, int16_t value);
  // Sets every variant variable of that exact name to a copy of the value.
  void ChangeVariableVariantValue(const std::string& name, const Variant& newValue);
  // The first integer variable of that exact name, or kMissing.
  int16_t GetVariableValue(const std::string& name) const;

  // Hotspot `index` of `frame` has disappeared for good.
  void AddDisappeared(const std::string& frame, int16_t index);
  bool HasDisappeared(const std::string& frame, int16_t index) const;

 private:
  void ShowChangeError(const std::string& name);

  GameRuntime& runtime_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw
