// Installs the variables and the interaction subsystem (hotspots, texts, messages, pointers,
// actions) into a game runtime, and finds them again for other subsystems.
#pragma once

#include <memory>

namespace sw {

class GameRuntime;
class Interaction;

// Replaces the runtime's variable, hotspot, text and pointer hooks; returns the subsystem.
std::shared_ptr<Interaction> InstallInteraction(GameRuntime& runtime);
// The installed subsystem, or nullptr.
Interaction* FindInteraction(GameRuntime& runtime);

}  // namespace sw
