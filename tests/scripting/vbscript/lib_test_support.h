// Fixture for the library's tests: evaluates expressions and runs statements in a fresh
// engine, reporting values, their subtypes, echoed output and run-time error numbers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace sw::vbs {

class LibTest : public testing::Test {
 protected:
  void SetUp() override {
    auto ws = MakeRef<HostObject>();
    ws->AddMethod("Echo", [this](Args a) {
      for (size_t i = 0; i < a.size(); ++i) out_ += (i ? " " : "") + a[i].ToUtf8();
      out_ += "\n";
      return Variant();
    });
    ASSERT_TRUE(engine.AddObject("WScript", ws, false).ok());
  }

  // The value of an expression; a failure is reported and gives Empty.
  Variant Eval(const std::string& expr) {
    Result r = engine.Eval(expr);
    EXPECT_TRUE(r.ok()) << expr << ": error " << r.error().number << " " << r.error().description;
    return r.ok() ? r.value() : Variant();
  }
  // The expression's value as CStr shows it (Null as "Null").
  std::string Str(const std::string& expr) {
    Variant v = Eval(expr);
    return v.IsNull() ? "Null" : v.ToUtf8();
  }
  // TypeName of the expression's value.
  std::string Type(const std::string& expr) { return Eval(expr).TypeName(); }
  // The run-time error number evaluating the expression gives; 0 when it succeeds.
  int ErrorOf(const std::string& expr) {
    Result r = engine.Eval(expr);
    return r.ok() ? 0 : r.error().number;
  }
  // Runs statements; returns what they echoed. A failure is reported.
  std::string Run(const std::string& code) {
    out_.clear();
    Result r = engine.AddCode(code);
    EXPECT_TRUE(r.ok()) << "error " << r.error().number << " " << r.error().description << " line "
                        << r.error().line;
    return out_;
  }
  // Runs statements and returns the error number that stopped them (0 when none did).
  int RunError(const std::string& code) {
    out_.clear();
    Result r = engine.AddCode(code);
    return r.ok() ? 0 : r.error().number;
  }

  Engine engine;

 private:
  std::string out_;
};

}  // namespace sw::vbs
