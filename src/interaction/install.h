// Installs the variables and the interaction subsystem (hotspots, texts, messages, pointers,
// actions) into a game runtime on their own, for tests and benchmarks that run them without
// the whole player (the player installs every service itself).
#pragma once

#include <memory>

namespace sw {

class GameRuntime;
class Interaction;

// Replaces the runtime's variable, hotspot, click, text, message and pointer services;
// returns the subsystem.
std::shared_ptr<Interaction> InstallInteraction(GameRuntime& runtime);

}  // namespace sw
