// Runs every golden/*.vbs script and compares what it prints with the .out file beside it.
// An error that ends the script is printed as "error NUMBER: DESCRIPTION (line N)".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace sw::vbs {
namespace {

namespace fs = std::filesystem;

fs::path GoldenDir() {
  return fs::path(SW_SOURCE_DIR) / "tests/scripting/vbscript/golden";
}

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class EchoHost : public ScriptHost {
 public:
  explicit EchoHost(std::string& out) : out_(out) {}
  int MsgBox(const std::string& prompt, int, const std::string&) override {
    out_ += "msgbox " + prompt + "\n";
    return 1;
  }

 private:
  std::string& out_;
};

std::string RunGolden(const fs::path& script) {
  std::string out;
  Engine engine;
  EchoHost host(out);
  engine.set_host(&host);
  auto ws = MakeRef<HostObject>();
  ws->AddMethod("Echo", [&out](Args a) {
    for (size_t i = 0; i < a.size(); ++i) out += (i ? " " : "") + a[i].ToUtf8();
    out += "\n";
    return Variant();
  });
  EXPECT_TRUE(engine.AddObject("WScript", ws, false).ok());
  Result r = engine.AddCode(ReadFile(script));
  if (!r) {
    const ScriptError& e = r.error();
    out += "error " + std::to_string(e.number) + ": " + e.description + " (line " +
           std::to_string(e.line) + ")\n";
  }
  return out;
}

class Golden : public testing::TestWithParam<std::string> {};

TEST_P(Golden, PrintsExpectedOutput) {
  fs::path script = GoldenDir() / (GetParam() + ".vbs");
  fs::path expected = GoldenDir() / (GetParam() + ".out");
  ASSERT_TRUE(fs::exists(expected)) << expected;
  EXPECT_EQ(RunGolden(script), ReadFile(expected));
}

std::vector<std::string> GoldenNames() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(GoldenDir()))
    if (e.path().extension() == ".vbs") names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Golden, testing::ValuesIn(GoldenNames()),
                         [](const testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace sw::vbs
