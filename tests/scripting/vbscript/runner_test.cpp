// The scenewright-vbs runner: files share one engine, Echo and MsgBox print, errors name the
// file and line and end the run with status 1.
#include <gtest/gtest.h>

#include <sstream>

#include "vbsrunner/runner.h"
#include "vbsrunner/terminal_text.h"

namespace sw::vbsrunner {
namespace {

TEST(Runner, LaterFilesSeeEarlierDefinitions) {
  std::ostringstream out, err;
  int rc = RunScripts(
      {{"lib.vbs", "Option Explicit\nFunction Greet(n) : Greet = \"hi \" & n : End Function"},
       {"main.vbs", "Option Explicit\nWScript.Echo Greet(\"you\"), 1, True\nMsgBox \"box\""}},
      out, err);
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(out.str(), "hi you 1 True\nbox\n");
  EXPECT_EQ(err.str(), "");
}

TEST(Runner, ScriptsRunInTheGivenLocale) {
  std::ostringstream out, err;
  EXPECT_EQ(
      RunScripts({{"a.vbs", "WScript.Echo 1.5, MonthName(1), GetLocale()"}}, out, err, -1, 1031),
      0);
  EXPECT_EQ(out.str(), "1,5 Januar 1031\n");
  std::ostringstream out2;
  EXPECT_EQ(RunScripts({{"a.vbs", "WScript.Echo 1.5, GetLocale()"}}, out2, err, -1, 99999), 0);
  EXPECT_EQ(out2.str(), "1.5 1033\n");
}

TEST(Runner, ErrorsNameTheFileThatDefinedTheFailingCode) {
  std::ostringstream out, err;
  int rc = RunScripts({{"lib.vbs", "Sub Boom\n  x = 1 / 0\nEnd Sub"},
                       {"main.vbs", "WScript.Echo \"start\"\nBoom\nWScript.Echo \"never\""}},
                      out, err);
  EXPECT_EQ(rc, 1);
  EXPECT_EQ(out.str(), "start\n");
  EXPECT_EQ(err.str(), "lib.vbs:2: Microsoft VBScript runtime error 11: Division by zero\n");
}

TEST(Runner, CompileErrorsStopBeforeTheFileRuns) {
  std::ostringstream out, err;
  int rc = RunScripts({{"a.vbs", "WScript.Echo 1"}, {"b.vbs", "WScript.Echo 2\nLoop"}}, out, err);
  EXPECT_EQ(rc, 1);
  EXPECT_EQ(out.str(), "1\n");
  EXPECT_EQ(err.str(), "b.vbs:2: Microsoft VBScript compilation error 1038: 'loop' without 'do'\n");
}

TEST(Runner, ScriptFilesAreUtf8OrWindows1252) {
  EXPECT_EQ(ScriptFileText("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(ScriptFileText("\xEF\xBB\xBFx"), "x");                        // mark dropped
  EXPECT_EQ(ScriptFileText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");  // ANSI file
  std::ostringstream out, err;
  EXPECT_EQ(RunScripts({{"a.vbs", ScriptFileText("WScript.Echo Chr(128), Len(\"\xE9\"), "
                                                 "Asc(\"\xE9\")")},
                        {"u.vbs", ScriptFileText("WScript.Echo Len(\"\xE4\xB8\xAD\")")}},
                       out, err),
            0);
  EXPECT_EQ(out.str(), "\xE2\x82\xAC 1 233\n1\n");
}

}  // namespace
}  // namespace sw::vbsrunner

namespace sw::vbsrunner {
namespace {

TEST(Runner, ObjectsEndingWithTheRunStillReachTheHost) {
  std::ostringstream out, err;
  EXPECT_EQ(
      RunScripts({{"t.vbs",
                   "Class Bye\n  Sub Class_Terminate\n    MsgBox \"bye\"\n  End Sub\nEnd Class\n"
                   "Dim keep : Set keep = New Bye\nWScript.Echo \"ran\""}},
                 out, err),
      0);
  EXPECT_EQ(out.str(), "ran\nbye\n");
}

}  // namespace
}  // namespace sw::vbsrunner
