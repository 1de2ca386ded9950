// Fuzz target: the picture loader's front end: the header check, then decoding what it lets
// through.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "platform/picture.h"
#include "platform/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto header = sw::platform::ReadPictureHeader(bytes);
  if (!header || !sw::platform::IsDecodable(*header)) return 0;
  try {
    const sw::platform::Picture picture = sw::platform::DecodePicture(bytes, "fuzz", true);
    // The decoder never makes a picture larger than the header allowed.
    if (picture.width() > header->width || picture.height() > header->height) __builtin_trap();
  } catch (const std::exception&) {
    // Damaged pictures are errors, not findings.
  }
  return 0;
}
