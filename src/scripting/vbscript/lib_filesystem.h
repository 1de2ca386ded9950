// Scripting.FileSystemObject and its TextStream: the file operations games use, with paths
// resolved and writes allowed through the host's FileAccess policy (E70 when refused).
#pragma once

#include "base/code_page.h"
#include "scripting/vbscript/lib_file_access.h"
#include "variant/dispatch.h"

namespace sw::vbs::lib {

// `access` and `page` (the code page of ANSI text files) must outlive the object.
Ref<Dispatch> MakeFileSystemObject(const FileAccess* access, const CodePage& page);

}  // namespace sw::vbs::lib
