// The host-facing operations: Reset, AddCode (and its cache), AddObject, Run, time limit and
// error reports.
#include <gtest/gtest.h>

#include <chrono>

#include "scripting/vbscript/engine.h"
#include "variant/host_object.h"

namespace sw::vbs {
namespace {

// Collects WScript.Echo output.
struct Echo {
  std::string out;
  Ref<Dispatch> object() {
    auto ws = MakeRef<HostObject>();
    ws->AddMethod("Echo", [this](Args a) {
      for (size_t i = 0; i < a.size(); ++i) out += (i ? " " : "") + a[i].ToUtf8();
      out += "\n";
      return Variant();
    });
    return ws;
  }
};

class EngineTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine.AddObject("WScript", echo.object(), false).ok()); }
  std::string Run(const std::string& code) {
    Result r = engine.AddCode(code);
    EXPECT_TRUE(r.ok()) << r.error().number << " " << r.error().description << " line "
                        << r.error().line;
    std::string s = echo.out;
    echo.out.clear();
    return s;
  }
  Engine engine;
  Echo echo;
};

TEST_F(EngineTest, ResetDropsCodeVariablesAndObjects) {
  EXPECT_EQ(Run("Dim x : x = 5 : Sub S : WScript.Echo \"s\", x : End Sub : S"), "s 5\n");
  engine.Reset();
  Result r = engine.Run("S");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 35);
  EXPECT_FALSE(engine.AddCode("WScript.Echo 1").ok());  // the named object went too
}

TEST_F(EngineTest, SameTextAgainStartsWithFreshGlobals) {
  const std::string text = "Dim n\r\nn = n + 1\r\nWScript.Echo n\r\n";
  EXPECT_EQ(Run(text), "1\n");
  for (int i = 0; i < 3; ++i) {
    engine.Reset();
    ASSERT_TRUE(engine.AddObject("WScript", echo.object(), false).ok());
    EXPECT_EQ(Run(text), "1\n");
  }
}

TEST_F(EngineTest, ProceduresPrefixIsReusedWithNewWrappers) {
  const std::string procs =
      "Dim counter\r\nFunction Twice(x)\r\n  Twice = x * 2\r\nEnd Function\r\n"
      "Sub Bump\r\n  counter = counter + 1\r\nEnd Sub";
  auto wrapped = [&](const std::string& body) {
    return procs + "\r\n\r\nSub StartupProcedure\r\n" + body + "\r\nEnd Sub";
  };
  for (int i = 1; i <= 3; ++i) {
    engine.Reset();
    ASSERT_TRUE(engine.AddObject("WScript", echo.object(), false).ok());
    std::string body = "Bump : WScript.Echo counter, Twice(" + std::to_string(i) + ")";
    ASSERT_TRUE(engine.AddCode(wrapped(body)).ok());
    ASSERT_TRUE(engine.Run("StartupProcedure").ok());
    EXPECT_EQ(echo.out, "1 " + std::to_string(2 * i) + "\n");
    echo.out.clear();
  }
  // Errors in the new wrapper still report lines of the whole text.
  engine.Reset();
  ASSERT_TRUE(engine.AddCode(wrapped("x = 1\r\ny = 1 / 0")).ok());
  Result r = engine.Run("startupprocedure");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 11);
  EXPECT_EQ(r.error().line, 11);
  EXPECT_EQ(r.error().procedure, "StartupProcedure");
  Result c = engine.AddCode(wrapped("If x Then"));
  ASSERT_FALSE(c.ok());
  EXPECT_TRUE(c.error().compile);
  EXPECT_EQ(c.error().line, 11);
  EXPECT_EQ(c.error().number, 1012);
}

TEST_F(EngineTest, RunPassesArgumentsAndReturnsValues) {
  ASSERT_TRUE(engine
                  .AddCode("Function Add(a, b) : Add = a + b : End Function\n"
                           "Sub Store(ByRef v) : v = \"set\" : End Sub")
                  .ok());
  Result r = engine.Run("ADD", {Variant(int16_t{2}), Variant(int16_t{40})});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value().ToLong(), 42);
  EXPECT_TRUE(engine.Run("Store", {Variant()}).ok());
  Result wrong = engine.Run("Add", {Variant(int16_t{1})});
  ASSERT_FALSE(wrong.ok());
  EXPECT_EQ(wrong.error().number, 450);
  Result missing = engine.Run("Nope");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().description, "Sub or Function not defined: 'Nope'");
}

TEST_F(EngineTest, RuntimeErrorsCarryLineProcedureAndName) {
  ASSERT_TRUE(engine
                  .AddCode("Option Explicit\nSub Outer\n  Inner\nEnd Sub\n"
                           "Sub Inner\n  Dim a\n  a = b + 1\nEnd Sub")
                  .ok());
  Result r = engine.Run("Outer");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 500);
  EXPECT_EQ(r.error().description, "Variable is undefined: 'b'");
  EXPECT_EQ(r.error().source, "Microsoft VBScript runtime error");
  EXPECT_EQ(r.error().line, 7);
  EXPECT_EQ(r.error().procedure, "Inner");
  EXPECT_FALSE(r.error().compile);
}

TEST_F(EngineTest, ErrorLinesPointAtElseIfAndLoopConditions) {
  Result r = engine.AddCode("Dim z\nIf False Then\n  z = 1\nElseIf 1 / 0 Then\n  z = 2\nEnd If");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().line, 4);
  r = engine.AddCode("Do\n  z = 1\nLoop Until CInt(\"x\")");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().line, 3);
  r = engine.AddCode("Select Case 1\nCase 2\nCase 1 / 0\nEnd Select");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().line, 1);
}

TEST_F(EngineTest, CompileErrorRunsNothingAndKeepsEarlierState) {
  ASSERT_TRUE(engine.AddCode("Dim kept : kept = 7").ok());
  Result r = engine.AddCode("WScript.Echo \"no\"\nkept = 1\nx = \"open");
  ASSERT_FALSE(r.ok());
  EXPECT_TRUE(r.error().compile);
  EXPECT_EQ(r.error().number, 1033);
  EXPECT_EQ(r.error().description, "Unterminated string constant");
  EXPECT_EQ(r.error().source, "Microsoft VBScript compilation error");
  EXPECT_EQ(r.error().line, 3);
  EXPECT_EQ(r.error().text, "x = \"open");
  EXPECT_EQ(echo.out, "");
  EXPECT_EQ(engine.Eval("kept").value().ToLong(), 7);
}

TEST_F(EngineTest, TimeoutStopsEndlessScriptsEvenUnderResumeNext) {
  engine.set_timeout(50);
  Result r = engine.AddCode("On Error Resume Next\nDo\nLoop");
  ASSERT_FALSE(r.ok());
  EXPECT_TRUE(r.error().timeout);
  ASSERT_TRUE(engine.AddCode("Function Spin() : Do : Loop : End Function").ok());
  EXPECT_TRUE(engine.Run("Spin").error().timeout);
  engine.set_timeout(-1);
  EXPECT_TRUE(engine.AddCode("Dim i : For i = 1 To 1000 : Next").ok());
}

// Loop bodies that each take long (huge strings here) are stopped soon after the limit, not
// after thousands of them.
TEST_F(EngineTest, TimeoutStopsLoopsWithSlowBodies) {
  engine.set_timeout(100);
  Result r = engine.AddCode("n = 0\nDo\n  n = n + 1\n  x = Space(4000000)\nLoop");
  ASSERT_FALSE(r.ok());
  EXPECT_TRUE(r.error().timeout);
  int32_t bodies = engine.Eval("n").value().ToLong();
  EXPECT_GT(bodies, 0);
  EXPECT_LT(bodies, 4096);
  // A single statement that loops inside built-ins: the limit is noticed after the call.
  r = engine.AddCode("For i = 1 To 100000 : y = Len(String(4000000, \"a\")) : Next");
  ASSERT_FALSE(r.ok());
  EXPECT_TRUE(r.error().timeout);
  EXPECT_LT(engine.Eval("i").value().ToLong(), 4096);
  // A host method that is slow each time it is called (5 ms here).
  int calls = 0;
  auto host = MakeRef<HostObject>();
  host->AddMethod("Slow", [&calls](Args) {
    ++calls;
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(5);
    while (std::chrono::steady_clock::now() < until) {
    }
    return Variant();
  });
  ASSERT_TRUE(engine.AddObject("Host", host, false).ok());
  r = engine.AddCode("Do : Host.Slow : Loop");
  ASSERT_FALSE(r.ok());
  EXPECT_TRUE(r.error().timeout);
  EXPECT_LT(calls, 100);
  // A later call gets its full time again.
  engine.set_timeout(10000);
  EXPECT_TRUE(engine.AddCode("For i = 1 To 1000 : Next").ok());
}

TEST_F(EngineTest, ClassTerminateRunsOnResetEvenInCycles) {
  ASSERT_TRUE(engine
                  .AddCode("Class Node\n Public Other, Name\n"
                           " Sub Class_Terminate : WScript.Echo \"bye \" & Name : End Sub\n"
                           "End Class\n"
                           "Dim a, b : Set a = New Node : Set b = New Node\n"
                           "a.Name = \"a\" : b.Name = \"b\"\n"
                           "Set a.Other = b : Set b.Other = a\n"
                           "Set a = Nothing : Set b = Nothing\nWScript.Echo \"cycle kept\"")
                  .ok());
  EXPECT_EQ(echo.out, "cycle kept\n");
  echo.out.clear();
  engine.Reset();
  std::string out = echo.out;
  EXPECT_NE(out.find("bye a\n"), std::string::npos);
  EXPECT_NE(out.find("bye b\n"), std::string::npos);
}

TEST_F(EngineTest, NamedObjectsAddedAfterTheCodeAreFoundWhenItRuns) {
  ASSERT_TRUE(engine.AddCode("Sub Go : Late.Value = Late.Value + 1 : Bump : End Sub").ok());
  Variant value(int16_t{41});
  int bumps = 0;
  auto late = MakeRef<HostObject>();
  late->AddProperty(
      "Value", [&](Args) { return value; }, [&](Args, const Variant& v) { value = v; });
  late->AddMethod("Bump", [&](Args) { return Variant(++bumps); });
  ASSERT_TRUE(engine.AddObject("Late", late, true).ok());
  ASSERT_TRUE(engine.Run("Go").ok());
  EXPECT_EQ(value.ToLong(), 42);
  EXPECT_EQ(bumps, 1);
}

TEST_F(EngineTest, ScriptObjectsHandedToTheHostOutliveTheEngineSafely) {
  Variant kept;
  {
    Engine e;
    ASSERT_TRUE(
        e.AddCode(
             "Class Pet\n Public Name\n Function Speak() : Speak = Name & \"!\" : End Function\n"
             "End Class\nFunction Make() : Set Make = New Pet : Make.Name = \"Rex\" : End Function")
            .ok());
    Result r = e.Run("Make");
    ASSERT_TRUE(r.ok());
    kept = r.value();
    ASSERT_TRUE(kept.IsObject());
    EXPECT_EQ(kept.AsObject()->Get("speak").ToUtf8(), "Rex!");
    EXPECT_EQ(kept.TypeName(), "Pet");
  }
  // The engine is gone: the object answers with an error instead of crashing.
  try {
    kept.AsObject()->Get("Speak");
    ADD_FAILURE() << "a detached script object must fail";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 424);
  }
}

// A host method may start another script while one is running (a timer firing while a
// script waits in a dialog): the inner Reset must not pull the outer script's state away.
TEST_F(EngineTest, NestedResetWhileAScriptRunsIsSafe) {
  Echo inner;
  auto dialog = MakeRef<HostObject>();
  dialog->AddMethod("Wait", [&](Args) {
    engine.Reset();
    EXPECT_TRUE(engine.AddObject("WScript", inner.object(), false).ok());
    EXPECT_TRUE(engine.AddCode("Dim g : g = \"inner\" : WScript.Echo g").ok());
    return Variant();
  });
  ASSERT_TRUE(engine.AddObject("Dialog", dialog, false).ok());
  ASSERT_TRUE(engine
                  .AddCode("Class Keeper : Public Name : End Class\n"
                           "Dim g, k : g = \"outer\" : Set k = New Keeper : k.Name = \"kept\"\n"
                           "Sub Show(ByRef v, o)\n  Dialog.Wait\n  v = v & \"!\"\n"
                           "  WScript.Echo \"after\", v, o.Name\nEnd Sub")
                  .ok());
  Result r = engine.AddCode("Show g, k");
  EXPECT_TRUE(r.ok()) << r.error().description;
  // The outer procedure finishes with the values it held; names it looks up afresh
  // (WScript) are those of the new run.
  EXPECT_EQ(inner.out, "inner\nafter outer! kept\n");
  EXPECT_EQ(echo.out, "");
}

TEST_F(EngineTest, LongChainsOfObjectsAreFreedWithoutDeepRecursion) {
  EXPECT_EQ(Run("Class Node : Public NextNode : End Class\n"
                "Class Counted : Public NextNode\n"
                " Sub Class_Terminate : n = n + 1 : End Sub\nEnd Class\n"
                "Dim head, i, cur, n : n = 0 : Set head = Nothing\n"
                "For i = 1 To 300000 : Set cur = New Node : Set cur.NextNode = head : "
                "Set head = cur : Next\n"
                "Set cur = Nothing : Set head = Nothing\n"
                "For i = 1 To 20000 : Set cur = New Counted : Set cur.NextNode = head : "
                "Set head = cur : Next\n"
                "Set cur = Nothing : Set head = Nothing\nWScript.Echo \"freed\", n"),
            "freed 20000\n");
}

TEST_F(EngineTest, EvalAndExecuteGlobalAtHostLevel) {
  ASSERT_TRUE(engine.ExecuteGlobal("Dim g : g = 20").ok());
  Result r = engine.Eval("g * 2 + 2");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value().ToLong(), 42);
  Result bad = engine.Eval("g +");
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.error().number, 1023);
}

// A script that runs Execute in a loop keeps only the compiled texts that define something:
// the others are freed when they end, so memory stays flat until the time-out. What they
// did stays, and procedures and classes they define keep working after later texts.
TEST_F(EngineTest, ExecuteInALoopKeepsOnlyTextsThatDefineSomething) {
  const size_t before = engine.kept_units();
  EXPECT_EQ(Run("x = 0 : n = 0\n"
                "For i = 1 To 5000 : Execute \"x = x + 1\" : ExecuteGlobal \"y = \" & i : Next\n"
                "Sub Count(k) : Execute \"Dim t : t = k : n = n + t\" : End Sub\n"
                "For i = 1 To 2000 : Count 1 : Next\n"
                "ExecuteGlobal \"Function Thrice(v) : Thrice = v * 3 : End Function\"\n"
                "ExecuteGlobal \"Class Box : Public V : End Class\"\n"
                "Set b = New Box : b.V = Thrice(x)\n"
                "WScript.Echo x, y, n, b.V"),
            "5000 5000 2000 15000\n");
  // The added text and the two that define a procedure and a class.
  EXPECT_EQ(engine.kept_units(), before + 3);
  Result r = engine.Eval("Thrice(2) + 1");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value().ToLong(), 7);
}

class RecordingHost : public ScriptHost {
 public:
  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    log += prompt + "|" + std::to_string(buttons) + "|" + title + "\n";
    return 6;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::string log;
};

TEST_F(EngineTest, MsgBoxAndInputBoxGoToTheHost) {
  RecordingHost host;
  engine.set_host(&host);
  EXPECT_EQ(Run("WScript.Echo MsgBox(\"Sure?\", vbYesNo, \"Q\") = vbYes\n"
                "MsgBox \"plain\"\nWScript.Echo \"[\" & InputBox(\"name\") & \"]\""),
            "True\n[]\n");
  EXPECT_EQ(host.log, "Sure?|4|Q\nplain|0|\n");
}

// A member access remembers the member it found on a script class; objects of other classes,
// a Private member of the same name and classes redefined after Reset must still be found anew.
TEST_F(EngineTest, MemberCallSitesFollowTheClassOfEachObject) {
  const std::string classes =
      "Class A : Public Pad, F : Sub Class_Initialize : F = \"a\" : End Sub : End Class\n"
      "Class B : Public Function F : F = \"b\" : End Function : End Class\n"
      "Class C : Private F : End Class\n";
  const std::string caller = "Function Name(o) : Name = o.F : End Function\n";
  ASSERT_TRUE(engine.AddCode(classes).ok());
  ASSERT_TRUE(engine.AddCode(caller).ok());
  EXPECT_EQ(Run("WScript.Echo Name(New A) & Name(New B) & Name(New A) & Name(New B)"), "abab\n");
  Result r = engine.AddCode("WScript.Echo Name(New C)");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 438);
  EXPECT_EQ(Run("WScript.Echo Name(New B)"), "b\n");

  // The same caller text again (compiled once, cached) over new classes with other layouts.
  engine.Reset();
  ASSERT_TRUE(engine.AddObject("WScript", echo.object(), false).ok());
  ASSERT_TRUE(engine
                  .AddCode("Class A : Public Function F : F = \"new a\" : End Function : "
                           "Public Pad : End Class\n"
                           "Class B : Public Pad1, Pad2, F : End Class\n")
                  .ok());
  ASSERT_TRUE(engine.AddCode(caller).ok());
  EXPECT_EQ(Run("Dim ob : Set ob = New B : ob.F = 7 : WScript.Echo Name(New A), Name(ob)"),
            "new a 7\n");

  // Library objects at one call site: a Dictionary, a match collection and a script class
  // each find their own Count, in any order.
  ASSERT_TRUE(engine
                  .AddCode("Class Seven : Public Property Get Count : Count = 7 : End Property\n"
                           "End Class\n"
                           "Function Counted(o) : Counted = o.Count : End Function\n")
                  .ok());
  EXPECT_EQ(Run("Set d = CreateObject(\"Scripting.Dictionary\") : d.Add 1, 1\n"
                "Set re = New RegExp : re.Global = True : re.Pattern = \"a\"\n"
                "Set m = re.Execute(\"aa\") : s = \"\"\n"
                "For Each o In Array(d, m, New Seven, d, m, d) : s = s & Counted(o) : Next\n"
                "WScript.Echo s"),
            "127121\n");
}

// Conditions, element reads and procedure calls have short paths for their common shapes;
// every other shape keeps the general rules.
TEST_F(EngineTest, ShortPathsKeepTheGeneralRules) {
  ASSERT_TRUE(engine
                  .AddCode("Class Box : Public Default Property Get V : V = 5 : End Property\n"
                           "End Class\n"
                           "Function Cond(a, b)\n"
                           " If a < b Then Cond = \"lt\" Else Cond = \"not lt\"\n"
                           "End Function\n"
                           "Function Pick(i)\n"
                           " Dim a(4) : a(0) = \"z\" : a(2) = \"two\" : a(3) = \"three\"\n"
                           " Pick = a(i)\n"
                           "End Function\n"
                           "Sub Bump(n) : n = n + 1 : End Sub\n"
                           "Function Twice(ByVal n) : n = n * 2 : Twice = n : End Function\n")
                  .ok());
  // Null compares to Null, which a condition takes as False; texts and numbers keep their
  // comparison rules; an object compares through its default member.
  EXPECT_EQ(Run("WScript.Echo Cond(Null, 1), Cond(1, 2), Cond(CLng(2), 1), Cond(\"10\", \"9\"), "
                "Cond(New Box, 6), Cond(2.5, 3)"),
            "not lt lt not lt lt lt lt\n");
  EXPECT_EQ(Run("n = 0 : Do While n < 3 : n = n + 1 : Loop : Do Until Null < n : n = n + 1 : "
                "If n > 5 Then Exit Do\nLoop : WScript.Echo n"),
            "6\n");
  // Element indexes of every kind: Integer, Long, rounded Double, text, an object's default.
  EXPECT_EQ(Run("WScript.Echo Pick(2), Pick(CLng(3)), Pick(2.5), Pick(\"3\"), Pick(Empty)"),
            "two three two three z\n");
  Result r = engine.AddCode("x = Pick(5)");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 9);
  EXPECT_EQ(r.error().line, 8);
  EXPECT_EQ(r.error().procedure, "Pick");
  // Indexes worked out from whole numbers keep the operators' rules: overflow, division by
  // zero, Mod -1 and rounded Doubles as anywhere else.
  ASSERT_TRUE(engine
                  .AddCode("Function At(k, d)\n"
                           " Dim a(9) : For j = 0 To 9 : a(j) = j * 10 : Next\n"
                           " At = a(k + 1) & a(k - 1) & a(k * 2) & a(k Mod d) & a(k Mod -1)\n"
                           " a(k Mod d) = \"w\" : At = At & a(k Mod d)\n"
                           "End Function\n"
                           "Function Big(k) : Dim a(1) : Big = a(k * 2) : End Function\n")
                  .ok());
  EXPECT_EQ(Run("WScript.Echo At(3, 2), At(CLng(4), CLng(3)), At(2.5, 2)"),
            "402060100w 503080100w 40205000w\n");
  const std::pair<const char*, int> failing[] = {{"x = At(3, 0)", 11},
                                                 {"x = At(32767, 2)", 9},
                                                 {"x = Big(2000000000)", 6},
                                                 {"x = Big(CInt(20000))", 9},
                                                 {"x = Big(-1)", 9}};
  for (const auto& [code, number] : failing) {
    r = engine.AddCode(code);
    ASSERT_FALSE(r.ok()) << code;
    EXPECT_EQ(r.error().number, number) << code;
  }
  // A variable beside a call is read once the call has run: `t + SetTo(t, 100)` adds to 100.
  ASSERT_TRUE(
      engine
          .AddCode("Function SetTo(x, v) : x = v : SetTo = 1 : End Function\n"
                   "Function Order()\n"
                   " Dim t, a(2) : t = 5 : t = t + SetTo(t, 100) : a(1) = 7\n"
                   " Order = t & \" \" & (a(1) Mod 4) & \" \" & (a(SetTo(t, 3)) * 2) & \" \" & t\n"
                   "End Function\n")
          .ok());
  EXPECT_EQ(Run("WScript.Echo Order()"), "101 3 14 3\n");
  // Calls: ByRef variables change, ByVal ones do not; a wrong argument count is E450.
  EXPECT_EQ(Run("k = 1 : Bump k : Bump k : j = 4 : WScript.Echo k, Twice(j), j"), "3 8 4\n");
  r = engine.AddCode("Bump 1, 2");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 450);
  r = engine.AddCode("y = Twice()");
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().number, 450);
  // A name that Execute declares in a procedure hides the global procedure of that name.
  EXPECT_EQ(Run("Function Hide() : Execute \"Dim Pick : Pick = Array(7, 8)\" : "
                "Hide = Pick(1) : End Function\nWScript.Echo Hide(), Pick(0)"),
            "8 z\n");
}

// Operators on a variable and a whole-number literal, on two variables, on a member and a
// parameter, or on a sub-expression and a literal, give the subtypes and errors of the
// general rules whatever the operands hold.
TEST_F(EngineTest, OperatorsOfEveryOperandShapeKeepSubtypesAndRules) {
  ASSERT_TRUE(engine
                  .AddCode("Class Acc : Public m : Function Plus(k) : Plus = m + k : End Function\n"
                           "End Class\n"
                           "Function Shapes(x, y)\n"
                           " Dim a(1), r : a(0) = x\n"
                           " r = TypeName(x + 1) & \" \" & TypeName(x + 40000) & \" \" & (x * 2)\n"
                           " r = r & \" \" & TypeName(x + y) & \" \" & (x - y)\n"
                           " r = r & \" \" & TypeName(a(0) Mod 7) & \" \" & (a(0) Mod 7)\n"
                           " If x < 20 Then r = r & \" lt\" Else r = r & \" ge\"\n"
                           " If a(0) >= y Then r = r & \" ge\" Else r = r & \" lt\"\n"
                           " Shapes = r\n"
                           "End Function\n")
                  .ok());
  // Integer overflow makes a Long; a Long literal makes a Long; texts convert as numbers
  // beside a number literal; Doubles stay Doubles and Mod rounds them.
  EXPECT_EQ(Run("WScript.Echo Shapes(32767, CInt(1))"),
            "Long Long 65534 Long 32766 Integer 0 ge ge\n");
  EXPECT_EQ(Run("WScript.Echo Shapes(CInt(3), CInt(4))"),
            "Integer Long 6 Integer -1 Integer 3 lt lt\n");
  EXPECT_EQ(Run("WScript.Echo Shapes(\"3\", 2.5)"), "Double Double 6 Double 0.5 Long 3 lt ge\n");
  EXPECT_EQ(Run("WScript.Echo Shapes(2.5, CLng(2))"), "Double Double 5 Double 0.5 Long 2 lt ge\n");
  EXPECT_EQ(Run("WScript.Echo Shapes(Empty, 0)"), "Integer Long 0 Integer 0 Integer 0 lt ge\n");
  // Null spreads through arithmetic, and a condition on it is False.
  EXPECT_EQ(Run("WScript.Echo TypeName(Shapes(Null, 1))"), "String\n");
  EXPECT_EQ(Run("Set b = New Acc : b.m = 40000 : WScript.Echo b.Plus(1), TypeName(b.Plus(1)), "
                "b.Plus(0.5)"),
            "40001 Long 40000.5\n");
  // Stores and reads at an index from a variable and a literal: whole numbers go straight
  // to the element, other values round as CLng does, and a bad index is error 9.
  ASSERT_TRUE(engine
                  .AddCode("Function Stores(y)\n"
                           " Dim b(2) : b(y Mod 3) = \"s\" : b(y - 1) = b(y - 1) & \"t\"\n"
                           " Stores = Join(b, \"/\") & \" \" & b(y * 1)\n"
                           "End Function\n"
                           "Function ByZero(x) : Dim c(1) : ByZero = c(x Mod 0) : End Function\n")
                  .ok());
  EXPECT_EQ(Run("WScript.Echo Stores(1), Stores(CLng(2)), Stores(2.5), Stores(\"1\")"),
            "t/s/ s /t/s s //st st t/s/ s\n");
  // Mod by a literal 0 is division by zero, as a value and as an index.
  for (const char* code : {"x = 5 Mod 0", "x = ByZero(5)"}) {
    Result r = engine.AddCode(code);
    ASSERT_FALSE(r.ok()) << code;
    EXPECT_EQ(r.error().number, 11) << code;
  }
  for (const char* code : {"x = Stores(4)", "x = Stores(0)", "x = Stores(Null)"}) {
    Result r = engine.AddCode(code);
    ASSERT_FALSE(r.ok()) << code;
    EXPECT_EQ(r.error().number, std::string(code) == "x = Stores(Null)" ? 94 : 9) << code;
    EXPECT_EQ(r.error().line, 2) << code;
  }
  const std::pair<const char*, int> failing[] = {
      {"x = Shapes(\"a\", 1)", 13}, {"x = Shapes(Array(1), 1)", 13}, {"x = Shapes(1E20, 1)", 6}};
  for (const auto& [code, number] : failing) {
    Result r = engine.AddCode(code);
    ASSERT_FALSE(r.ok()) << code;
    EXPECT_EQ(r.error().number, number) << code;
    EXPECT_EQ(r.error().procedure, "Shapes") << code;
  }
}

// Call frames live on a stack of chunks: deep recursion with many locals crosses from one
// chunk to the next and back, and a second run starts again from the first chunk.
TEST_F(EngineTest, DeepRecursionKeepsEveryFramesLocals) {
  // 100 locals a frame: 300 calls fill more than one chunk, and stay shallow enough for the
  // native stack of any build.
  std::string dims = " Dim s(3)";
  for (int i = 0; i < 100; ++i) dims += ", v" + std::to_string(i);
  ASSERT_TRUE(engine
                  .AddCode("Function Sum(n)\n" + dims +
                           "\n"
                           " v0 = n : v99 = -n : s(3) = n * 2 : v50 = \"n\" & n\n"
                           " If n = 0 Then Sum = 0 Else Sum = Sum(n - 1) + v0\n"
                           " If v0 <> n Or v99 <> -n Or s(3) <> n * 2 Or v50 <> \"n\" & n Then"
                           " Sum = -1\n"
                           "End Function")
                  .ok());
  for (int round = 0; round < 2; ++round) {
    Result r = engine.Run("Sum", {Variant(int32_t{300})});
    ASSERT_TRUE(r.ok()) << r.error().description;
    EXPECT_EQ(r.value().ToLong(), 300 * 301 / 2);
  }
}

}  // namespace
}  // namespace sw::vbs

namespace sw::vbs {
namespace {

TEST_F(EngineTest, LocaleGovernsScriptsOnlyAndSurvivesReset) {
  EXPECT_EQ(engine.locale(), 1033);
  EXPECT_FALSE(engine.set_locale(99999));
  EXPECT_FALSE(engine.set_locale(0));
  ASSERT_TRUE(engine.set_locale(1031));
  EXPECT_EQ(Run("WScript.Echo 1.5, CDbl(\"2,5\") * 2, GetLocale()"), "1,5 5 1031\n");
  // Values handed back are converted by the host in its own (US) form.
  Result r = engine.Eval("CDbl(\"1,25\")");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value().ToUtf8(), "1.25");
  EXPECT_EQ(TextLocale().Lcid, 1033);

  // A script's SetLocale stays in force for later scripts and across Reset; SetLocale
  // without an argument returns to the locale the host gave.
  EXPECT_EQ(Run("WScript.Echo SetLocale(\"fr-fr\")"), "1031\n");
  EXPECT_EQ(engine.locale(), 1036);
  engine.Reset();
  ASSERT_TRUE(engine.AddObject("WScript", echo.object(), false).ok());
  EXPECT_EQ(Run("WScript.Echo 0.5, SetLocale(), 0.5"), "0,5 1036 0,5\n");
  EXPECT_EQ(engine.locale(), 1031);

  // An error inside leaves the locale of the thread as it was.
  Result failed = engine.AddCode("SetLocale 1041\nx = 1 / 0");
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(engine.locale(), 1041);
  EXPECT_EQ(TextLocale().Lcid, 1033);
}

}  // namespace
}  // namespace sw::vbs
