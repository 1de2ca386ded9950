// Scripting.FileSystemObject and its TextStream: the file operations games use, with paths
// resolved and writes allowed through the host's FileAccess policy (E70 when refused).
#pragma once

#include "scripting/vbscript/lib_file_access.h"
#include "variant/dispatch.h"

namespace sw::vbs::lib {

// `access` must outlive the object; null selects the default policy.
Ref<Dispatch> MakeFileSystemObject(const FileAccess* access);

}  // namespace sw::vbs::lib
