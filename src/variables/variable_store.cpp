#include "variables/variable_store.h"

#include <nlohmann/json.hpp>

#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "core/valuefile/value_reader.h"
#include "platform/platform.h"

namespace sw {

namespace {

constexpr const char* kVariantPartMarker = "***";

// A variant for the state dump: numbers stay numbers, text is shown as UTF-8.
nlohmann::json DumpValue(const GameRuntime& runtime, const Variant& v) {
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Null:
      return nullptr;
    case VarType::Boolean:
      return v.AsBool();
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
      return v.ToLong();
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
      return v.ToDouble();
    default:
      try {
        return runtime.ForDisplay(v.ToStringUtf8());
      } catch (const std::exception&) {
        return v.TypeName();
      }
  }
}

}  // namespace

VariableStore::VariableStore(GameRuntime& runtime) : runtime_(runtime) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    auto variables = nlohmann::json::array();
    Variables.ForEach([&](const ClassVariable& v) {
      variables.push_back({{"name", runtime_.ForDisplay(v.Name())}, {"value", v.Value()}});
    });
    out["variables"] = std::move(variables);
    auto variants = nlohmann::json::array();
    VariablesVariant.ForEach([&](const ClassVariableVariant& v) {
      variants.push_back({{"name", runtime_.ForDisplay(v.Name())},
                          {"type", v.Value().TypeName()},
                          {"value", DumpValue(runtime_, v.Value())}});
    });
    out["variants"] = std::move(variants);
    auto disappeared = nlohmann::json::array();
    Disappear.ForEach([&](const ClassVariable& v) {
      disappeared.push_back({{"frame", runtime_.ForDisplay(v.Name())}, {"index", v.Value()}});
    });
    out["disappeared"] = std::move(disappeared);
  });
}

void VariableStore::LoadVariables() {
  Variables.Clear();
  VariablesVariant.Clear();
  try {
    ValueReader reader =
        ValueReader::FromFile(runtime_.files().Resolve(runtime_.folders.ConfigFolder + "Variables"),
                              runtime_.files().codec());
    reader.Skip();
    bool variantPart = false;
    while (!reader.AtEnd()) {
      const std::string name = reader.ReadString();
      if (name == kVariantPartMarker) {
        variantPart = true;
      } else if (variantPart) {
        VariablesVariant.Add(name, Variant(int16_t{0}));
      } else {
        Variables.Add(name, 0);
      }
    }
  } catch (const std::exception&) {
    runtime_.ShowStandardError(" Unable to load variables list.");
  }
}

void VariableStore::RemoveAll() {
  Variables.Clear();
  VariablesVariant.Clear();
  Disappear.Clear();
}

void VariableStore::ShowChangeError(const std::string& name) {
  runtime_.ShowStandardError(" Unable to change the value of the following variable: '" + name +
                             "'. The variable may have been removed during the project creation.");
}

void VariableStore::ChangeVariableValue(const std::string& name, int16_t newValue) {
  try {
    Variables.ForEach([&](ClassVariable& v) {
      if (v.Name() != name) return;
      v.SetValue(newValue == kToggle ? static_cast<int16_t>(v.Value() ^ 1) : newValue);
    });
  } catch (const std::exception&) {
    ShowChangeError(name);
  }
}

void VariableStore::SetVariableValue(const std::string& name, int16_t value) {
  try {
    Variables.ForEach([&](ClassVariable& v) {
      if (v.Name() == name) v.SetValue(value);
    });
  } catch (const std::exception&) {
    ShowChangeError(name);
  }
}

void VariableStore::ChangeVariableVariantValue(const std::string& name, const Variant& newValue) {
  try {
    VariablesVariant.ForEach([&](ClassVariableVariant& v) {
      if (v.Name() == name) v.SetValue(newValue);
    });
  } catch (const std::exception&) {
    ShowChangeError(name);
  }
}

int16_t VariableStore::GetVariableValue(const std::string& name) const {
  for (int32_t i = 1; i <= Variables.Count(); ++i) {
    const ClassVariable& v = Variables.At(i);
    if (v.Name() == name) return v.Value();
  }
  return kMissing;
}

void VariableStore::AddDisappeared(const std::string& frame, int16_t index) {
  Disappear.Add(frame, index);
}

bool VariableStore::HasDisappeared(const std::string& frame, int16_t index) const {
  bool found = false;
  Disappear.ForEach([&](const ClassVariable& v) {
    if (!found && v.Value() == index && v.Name() == frame) found = true;
  });
  return found;
}

}  // namespace sw
