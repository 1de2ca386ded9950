// Fuzz target: the value-file reader, every typed read in an order the input chooses.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/valuefile/stored_values.h"
#include "core/valuefile/value_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the order of the typed reads; the rest is the file.
  const unsigned order = data[0];
  sw::ValueReader reader(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  for (unsigned step = 0; step < 100000 && !reader.AtEnd(); ++step) {
    try {
      (void)reader.IsSeparatorNext();
      switch ((order + step) % 9) {
        case 0:
          (void)reader.ReadString();
          break;
        case 1:
          (void)reader.ReadInteger();
          break;
        case 2:
          (void)reader.ReadLong();
          break;
        case 3:
          (void)reader.ReadBoolean();
          break;
        case 4:
          (void)reader.ReadDouble();
          break;
        case 5:
          (void)reader.ReadSingle();
          break;
        case 6:
          (void)reader.ReadVariant().ToString();
          break;
        case 7:
          (void)sw::ReadCount(reader);
          break;
        default:
          sw::SkipToSeparator(reader);
          break;
      }
    } catch (const std::exception&) {
      try {
        reader.Skip();  // a value of the wrong type: on to the next one
      } catch (const std::exception&) {
        break;  // nothing left to skip
      }
    }
  }
  return 0;
}
