#include "scripting/vbscript/lib_register.h"

namespace sw::vbs {

void RegisterLibraryBuiltins(BuiltinTable& t) {
  lib::RegisterLibStrings(t);
  lib::RegisterLibArrays(t);
  lib::RegisterLibMath(t);
  lib::RegisterLibFormat(t);
  lib::RegisterLibDates(t);
  lib::RegisterLibInfo(t);
  lib::RegisterLibObjects(t);
}

}  // namespace sw::vbs
