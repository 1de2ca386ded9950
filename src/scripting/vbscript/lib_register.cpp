#include "scripting/vbscript/lib_register.h"

namespace sw::vbs {

void RegisterAllBuiltins(BuiltinTable& t) {
  lib::RegisterLibLanguage(t);
  lib::RegisterLibConversion(t);
  lib::RegisterLibStringBasics(t);
  lib::RegisterLibConstants(t);
  lib::RegisterLibStrings(t);
  lib::RegisterLibArrays(t);
  lib::RegisterLibMath(t);
  lib::RegisterLibFormat(t);
  lib::RegisterLibDates(t);
  lib::RegisterLibInfo(t);
  lib::RegisterLibObjects(t);
}

}  // namespace sw::vbs
