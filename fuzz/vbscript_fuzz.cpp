// Fuzz target: compiles and runs arbitrary text in the script engine, the way the player adds
// a game's procedures and runs them, under a short time-out.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Longer texts only slow the search down.
  if (size > 64 * 1024) return 0;
  sw::vbs::Engine engine;
  engine.set_timeout(300);
  auto ws = sw::MakeRef<sw::HostObject>();
  ws->AddMethod("Echo", [](sw::Args) { return sw::Variant(); });
  (void)engine.AddObject("WScript", ws, false);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  sw::vbs::Result r = engine.AddCode(text);
  if (r.ok()) {
    (void)engine.Eval(text.substr(0, text.find('\n')));
    (void)engine.ExecuteGlobal(text);
  }
  return 0;
}
