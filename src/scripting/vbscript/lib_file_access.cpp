#include "scripting/vbscript/lib_file_access.h"

#include <string>

namespace sw::vbs {

std::filesystem::path FileAccess::Resolve(std::string_view script_path) const {
  std::string p(script_path);
  for (char& c : p)
    if (c == '\\') c = '/';
  return std::filesystem::path(p);
}

bool FileAccess::MayWrite(const std::filesystem::path&) const {
  return false;
}

bool FileAccess::MayRead(const std::filesystem::path&) const {
  return true;
}

}  // namespace sw::vbs
