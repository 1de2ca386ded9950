// Installs the video service into a game runtime: on the game's own back end (videos
// decoded with FFmpeg, their sound on the mixer), or on a back end a test provides.
#pragma once

#include <functional>
#include <memory>

#include "platform/audio_stream.h"

namespace sw {
class GameRuntime;
}

namespace sw::video {

class GameVideo;
class MediaBackend;

// `open_sound` gives each video the stream its sound plays on; without it videos are silent.
GameVideo& InstallVideo(GameRuntime& runtime,
                        std::function<std::unique_ptr<platform::AudioStream>()> open_sound);
GameVideo& InstallVideoBackend(GameRuntime& runtime, std::unique_ptr<MediaBackend> backend);

}  // namespace sw::video
