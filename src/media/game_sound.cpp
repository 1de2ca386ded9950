#include "media/game_sound.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "base/vb_error.h"
#include "core/game/game_runtime.h"
#include "core/game/game_window.h"
#include "platform/platform.h"

namespace sw::media {

GameSound::GameSound(GameRuntime& runtime,
                     const std::array<platform::MediaPlayer*, kChannels>& players,
                     std::ostream& errors)
    : runtime_(runtime), errors_(errors), channels_(players, *this) {
  dump_ = runtime_.platform().state().Add([this](nlohmann::json& out) {
    auto players = nlohmann::json::array();
    for (int i = 1; i <= kChannels; ++i) {
      const platform::MediaPlayer& p = channels_.player(i);
      players.push_back({{"index", i},
                         {"file", ForDump(p.FileName())},
                         {"playing", p.PlayState() == platform::kPlayStatePlaying},
                         {"volume", p.Volume()},
                         {"playCount", p.PlayCount()}});
    }
    out["players"] = std::move(players);
    auto channels = nlohmann::json::array();
    for (int c = 1; c <= kChannels; ++c) {
      const SoundChannel& ch = channels_.channel(c);
      channels.push_back({{"index", c},
                          {"action", ch.action},
                          {"file", runtime_.ForDisplay(ch.file)},
                          {"fade", ch.fade},
                          {"repeat", ch.repeat},
                          {"player", ch.player},
                          {"outgoing", ch.outgoing},
                          {"volume", ch.volume}});
    }
    out["channels"] = std::move(channels);
  });
}

GameSound::~GameSound() {
  dump_.Reset();
}

std::string GameSound::ForDump(const std::string& path) const {
  const std::string& root = runtime_.folders.ProjectFolder;
  if (!root.empty() && path.size() > root.size() && path.compare(0, root.size(), root) == 0) {
    return runtime_.ForDisplay(path.substr(root.size()));
  }
  return runtime_.ForDisplay(path);
}

void GameSound::ResetSoundChannels() {
  if (on_reset) on_reset();
  channels_.ResetSoundChannels();
}

void GameSound::StopAnyWavOrMP3() {
  channels_.StopAnyWavOrMP3();
}

void GameSound::StopChannel(int channel) {
  channels_.PlayerOf(channel).Stop();
}

bool GameSound::IsFilePlaying(const std::string& path) {
  return channels_.IsFilePlaying(path);
}

void GameSound::PlayOnChannel(int channel, const std::string& path, int playCount, int level) {
  try {
    channels_.PlayOnChannel(channel, path, playCount, level);
  } catch (const std::exception& e) {
    // A missing file has had its warning from the media-path lookup.
    if (!FileExists(path)) return;
    errors_ << "scenewright: cannot play '" << runtime_.ForDisplay(path) << "': " << e.what()
            << '\n';
  }
}

bool GameSound::OfferFrameChannelEntry(int k, const ChannelEntry& entry) {
  if (k < 1 || k > kChannels) return false;
  SoundOrder order;
  order.action = entry[0].ToInteger();
  order.fade = entry[1].ToBool();
  order.repeat = entry[2].ToBool();
  order.volume = entry[3].ToDouble();
  order.file = entry[4].ToStringUtf8();
  return channels_.OfferFrameOrder(k, order);
}

void GameSound::SetFadeTime(double seconds) {
  channels_.SetFadeTime(seconds);
}

void GameSound::PlaySoundChannels(ValueReader& reader) {
  channels_.PlaySoundChannels(reader);
}

void GameSound::ApplySoundChannels() {
  channels_.ApplySoundChannels();
}

void GameSound::StepAudioFade(double progress) {
  channels_.StepAudioFade(progress);
}

void GameSound::TimerAudioFade() {
  channels_.TimerAudioFade();
}

bool GameSound::IsChannelPlaying(int channel) {
  return channels_.PlayerOf(channel).PlayState() == platform::kPlayStatePlaying;
}

void GameSound::SetActionChannelOrder(int k, const ChannelOrder& order) {
  // The channel table has entries 1 to 7.
  if (k < 1 || k > kChannels) throw VbError(vberr::kSubscriptOutOfRange);
  channels_.SetActionOrder(
      k, SoundOrder{order.action, order.fade, order.repeat, order.volume, order.file});
}

std::string GameSound::ResolveSoundFile(const std::string& name) {
  return runtime_.ResolveMediaPath(runtime_.folders.AreasFolder + name);
}

bool GameSound::FileExists(const std::string& path) {
  return runtime_.FileExists(path);
}

bool GameSound::StopRequested() {
  return runtime_.StopRequested;
}

bool GameSound::AudioWarningShown() {
  return runtime_.AudioWarningShown;
}

void GameSound::SetAudioWarningShown() {
  runtime_.AudioWarningShown = true;
}

void GameSound::ShowWarning(const std::string& text, const std::string& title) {
  platform::MessageStyle style;
  style.icon = platform::MessageIcon::kWarning;
  runtime_.ShowMessage(text, title, style);
}

void GameSound::ShowStandardError(const std::string& detail) {
  runtime_.ShowStandardError(detail);
}

double GameSound::SecondsSinceMidnight() {
  return runtime_.platform().clock().SecondsSinceMidnight();
}

void GameSound::DisableFadeTimer() {
  if (GameWindow* game = runtime_.game()) game->TimerAudioFade.SetEnabled(false);
}

}  // namespace sw::media
