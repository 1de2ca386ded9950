// The Debug menu's script commands: running a piece of VBScript typed by the player (the code
// is remembered per user) and the procedures editor, which the player does not have. The
// variables view belongs to the variables.
#pragma once

namespace sw {

class GameRuntime;

// "Execute VBS code...".
void ExecuteVBScriptCommand(GameRuntime& runtime);
// "Edit VBS Procedures...".
void EditProceduresCommand(GameRuntime& runtime);

}  // namespace sw
