#include "vbsrunner/terminal_text.h"

#include "base/code_page.h"
#include "base/utf.h"

namespace sw::vbsrunner {

std::string ScriptFileText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes) return std::string(bytes);
  return Windows1252().ToUtf8(bytes);
}

}  // namespace sw::vbsrunner
