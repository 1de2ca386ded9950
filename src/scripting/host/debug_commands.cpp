#include "scripting/host/debug_commands.h"

#include "core/game/game_runtime.h"
#include "core/game/step_errors.h"
#include "platform/message_box.h"
#include "scripting/host/after_script.h"

namespace sw {

namespace {

const char* const kCodeSetting = "ExecuteVBScriptCode";
const char* const kErrorTitle = "Error Executing VBScript Code";

}  // namespace

void ExecuteVBScriptCommand(GameRuntime& runtime) {
  std::string remembered;
  try {
    remembered = runtime.GetSetting(kCodeSetting, "");  // 1
  } catch (const std::exception&) {
    remembered.clear();
  }
  const std::string prompt =
      "Enter the VBScript code you want to execute and then click OK.\r\n\r\n"
      "For example, to retrieve the value of a variable, use the following code:\r\n\r\n"
      "                MsgBox VARIABLE_NAME\r\n\r\n";
  const std::optional<std::string> answer = platform::ShowInputBox(
      runtime.platform(), prompt, "Execute VBScript Code (for advanced users)",
      remembered);  // 2
  const std::string code = answer ? *answer : std::string();
  if (code.empty()) return;  // 3
  try {
    // 4: the Action object is not reset, so requests left in it take effect again.
    runtime.subsystems().scripts->ExecuteVBScript(code, true);
    if (CarryOutScriptRequests(runtime)) return;  // 5, 6: code that quits is not remembered
  } catch (const std::exception& e) {
    platform::MessageStyle style;
    style.icon = platform::MessageIcon::kCritical;
    runtime.ShowMessage("Unable to execute the following VBScript code:\r\n\r\n" + code +
                            "\r\n\r\n" + ErrorDescription(e),
                        kErrorTitle, style);
    return;
  }
  try {
    runtime.SaveSetting(kCodeSetting, code);  // 8
  } catch (const std::exception&) {
    // The code ran; failing to remember it is no reason to bother the player.
  }
}

void EditProceduresCommand(GameRuntime& runtime) {
  platform::MessageStyle style;
  style.icon = platform::MessageIcon::kInformation;
  runtime.ShowMessage("This command is not available in the compiled version of the project.",
                      "Not Available", style);
}

}  // namespace sw
