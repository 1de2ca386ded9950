#include "scripting/host/debug_commands.h"

#include <gtest/gtest.h>

#include "platform/text_field.h"
#include "script_game_fixture.h"

namespace sw::testing {
namespace {

// Types a text into the input box the command opens, then presses OK (or Cancel).
class TypeIntoInputBox : public platform::InputSource {
 public:
  std::string text;
  bool cancel = false;
  bool Poll(platform::Platform& platform) override {
    platform::Form* dialog = platform.desktop().top_modal();
    if (dialog == nullptr) {
      platform.virtual_clock()->Advance(10);
      return true;
    }
    for (const auto& element : dialog->elements()) {
      if (auto* field = dynamic_cast<platform::TextFieldElement*>(element.get());
          field != nullptr && !typed_) {
        seen = field->text();
        field->SetText(text);
        typed_ = true;
      }
    }
    platform::InputEvent press;
    press.kind = platform::InputEvent::Kind::kKeyDown;
    press.key_code = cancel ? platform::keys::kEscape : platform::keys::kReturn;
    platform.events().Post(press);
    press.kind = platform::InputEvent::Kind::kKeyUp;
    platform.events().Post(press);
    return true;
  }
  std::string seen;  // the proposed text

 private:
  bool typed_ = false;
};

class DebugCommandsTest : public ScriptGameFixture {
 protected:
  void Type(const std::string& code, bool cancel = false) {
    TypeIntoInputBox input;
    input.text = code;
    input.cancel = cancel;
    game.platform.events().SetInputSource(&input);
    ExecuteVBScriptCommand(game.runtime);
    game.platform.events().SetInputSource(&ticks);
    proposed = input.seen;
  }
  std::string Remembered() { return game.runtime.GetSetting("ExecuteVBScriptCode", "<none>"); }
  std::string proposed;
};

TEST_F(DebugCommandsTest, TypedCodeRunsShowsHotspotsAndIsRemembered) {
  writer.WriteVariables({"Door"});
  Start();
  Type("Door = 5");
  EXPECT_EQ(variables().GetVariableValue("Door"), 5);
  EXPECT_EQ(Remembered(), "Door = 5");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].kind, "input");
  EXPECT_EQ(messages()[0].title, "Execute VBScript Code (for advanced users)");
  EXPECT_EQ(messages()[0].text,
            "Enter the VBScript code you want to execute and then click OK.\r\n\r\n"
            "For example, to retrieve the value of a variable, use the following code:\r\n\r\n"
            "                MsgBox VARIABLE_NAME\r\n\r\n");
  // The remembered code is proposed next time; a syntax error is reported and remembered.
  Type("If Then");
  EXPECT_EQ(proposed, "Door = 5");
  EXPECT_EQ(Remembered(), "If Then");
  EXPECT_NE(messages().back().text.find("Error executing script."), std::string::npos);
  // Cancelling runs nothing and keeps the remembered code.
  Type("Door = 9", true);
  EXPECT_EQ(variables().GetVariableValue("Door"), 5);
  EXPECT_EQ(Remembered(), "If Then");
}

TEST_F(DebugCommandsTest, FrameRequestsAndQuit) {
  Start();
  Type("GoToFrame \"Hall\", 0, 0");
  EXPECT_EQ(FrameName(), "Hall");
  Type("Quit");
  EXPECT_EQ(log.Count("StartUnloading"), 1u);
  EXPECT_EQ(Remembered(), "GoToFrame \"Hall\", 0, 0") << "code that quits is not remembered";
}

TEST_F(DebugCommandsTest, EditProceduresIsNotAvailable) {
  Start();
  EditProceduresCommand(game.runtime);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].title, "Not Available");
  EXPECT_EQ(messages()[0].icon, "information");
  EXPECT_EQ(messages()[0].text,
            "This command is not available in the compiled version of the project.");
}

}  // namespace
}  // namespace sw::testing
