// The index of a project shipped on several discs (ConfigFolder + "CDContents"): the number
// of discs, then one entry per file that lies on a disc. Described once for reading and
// writing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

class ValueReader;
class ValueWriter;

// Where an indexed file lies on its disc.
enum class CDFileKind : int16_t {
  kFrames = 1,  // beside the frame files
  kAreas = 2,   // beside the hotspot pictures and sounds
};

struct CDContentsEntry {
  std::string Name;  // file name inside its folder
  int16_t CDNumber = 0;
  int16_t Kind = 0;  // a CDFileKind; other values are stored but never located
};

struct CDContents {
  int16_t CDCount = 0;
  std::vector<CDContentsEntry> Entries;
};

// The disc count (the three values before it and the two after it are not used).
int16_t ReadCDContentsHeader(ValueReader& reader);
// One entry; the caller reads entries until the reader is at its end.
CDContentsEntry ReadCDContentsEntry(ValueReader& reader);
void WriteCDContents(ValueWriter& writer, const CDContents& contents);

}  // namespace sw
