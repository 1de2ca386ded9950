#include "vbsrunner/runner.h"

#include <iostream>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace sw::vbsrunner {
namespace {

class PrintingHost : public vbs::ScriptHost {
 public:
  explicit PrintingHost(std::ostream& out) : out_(out) {}
  int MsgBox(const std::string& prompt, int, const std::string&) override {
    out_ << prompt << '\n';
    return 1;
  }

 private:
  std::ostream& out_;
};

Ref<Dispatch> MakeWScript(std::ostream& out) {
  auto ws = MakeRef<HostObject>("Object");
  ws->AddMethod("Echo", [&out](Args a) {
    for (size_t i = 0; i < a.size(); ++i) {
      if (i) out << ' ';
      out << a[i].ToUtf8();
    }
    out << '\n';
    return Variant();
  });
  return ws;
}

}  // namespace

int RunScripts(const std::vector<ScriptFile>& files, std::ostream& out, std::ostream& err,
               int timeout_ms, int32_t lcid) {
  // The host outlives the engine: script objects that end with it may still call MsgBox.
  PrintingHost host(out);
  vbs::Engine engine;
  (void)engine.set_locale(lcid);
  engine.set_host(&host);
  engine.set_timeout(timeout_ms);
  (void)engine.AddObject("WScript", MakeWScript(out), false);
  for (const ScriptFile& f : files) {
    vbs::Result r = engine.AddCode(f.text);
    if (r) continue;
    const vbs::ScriptError& e = r.error();
    const std::string& where =
        e.unit >= 0 && e.unit < static_cast<int>(files.size()) ? files[e.unit].name : f.name;
    out.flush();
    err << where << ':' << e.line << ": " << e.source << ' ' << e.number << ": " << e.description
        << '\n';
    return 1;
  }
  return 0;
}

}  // namespace sw::vbsrunner
