// The project variables as objects with a Name and a Value (the default member), so that
// scripts read a variable by its bare name and assign it with VARIABLE = VALUE.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "variant/dispatch.h"

namespace sw {

// What the three variable classes share: the Name property and the script interface.
class NamedVariable : public Dispatch {
 public:
  static constexpr int kValue = 1;
  static constexpr int kName = 2;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // The value as a variant, and an assignment converted to the class's value type.
  virtual Variant ValueAsVariant() const = 0;
  virtual void AssignValue(const Variant& value) = 0;

  int FindMember(std::string_view name) override;
  Variant Invoke(int member, InvokeKind kind, Args args) override;

 private:
  std::string name_;
};

// An integer variable: the kind hotspot actions change and hotspot conditions read.
class ClassVariable final : public NamedVariable {
 public:
  int16_t Value() const { return value_; }
  void SetValue(int16_t value) { value_ = value; }
  std::string TypeName() const override { return "ClassVariable"; }
  Variant ValueAsVariant() const override { return Variant(value_); }
  // Integer conversion with rounding; 6 Overflow outside 16 bits, 13 for text.
  void AssignValue(const Variant& value) override { value_ = value.ToInteger(); }

 private:
  int16_t value_ = 0;
};

// A variant variable: any value, stored as a copy.
class ClassVariableVariant final : public NamedVariable {
 public:
  const Variant& Value() const { return value_; }
  void SetValue(const Variant& value) { value_ = value.Deref(); }
  std::string TypeName() const override { return "ClassVariableVariant"; }
  Variant ValueAsVariant() const override { return value_; }
  void AssignValue(const Variant& value) override { SetValue(value); }

 private:
  Variant value_;
};

// A string variable: part of the data model, created by no part of the player.
class ClassVariableString final : public NamedVariable {
 public:
  const std::string& Value() const { return value_; }
  void SetValue(std::string value) { value_ = std::move(value); }
  std::string TypeName() const override { return "ClassVariableString"; }
  Variant ValueAsVariant() const override { return Variant(value_); }
  void AssignValue(const Variant& value) override { value_ = value.ToStringUtf8(); }

 private:
  std::string value_;
};

}  // namespace sw
