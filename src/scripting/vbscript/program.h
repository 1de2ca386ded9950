// Compiled procedures, classes and units (one unit per compiled text).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "scripting/vbscript/ast.h"

namespace sw::vbs {

struct Unit;

struct ProcDef {
  enum Kind : uint8_t { kSub, kFunction, kPropGet, kPropLet, kPropSet };
  std::string name;
  std::string lname;
  Kind kind = kSub;
  bool is_public = true;
  bool is_default = false;
  int nparams = 0;
  std::vector<uint8_t> byval;           // per parameter: 1 ByVal, 0 ByRef
  int nslots = 1;                       // slot 0 = result, then parameters, then locals
  std::vector<std::string> slot_names;  // lower-case name per slot ("" for slot 0)
  struct LocalArray {
    int slot;
    std::vector<int32_t> counts;  // empty: dynamic `Dim a()`
  };
  std::vector<LocalArray> arrays;  // created when the procedure starts
  Block body;
  const ClassDef* owner = nullptr;
  int line = 0;
  bool explicit_vars = false;
  const Unit* unit = nullptr;
};

struct ClassDef {
  std::string name;
  std::string lname;
  struct Field {
    std::string name;
    bool is_array = false;
    std::vector<int32_t> counts;  // empty with is_array: dynamic
  };
  struct Member {
    std::string name;
    bool is_public = true;
    int field = -1;
    const ProcDef* get = nullptr;  // Property Get, Function or Sub
    const ProcDef* let = nullptr;
    const ProcDef* set = nullptr;
  };
  std::vector<Field> fields;
  std::vector<Member> members;
  std::unordered_map<std::string, int> member_index;  // lower-case name -> members index
  int default_member = -1;
  const ProcDef* initialize = nullptr;
  const ProcDef* terminate = nullptr;
  std::vector<std::unique_ptr<ProcDef>> procs;
  int line = 0;
};

// A declaration at global level, made before the unit's first statement runs.
struct GlobalDecl {
  enum Kind : uint8_t { kVar, kArray, kConst } kind = kVar;
  std::string name;
  std::string lname;
  std::vector<int32_t> counts;  // kArray; empty = dynamic
  Variant value;                // kConst
  int line = 0;
};

struct Unit {
  std::vector<std::unique_ptr<ProcDef>> procs;
  std::vector<std::unique_ptr<ClassDef>> classes;
  std::vector<GlobalDecl> decls;
  Block body;
  bool explicit_vars = false;
  // Execute inside a procedure: names its Dim adds to the calling procedure (lower case).
  std::vector<std::string> frame_dims;
  // Lines of the compiled text up to the start of its last global procedure: a later text
  // that repeats this prefix can reuse the compiled prefix (see Engine::AddCode).
  size_t reusable_prefix = 0;
};

}  // namespace sw::vbs
