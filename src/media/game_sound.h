// The game's sound service: the seven channels of the running game on seven media players,
// reached by frame opening, hotspot actions, the reset and the fade timer, and shown in the
// state dump as "players" and "channels".
#pragma once

#include <array>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "core/game/subsystems.h"
#include "media/sound_channels.h"
#include "platform/state_dump.h"

namespace sw {
class GameRuntime;
}

namespace sw::media {

class GameSound final : public SoundService, private SoundHost {
 public:
  // The players must outlive the service; `errors` takes the one line written for a sound
  // that cannot be played outside the channel orders.
  GameSound(GameRuntime& runtime, const std::array<platform::MediaPlayer*, kChannels>& players,
            std::ostream& errors);
  ~GameSound() override;

  SoundChannels& channels() { return channels_; }
  // Runs at every reset of the game, before the players stop (the soundfont choice).
  std::function<void()> on_reset;
  // Keeps the players' owner alive as long as the service.
  std::shared_ptr<void> backend;

  // SoundService
  void ResetSoundChannels() override;
  void StopAnyWavOrMP3() override;
  void StopChannel(int channel) override;
  bool IsFilePlaying(const std::string& path) override;
  void PlayOnChannel(int channel, const std::string& path, int playCount, int level) override;
  bool OfferFrameChannelEntry(int k, const ChannelEntry& entry) override;
  void SetFadeTime(double seconds) override;
  void PlaySoundChannels(ValueReader& reader) override;
  void ApplySoundChannels() override;
  void StepAudioFade(double progress) override;
  void TimerAudioFade() override;
  bool IsChannelPlaying(int channel) override;
  void SetActionChannelOrder(int k, const ChannelOrder& order) override;

 private:
  // SoundHost
  std::string ResolveSoundFile(const std::string& name) override;
  bool FileExists(const std::string& path) override;
  bool StopRequested() override;
  bool AudioWarningShown() override;
  void SetAudioWarningShown() override;
  void ShowWarning(const std::string& text, const std::string& title) override;
  void ShowStandardError(const std::string& detail) override;
  double SecondsSinceMidnight() override;
  void DisableFadeTimer() override;

  // A path as the dump shows it: below the game folder when it lies there.
  std::string ForDump(const std::string& path) const;

  GameRuntime& runtime_;
  std::ostream& errors_;
  SoundChannels channels_;
  platform::StateDump::Registration dump_;
};

}  // namespace sw::media
