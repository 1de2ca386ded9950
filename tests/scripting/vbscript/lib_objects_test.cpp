// The host's dialogs (MsgBox, InputBox), the Err object's full form, and engine information.
#include "scripting/vbscript/lib_dialogs.h"
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

// Records what scripts ask of the dialogs and answers with preset values.
class DialogHost : public ScriptHost {
 public:
  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    log += "msgbox [" + prompt + "] " + std::to_string(buttons) + " [" + title + "]\n";
    return answer;
  }
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& def) override {
    log += "inputbox [" + prompt + "] [" + title + "] [" + def + "]\n";
    return typed;
  }
  std::string log;
  int answer = msgbox::kOK;
  std::optional<std::string> typed;
};

class Dialogs : public LibTest {
 protected:
  void SetUp() override {
    LibTest::SetUp();
    engine.set_host(&host);
  }
  void TearDown() override { engine.set_host(nullptr); }
  DialogHost host;
};

TEST_F(Dialogs, MsgBoxPassesFlagsAndReturnsTheButton) {
  host.answer = msgbox::kNo;
  EXPECT_EQ(Run("r = MsgBox(\"Save?\", vbYesNo + vbQuestion + vbDefaultButton2, \"Game\")\n"
                "WScript.Echo r = vbNo, TypeName(r)"),
            "True Integer\n");
  EXPECT_EQ(host.log, "msgbox [Save?] 292 [Game]\n");
}

TEST_F(Dialogs, MsgBoxWithoutTitleLeavesTheCaptionToTheHost) {
  Run("MsgBox 42");
  EXPECT_EQ(host.log, "msgbox [42] 0 []\n");
}

TEST_F(Dialogs, InputBoxReturnsTextOrEmptyOnCancel) {
  host.typed = "Ann";
  EXPECT_EQ(Run("WScript.Echo InputBox(\"Name?\", \"Game\", \"Bob\")"), "Ann\n");
  EXPECT_EQ(host.log, "inputbox [Name?] [Game] [Bob]\n");
  host.typed.reset();
  EXPECT_EQ(Run("WScript.Echo \"[\" & InputBox(\"Name?\") & \"]\""), "[]\n");
}

TEST(MsgBoxStyles, DecodesButtonsIconAndDefault) {
  MsgBoxStyle s = DecodeMsgBox(4 + 32 + 256);  // vbYesNo + vbQuestion + vbDefaultButton2
  EXPECT_EQ(s.buttons, (std::vector<int>{msgbox::kYes, msgbox::kNo}));
  EXPECT_EQ(s.icon, MsgBoxIcon::kQuestion);
  EXPECT_EQ(s.default_index, 1);
  EXPECT_EQ(s.cancel_code, 0);
  MsgBoxStyle a = DecodeMsgBox(2 + 16 + 512);  // vbAbortRetryIgnore + vbCritical + default 3
  EXPECT_EQ(a.buttons, (std::vector<int>{msgbox::kAbort, msgbox::kRetry, msgbox::kIgnore}));
  EXPECT_EQ(a.icon, MsgBoxIcon::kCritical);
  EXPECT_EQ(a.default_index, 2);
  MsgBoxStyle o = DecodeMsgBox(0);
  EXPECT_EQ(o.buttons, (std::vector<int>{msgbox::kOK}));
  EXPECT_EQ(o.cancel_code, msgbox::kOK);
  EXPECT_EQ(o.icon, MsgBoxIcon::kNone);
  MsgBoxStyle c = DecodeMsgBox(3 + 48 + 768 + 4096);  // default 4 of three buttons
  EXPECT_EQ(c.default_index, 0);
  EXPECT_EQ(c.cancel_code, msgbox::kCancel);
  EXPECT_EQ(c.icon, MsgBoxIcon::kExclamation);
  EXPECT_TRUE(c.system_modal);
  EXPECT_EQ(DecodeMsgBox(64 + 5).icon, MsgBoxIcon::kInformation);
  EXPECT_EQ(DecodeMsgBox(5).buttons, (std::vector<int>{msgbox::kRetry, msgbox::kCancel}));
}

using ErrObjectTest = LibTest;

TEST_F(ErrObjectTest, FullFormAfterARuntimeError) {
  EXPECT_EQ(Run("On Error Resume Next : x = 1 / 0\n"
                "WScript.Echo Err.Number, Err.Description, Err.Source, \"[\" & Err.HelpFile & "
                "\"]\", Err.HelpContext, Err"),
            "11 Division by zero Microsoft VBScript runtime error [] 0 11\n");
}

TEST_F(ErrObjectTest, RaiseDefaultsAndClear) {
  EXPECT_EQ(Run("On Error Resume Next : Err.Raise 5\n"
                "WScript.Echo Err.Number, Err.Description, Err.Source\n"
                "Err.Clear : WScript.Echo Err.Number, \"[\" & Err.Description & \"]\""),
            "5 Invalid procedure call or argument Microsoft VBScript runtime error\n0 []\n");
  EXPECT_EQ(Run("On Error Resume Next : Err.Raise vbObjectError + 7, \"Game\", \"Broke\", "
                "\"h.hlp\", 3\n"
                "WScript.Echo Err.Number - vbObjectError, Err.Source, Err.Description, "
                "Err.HelpFile, Err.HelpContext"),
            "7 Game Broke h.hlp 3\n");
  EXPECT_EQ(Run("On Error Resume Next : Err.Raise 1000\nWScript.Echo Err.Description"),
            "Unknown runtime error\n");
  EXPECT_EQ(RunError("Err.Raise 0"), 5);
  EXPECT_EQ(RunError("Err.Raise 65536"), 5);
}

TEST_F(ErrObjectTest, OnErrorStatementsClearErr) {
  EXPECT_EQ(Run("On Error Resume Next : x = 1 / 0 : On Error GoTo 0 : WScript.Echo Err.Number"),
            "0\n");
}

using EngineInfo = LibTest;

TEST_F(EngineInfo, NamesVersionsAndLocale) {
  EXPECT_EQ(Str("ScriptEngine"), "VBScript");
  EXPECT_EQ(Str("ScriptEngineMajorVersion & \".\" & ScriptEngineMinorVersion"), "5.8");
  EXPECT_EQ(Type("ScriptEngineBuildVersion"), "Long");
  EXPECT_EQ(Str("GetLocale()"), "1033");
  EXPECT_EQ(Type("GetLocale()"), "Long");
  EXPECT_EQ(Str("SetLocale(1033)"), "1033");
  EXPECT_EQ(Str("SetLocale(\"en-us\")"), "1033");
  EXPECT_EQ(ErrorOf("SetLocale(99999)"), 447);
  EXPECT_EQ(ErrorOf("SetLocale(Null)"), 94);
  EXPECT_EQ(ErrorOf("LoadPicture(\"x.bmp\")"), 481);
}

}  // namespace
}  // namespace sw::vbs
