// The VBScript engine as a host sees it: Reset, AddCode, AddObject, Run and a time limit,
// plus Eval and ExecuteGlobal. Every failure comes back as a value (Result) carrying the
// error number, description, line and procedure; nothing is thrown across this interface.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scripting/vbscript/script_host.h"
#include "variant/dispatch.h"
#include "variant/text_locale.h"
#include "variant/variant.h"

namespace sw::vbs {

class Runtime;
class BuiltinTable;
struct Unit;

struct ScriptError {
  int number = 0;
  // As a host shows it: runtime errors about a named item end in ": 'name'".
  std::string description;
  std::string source;     // "Microsoft VBScript runtime error" / "... compilation error"
  int line = 0;           // 1-based line in the text that defined the failing code; 0 unknown
  int column = 0;         // 1-based; compile errors only
  std::string procedure;  // the procedure that failed; "" for global code
  std::string text;       // compile errors: the offending source line
  bool compile = false;
  bool timeout = false;
  int unit = -1;  // which AddCode text (0-based, since the last Reset) the line belongs to
};

class [[nodiscard]] Result {
 public:
  Result() = default;
  explicit Result(Variant v) : value_(std::move(v)) {}
  explicit Result(ScriptError e) : ok_(false), error_(std::move(e)) {}
  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const ScriptError& error() const { return error_; }
  const Variant& value() const { return value_; }

 private:
  bool ok_ = true;
  Variant value_;
  ScriptError error_;
};

class Engine {
 public:
  Engine();
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Drops all code, variables and named objects; script objects are terminated.
  void Reset();
  // Compiles the whole text, defines its procedures and classes and runs its global
  // statements. A compile error defines and runs nothing. Compiled texts are cached, so a
  // host that adds the same procedures text before every script pays for parsing once.
  Result AddCode(std::string_view text);
  // Makes `obj` visible as `name`; with add_members its members are also global names.
  Result AddObject(std::string_view name, Ref<Dispatch> obj, bool add_members);
  // Calls a global Sub or Function and returns its value (Empty for a Sub).
  Result Run(std::string_view procedure, std::vector<Variant> args = {});
  // Evaluates an expression / runs statements at global level.
  Result Eval(std::string_view expression);
  Result ExecuteGlobal(std::string_view statements);

  // Milliseconds a host call may run before it is stopped; -1 = no limit. 10000 at start.
  void set_timeout(int ms) { timeout_ms_ = ms; }
  int timeout() const { return timeout_ms_; }
  // Stops the code that runs now at its next check, as the time limit does (the host is
  // ending); the next call from the host runs normally again.
  void Stop();
  // The host's MsgBox and InputBox; null restores the default (no UI).
  void set_host(ScriptHost* host);
  // Compiled texts kept alive until Reset: those added and those run by Execute that
  // define procedures or classes.
  size_t kept_units() const;

  // The regional settings of the engine's conversions and formatting (CStr, CDbl, CDate,
  // FormatNumber, MonthName ...), as a Windows locale ID: US English (1033) at start. The host
  // sets the user's locale here; scripts change the one in force with SetLocale, and
  // SetLocale without an argument returns to the user's. Reset keeps both. False (nothing
  // changed) for an unknown ID.
  bool set_locale(int32_t lcid);
  int32_t locale() const { return locale_.current.Lcid; }

 private:
  template <typename F>
  Result Guarded(F&& body);
  ScriptError Internal(int number, std::string description);
  std::vector<std::shared_ptr<Unit>> Compile(std::string_view text);

  std::unique_ptr<BuiltinTable> builtins_;
  std::unique_ptr<Runtime> rt_;
  ScriptLocale locale_;
  int timeout_ms_ = 10000;
  int nesting_ = 0;
  int units_added_ = 0;
  std::unordered_map<const Unit*, int> unit_index_;
  // Compiled texts by content, and the last reusable prefix (see Compile).
  std::unordered_map<std::string, std::vector<std::shared_ptr<Unit>>> cache_;
  std::string prefix_text_;
  std::shared_ptr<Unit> prefix_unit_;
  int prefix_lines_ = 0;
};

}  // namespace sw::vbs
