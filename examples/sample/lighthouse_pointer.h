// The sample game's hand pointer, shown over everything the player can click: a cursor file
// drawn here, with its hot spot at the fingertip.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "authoring/project_writer.h"

namespace sample {

// The pointer's file in the icons folder.
constexpr const char* kHandPointer = "hand.cur";

// A cursor file of one `size` x `size` picture in 32-bit colour with alpha; `pixel` gives
// 0xAARRGGBB, alpha 0 is transparent.
std::string MakeCursor(int size, int hotX, int hotY,
                       const std::function<uint32_t(int, int)>& pixel);

void WriteLighthousePointer(const sw::ProjectWriter& game);

}  // namespace sample
