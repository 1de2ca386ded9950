// Fuzz target: the INI reader and writer, read, changed and written back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/system/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  sw::IniDocument document(bytes);
  const std::vector<std::string> sections = document.Sections();
  size_t reads = 0;
  for (const std::string& section : sections) {
    for (const std::string& key : document.Keys(section)) {
      if (++reads > 1000) break;
      (void)document.Get(section, key);
    }
  }
  // Names taken from the input itself, so changes meet the file's own lines.
  const std::string a = bytes.substr(0, size / 3), b = bytes.substr(size / 3, size / 3);
  document.Set(a, b, "value");
  document.Set(sections.empty() ? "New" : sections.front(), a, b);
  (void)document.Remove(a, b);
  const std::string written = document.bytes();
  // What is written reads back with the change in it.
  sw::IniDocument again(written);
  (void)again.Get(sections.empty() ? "New" : sections.front(), a);
  return 0;
}
