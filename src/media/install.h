// Installs the sound service into a game runtime: on the SDL_mixer players (the program), or
// on players a test provides.
#pragma once

#include <array>
#include <iosfwd>
#include <memory>

#include "media/sound_channels.h"

namespace sw {
class GameRuntime;
}

namespace sw::media {

class GameSound;

// Opens the audio device (SDL's dummy driver in headless runs) and makes the service on its
// seven players, for the runtime's sound slot. MIDI files play with a soundfont found in the
// game folder, else with the system's General MIDI soundfont.
std::unique_ptr<GameSound> CreateSound(GameRuntime& runtime);
// Installs the service on the given players, which must outlive the runtime's service.
GameSound& InstallSound(GameRuntime& runtime,
                        const std::array<platform::MediaPlayer*, kChannels>& players,
                        std::ostream& errors);

}  // namespace sw::media
