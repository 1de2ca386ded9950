// Installs the inventory subsystem (items and bar) into a game runtime's service slot, for
// tests and benchmarks that build a runtime of their own.
#pragma once

#include <memory>

namespace sw {

class GameRuntime;
class Inventory;

// Replaces the runtime's inventory service; returns the subsystem.
std::shared_ptr<Inventory> InstallInventory(GameRuntime& runtime);

}  // namespace sw
