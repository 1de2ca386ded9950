// Where the interaction files of a frame lie: the ".mr?" file of a merged frame wins over the
// ".fm?" file of the same frame. The reading helpers they share come with it.
#pragma once

#include <string>

#include "core/valuefile/stored_values.h"

namespace sw {

class GameRuntime;

// The path of a frame's file with `extension`, or "" when it does not exist.
std::string ExistingFrameFile(GameRuntime& runtime, const std::string& frame,
                              const std::string& extension);
// The ".mr?" file when it exists, else the ".fm?" file, else "" (`digit` is '1', '2' or '3').
std::string MergedOrFrameFile(GameRuntime& runtime, const std::string& frame, char digit);

}  // namespace sw
