// The library's built-in functions and objects: one registration function per family, all
// called from RegisterLibraryBuiltins.
#pragma once

#include "scripting/vbscript/builtins.h"

namespace sw::vbs {

// Registers every family below.
void RegisterLibraryBuiltins(BuiltinTable& t);

namespace lib {
void RegisterLibStrings(BuiltinTable& t);  // InStr, Replace, StrComp, Escape ...
void RegisterLibArrays(BuiltinTable& t);   // Split, Join, Filter
void RegisterLibMath(BuiltinTable& t);     // Sqr, Round, Rnd, Hex, RGB ...
void RegisterLibFormat(BuiltinTable& t);   // FormatNumber, FormatDateTime ...
void RegisterLibDates(BuiltinTable& t);    // Now, DateAdd, DateDiff, Weekday ...
void RegisterLibInfo(BuiltinTable& t);     // ScriptEngine, GetLocale, GetObject ...
void RegisterLibObjects(BuiltinTable& t);  // CreateObject, RegExp
}  // namespace lib

}  // namespace sw::vbs
