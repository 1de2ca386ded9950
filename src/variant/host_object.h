// A ready-made Dispatch for host objects: register properties and methods by name with
// lambdas, pick a default member, and the lookup and argument checks are done.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "variant/dispatch.h"

namespace sw {

class HostObject : public Dispatch {
 public:
  // Getters and methods receive the call's arguments (indexes for an indexed property).
  using Getter = std::function<Variant(Args)>;
  // Setters receive the indexes and the value.
  using Setter = std::function<void(Args, const Variant&)>;
  using Method = std::function<Variant(Args)>;
  using Enumerator = std::function<std::vector<Variant>()>;

  explicit HostObject(std::string type_name = "Object") : type_name_(std::move(type_name)) {}

  // A property; without a setter it is read-only (assigning gives E438... as VB does).
  void AddProperty(std::string_view name, Getter get, Setter set = nullptr);
  // A method; `arity` >= 0 makes other argument counts fail with E450.
  void AddMethod(std::string_view name, Method m, int arity = -1);
  // The member used for `obj`, `obj(i)` and `obj = v`.
  void SetDefaultMember(std::string_view name);
  void SetEnumerator(Enumerator e) { enumerator_ = std::move(e); }

  std::string TypeName() const override { return type_name_; }
  int FindMember(std::string_view name) override;
  Variant Invoke(int member, InvokeKind kind, Args args) override;
  std::vector<Variant> Enumerate() override;

 private:
  struct Member {
    std::string name;
    Getter get;
    Setter set;
    Method method;
    int arity = -1;
  };
  std::string type_name_;
  std::vector<Member> members_;               // id = index + 1
  std::unordered_map<std::string, int> ids_;  // lower-case name -> id
  int default_id_ = kUnknownMember;
  Enumerator enumerator_;
};

}  // namespace sw
