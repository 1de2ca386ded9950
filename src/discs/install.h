// Installs the multi-disc lookup into a game runtime's service slot.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/system/mount_table.h"

namespace sw {

class GameRuntime;
class MultiCD;

// Replaces the runtime's disc service; returns the subsystem. `mountTable` lists the mounted
// file systems (tests give one of their own).
std::shared_ptr<MultiCD> InstallDiscs(
    GameRuntime& runtime,
    std::filesystem::path mountTable = std::filesystem::path(kSystemMountTable));

}  // namespace sw
