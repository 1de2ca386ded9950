#include "scripting/vbscript/engine.h"

#include <algorithm>

#include "base/unicode_case.h"
#include "scripting/vbscript/compile_error.h"
#include "scripting/vbscript/err_object.h"
#include "scripting/vbscript/lib_register.h"
#include "scripting/vbscript/parser.h"
#include "scripting/vbscript/runtime.h"

namespace sw::vbs {
namespace {

constexpr size_t kCacheLimit = 32;
constexpr int kTimeoutNumber = 1;

// Byte offset where 0-based line `line` starts (CR, LF and CRLF end lines).
size_t LineStart(std::string_view text, int line) {
  size_t i = 0;
  for (int l = 0; l < line && i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++l;
    } else if (text[i] == '\n') {
      ++l;
    }
    if (l == line) return i + 1;
  }
  return line == 0 ? 0 : i;
}

std::string LineText(std::string_view text, int line) {
  size_t b = LineStart(text, line);
  size_t e = b;
  while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
  return std::string(text.substr(b, e - b));
}

// The compiler counts columns in bytes of the UTF-8 text; hosts count UTF-16 code units, as
// the Windows engine did: a character beyond U+FFFF is two units, every other one.
int Utf16Column(std::string_view line, int byte_column) {
  const size_t bytes = static_cast<size_t>(std::max(byte_column, 0));
  int units = 0;
  for (size_t i = 0; i < bytes && i < line.size(); ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    if ((b & 0xC0) == 0x80) continue;  // a continuation byte belongs to the character before
    units += b >= 0xF0 ? 2 : 1;
  }
  if (bytes > line.size()) units += static_cast<int>(bytes - line.size());
  return units;
}

}  // namespace

Engine::Engine() : builtins_(std::make_unique<BuiltinTable>()) {
  RegisterAllBuiltins(*builtins_);
  rt_ = std::make_unique<Runtime>(builtins_.get());
}

Engine::~Engine() = default;

void Engine::Stop() {
  if (nesting_ > 0) rt_->StopNow();
}

void Engine::Reset() {
  if (nesting_ > 0)
    rt_->ResetWhileRunning();
  else
    rt_->Reset();
  units_added_ = 0;
  unit_index_.clear();
}

void Engine::set_host(ScriptHost* host) {
  rt_->set_host(host);
}

bool Engine::set_locale(int32_t lcid) {
  std::optional<VbLocale> loaded = LoadVbLocale(lcid);
  if (!loaded) return false;
  locale_.current = std::move(*loaded);
  locale_.user_default = lcid;
  return true;
}

ScriptError Engine::Internal(int number, std::string description) {
  ScriptError err;
  err.number = number;
  err.description = std::move(description);
  err.source = kRuntimeSource;
  ErrorSite site = rt_->TakeErrorSite();
  if (site.set) {
    err.line = site.line + 1;
    err.procedure = site.procedure;
  }
  return err;
}

template <typename F>
Result Engine::Guarded(F&& body) {
  // Conversions inside follow this engine's locale, and SetLocale changes it.
  TextLocaleScope locale(locale_);
  rt_->ArmStack();
  if (nesting_ == 0) rt_->StartClock(timeout_ms_);
  ++nesting_;
  struct Depth {
    int& n;
    Runtime& rt;
    ~Depth() {
      if (--n == 0) rt.ClearRetired();
    }
  } depth{nesting_, *rt_};
  try {
    return Result(body());
  } catch (const VbError& e) {
    ScriptError err;
    err.number = MapErrorNumber(e.number());
    err.description = e.description();
    err.source = kRuntimeSource;
    if (auto* n = dynamic_cast<const NamedError*>(&e); n && !n->name().empty())
      err.description += ": '" + n->name() + "'";
    if (auto* r = dynamic_cast<const RaisedError*>(&e)) err.source = r->source;
    ErrorSite site = rt_->TakeErrorSite();
    if (site.set) {
      err.line = site.line + 1;
      err.procedure = site.procedure;
      auto it = unit_index_.find(site.unit);
      if (it != unit_index_.end()) err.unit = it->second;
    }
    return Result(std::move(err));
  } catch (const std::bad_alloc&) {
    return Result(Internal(vberr::kOutOfMemory, VbErrorDescription(vberr::kOutOfMemory)));
  } catch (const std::exception& e) {
    // A host object that failed with something other than a VbError.
    return Result(Internal(440, e.what()));
  } catch (const TimeoutError&) {
    rt_->ClearErrorSite();
    ScriptError err;
    err.number = kTimeoutNumber;
    err.description = "Script timed out";
    err.source = kRuntimeSource;
    err.timeout = true;
    return Result(std::move(err));
  }
}

std::vector<std::shared_ptr<Unit>> Engine::Compile(std::string_view text) {
  std::string key(text);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  std::vector<std::shared_ptr<Unit>> units;
  rt_->ArmStack();
  CompileOptions whole_opt;
  whole_opt.stack = &rt_->stack();
  // A text that repeats the previous one up to its last procedure (the host's procedures
  // followed by a new wrapper) compiles only the part after that prefix.
  if (prefix_unit_ && text.size() > prefix_text_.size() && text.starts_with(prefix_text_)) {
    CompileOptions o;
    o.first_line = prefix_lines_;
    o.inherit_explicit = prefix_unit_->explicit_vars;
    o.stack = &rt_->stack();
    auto rest = CompileUnit(text.substr(prefix_text_.size()), o);
    units = {prefix_unit_, rest};
  } else {
    auto whole = CompileUnit(text, whole_opt);
    units = {whole};
    if (whole->reusable_prefix > 0) {
      int lines = static_cast<int>(whole->reusable_prefix);
      std::string prefix(text.substr(0, LineStart(text, lines)));
      // A prefix whose last line continues onto the next one cannot stand alone.
      size_t last = prefix.find_last_not_of(" \t\r\n\v\f");
      bool continues = last != std::string::npos && prefix[last] == '_';
      prefix_unit_.reset();
      if (!continues) {
        try {
          prefix_unit_ = CompileUnit(prefix, whole_opt);
          prefix_text_ = std::move(prefix);
          prefix_lines_ = lines;
        } catch (const CompileError&) {
          // not reusable on its own; whole texts are still cached
        }
      }
    }
  }
  if (cache_.size() >= kCacheLimit) cache_.clear();
  cache_.emplace(std::move(key), units);
  return units;
}

Result Engine::AddCode(std::string_view text) {
  std::vector<std::shared_ptr<Unit>> units;
  try {
    units = Compile(text);
  } catch (const CompileError& ce) {
    ScriptError err;
    // A text compiled with the native stack nearly used up counts as nested too deeply.
    err.number = ce.number == vberr::kOutOfStack ? cerr::kOutOfMemory : ce.number;
    err.description = CompileErrorDescription(err.number);
    err.source = kCompileSource;
    err.line = ce.line + 1;
    err.text = LineText(text, ce.line);
    err.column = Utf16Column(err.text, ce.column) + 1;
    err.compile = true;
    err.unit = units_added_;
    return Result(std::move(err));
  }
  int index = units_added_++;
  for (auto& u : units) unit_index_[u.get()] = index;
  return Guarded([&] {
    for (auto& u : units) rt_->Define(u);
    for (auto& u : units) rt_->RunBody(*u);
    return Variant();
  });
}

Result Engine::AddObject(std::string_view name, Ref<Dispatch> obj, bool add_members) {
  if (!obj) {
    ScriptError err;
    err.number = vberr::kObjectRequired;
    err.description = VbErrorDescription(err.number);
    err.source = kRuntimeSource;
    return Result(std::move(err));
  }
  rt_->AddNamedItem(std::string(name), std::move(obj), add_members);
  return Result();
}

Result Engine::Run(std::string_view procedure, std::vector<Variant> args) {
  return Guarded([&] {
    GlobalEntry* e = rt_->Find(FoldCase(procedure));
    if (!e || e->kind != GlobalEntry::kProc)
      throw NamedError(vberr::kSubNotDefined, std::string(procedure));
    return rt_->CallProc(e->proc, nullptr, Args(args.data(), args.size()));
  });
}

Result Engine::Eval(std::string_view expression) {
  return Guarded([&] {
    Frame f{rt_.get()};
    return rt_->EvalText(f, expression);
  });
}

size_t Engine::kept_units() const {
  return rt_->kept_units();
}

Result Engine::ExecuteGlobal(std::string_view statements) {
  return Guarded([&] {
    Frame f{rt_.get()};
    rt_->ExecuteText(f, statements, true);
    return Variant();
  });
}

}  // namespace sw::vbs
